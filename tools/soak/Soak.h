// soak: plays every act of both zones with both characters on random held keys, through the real
// engine headless, and checks after every frame that the state stays sound (no NaN or infinite
// number, every counter and sprite row inside the table or sheet it picks from, the frame composed).
//
//   soak --data DIR [--frames N] [--seed S] [--zone plumvale|ashmoor] [--act N] [--character 0|1] [--progress K]
//        [--stuck-after K]
//     --data DIR     the installation's Data folder (its Orvane.cfg is never touched)
//     --frames N     frames per act and character (default 20000)
//     --seed S       the first run's seed; a game over or the zone's end starts a fresh run with the next
//     --progress K   a line of figures every K frames of an act (default 100000; 0: only at the act's end)
//     --stuck-after K  a player in play who has not moved at all for K frames is a fault (default 0: off)
//
// A death restarts the act as in the game. Each act and character ends with a line of figures
// (frames, runs, deaths, game overs, zone ends, furthest x, seconds, frames per second), flushed as
// it is written. On a fault soak prints the zone, act, character, seed and frame, the fault and the
// state, and exits 1; 2 is bad usage; 0 a clean soak. The program ending in any other way than a game
// over or the zone's end is a fault: the random player never presses Escape nor clicks.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace orvane {

int RunSoak(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane
