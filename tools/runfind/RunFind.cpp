#include "tools/runfind/RunFind.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <deque>
#include <fstream>
#include <map>
#include <ostream>
#include <random>
#include <unordered_map>
#include <unordered_set>

#include "engine/core/Vocabulary.h"
#include "tools/common/CommandLine.h"
#include "tools/runfind/RunPlay.h"

namespace orvane {

namespace {

namespace fs = std::filesystem;
using platform::Key;
using platform::KeyScript;
using runs::ZoneState;

// The search keeps an archive of places the player has reached: the world cut into cells of
// 64 x 64 pixels, told apart further by the speed along the ground and the shield held. For each
// cell it keeps the earliest state found there. A walk starts from a cell of the archive, chosen
// mostly near the farthest cells and among those least often chosen, and holds random keys for a
// while; every cell it reaches first (or sooner than before) enters the archive. A death ends the
// walk and keeps nothing.
constexpr int kCellSize = 64;
constexpr int kCellRowsAbove = 2;          // rows above the world's top (the player may fly there)
constexpr double kFrontierSpread = 6;      // cells behind the farthest one weigh e times less per 6
constexpr int kWalksPerDraw = 64;          // walks between two recomputations of the weights
constexpr int kWalkMinFrames = 40;
constexpr int kWalkMaxFrames = 240;
constexpr int kJumpHoldFrames = 2;         // a jump holds Control this long, then lets it go
constexpr int kLengths[] = {2, 4, 6, 8, 12, 16, 24, 32};
constexpr int kShortenPasses = 2;
constexpr int kSettleFrames = 200;         // after the end has begun, the run lets go for this long
constexpr int kTrapMinChosen = 40;         // a cell counts as a dead end only once tried this often
constexpr int kTrapRounds = 4;             // rounds of walks from the cells that seem to lead nowhere
// No move of the game, nor a push of the block collision, takes the player this far in a frame.
constexpr double kLeap = 64;

// The key choices of a walk, with their weights: mostly right, with and without a jump.
struct Choice {
  uint32_t keys;
  bool jump;
  bool spin;  // crouch, charge and let go: a spin launch from rest
  double weight;
};
constexpr uint32_t kRight = KeyScript::Bit(Key::Right), kLeft = KeyScript::Bit(Key::Left),
                   kDown = KeyScript::Bit(Key::Down), kJump = KeyScript::Bit(Key::Control);
constexpr Choice kChoices[] = {
    {kRight, false, false, 0.32}, {kRight, true, false, 0.26}, {0, false, false, 0.06},
    {0, true, false, 0.05},       {kLeft, false, false, 0.09}, {kLeft, true, false, 0.08},
    {kDown, false, false, 0.03},  {kRight | kDown, false, false, 0.04}, {0, false, true, 0.04},
    {kLeft, false, true, 0.03}};

using tools::UsageError;

struct Options {
  fs::path data;
  std::string run;
  std::string route;  // high, middle or low: the run keeps to that route of the act
  fs::path out;
  uint64_t seed = 1;
  double seconds = 600;
  long limit = runs::kRunFrameLimit;
  double reportEvery = 10;
  bool noHits = false;     // a hit (rings or shield lost) ends a walk like a death
  bool plain = false;      // so does a shield or invincibility taken from a box
  bool shorten = true;     // drop the entries the run does without
  bool traps = false;      // explore the whole act and report the places with no way on
  bool firstPlay = false;  // play the act as a first-timer and report the clock at its end
};

// Every number of the search's options is 0 or more.
double ParseNumber(const std::string& s, const std::string& what) {
  const double v = tools::ParseDouble(s, what);
  if (v < 0) throw UsageError{"bad " + what + ": " + s};
  return v;
}

constexpr tools::ToolUsage kUsage = {"runfind",
    "usage: runfind --data DIR --run NAME [OPTION]...\n"
    "Searches for a key script that plays one act with one character from its start to its end.\n"
    "\n"
    "Options:\n"
    "  --data DIR          the zone programs' folder (the installation's Data/); never written\n"
    "  --run NAME          zone-act-character[-route], e.g. ashmoor-1-kubo or ashmoor-1-kubo-high\n"
    "  --route R           the run keeps to route R: high, middle or low\n"
    "  --out FILE          where the script goes (default NAME.keys here)\n"
    "  --seed S            seed of the search's own random choices (default 1)\n"
    "  --seconds T         give up after T seconds (default 600)\n"
    "  --limit F           the end must begin within F frames (default 18000)\n"
    "  --report-every T    a progress line every T seconds (default 10; 0: none)\n"
    "  --no-hits           a hit ends a walk like a death\n"
    "  --plain             so does a shield or invincibility taken from a box\n"
    "  --keep-all          write the run as walked, without dropping the entries it does without\n"
    "  --traps             explore the whole act for the whole time and report the dead ends\n"
    "  --first-play        no search: play the act once as a first-timer and print the clock at its end\n"
    "  --help              show this help, then leave\n"
    "\n"
    "Exit status: 0 a run found and written, 1 none found (or the data could not be read), 2 bad usage.\n"};

Options Parse(const std::vector<std::string>& args) {
  Options o;
  tools::ReadOptions(
      args,
      {{"data", true, [&](const std::string& v) { o.data = v; }},
       {"run", true, [&](const std::string& v) { o.run = v; }},
       {"route", true, [&](const std::string& v) { o.route = v; }},
       {"out", true, [&](const std::string& v) { o.out = v; }},
       {"seed", true, [&](const std::string& v) { o.seed = static_cast<uint64_t>(ParseNumber(v, "seed")); }},
       {"seconds", true, [&](const std::string& v) { o.seconds = ParseNumber(v, "time"); }},
       {"limit", true, [&](const std::string& v) { o.limit = static_cast<long>(ParseNumber(v, "frame limit")); }},
       {"report-every", true, [&](const std::string& v) { o.reportEvery = ParseNumber(v, "report interval"); }},
       {"no-hits", false, [&](const std::string&) { o.noHits = true; }},
       {"plain", false, [&](const std::string&) { o.plain = true; }},
       {"keep-all", false, [&](const std::string&) { o.shorten = false; }},
       {"traps", false, [&](const std::string&) { o.traps = true; }},
       {"first-play", false, [&](const std::string&) { o.firstPlay = true; }}});
  if (o.data.empty() || o.run.empty()) throw UsageError{"--data and --run are required"};
  return o;
}

// The search's end: the sign passed (its turning begun), or in the last act the capsule burst.
bool EndBegun(const ZoneForm& f) { return f.SignSpin != 0 || runs::ActEndReached(f); }

// Help from a box: a shield or invincibility.
bool Helped(const ZoneForm& f) { return f.ShieldKind != 0 || f.InvincibleTimer != 0; }

// A hit: rings scattered, or the shield lost.
bool Hit(const ZoneForm& f, int16_t shieldBefore) {
  return f.HurtTimer != 0 || (shieldBefore != 0 && f.ShieldKind == 0);
}

// One span of the key script being built: frames start+1 .. start+length hold `held`, after the
// spans of its parent.
struct Span {
  int32_t parent;
  int32_t start;
  int32_t length;
  uint32_t held;
};

struct Cell {
  ZoneState state;
  long frame = 0;
  int32_t span = -1;
  int chosen = 0;
  int seen = 0;
  int column = 0;
  double x = 0, y = 0;
};

constexpr uint32_t kGoalNode = 0xfffffffe, kDeathNode = 0xfffffffd;

class Search {
 public:
  Search(const runs::RunName& run, const Options& o, std::ostream& out)
      : run_(run),
        o_(o),
        out_(out),
        route_(run.route ? std::optional<runs::RouteCheck>(run) : std::nullopt),
        folder_(o.data, run.character),
        game_(run, folder_.path()),
        rng_(o.seed) {
    game_.Save(root_, rootFrame_);
  }

