#include "assets/levels/LevelText.h"

#include <charconv>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>

#include "assets/levels/ItemKinds.h"

namespace levels {

namespace {

struct Line {
  int number;
  std::vector<std::string> tokens;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  int number = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view raw = text.substr(pos, end - pos);
    ++number;
    if (const size_t semi = raw.find(';'); semi != std::string_view::npos) raw = raw.substr(0, semi);
    Line line{number, {}};
    std::istringstream in{std::string(raw)};
    for (std::string token; in >> token;) line.tokens.push_back(token);
    if (!line.tokens.empty()) lines.push_back(std::move(line));
    if (end == text.size()) break;
    pos = end + 1;
  }
  return lines;
}

[[noreturn]] void Fail(const std::string& name, int line, const std::string& message) {
  throw LevelError(name + ":" + std::to_string(line) + ": " + message);
}

std::optional<int> ToInt(std::string_view s) {
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int value = 0;
  const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || ptr != s.data() + s.size() || s.empty()) return std::nullopt;
  return value;
}

std::optional<double> ToDouble(std::string_view s) {
  try {
    size_t used = 0;
    const double v = std::stod(std::string(s), &used);
    if (used != s.size()) return std::nullopt;
    return v;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

// "12", "12+40", "12-8" -> base 12 and offset; the base may be empty ("+4", "").
struct BaseOffset {
  std::optional<int> base;
  int offset = 0;
};
std::optional<BaseOffset> SplitBaseOffset(std::string_view s) {
  BaseOffset result;
  const size_t sign = s.find_first_of("+-");
  const std::string_view head = s.substr(0, sign);
  if (!head.empty()) {
    result.base = ToInt(head);
    if (!result.base) return std::nullopt;
  }
  if (sign != std::string_view::npos) {
    const auto off = ToInt(s.substr(sign));
    if (!off) return std::nullopt;
    result.offset = *off;
  }
  return result;
}

enum class YKind { Pixel, Ground, Ceiling };
struct YRef {
  YKind kind = YKind::Pixel;
  int value = 0;  // pixel y, or the start row for ground and ceiling
  int offset = 0;
};

std::optional<int> ParseX(std::string_view s) {
  if (!s.empty() && s.front() == '@') {
    const auto parts = SplitBaseOffset(s.substr(1));
    if (!parts || !parts->base) return std::nullopt;
    return *parts->base * kBlock + parts->offset;
  }
  return ToInt(s);
}

std::optional<YRef> ParseY(std::string_view s) {
  YRef ref;
  if (s.empty()) return std::nullopt;
  if (s.front() == '@') {
    const auto parts = SplitBaseOffset(s.substr(1));
    if (!parts || !parts->base) return std::nullopt;
    ref.value = *parts->base * kBlock + parts->offset;
    return ref;
  }
  if (s.front() == 'g' || s.front() == 'c') {
    ref.kind = s.front() == 'g' ? YKind::Ground : YKind::Ceiling;
    const auto parts = SplitBaseOffset(s.substr(1));
    if (!parts) return std::nullopt;
    ref.value = parts->base.value_or(ref.kind == YKind::Ground ? 0 : kRows - 1);
    ref.offset = parts->offset;
    if (ref.value < 0 || ref.value >= kRows) return std::nullopt;
    return ref;
  }
  const auto pixel = ToInt(s);
  if (!pixel) return std::nullopt;
  ref.value = *pixel;
  return ref;
}

class Compiler {
 public:
  Compiler(std::string_view text, std::string name) : lines_(SplitLines(text)), name_(std::move(name)) {
    level_.name = name_;
  }

  Level Run() {
    bool haveZone = false, haveMain = false;
    std::vector<const Line*> itemLines;
    for (size_t i = 0; i < lines_.size(); ++i) {
      const Line& line = lines_[i];
      const std::string& word = line.tokens[0];
      if (word == "zone") {
        Expect(line, 2, "zone NAME");
        const auto zone = ZoneFromName(line.tokens[1]);
        if (!zone) Fail(name_, line.number, "unknown zone \"" + line.tokens[1] + "\" (plumvale or ashmoor)");
        level_.zone = *zone;
        haveZone = true;
      } else if (word == "act") {
        Expect(line, 2, "act N");
        const auto act = ToInt(line.tokens[1]);
        if (!act || *act < 0 || *act > 2) Fail(name_, line.number, "act must be 0, 1 or 2");
        level_.act = *act;
      } else if (word == "route") {
        ReadRoute(line);
      } else if (word == "legend") {
        if (line.tokens.size() > 2 || (line.tokens.size() == 2 && line.tokens[1] != "main" && line.tokens[1] != "fore"))
          Fail(name_, line.number, "expected \"legend\", \"legend main\" or \"legend fore\"");
        const bool fore = line.tokens.size() == 2 && line.tokens[1] == "fore";
        i = ReadLegend(i + 1, fore ? foreLegend_ : mainLegend_);
      } else if (word == "main" || word == "fore") {
        Expect(line, 1, word);
        if (!haveZone) Fail(name_, line.number, "the zone must be named before the layers");
        const bool fore = word == "fore";
        i = ReadLayer(i + 1, line.number, fore ? foreLegend_ : mainLegend_, fore ? level_.fore : level_.main, fore);
        if (!fore) haveMain = true;
      } else if (word == "items") {
        Expect(line, 1, "items");
        for (++i; i < lines_.size() && lines_[i].tokens[0] != "end"; ++i) itemLines.push_back(&lines_[i]);
        if (i == lines_.size()) Fail(name_, line.number, "items section has no \"end\"");
      } else {
        Fail(name_, line.number, "unknown section \"" + word + "\"");
      }
    }
    if (!haveZone) Fail(name_, 1, "no zone given");
    if (!haveMain) Fail(name_, 1, "no main layer");
    for (const Line* line : itemLines) ReadItem(*line);
    return level_;
  }

 private:
  void Expect(const Line& line, size_t count, const std::string& form) {
    if (line.tokens.size() != count) Fail(name_, line.number, "expected \"" + form + "\"");
  }

  // route NAME FIRST-LAST [FIRST-LAST ...]
  void ReadRoute(const Line& line) {
    if (line.tokens.size() < 3) Fail(name_, line.number, "expected \"route high|middle|low FIRST-LAST ...\"");
    const auto route = RouteFromName(line.tokens[1]);
    if (!route) Fail(name_, line.number, "unknown route \"" + line.tokens[1] + "\" (high, middle or low)");
    for (size_t t = 2; t < line.tokens.size(); ++t) {
      const std::string& span = line.tokens[t];
      const size_t dash = span.find('-');
      const auto first = dash == std::string::npos ? std::nullopt : ToInt(span.substr(0, dash));
      const auto last = dash == std::string::npos ? std::nullopt : ToInt(span.substr(dash + 1));
      if (!first || !last || *first < 0 || *last >= kCols || *first > *last)
        Fail(name_, line.number, "route span \"" + span + "\" must be FIRST-LAST, columns 0.." +
                                     std::to_string(kCols - 1) + " in order");
      level_.routes.push_back({*route, *first, *last});
    }
  }

  size_t ReadLegend(size_t i, std::map<char, uint8_t>& legend) {
    const int start = lines_[i - 1].number;
    for (; i < lines_.size(); ++i) {
      const Line& line = lines_[i];
      if (line.tokens[0] == "end") return i;
      if (line.tokens[0].size() != 1 || line.tokens.size() < 2)
        Fail(name_, line.number, "legend entry must be: CHARACTER VALUE [description]");
      const auto value = ToInt(line.tokens[1]);
      if (!value || *value < 0 || *value > 255) Fail(name_, line.number, "legend value must be 0..255");
      const char c = line.tokens[0][0];
      if (legend.count(c)) Fail(name_, line.number, std::string("character '") + c + "' is in the legend twice");
      legend[c] = static_cast<uint8_t>(*value);
    }
    Fail(name_, start, "legend has no \"end\"");
  }

  size_t ReadLayer(size_t i, int start, const std::map<char, uint8_t>& legend, std::array<uint8_t, kCells>& layer,
                   bool fore) {
    const ZoneValues& zone = ValuesOf(level_.zone);
    int row = 0;
    for (; i < lines_.size(); ++i) {
      const Line& line = lines_[i];
      if (line.tokens[0] == "end") {
        if (row != kRows) Fail(name_, line.number, "layer has " + std::to_string(row) + " rows, needs 10");
        return i;
      }
      if (line.tokens.size() != 1) Fail(name_, line.number, "a layer row is one word of 78 characters");
      const std::string& text = line.tokens[0];
      if (row == kRows) Fail(name_, line.number, "layer has more than 10 rows");
      if (text.size() != static_cast<size_t>(kCols))
        Fail(name_, line.number, "row " + std::to_string(row) + " has " + std::to_string(text.size()) +
                                     " characters, needs 78");
      for (int col = 0; col < kCols; ++col) {
        const auto it = legend.find(text[static_cast<size_t>(col)]);
        if (it == legend.end())
          Fail(name_, line.number, std::string("character '") + text[static_cast<size_t>(col)] + "' at column " +
                                       std::to_string(col) + " is not in the legend");
        const uint8_t v = it->second;
        const bool inRange = fore ? v <= kMaxForeValue : v <= zone.maxMainValue;
        if (!inRange)
          Fail(name_, line.number, "value " + std::to_string(v) + " at column " + std::to_string(col) +
                                       " is outside the zone's range");
        layer[static_cast<size_t>(row * kCols + col)] = v;
      }
      ++row;
    }
    Fail(name_, start, "layer has no \"end\"");
  }

  // Top of the first solid pixel at or below `fromY` in column x, or -1.
  int GroundBelow(int x, int fromY) const {
    const ZoneValues& zone = ValuesOf(level_.zone);
    for (int y = fromY; y < kWorldHeight; ++y)
      if (SolidWithCurves(zone, level_.main.data(), level_.fore.data(), x, y)) return y;
    return -1;
  }

  // Bottom edge (exclusive) of the first solid pixel above `fromY` in column x, or -1.
  int CeilingAbove(int x, int fromY) const {
    const ZoneValues& zone = ValuesOf(level_.zone);
    for (int y = fromY; y >= 0; --y)
      if (SolidWithCurves(zone, level_.main.data(), level_.fore.data(), x, y)) return y + 1;
    return -1;
  }

  int ResolveY(const Line& line, const ItemKindInfo& info, int x, const YRef& ref) const {
    if (ref.kind == YKind::Pixel) return ref.value;
    const int left = x + info.boxX;
    if (ref.kind == YKind::Ground) {
      int surface = -1;
      for (int px = left; px < left + info.boxW; ++px) {
        const int g = GroundBelow(px, ref.value * kBlock);
        if (g >= 0 && (surface < 0 || g < surface)) surface = g;
      }
      if (surface < 0)
        Fail(name_, line.number, "no ground under " + std::string(info.name) + " at x " + std::to_string(x) +
                                     " below row " + std::to_string(ref.value));
      return surface - (info.boxY + info.boxH) + ref.offset;
    }
    int ceiling = -1;
    for (int px = left; px < left + info.boxW; ++px) ceiling = std::max(ceiling, CeilingAbove(px, ref.value * kBlock + kBlock - 1));
    if (ceiling < 0)
      Fail(name_, line.number, "no ceiling over " + std::string(info.name) + " at x " + std::to_string(x) +
                                   " above row " + std::to_string(ref.value));
    return ceiling - info.boxY + ref.offset;
  }

  ItemKindInfo ReadKind(const Line& line, const std::string& word) const {
    if (word.rfind("kind:", 0) == 0) {
      const auto n = ToInt(std::string_view(word).substr(5));
      if (!n || *n < 0 || *n > 255) Fail(name_, line.number, "kind:N needs N in 0..255");
      if (auto info = KindInfo(static_cast<uint8_t>(*n))) return *info;
      return ItemKindInfo{static_cast<uint8_t>(*n), "kind", 0, 0, 1, 1, Footing::Floats, true, true, false};
    }
    const auto info = KindByName(word);
    if (!info) Fail(name_, line.number, "unknown item kind \"" + word + "\"");
    const bool present = level_.zone == Zone::PlumVale ? info->plumVale : info->ashMoor;
    if (!present) Fail(name_, line.number, word + " does not exist in " + std::string(ZoneName(level_.zone)));
    return *info;
  }

  int X(const Line& line, const std::string& s) const {
    const auto x = ParseX(s);
    if (!x) Fail(name_, line.number, "bad x \"" + s + "\"");
    return *x;
  }
  YRef Y(const Line& line, const std::string& s) const {
    const auto y = ParseY(s);
    if (!y) Fail(name_, line.number, "bad y \"" + s + "\"");
    return *y;
  }
  int Int(const Line& line, const std::string& s) const {
    const auto v = ToInt(s);
    if (!v) Fail(name_, line.number, "bad number \"" + s + "\"");
    return *v;
  }

  void Add(const Line& line, uint8_t kind, int x, int y) {
    if (x < 0 || y < 0 || x / kBlock > 255 || y / kBlock > 255)
      Fail(name_, line.number, "item position (" + std::to_string(x) + ", " + std::to_string(y) + ") cannot be stored");
    if (level_.items.size() == static_cast<size_t>(kItemRecords))
      Fail(name_, line.number, "more than 301 items");
    level_.items.push_back({kind, x, y});
  }

  void ReadItem(const Line& line) {
    const auto& t = line.tokens;
    if (t[0] == "row") {
      if (t.size() != 6 && t.size() != 7) Fail(name_, line.number, "expected \"row KIND X Y COUNT DX [DY]\"");
      const ItemKindInfo info = ReadKind(line, t[1]);
      const int x = X(line, t[2]);
      const YRef y = Y(line, t[3]);
      const int count = Int(line, t[4]);
      const int dx = Int(line, t[5]);
      const int dy = t.size() == 7 ? Int(line, t[6]) : 0;
      if (count < 1) Fail(name_, line.number, "row needs a count of at least 1");
      for (int i = 0; i < count; ++i) {
        const int xi = x + i * dx;
        Add(line, info.kind, xi, ResolveY(line, info, xi, y) + i * dy);
      }
    } else if (t[0] == "arc") {
      if (t.size() != 8) Fail(name_, line.number, "expected \"arc KIND CX CY R COUNT A0 A1\"");
      const ItemKindInfo info = ReadKind(line, t[1]);
      const int cx = X(line, t[2]);
      const int cy = ResolveY(line, info, cx, Y(line, t[3]));
      const int r = Int(line, t[4]);
      const int count = Int(line, t[5]);
      const auto a0 = ToDouble(t[6]);
      const auto a1 = ToDouble(t[7]);
      if (!a0 || !a1 || count < 1) Fail(name_, line.number, "arc needs a count of at least 1 and two angles");
      for (int i = 0; i < count; ++i) {
        const double a = count == 1 ? *a0 : *a0 + (*a1 - *a0) * i / (count - 1);
        const double rad = a * std::numbers::pi / 180.0;
        const int x = static_cast<int>(std::lround(cx + r * std::cos(rad))) - info.boxW / 2;
        const int y = static_cast<int>(std::lround(cy - r * std::sin(rad))) - info.boxH / 2;
        Add(line, info.kind, x, y);
      }
    } else {
      if (t.size() != 3) Fail(name_, line.number, "expected \"KIND X Y\"");
      const ItemKindInfo info = ReadKind(line, t[0]);
      const int x = X(line, t[1]);
      Add(line, info.kind, x, ResolveY(line, info, x, Y(line, t[2])));
    }
  }

  std::vector<Line> lines_;
  std::string name_;
  Level level_;
  std::map<char, uint8_t> mainLegend_, foreLegend_;
};

}  // namespace

Level ParseLevel(std::string_view text, const std::string& name) { return Compiler(text, name).Run(); }

assets::Bytes MapFileBytes(const Level& level) {
  assets::Bytes bytes(kMapFileSize, 0);
  for (int i = 0; i < kCells; ++i) {
    bytes[static_cast<size_t>(i)] = level.main[static_cast<size_t>(i)];
    bytes[static_cast<size_t>(kForeLayerOffset + i)] = level.fore[static_cast<size_t>(i)];
  }
  return bytes;
}

assets::Bytes ItemFileBytes(const Level& level) {
  if (level.items.size() > static_cast<size_t>(kItemRecords))
    throw LevelError(level.name + ": " + std::to_string(level.items.size()) + " items, at most 301 fit");
  assets::Bytes bytes(kItemFileSize, 0);
  for (size_t i = 0; i < level.items.size(); ++i) {
    const ItemRecord& item = level.items[i];
    if (item.x < 0 || item.y < 0 || item.x / kBlock > 255 || item.y / kBlock > 255)
      throw LevelError(level.name + ": item " + std::to_string(i) + " at (" + std::to_string(item.x) + ", " +
                       std::to_string(item.y) + ") cannot be stored");
    uint8_t* record = &bytes[i * 5];
    record[0] = item.kind;
    record[1] = static_cast<uint8_t>(item.x / kBlock);
    record[2] = static_cast<uint8_t>(item.x % kBlock);
    record[3] = static_cast<uint8_t>(item.y / kBlock);
    record[4] = static_cast<uint8_t>(item.y % kBlock);
  }
  return bytes;
}

}  // namespace levels

namespace levels {

RouteRows RowsOf(Route route) {
  switch (route) {
    case Route::High: return {0, 3};
    case Route::Middle: return {4, 5};
    case Route::Low: return {6, 9};
  }
  return {0, kRows - 1};
}

const char* RouteName(Route route) {
  switch (route) {
    case Route::High: return "high";
    case Route::Middle: return "middle";
    case Route::Low: return "low";
  }
  return "?";
}

std::optional<Route> RouteFromName(std::string_view name) {
  for (Route r : {Route::High, Route::Middle, Route::Low})
    if (name == RouteName(r)) return r;
  return std::nullopt;
}

}  // namespace levels
