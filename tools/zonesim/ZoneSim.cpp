#include "tools/zonesim/ZoneSim.h"

#include <map>
#include <optional>
#include <ostream>
#include <sstream>

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

Options Parse(const std::vector<std::string>& args) {
  Options o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&]() -> const std::string& { return tools::OptionValue(args, i); };
    if (a == "--zone") o.zone = value();
    else if (a == "--dir") o.dir = value();
    else if (a == "--frames") o.frames = ParseLong(value(), "frame count");
    else if (a == "--keys" || a == "--keys-file") {
      if (!o.keys.Entries().empty()) throw UsageError{"only one of --keys and --keys-file, once"};
      try {
        o.keys = a == "--keys" ? platform::KeyScript::Parse(value()) : platform::KeyScript::Load(value());
      } catch (const platform::KeyScriptError& e) {
        throw UsageError{e.what()};
      }
    } else if (a == "--set") {
      const std::string& s = value();
      const auto eq = s.find('=');
      if (eq == std::string::npos) throw UsageError{"bad --set: " + s};
      o.sets.emplace_back(s.substr(0, eq), ParseDouble(s.substr(eq + 1), "value"));
    } else if (a == "--print") o.prints = Split(value(), ',');
    else if (a == "--every") o.every = ParseLong(value(), "--every");
    else if (a == "--final") o.finalOnly = true;
    else if (a == "--events") o.events = true;
    else if (a == "--png") o.png = value();
    else if (a == "--seed") o.seed = static_cast<uint32_t>(ParseLong(value(), "seed"));
    else if (a == "--act") o.act = static_cast<int>(ParseLong(value(), "act"));
    else throw UsageError{"unknown option: " + a};
  }
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

std::string SlotName(int slot) {
  if (slot == kSoundMusic) return "\"music\"";
  if (slot == kSoundActEnd) return "\"actend\"";
  return std::to_string(slot);
}

}  // namespace

int RunZoneSim(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  try {
    o = Parse(args);
  } catch (const UsageError& e) {
    err << "zonesim: " << e.message << "\n";
    return 2;
  }
  const ZoneTables* zone = FindZoneTables(o.zone);
  if (!zone) {
    err << "zonesim: unknown zone: " << o.zone << "\n";
    return 2;
  }

  platform::HeadlessPlatform os(o.seed);
  long frame = 0;
  if (o.events) {
    os.onEvent = [&](const platform::RecordedEvent& e) {
      out << "{\"frame\":" << frame << ",\"event\":";
      switch (e.kind) {
        case platform::RecordedEvent::Kind::Sound:
          out << "\"sound\",\"slot\":" << SlotName(e.slot) << ",\"op\":\"" << e.op << "\"}\n";
          break;
        case platform::RecordedEvent::Kind::Start: out << "\"start\",\"file\":\"" << e.text << "\"}\n"; break;
        case platform::RecordedEvent::Kind::Cd: out << "\"cd\",\"command\":\"" << e.text << "\"}\n"; break;
      }
    };
  }

  auto form = std::make_unique<ZoneForm>(os.Get(), *zone, o.dir);
  std::vector<NamedField> prints;
  try {
    for (const std::string& p : o.prints) prints.push_back(Resolve(*form, p));
    std::vector<std::pair<NamedField, double>> sets;
    for (const auto& [name, v] : o.sets) sets.emplace_back(Resolve(*form, name), v);

    auto print = [&] {
      out << "{\"frame\":" << frame;
      for (const NamedField& f : prints) out << ",\"" << f.text << "\":" << FormatField(f.ref, f.index);
      out << "}\n";
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
      out << "{\"frame\":" << frame << ",\"ended\":true}\n";
    }
  } catch (const UsageError& e) {
    err << "zonesim: " << e.message << "\n";
    return 2;
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
