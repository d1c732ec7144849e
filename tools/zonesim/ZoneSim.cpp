#include "tools/zonesim/ZoneSim.h"

#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>

#include <nlohmann/json.hpp>

#include "engine/core/FieldAccess.h"
#include "engine/core/Sounds.h"
#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "platform/input/KeyScript.h"
#include "platform/video/Png.h"
#include "tools/common/CommandLine.h"
#include "zones/ZoneProgram.h"

namespace orvane {

namespace {

using tools::UsageError;

struct Options {
  std::string zone;
  std::string dir;
  long frames = 1;
  platform::KeyScript keys;
  std::vector<std::pair<std::string, double>> sets;
  std::vector<std::string> prints;
  long every = 1;
  bool finalOnly = false;
  bool events = false;
  std::string png;
  uint32_t seed = 1;
  std::optional<int> act;
};

using tools::ParseDouble;
using tools::ParseLong;

std::vector<std::string> Split(const std::string& s, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(s);
  while (std::getline(in, part, sep))
    if (!part.empty()) parts.push_back(part);
  return parts;
}

constexpr tools::ToolUsage kUsage = {"zonesim",
    "usage: zonesim --zone plumvale|ashmoor --dir DIR [OPTION]...\n"
    "Runs a zone program's engine headless and prints its state as JSON lines.\n"
    "\n"
    "Options:\n"
    "  --zone NAME        the zone program: plumvale or ashmoor\n"
    "  --dir DIR          the zone programs' folder (the installation's Data/)\n"
    "  --act N            play act N\n"
    "  --frames N         play N frames (default 1)\n"
    "  --keys SCRIPT      keys held from frame F on: \"F:KEYS;...\", KEYS being Escape, Left, Right,\n"
    "                     Control, Up, Down joined by +, or none\n"
    "  --keys-file FILE   the key script from a file\n"
    "  --set NAME=VALUE   set a field (NAME or NAME[I]) after start-up; may be given again (not\n"
    "                     Character: the character comes from DIR/Orvane.cfg)\n"
    "  --print NAMES      the fields to print, joined by commas\n"
    "  --every K          print every K-th frame and the last (default 1)\n"
    "  --final            print the last frame only\n"
    "  --events           print the sounds, program starts and CD commands\n"
    "  --png FILE         write the last frame's picture\n"
    "  --seed S           seed of the random generator (default 1)\n"
    "  --help             show this help, then leave\n"
    "\n"
    "Exit status: 0 done (or the program ended), 1 a data fault, 2 bad usage.\n"};

Options Parse(const std::vector<std::string>& args) {
  Options o;
  auto takeKeys = [&](bool fromFile) {
    return [&o, fromFile](const std::string& v) {
      if (!o.keys.Entries().empty()) throw UsageError{"only one of --keys and --keys-file, once"};
      try {
        o.keys = fromFile ? platform::KeyScript::Load(v) : platform::KeyScript::Parse(v);
      } catch (const platform::KeyScriptError& e) {
        throw UsageError{e.what()};
      }
    };
  };
  tools::ReadOptions(
      args,
      {{"zone", true, [&](const std::string& v) { o.zone = v; }},
       {"dir", true, [&](const std::string& v) { o.dir = v; }},
       {"frames", true, [&](const std::string& v) { o.frames = ParseLong(v, "frame count"); }},
       {"keys", true, takeKeys(false)},
       {"keys-file", true, takeKeys(true)},
       {"set", true,
        [&](const std::string& v) {
          const auto eq = v.find('=');
          if (eq == std::string::npos) throw UsageError{"bad --set: " + v};
          // the character's pictures and values are read at start-up: changed later, the player is
          // drawn from the other character's sheet, that is not at all
          if (v.substr(0, eq) == "Character")
            throw UsageError{"--set Character: the character is chosen at start-up, by the second byte of DIR/Orvane.cfg"};
          o.sets.emplace_back(v.substr(0, eq), ParseDouble(v.substr(eq + 1), "value"));
        }},
       {"print", true, [&](const std::string& v) { o.prints = Split(v, ','); }},
       {"every", true, [&](const std::string& v) { o.every = ParseLong(v, "--every"); }},
       {"final", false, [&](const std::string&) { o.finalOnly = true; }},
       {"events", false, [&](const std::string&) { o.events = true; }},
       {"png", true, [&](const std::string& v) { o.png = v; }},
       {"seed", true, [&](const std::string& v) { o.seed = static_cast<uint32_t>(ParseLong(v, "seed")); }},
       {"act", true, [&](const std::string& v) { o.act = static_cast<int>(ParseLong(v, "act")); }}});
  if (o.zone.empty() || o.dir.empty()) throw UsageError{"--zone and --dir are required"};
  if (o.frames < 0 || o.every < 1) throw UsageError{"--frames must be 0 or more and --every 1 or more"};
  return o;
}

// A field name with an optional index: "PlayerX" or "ItemKind[3]".
struct NamedField {
  std::string text;
  FieldRef ref;
  int index = 0;
};

NamedField Resolve(ZoneForm& form, const std::string& text) {
  std::string name = text;
  int index = 0;
  bool indexed = false;
  const auto open = text.find('[');
  if (open != std::string::npos) {
    if (text.back() != ']') throw UsageError{"bad field: " + text};
    name = text.substr(0, open);
    index = static_cast<int>(ParseLong(text.substr(open + 1, text.size() - open - 2), "index"));
    indexed = true;
  }
  const auto ref = FindField(form, name);
  if (!ref) throw UsageError{"unknown field: " + name};
  if (ref->isTable != indexed) throw UsageError{ref->isTable ? name + " needs an index" : name + " takes no index"};
  if (indexed && (index < ref->lo || index > ref->hi))
    throw UsageError{"index out of range: " + text + " (" + std::to_string(ref->lo) + ".." + std::to_string(ref->hi) + ")"};
  return {text, *ref, index};
}

// One output line: a JSON object whose members keep the order they are added in. Names and strings
// go through the JSON library, which escapes them; a zone field's value is added as the JSON text
// FormatField gives (whole numbers without a point), which the scripts and tests read as it is.
class JsonLine {
 public:
  explicit JsonLine(long frame) { Add("frame", frame); }
  JsonLine& Add(std::string_view name, const nlohmann::json& value) { return AddText(name, Dump(value)); }
  JsonLine& AddText(std::string_view name, std::string_view json) {
    text_ += text_.empty() ? '{' : ',';
    text_ += Dump(name);
    text_ += ':';
    text_ += json;
    return *this;
  }
  std::string Text() const { return text_ + "}\n"; }