  // Returns the script that reaches the end, or an empty one. In the trap search it explores
  // until the time is up and reports the places from which the end was never reached.
  KeyScript Run();
  // Drops every entry the run does without, as long as it still reaches the end in time.
  KeyScript Shorten(const KeyScript& script);
  // The trap search's last part: more walks from every place that seems to lead nowhere, until it
  // has been tried often enough, then the report.
  void ReportTraps();

  long frames() const { return frames_; }
  long walks() const { return walks_; }
  size_t cells() const { return cells_.size(); }

 private:
  uint64_t KeyOf(const ZoneForm& f) const;
  size_t Keep(int32_t parent, int32_t start, int32_t length, uint32_t held);
  // One walk from cell `from`; true when it reached the end.
  bool Walk(size_t from);
  KeyScript ScriptTo(int32_t span, long endFrame) const;
  // Whether this frame's state ends the run: a death, or with --no-hits a hit, with --plain help.
  bool Fails(int16_t lives, int16_t shieldBefore) const;
  // From the end's beginning the run lets go of the keys: the sign turns and the act's end
  // follows, or the capsule's pieces fall. True when nothing ends the run meanwhile.
  bool Settles();
  // The frame the script's end begins in, or -1 when it dies, is hit (--no-hits) or runs out.
  long Plays(const KeyScript& route);
  void Report(double seconds) const;
  // Marks the cells from which the walks went on to `target` (the end or a death).
  std::vector<char> Reaching(uint32_t target) const;
  void Edge(uint32_t from, uint32_t to) {
    if (o_.traps && from != to) edges_.insert((uint64_t{from} << 32) | to);
  }

