#include "platform/input/KeyScript.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

namespace platform {

namespace {

struct Named {
  Key key;
  std::string_view name;
};

constexpr Named kNames[] = {{Key::Escape, "Escape"}, {Key::Left, "Left"}, {Key::Right, "Right"},
                            {Key::Control, "Control"}, {Key::Up, "Up"},   {Key::Down, "Down"}};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

uint32_t ParseKeys(std::string_view names, std::string_view entry) {
  if (names == "none") return 0;
  uint32_t held = 0;
  while (true) {
    const size_t plus = names.find('+');
    const std::string_view name = Trim(names.substr(0, plus));
    const auto it = std::find_if(std::begin(kNames), std::end(kNames), [&](const Named& n) { return n.name == name; });
    if (it == std::end(kNames))
      throw KeyScriptError("unknown key: " + std::string(name) + " (in key script entry " + std::string(entry) + ")");
    held |= KeyScript::Bit(it->key);
    if (plus == std::string_view::npos) break;
    names.remove_prefix(plus + 1);
  }
  return held;
}

void ParseEntry(std::string_view entry, KeyScript& script) {
  const size_t colon = entry.find(':');
  if (colon == std::string_view::npos) throw KeyScriptError("bad key script entry: " + std::string(entry));
  const std::string_view number = Trim(entry.substr(0, colon));
  long frame = 0;
  const auto r = std::from_chars(number.data(), number.data() + number.size(), frame);
  if (number.empty() || r.ec != std::errc() || r.ptr != number.data() + number.size() || frame < 0)
    throw KeyScriptError("bad key script frame: " + std::string(entry));
  const uint32_t held = ParseKeys(Trim(entry.substr(colon + 1)), entry);
  if (!script.Entries().empty() && frame < script.Entries().back().frame)
    throw KeyScriptError("key script frames go down at entry " + std::string(entry));
  script.Hold(frame, held);
}

}  // namespace

const std::vector<Key>& ScriptKeys() {
  static const std::vector<Key> keys = [] {
    std::vector<Key> k;
    for (const Named& n : kNames) k.push_back(n.key);
    return k;
  }();
  return keys;
}

std::string_view ScriptKeyName(Key key) {
  for (const Named& n : kNames)
    if (n.key == key) return n.name;
  return {};
}

KeyScript KeyScript::Parse(std::string_view text) {
  KeyScript script;
  while (!text.empty()) {
    size_t line = text.find('\n');
    std::string_view part = text.substr(0, line);
    text.remove_prefix(line == std::string_view::npos ? text.size() : line + 1);
    part = part.substr(0, part.find('#'));
    while (!part.empty()) {
      const size_t semi = part.find(';');
      const std::string_view entry = Trim(part.substr(0, semi));
      if (!entry.empty()) ParseEntry(entry, script);
      part.remove_prefix(semi == std::string_view::npos ? part.size() : semi + 1);
    }
  }
  return script;
}

KeyScript KeyScript::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw KeyScriptError(path + ": cannot read the key script");
  std::ostringstream text;
  text << in.rdbuf();
  try {
    return Parse(text.str());
  } catch (const KeyScriptError& e) {
    throw KeyScriptError(path + ": " + e.what());
  }
}

void KeyScript::Hold(long frame, uint32_t held) {
  if (!entries_.empty()) {
    Entry& last = entries_.back();
    if (frame < last.frame) throw KeyScriptError("key script frames go down at frame " + std::to_string(frame));
    if (frame == last.frame) {
      last.held = held;
      // an entry that now repeats the one before it says nothing
      if (entries_.size() > 1 && entries_[entries_.size() - 2].held == held) entries_.pop_back();
      return;
    }
    if (last.held == held) return;
  }
  entries_.push_back({frame, held});
}

void KeyScript::Hold(long frame, std::initializer_list<Key> keys) {
  uint32_t held = 0;
  for (Key k : keys) held |= Bit(k);
  Hold(frame, held);
}

uint32_t KeyScript::HeldAt(long frame) const {
  const auto after = std::upper_bound(entries_.begin(), entries_.end(), frame,
                                      [](long f, const Entry& e) { return f < e.frame; });
  return after == entries_.begin() ? 0 : std::prev(after)->held;
}

std::string KeyScript::Format(bool perLine) const {
  std::string text;
  for (const Entry& e : entries_) {
    if (!text.empty()) text += perLine ? "\n" : ";";
    text += std::to_string(e.frame) + ":";
    if (e.held == 0) text += "none";
    bool first = true;
    for (const Named& n : kNames) {
      if (!(e.held & Bit(n.key))) continue;
      if (!first) text += "+";
      text += n.name;
      first = false;
    }
  }
  if (perLine && !text.empty()) text += "\n";
  return text;
}

}  // namespace platform