 private:
  // Bytes that are not UTF-8 (a file name may hold any) come out as U+FFFD rather than a fault.
  static std::string Dump(const nlohmann::json& value) {
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
  std::string text_;
};

nlohmann::json SlotName(int slot) {
  if (slot == kSoundMusic) return "music";
  if (slot == kSoundActEnd) return "actend";
  return slot;
}

}  // namespace

std::string EventLine(long frame, const platform::RecordedEvent& e) {
  JsonLine line(frame);
  switch (e.kind) {
    case platform::RecordedEvent::Kind::Sound:
      line.Add("event", "sound").Add("slot", SlotName(e.slot)).Add("op", e.op);
      break;
    case platform::RecordedEvent::Kind::Start: line.Add("event", "start").Add("file", e.text); break;
    case platform::RecordedEvent::Kind::Cd: line.Add("event", "cd").Add("command", e.text); break;
  }
  return line.Text();
}

int RunZoneSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  if (const auto status = tools::TakeCommandLine(kUsage, out, err, [&] { o = Parse(args); })) return *status;
  const ZoneTables* zone = FindZoneTables(o.zone);
  if (!zone) {
    err << "zonesim: unknown zone: " << o.zone << "\n";
    return tools::kBadUsage;
  }

  platform::HeadlessPlatform os(o.seed);
  long frame = 0;
  if (o.events) {
    os.onEvent = [&](const platform::RecordedEvent& e) { out << EventLine(frame, e); };
  }

  auto form = std::make_unique<ZoneForm>(os.Get(), *zone, o.dir);
  std::vector<NamedField> prints;
  try {
    for (const std::string& p : o.prints) prints.push_back(Resolve(*form, p));
    std::vector<std::pair<NamedField, double>> sets;
    for (const auto& [name, v] : o.sets) sets.emplace_back(Resolve(*form, name), v);

    auto print = [&] {
      JsonLine line(frame);
      for (const NamedField& f : prints) line.AddText(f.text, FormatField(f.ref, f.index));
      out << line.Text();
    };

    try {
      if (o.act) form->ActIndex = static_cast<int16_t>(*o.act);
      form->FormLoad();
      for (const auto& [f, v] : sets) WriteField(f.ref, f.index, v);
      if (!o.finalOnly || o.frames == 0) print();
      for (frame = 1; frame <= o.frames; ++frame) {
        platform::ApplyKeyScript(o.keys, frame, os.input);
        form->Frame();
        const bool last = frame == o.frames;
        if (o.finalOnly ? last : (frame % o.every == 0 || last)) print();
      }
    } catch (const ProgramEnded&) {
      out << JsonLine(frame).Add("ended", true).Text();
    }
  } catch (const UsageError& e) {
    err << "zonesim: " << e.message << "\n";
    return tools::kBadUsage;
  } catch (const std::exception& e) {
    err << "zonesim: " << e.what() << "\n";
    return 1;
  }
  if (!o.png.empty()) {
    try {
      platform::WritePng(form->WorkSurface, o.png);
    } catch (const std::exception& e) {
      err << "zonesim: " << e.what() << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace orvane
