// The game's sound effects, each synthesised from scratch.
#pragma once

#include "assets/sound/Dsp.h"

namespace assets::sound {

Stereo RingSound();     // a ring collected: a bright two-bell chime
Stereo JumpSound();     // a quick upward pulse sweep
Stereo SpringSound();   // a coil boing that settles
Stereo LampSound();     // a lamp post touched: a small bell's ti-ding
Stereo BoxSound();      // an item box, the capsule or an enemy bursting: crack, pop and crunch
Stereo HurtSound();     // rings scattered: a bonk and a spray of falling pings
Stereo FlyLoop();       // Kubo flying: a whirring flutter, seamless loop
Stereo FallLoop();      // Kubo tired: a slower, sagging flutter, seamless loop
Stereo SpinSound();     // the spin charge revving up
Stereo RollSound();     // curling into a roll: a short rolling whoosh
Stereo ReleaseSound();  // the spin released: a zoom past
Stereo DoubleJumpShieldGet();  // the three shield pick-ups share one rising motif
Stereo DashShieldGet();
Stereo BounceShieldGet();
Stereo DoubleJumpUse();  // an upward whoosh
Stereo DashUse();        // a blast
Stereo BounceUse();      // a thump with a springy tail
Stereo BlipSound();      // one step of the bonus count (shorter than three frames)
Stereo JingleSound();    // the end of the count: a short bright cadence

}  // namespace assets::sound
