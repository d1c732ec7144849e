// Playing an act headless from a key script: the act started as zonesim starts it (the chosen act
// loaded at start-up, the character from the folder's own Orvane.cfg), the keys of a script frame
// by frame, and what became of the run. Shared by runfind, which searches for runs, and by the
// replay test of tests/runs, which plays the recorded ones.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "assets/levels/LevelText.h"
#include "engine/core/Table.h"
#include "engine/core/ZoneForm.h"
#include "platform/headless/Headless.h"
#include "platform/input/KeyScript.h"

namespace orvane::runs {

// The frames a run may take to reach its act's end.
constexpr long kRunFrameLimit = 18000;

// Which act with which character, and on which of its routes if one is named:
// "plumvale-0-zinto", "ashmoor-2-kubo-high".
struct RunName {
  std::string zone;  // "plumvale" or "ashmoor"
  int act = 0;
  int character = 0;  // 0 Zinto, 1 Kubo
  std::optional<levels::Route> route;
  std::string Text() const;
  const ZoneTables& Tables() const;
  levels::Zone LevelZone() const { return *levels::ZoneFromName(zone); }
};
std::optional<RunName> ParseRunName(std::string_view text);

// A route of an act as its level text declares it: where a player on the route may stand. Throws
// std::runtime_error naming the level text when it cannot be read or declares no such route.
class RouteCheck {
 public:
  explicit RouteCheck(const RunName& run);
  RouteCheck(levels::Route route, std::vector<levels::RouteSpan> spans);
  // False when the player stands (is on the ground) inside one of the route's spans of columns
  // with its feet outside the route's rows.
  bool Holds(const ZoneForm& form) const;
  std::string Describe() const;  // "high route, columns 8-30 36-60, rows 0-3"

 private:
  levels::Route route_;
  std::vector<levels::RouteSpan> spans_;
};

// A copy of a zone program's folder for one run: every entry of `data` linked, except Orvane.cfg,
// which is the run's own (progress 1, the character, display mode 0), so the installation's
// configuration is never touched. Removed again on destruction.
class PlayFolder {
 public:
  PlayFolder(const std::filesystem::path& data, int character);
  ~PlayFolder();
  PlayFolder(const PlayFolder&) = delete;
  PlayFolder& operator=(const PlayFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// True once the act's end has begun: the sign has stopped turning (ActDone set), or in the act
// with the capsule, the capsule has burst.
bool ActEndReached(const ZoneForm& form);

// Every state field of a ZoneForm (not its surfaces): a run branches by saving and restoring it.
struct ZoneState {
#define ZONE_FIELD(T, N) T N{};
#define ZONE_TABLE(T, N, LO, HI) Table<T, LO, HI> N;
#include "engine/core/ZoneFields.def"
#undef ZONE_FIELD
#undef ZONE_TABLE
  void SaveFrom(const ZoneForm& form);
  void RestoreTo(ZoneForm& form) const;
};

// A zone program started on a play folder, run frame by frame.
class Game {
 public:
  Game(const RunName& run, const std::filesystem::path& folder, uint32_t seed = 1);

  ZoneForm& form() { return *form_; }
  const ZoneForm& form() const { return *form_; }
  platform::HeadlessPlatform& os() { return os_; }
  long frame() const { return frame_; }
  bool ended() const { return ended_; }

  // One pass of the main loop with these keys held (bits of KeyScript). False once the program
  // has ended (EndIt).
  bool Step(uint32_t held);
  // The passes that decide the play, without drawing: the player and items, animation, the title
  // card and the end sign. A search steps this way and checks what it finds with Step.
  bool StepWithoutDrawing(uint32_t held);

  // Branching: the frame counter goes with the state.
  void Save(ZoneState& state, long& frame) const;
  void Restore(const ZoneState& state, long frame);

 private:
  void Hold(uint32_t held);

  platform::HeadlessPlatform os_;
  std::unique_ptr<ZoneForm> form_;
  long frame_ = 0;
  bool ended_ = false;
};

// What became of a replayed run.
struct RunOutcome {
  bool reached = false;     // the act's end began...
  long reachedAt = 0;       // ...in this frame,
  int clockAtEnd = 0;       // ...with this many seconds on the act's clock
  bool finished = false;    // the next act began, or the zone was complete and the program ended
  bool gameOver = false;    // the program ended with no life left
  bool ended = false;       // the program ended (for whatever reason)
  long frames = 0;          // frames run
  int deaths = 0;
  int hits = 0;             // rings scattered or a shield lost
  double x = 0, y = 0;      // where the player was at the last frame run
  long offRoute = 0;        // frames stood off the run's route (when it names one)...
  long offRouteAt = 0;      // ...the first of them
  double offRouteX = 0, offRouteY = 0;
  double farthestX = 0;
  long farthestAt = 0;
  std::string Describe() const;
};

// Plays `script` on the act of `run` until the act's end is reached or `limit` frames have run;
// then, when the end was reached, goes on (with the script's last keys) until the act is over
// and the next one begins or the program ends, at most `afterFrames` frames more.
RunOutcome Replay(const RunName& run, const platform::KeyScript& script, const std::filesystem::path& data,
                  long limit = kRunFrameLimit, long afterFrames = 3000);

// Plays the act as a first-timer would, without knowing it: hold Right from the start, jump at an
// enemy, a hazard or an edge just ahead or when held up (tapping jump when held up in the air), look
// for another way to the left when held up on one spot for long (farther each time, and back
// right when a wall holds it up there too), and go on after a death; when that gains no ground
// for long, try in turn dropping into holes instead of jumping them, looking far to the left, and
// waiting for what moves to move on. The outcome's clock at the end measures a first play at a
// fair pace; the script it played is written to `keys` when given.
RunOutcome PlayFirstTime(const RunName& run, const std::filesystem::path& data, long limit = kRunFrameLimit,
                         platform::KeyScript* keys = nullptr);

}  // namespace orvane::runs