  const runs::RunName& run_;
  const Options& o_;
  std::ostream& out_;
  const std::optional<runs::RouteCheck> route_;  // a run on a named route never stands off it
  runs::PlayFolder folder_;
  runs::Game game_;
  ZoneState root_;
  long rootFrame_ = 0;
  std::mt19937_64 rng_;
  std::vector<Span> spans_;
  std::deque<Cell> cells_;  // a deque: cells stay where they are
  std::unordered_map<uint64_t, size_t> index_;
  std::unordered_set<uint64_t> edges_;  // trap search: cell to cell, as walks went
  struct Glitch {
    int32_t span;
    long frame;
    double fromX, fromY, toX, toY;
  };
  std::map<std::pair<int, int>, Glitch> glitches_;  // trap search: leaps, by the block they start in
  int frontier_ = 0;
  size_t farthest_ = 0;
  long frames_ = 0, walks_ = 0;
  int32_t goalSpan_ = -1;
  long goalFrame_ = 0;
};

uint64_t Search::KeyOf(const ZoneForm& f) const {
  const int cx = static_cast<int>(std::floor(f.PlayerX / kCellSize));
  const int cy = static_cast<int>(std::floor(f.PlayerY / kCellSize)) + kCellRowsAbove;
  const int speed = f.SpeedX <= -3 ? 0 : f.SpeedX < 3 ? 1 : f.SpeedX < 6 ? 2 : 3;
  const int shield = std::clamp<int>(f.ShieldKind, 0, 3);
  return ((static_cast<uint64_t>(cx + 1) * 64 + static_cast<uint64_t>(std::clamp(cy, 0, 63))) * 4 +
          static_cast<uint64_t>(speed)) * 4 + static_cast<uint64_t>(shield);
}

size_t Search::Keep(int32_t parent, int32_t start, int32_t length, uint32_t held) {
  const ZoneForm& f = game_.form();
  const uint64_t key = KeyOf(f);
  auto it = index_.find(key);
  if (it != index_.end()) {
    Cell& c = cells_[it->second];
    ++c.seen;
    if (game_.frame() >= c.frame) return it->second;
  } else {
    it = index_.emplace(key, cells_.size()).first;
    cells_.emplace_back();
  }
  Cell& c = cells_[it->second];
  spans_.push_back({parent, start, length, held});
  c.span = static_cast<int32_t>(spans_.size() - 1);
  game_.Save(c.state, c.frame);
  c.x = f.PlayerX;
  c.y = f.PlayerY;
  c.column = static_cast<int>(std::floor(f.PlayerX / kCellSize));
  if (c.column > frontier_) frontier_ = c.column;
  if (f.PlayerX > cells_[farthest_].x) farthest_ = it->second;
  return it->second;
}

bool Search::Walk(size_t from) {
  {
    Cell& c = cells_[from];
    ++c.chosen;
    game_.Restore(c.state, c.frame);
  }
  uint32_t here = static_cast<uint32_t>(from);
  int32_t parent = cells_[from].span;
  const int16_t lives = game_.form().Lives;
  std::uniform_real_distribution<double> unit(0, 1);
  std::uniform_int_distribution<int> walkLength(kWalkMinFrames, kWalkMaxFrames);
  std::uniform_int_distribution<size_t> lengthPick(0, std::size(kLengths) - 1);
  double total = 0;
  for (const Choice& ch : kChoices) total += ch.weight;
  const int budget = walkLength(rng_);
  int walked = 0;
  while (walked < budget) {
    double pick = unit(rng_) * total;
    const Choice* choice = &kChoices[0];
    for (const Choice& ch : kChoices) {
      choice = &ch;
      if ((pick -= ch.weight) < 0) break;
    }
    const int length = kLengths[lengthPick(rng_)];
    // the phases of the choice: keys and how long they are held
    std::vector<std::pair<uint32_t, int>> phases;
    if (choice->spin) {
      phases = {{kDown, 2}, {kDown | kJump, 2}, {kDown, 2}, {choice->keys, length}};
    } else if (choice->jump) {
      phases = {{choice->keys | kJump, std::min(kJumpHoldFrames, length)}};
      if (length > kJumpHoldFrames) phases.push_back({choice->keys, length - kJumpHoldFrames});
    } else {
      phases = {{choice->keys, length}};
    }
    for (const auto& [held, frames] : phases) {
      const int32_t start = static_cast<int32_t>(game_.frame());
      for (int i = 1; i <= frames; ++i) {
        const int16_t shield = game_.form().ShieldKind;
        const double x = game_.form().PlayerX, y = game_.form().PlayerY;
        game_.StepWithoutDrawing(held);
        ++frames_;
        const ZoneForm& f = game_.form();
        if (o_.traps && f.Dying == 0 && (std::abs(f.PlayerX - x) > kLeap || std::abs(f.PlayerY - y) > kLeap)) {
          const std::pair<int, int> block{static_cast<int>(std::floor((x + kCentreX) / kBlock)),
                                          static_cast<int>(std::floor((y + kCentreY) / kBlock))};
          if (!glitches_.count(block)) {
            spans_.push_back({parent, start, i, held});
            glitches_[block] = {static_cast<int32_t>(spans_.size() - 1), game_.frame(), x, y, f.PlayerX, f.PlayerY};
          }
        }
        if (Fails(lives, shield)) {
          Edge(here, kDeathNode);
          return false;
        }
        if (game_.frame() > o_.limit) return false;
        if (EndBegun(f)) {
          const long end = game_.frame();
          if (!Settles()) {
            Edge(here, kDeathNode);
            return false;
          }
          Edge(here, kGoalNode);
          spans_.push_back({parent, start, i, held});
          goalSpan_ = static_cast<int32_t>(spans_.size() - 1);
          goalFrame_ = end;
          return true;
        }
        const uint32_t next = static_cast<uint32_t>(Keep(parent, start, i, held));
        Edge(here, next);
        here = next;
      }
      spans_.push_back({parent, start, frames, held});
      parent = static_cast<int32_t>(spans_.size() - 1);
      walked += frames;
    }
  }
  return false;
}

KeyScript Search::ScriptTo(int32_t span, long endFrame) const {
  std::vector<Span> chain;
  for (int32_t s = span; s >= 0; s = spans_[static_cast<size_t>(s)].parent) chain.push_back(spans_[static_cast<size_t>(s)]);
  std::reverse(chain.begin(), chain.end());
  KeyScript script;
  for (const Span& s : chain) script.Hold(s.start + 1, s.held);
  // after the end the player lets go of every key
  script.Hold(endFrame + 1, 0u);
  return script;
}

bool Search::Fails(int16_t lives, int16_t shieldBefore) const {
  const ZoneForm& f = game_.form();
  return game_.ended() || f.Dying != 0 || f.Lives != lives || (o_.noHits && Hit(f, shieldBefore)) ||
         (o_.plain && Helped(f)) || (route_ && !EndBegun(f) && !route_->Holds(f));
}

bool Search::Settles() {
  const int16_t lives = game_.form().Lives;
  for (int i = 0; i < kSettleFrames; ++i) {
    const int16_t shield = game_.form().ShieldKind;
    game_.StepWithoutDrawing(0);
    ++frames_;
    if (Fails(lives, shield)) return false;
  }
  return true;
}

long Search::Plays(const KeyScript& route) {
  game_.Restore(root_, rootFrame_);
  const int16_t lives = game_.form().Lives;
  while (game_.frame() < o_.limit) {
    const int16_t shield = game_.form().ShieldKind;
    game_.StepWithoutDrawing(route.HeldAt(game_.frame() + 1));
    ++frames_;
    if (Fails(lives, shield)) return -1;
    if (EndBegun(game_.form())) {
      const long end = game_.frame();
      return Settles() ? end : -1;
    }
  }
  return -1;
}

KeyScript Search::Shorten(const KeyScript& script) {
  // the route is the script without its last entry, which lets go at the end
  std::vector<KeyScript::Entry> route(script.Entries().begin(), script.Entries().end() - 1);
  auto build = [](const std::vector<KeyScript::Entry>& entries) {
    KeyScript s;
    for (const KeyScript::Entry& e : entries) s.Hold(e.frame, e.held);
    return s;
  };
  long end = Plays(build(route));
  if (end < 0) return script;
  for (int pass = 0; pass < kShortenPasses; ++pass) {
    bool dropped = false;
    for (size_t i = route.size(); i-- > 1;) {
      std::vector<KeyScript::Entry> without = route;
      without.erase(without.begin() + static_cast<long>(i));
      const long e = Plays(build(without));
      if (e < 0) continue;
      route = std::move(without);
      end = e;
      dropped = true;
    }
    if (!dropped) break;
  }
  // entries after the end do nothing
  while (route.size() > 1 && route.back().frame > end) route.pop_back();
  KeyScript s = build(route);
  s.Hold(end + 1, 0u);
  return s;
}

void Search::Report(double seconds) const {
  const Cell& far = cells_[farthest_];
  out_ << "runfind: " << run_.Text() << ": " << static_cast<long>(seconds) << " s, " << walks_ << " walks, " << frames_
       << " frames, " << cells_.size() << " cells, farthest x " << far.x << " y " << far.y << " (frame " << far.frame
       << ")\n";
  out_.flush();
}

std::vector<char> Search::Reaching(uint32_t target) const {
  std::unordered_map<uint32_t, std::vector<uint32_t>> into;
  for (uint64_t e : edges_) into[static_cast<uint32_t>(e)].push_back(static_cast<uint32_t>(e >> 32));
  std::vector<char> mark(cells_.size(), 0);
  std::vector<uint32_t> todo = {target};
  while (!todo.empty()) {
    const uint32_t n = todo.back();
    todo.pop_back();
    const auto it = into.find(n);
    if (it == into.end()) continue;
    for (uint32_t from : it->second)
      if (from < cells_.size() && !mark[from]) {
        mark[from] = 1;
        todo.push_back(from);
      }
  }
  return mark;
}

void Search::ReportTraps() {
  // the places one can stand in without a way to the end, as the walks went, tried again and again
  for (int round = 0; round < kTrapRounds; ++round) {
    const std::vector<char> toEnd = Reaching(kGoalNode);
    std::vector<size_t> doubtful;
    for (size_t i = 0; i < cells_.size(); ++i)
      if (!toEnd[i] && cells_[i].state.Airborne == 0 && cells_[i].chosen < kTrapMinChosen) doubtful.push_back(i);
    if (doubtful.empty()) break;
    for (size_t i : doubtful)
      while (cells_[i].chosen < kTrapMinChosen) {
        ++walks_;
        Walk(i);
      }
  }
  const std::vector<char> toEnd = Reaching(kGoalNode), toDeath = Reaching(kDeathNode);
  // the dead ends one can stand in, block by block
  struct Place {
    int cells = 0;
    long tried = 0;
    bool death = false;
    double x = 0, y = 0;
    long frame = 0;
    size_t cell = 0;
  };
  std::map<std::pair<int, int>, Place> places;
  size_t ended = 0;
  for (size_t i = 0; i < cells_.size(); ++i) {
    if (toEnd[i]) ++ended;
    const Cell& c = cells_[i];
    if (toEnd[i] || c.chosen < kTrapMinChosen || c.state.Airborne != 0) continue;
    // the block of the player's middle
    Place& p = places[{static_cast<int>(std::floor((c.x + kCentreX) / kBlock)),
                       static_cast<int>(std::floor((c.y + kCentreY) / kBlock))}];
    if (p.cells == 0 || c.frame < p.frame) {
      p.x = c.x;
      p.y = c.y;
      p.frame = c.frame;
      p.cell = i;
    }
    ++p.cells;
    p.tried += c.chosen;
    p.death = p.death || toDeath[i];
  }
  out_ << "runfind: " << run_.Text() << ": " << cells_.size() << " cells, " << ended << " of them lead to the end\n";
  // leaps no move of the game makes
  int g = 0;
  for (const auto& [block, leap] : glitches_) {
    fs::path script = o_.out;
    script.replace_filename(o_.out.stem().string() + "-leap-" + std::to_string(++g) + ".keys");
    std::ofstream(script) << "# " << run_.Text() << ": a leap in frame " << leap.frame << "\n"
                          << ScriptTo(leap.span, leap.frame).Format(true);
    out_ << "runfind: leap in frame " << leap.frame << " from x " << leap.fromX << " y " << leap.fromY << " to x "
         << leap.toX << " y " << leap.toY << " (block column " << block.first << ", row " << block.second
         << "); the way there in " << script.string() << "\n";
  }
  if (places.empty()) out_ << "runfind: no place found from which the end cannot be reached\n";
  int n = 0;
  for (const auto& [block, p] : places) {
    // a script that leads there, to look at it with zonesim
    fs::path script = o_.out;
    script.replace_filename(o_.out.stem().string() + "-deadend-" + std::to_string(++n) + ".keys");
    std::ofstream(script) << "# " << run_.Text() << ": a dead end, reached in frame " << p.frame << "\n"
                          << ScriptTo(cells_[p.cell].span, p.frame).Format(true);
    out_ << "runfind: dead end at block column " << block.first << ", row " << block.second << ": " << p.cells
         << " cells tried " << p.tried << " times, e.g. standing at x " << p.x << " y " << p.y << " (frame " << p.frame
         << ")" << (p.death ? "; the only way out is a death" : "; no way out at all") << "; the way there in "
         << script.string() << "\n";
  }
}

KeyScript Search::Run() {
  // the title card: no key does anything until the player has control
  while (game_.form().ControlOn == 0 && !game_.ended()) game_.StepWithoutDrawing(0);
  Keep(-1, 0, static_cast<int32_t>(game_.frame()), 0);

  const auto begin = std::chrono::steady_clock::now();
  auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count(); };
  double nextReport = o_.reportEvery;
  std::vector<double> weights;
  KeyScript found;
  while (elapsed() < o_.seconds) {
    weights.resize(cells_.size());
    for (size_t i = 0; i < cells_.size(); ++i) {
      const Cell& c = cells_[i];
      // the trap search spreads its walks over the whole act
      const double nearFront = o_.traps ? 1 : std::exp((c.column - frontier_) / kFrontierSpread);
      weights[i] = nearFront / std::sqrt(1.0 + c.chosen) / std::sqrt(1.0 + c.seen / 8.0);
    }
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    for (int w = 0; w < kWalksPerDraw; ++w) {
      ++walks_;
      if (Walk(pick(rng_))) {
        if (found.Entries().empty() || goalFrame_ < found.Entries().back().frame - 1) found = ScriptTo(goalSpan_, goalFrame_);
        if (!o_.traps) return found;
      }
    }
    if (o_.reportEvery > 0 && elapsed() >= nextReport) {
      Report(elapsed());
      nextReport += o_.reportEvery;
    }
  }
  Report(elapsed());
  return found;
}

}  // namespace

