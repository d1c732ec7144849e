#include "tools/runfind/RunPlay.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "assets/levels/ItemKinds.h"
#include "assets/levels/Levels.h"
#include "engine/core/Vocabulary.h"
#include "zones/ZoneProgram.h"

namespace orvane::runs {

namespace fs = std::filesystem;

namespace {

constexpr int16_t kZoneComplete = 3;   // ActIndex once the zone's last act is over
constexpr const char* kCharacterNames[2] = {"zinto", "kubo"};

}  // namespace

std::string RunName::Text() const {
  return zone + "-" + std::to_string(act) + "-" + kCharacterNames[character] +
         (route ? std::string("-") + levels::RouteName(*route) : "");
}

const ZoneTables& RunName::Tables() const { return *FindZoneTables(zone); }

std::optional<RunName> ParseRunName(std::string_view text) {
  const size_t a = text.find('-');
  const size_t b = a == std::string_view::npos ? a : text.find('-', a + 1);
  if (b == std::string_view::npos) return std::nullopt;
  RunName run;
  run.zone = std::string(text.substr(0, a));
  const ZoneTables* zone = FindZoneTables(run.zone);
  if (!zone) return std::nullopt;
  const std::string_view act = text.substr(a + 1, b - a - 1);
  const auto r = std::from_chars(act.data(), act.data() + act.size(), run.act);
  if (act.empty() || r.ec != std::errc() || r.ptr != act.data() + act.size() || run.act < 0 ||
      run.act >= zone->actCount)
    return std::nullopt;
  const size_t c = text.find('-', b + 1);
  const std::string_view character = text.substr(b + 1, c == std::string_view::npos ? c : c - b - 1);
  if (c != std::string_view::npos) {
    run.route = levels::RouteFromName(text.substr(c + 1));
    if (!run.route) return std::nullopt;
  }
  if (character == kCharacterNames[0]) run.character = 0;
  else if (character == kCharacterNames[1]) run.character = 1;
  else return std::nullopt;
  return run;
}

namespace {

// The player's feet: where it stands, in rows (its column is the centre point's).
constexpr double kFeetY = 38;
// Feet a few pixels above a block's top still stand on it (a slope's or step's surface lies inside
// its block, and the feet may rest a fraction above the surface).
constexpr double kFeetSlack = 8;

levels::Level LevelOf(const RunName& run) {
  const levels::Zone zone = run.LevelZone();
  for (const levels::ActSource& source : levels::Acts()) {
    levels::Level level = levels::LoadLevel(levels::SourceFolder() / source.textFile);
    if (level.zone == zone && level.act == run.act) return level;
  }
  throw std::runtime_error("no level text for " + run.zone + " act " + std::to_string(run.act));
}

}  // namespace

RouteCheck::RouteCheck(const RunName& run) : route_(run.route.value_or(levels::Route::Middle)) {
  const levels::Level level = LevelOf(run);
  for (const levels::RouteSpan& span : level.routes)
    if (span.route == route_) spans_.push_back(span);
  if (spans_.empty())
    throw std::runtime_error(level.name + ": declares no " + levels::RouteName(route_) + " route");
}

bool RouteCheck::Holds(const ZoneForm& f) const {
  if (f.Airborne == kOn || f.Dying != 0) return true;
  const int column = static_cast<int>(std::floor((f.PlayerX + kCentreX) / kBlock));
  const int row = static_cast<int>(std::floor((f.PlayerY + kFeetY + kFeetSlack) / levels::kBlock));
  const levels::RouteRows rows = levels::RowsOf(route_);
  for (const levels::RouteSpan& span : spans_)
    if (column >= span.firstColumn && column <= span.lastColumn) return row >= rows.first && row <= rows.last;
  return true;
}

RouteCheck::RouteCheck(levels::Route route, std::vector<levels::RouteSpan> spans)
    : route_(route), spans_(std::move(spans)) {}

std::string RouteCheck::Describe() const {
  std::string s = std::string(levels::RouteName(route_)) + " route, columns";
  for (const levels::RouteSpan& span : spans_)
    s += " " + std::to_string(span.firstColumn) + "-" + std::to_string(span.lastColumn);
  const levels::RouteRows rows = levels::RowsOf(route_);
  return s + ", rows " + std::to_string(rows.first) + "-" + std::to_string(rows.last);
}

PlayFolder::PlayFolder(const fs::path& data, int character) {
  if (!fs::is_directory(data)) throw std::runtime_error(data.string() + ": not a zone program's folder");
  std::random_device rd;
  path_ = fs::temp_directory_path() / ("orvane-run-" + std::to_string(rd()) + std::to_string(rd()));
  fs::create_directories(path_);
  for (const auto& e : fs::directory_iterator(data))
    if (e.path().filename() != "Orvane.cfg") fs::create_symlink(fs::absolute(e.path()), path_ / e.path().filename());
  const char cfg[3] = {1, static_cast<char>(character), 0};
  std::ofstream(path_ / "Orvane.cfg", std::ios::binary).write(cfg, sizeof cfg);
}

PlayFolder::~PlayFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

bool ActEndReached(const ZoneForm& form) {
  return form.ActDone != 0 || (form.ActIndex == kCapsuleAct && form.CapsuleState != 0);
}

void ZoneState::SaveFrom(const ZoneForm& form) {
#define ZONE_FIELD(T, N) N = form.N;
#define ZONE_TABLE(T, N, LO, HI) N = form.N;
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
}

void ZoneState::RestoreTo(ZoneForm& form) const {
#define ZONE_FIELD(T, N) form.N = N;
#define ZONE_TABLE(T, N, LO, HI) form.N = N;
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
}

Game::Game(const RunName& run, const fs::path& folder, uint32_t seed) : os_(seed) {
  form_ = std::make_unique<ZoneForm>(os_.Get(), run.Tables(), folder);
  form_->ActIndex = static_cast<int16_t>(run.act);
  try {
    form_->FormLoad();
  } catch (const ProgramEnded&) {
    ended_ = true;
  }
}

void Game::Hold(uint32_t held) {
  for (platform::Key k : platform::ScriptKeys()) os_.input.Set(k, (held & platform::KeyScript::Bit(k)) != 0);
}

bool Game::Step(uint32_t held) {
  if (ended_) return false;
  ++frame_;
  Hold(held);
  try {
    form_->Frame();
  } catch (const ProgramEnded&) {
    ended_ = true;
  }
  os_.ClearEvents();
  return !ended_;
}

bool Game::StepWithoutDrawing(uint32_t held) {
  if (ended_) return false;
  ++frame_;
  Hold(held);
  try {
    form_->Movement();
    form_->Animation();
    form_->Parallax();
    form_->TitleCard();
    form_->EndSignStep();
  } catch (const ProgramEnded&) {
    ended_ = true;
  }
  os_.ClearEvents();
  return !ended_;
}

void Game::Save(ZoneState& state, long& frame) const {
  state.SaveFrom(*form_);
  frame = frame_;
}

void Game::Restore(const ZoneState& state, long frame) {
  state.RestoreTo(*form_);
  frame_ = frame;
  ended_ = false;
}

std::string RunOutcome::Describe() const {
  std::ostringstream s;
  if (reached) s << "the act's end began in frame " << reachedAt;
  else s << "the act's end was not reached in " << frames << " frames";
  s << "; the player was last at x " << x << ", y " << y << " (frame " << frames << "), farthest x " << farthestX
    << " in frame " << farthestAt << ", " << deaths << (deaths == 1 ? " death, " : " deaths, ") << hits
    << (hits == 1 ? " hit" : " hits");
  if (offRoute != 0)
    s << ", off its route in " << offRoute << " frames (first in frame " << offRouteAt << " at x " << offRouteX << ", y "
      << offRouteY << ")";
  if (gameOver) s << ", game over";
  else if (ended && !finished) s << ", the program ended";
  if (reached && !finished && !ended) s << ", and the act did not end";
  return s.str();
}

namespace {

// What each played frame adds to an outcome: where the player is and the farthest it got in the
// run's act (true when that grew).
bool NoteFrame(RunOutcome& o, const ZoneForm& f, long frame, int act) {
  o.frames = frame;
  o.x = f.PlayerX;
  o.y = f.PlayerY;
  if (f.PlayerX <= o.farthestX || f.ActIndex != act) return false;
  o.farthestX = f.PlayerX;
  o.farthestAt = frame;
  return true;
}

// The frame in which the act's end begins, with the clock then (true in that frame only).
bool NoteEnd(RunOutcome& o, const ZoneForm& f, long frame) {
  if (o.reached || !ActEndReached(f)) return false;
  o.reached = true;
  o.reachedAt = frame;
  o.clockAtEnd = f.ClockMinutes * 60 + f.ClockSeconds;
  return true;
}

}  // namespace

RunOutcome Replay(const RunName& run, const platform::KeyScript& script, const fs::path& data, long limit,
                  long afterFrames) {
  const PlayFolder folder(data, run.character);
  Game game(run, folder.path());
  const std::optional<RouteCheck> route = run.route ? std::optional<RouteCheck>(run) : std::nullopt;
  RunOutcome o;
  ZoneForm& f = game.form();
  auto note = [&] { NoteFrame(o, f, game.frame(), run.act); };
  note();
  long stopAt = limit;
  int16_t dying = f.Dying, hurt = f.HurtTimer;
  while (!game.ended() && game.frame() < stopAt) {
    const int16_t shield = f.ShieldKind;
    game.Step(script.HeldAt(game.frame() + 1));
    if (game.ended()) break;
    if (f.Dying == kSet && dying == 0) ++o.deaths;
    // a hit scatters the rings (the hurt clock starts) or takes the shield; the act's restart
    // takes the shield too, but only after a death or at the act's end
    if ((f.HurtTimer != 0 && hurt == 0) || (shield != 0 && f.ShieldKind == 0 && f.ActIndex == run.act && f.Dying == 0 && dying == 0))
      ++o.hits;
    dying = f.Dying;
    hurt = f.HurtTimer;
    if (f.ActIndex != run.act) {
      // the act is over: the next one has been loaded
      o.finished = o.reached && f.Dying == 0;
      note();
      break;
    }
    note();
    if (route && !o.reached && !route->Holds(f) && o.offRoute++ == 0) {
      o.offRouteAt = game.frame();
      o.offRouteX = f.PlayerX;
      o.offRouteY = f.PlayerY;
    }
    if (NoteEnd(o, f, game.frame())) stopAt = game.frame() + afterFrames;
  }
  o.ended = game.ended();
  // The program ends at the zone's end (no act left) or when no life is left.
  o.gameOver = o.ended && f.Lives < 0;
  if (o.ended && o.reached && !o.gameOver && f.ActIndex == kZoneComplete) o.finished = true;
  o.frames = game.frame();
  return o;
}

namespace {

// The first-timer's habits.
constexpr double kSeesAhead = 120;     // jumps at an enemy or hazard this near ahead...
constexpr double kTooNear = 16;        // ...but not one already under it
constexpr double kSameLevel = 80;      // ...at about its own height
constexpr int kJumpFrames = 14;        // a jump holds Control this long, then lets go
constexpr int kHeldUpFrames = 20;      // moving less than a pixel a frame this long is being held up
constexpr int kBackOffAfter = 240;     // held up this long on the same spot: back off to the left
constexpr int kBackOffFrames = 40;     // ...for this long, from the third time on twice as long each time
constexpr long kLongestBackOff = 600;
constexpr double kSameSpot = 32;

// When the obvious has failed (no new ground to the right for kStalledFrames), the first-timer
// tries, each for as long, what a person would try next, and goes back to the obvious once it
// gains ground again: drop into the holes it was jumping (and stop flapping or tapping against a
// wall in the air); look far to the left for another way (taking one that carries it up); wait at
// an edge or before an enemy for what moves there to move on.
enum class Tactic { Obvious, Drop, FarLeft, Wait };
constexpr long kStalledFrames = 900;
constexpr int kWaitFrames = 90;
constexpr double kCarriedUp = 128;  // a block
Tactic NextTactic(Tactic t) {
  if (t == Tactic::Drop) return Tactic::FarLeft;
  if (t == Tactic::FarLeft) return Tactic::Wait;
  return Tactic::Drop;
}

bool DangerAhead(const ZoneForm& f, int dir) {
  const double x = f.PlayerX + kCentreX, y = f.PlayerY + kCentreY;
  for (int i = 0; i < static_cast<int>(kItemRecords); ++i) {
    if (!levels::Hurts(f.ItemKind[i])) continue;
    const auto info = levels::KindInfo(f.ItemKind[i]);
    if (!info || std::abs(f.ItemY[i] - y) >= kSameLevel) continue;
    const double left = f.ItemX[i] + info->boxX, right = left + info->boxW;  // a patrol's whole sweep
    const double ahead = dir > 0 ? left - x : x - right;
    if (ahead > kTooNear && ahead < kSeesAhead) return true;
    if (info->walks && x >= left && x <= right) return true;
  }
  return false;
}

// The ground drops away just ahead: nothing to stand on within a few blocks below a point there.
constexpr double kEdgeAhead[] = {48, 80};
constexpr int kDropSeen = 320;
bool EdgeAhead(const ZoneForm& f, levels::Zone zone, int dir) {
  const levels::ZoneValues& values = levels::ValuesOf(zone);
  const uint8_t* main = &f.BlockMap.data()[levels::kCols];  // row 0, column 0
  const int feet = static_cast<int>(f.PlayerY) + static_cast<int>(kFeetY);
  for (const double ahead : kEdgeAhead) {
    const int x = static_cast<int>(f.PlayerX + kCentreX + dir * ahead);
    if (x < 0 || x >= levels::kWorldWidth) return false;
    bool ground = false;
    for (int y = std::max(0, feet - 40); y < std::min(levels::kWorldHeight, feet + kDropSeen) && !ground; y += 4)
      ground = levels::SolidAt(values, main, x, y);
    if (!ground) return true;
  }
  return false;
}

}  // namespace

RunOutcome PlayFirstTime(const RunName& run, const fs::path& data, long limit, platform::KeyScript* keys) {
  const PlayFolder folder(data, run.character);
  Game game(run, folder.path());
  ZoneForm& f = game.form();
  const levels::Zone zone = run.LevelZone();
  RunOutcome o;
  constexpr uint32_t kRight = platform::KeyScript::Bit(platform::Key::Right);
  constexpr uint32_t kLeft = platform::KeyScript::Bit(platform::Key::Left);
  constexpr uint32_t kJump = platform::KeyScript::Bit(platform::Key::Control);
  int jumping = 0, letGo = 0, heldUp = 0, sameSpot = 0, backOffs = 0, waited = 0;
  long goingLeft = 0;  // frames left to look for another way to the left
  Tactic tactic = Tactic::Obvious;
  long tacticSince = 0;
  double backOffY = f.PlayerY;  // where the look to the left began
  auto lookLeft = [&](long frames) {
    goingLeft = frames;
    backOffY = f.PlayerY;
  };
  double spotX = f.PlayerX, lastX = f.PlayerX;
  int16_t dying = f.Dying;
  uint32_t lastHeld = ~0u;
  while (!game.ended() && game.frame() < limit) {
    const int dir = goingLeft > 0 ? -1 : 1;
    const uint32_t way = dir > 0 ? kRight : kLeft;
    uint32_t held = way;
    const bool standing = f.Airborne == 0 && f.Dying == 0;
    if (goingLeft > 0) --goingLeft;
    // looking for another way, it takes one that carries it up (a spring, say) when it has tried
    // the obvious long enough
    if (goingLeft > 0 && tactic != Tactic::Obvious && f.PlayerY < backOffY - kCarriedUp) goingLeft = 0;
    if (jumping > 0) {
      held = way | kJump;
      if (--jumping == 0) letGo = 2;
    } else if (letGo > 0) {
      --letGo;
    } else if (standing && (DangerAhead(f, dir) || (tactic != Tactic::Drop && EdgeAhead(f, zone, dir)) ||
                            heldUp >= kHeldUpFrames)) {
      if (tactic == Tactic::Wait && waited < kWaitFrames) {
        held = 0;
        ++waited;
      } else {
        held = way | kJump;
        jumping = kJumpFrames - 1;
        heldUp = 0;
        waited = 0;
      }
    } else if (heldUp >= kHeldUpFrames && tactic != Tactic::Drop && (game.frame() / 2) % 2 == 0) {
      held = way | kJump;  // held up off the ground (sinking, say): tap jump again and again
    }
    if (keys && held != lastHeld) keys->Hold(game.frame() + 1, held);
    lastHeld = held;
    game.Step(held);
    if (game.ended()) break;
    if (f.Dying == kSet && dying == 0) ++o.deaths;
    dying = f.Dying;
    heldUp = std::abs(f.PlayerX - lastX) < 1 && f.Dying == 0 ? heldUp + 1 : 0;
    lastX = f.PlayerX;
    if (std::abs(f.PlayerX - spotX) > kSameSpot) {
      spotX = f.PlayerX;
      sameSpot = 0;
    } else if (++sameSpot >= kBackOffAfter) {
      if (goingLeft > 0) {
        goingLeft = 0;  // held up looking to the left too, by a wall: try the right again
      } else {
        // held up on one spot for long: look for another way to the left, farther each time
        const long farther = static_cast<long>(kBackOffFrames) << std::clamp(backOffs - 2, 0, 4);
        lookLeft(tactic == Tactic::FarLeft ? kLongestBackOff : std::min(farther, kLongestBackOff));
        ++backOffs;
      }
      sameSpot = 0;
    }
    if (NoteFrame(o, f, game.frame(), run.act)) {
      tactic = Tactic::Obvious;
      tacticSince = game.frame();
    } else if (game.frame() - tacticSince >= kStalledFrames) {
      tactic = NextTactic(tactic);
      tacticSince = game.frame();
      if (tactic == Tactic::FarLeft) lookLeft(kLongestBackOff);
    }
    if (NoteEnd(o, f, game.frame())) break;
  }
  o.ended = game.ended();
  o.gameOver = o.ended && f.Lives < 0;
  return o;
}

}  // namespace orvane::runs