int RunRunFind(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Options o;
  if (const auto status = tools::TakeCommandLine(kUsage, out, err, [&] { o = Parse(args); })) return *status;
  auto run = runs::ParseRunName(o.run);
  if (run && !o.route.empty()) {
    run->route = levels::RouteFromName(o.route);
    if (!run->route) {
      err << "runfind: bad route: " << o.route << " (high, middle or low)\n";
      return 2;
    }
  }
  if (!run) {
    err << "runfind: bad run name: " << o.run << " (zone-act-character[-route], e.g. ashmoor-1-kubo or ashmoor-1-kubo-high)\n";
    return 2;
  }
  if (o.firstPlay) {
    try {
      KeyScript played;
      const runs::RunOutcome first = runs::PlayFirstTime(*run, o.data, o.limit, &played);
      if (!o.out.empty() && !(std::ofstream(o.out) << played.Format(true)))
        throw std::runtime_error(o.out.string() + ": cannot write the key script");
      out << "runfind: " << run->Text() << ": a first play " << (first.reached ? "reached" : "did not reach")
          << " the act's end" << (first.reached ? " with " + std::to_string(first.clockAtEnd / 60) + ":" +
                                                       (first.clockAtEnd % 60 < 10 ? "0" : "") +
                                                       std::to_string(first.clockAtEnd % 60) + " on the clock"
                                                 : "")
          << " (frame " << first.frames << ", " << first.deaths << (first.deaths == 1 ? " death" : " deaths")
          << (first.gameOver ? ", game over" : "") << (first.reached ? "" : ", last at x " + std::to_string(static_cast<int>(first.x)) + " y " + std::to_string(static_cast<int>(first.y))) << ")\n";
      return first.reached ? 0 : 1;
    } catch (const std::exception& e) {
      err << "runfind: " << e.what() << "\n";
      return 1;
    }
  }
  if (o.out.empty()) o.out = run->Text() + ".keys";
  try {
    const auto begin = std::chrono::steady_clock::now();
    auto seconds = [&] {
      return std::round(std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() * 10) / 10;
    };
    Search search(*run, o, out);
    KeyScript script = search.Run();
    if (o.traps) search.ReportTraps();
    if (script.Entries().empty()) {
      err << "runfind: " << run->Text() << ": no run to the act's end found in " << o.seconds << " s\n";
      return 1;
    }
    const size_t walked = script.Entries().size();
    if (o.shorten) script = search.Shorten(script);
    // the search does not draw; the run must hold when every pass of the frame runs
    const runs::RunOutcome check = runs::Replay(*run, script, o.data, o.limit);
    if (!check.reached || !check.finished || check.deaths != 0 || (o.noHits && check.hits != 0) ||
        check.offRoute != 0) {
      err << "runfind: " << run->Text() << ": the run found does not hold when replayed: " << check.Describe() << "\n";
      return 1;
    }
    std::ofstream file(o.out);
    file << "# " << run->Text() << ": the act's end begins in frame " << check.reachedAt << " (runfind seed " << o.seed
         << (o.noHits ? ", no hits" : "") << (o.plain ? ", no shield or invincibility" : "") << ")\n"
         << script.Format(true);
    if (!file.flush()) {
      err << "runfind: " << o.out.string() << ": cannot write the key script\n";
      return 1;
    }
    out << "runfind: " << run->Text() << ": found in " << seconds() << " s (" << search.walks() << " walks, "
        << search.frames() << " frames, " << search.cells() << " cells); the end begins in frame " << check.reachedAt
        << "; " << script.Entries().size() << " entries (of " << walked << " walked) written to " << o.out.string()
        << "\n";
    return 0;
  } catch (const std::exception& e) {
    err << "runfind: " << e.what() << "\n";
    return 1;
  }
}

}  // namespace orvane
