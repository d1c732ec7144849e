// Zinto and Kubo, drawn from a posable skeleton so that every sheet (play frames, curve poses,
// the title, the launcher pictures, the sign faces, the lives icons) shows the same two characters.
//
// Zinto: a tall, quick crimson gecko with a cream muzzle, a golden crest and scarf, teal shoes
//        and a long tail. Player cells 40x38.
// Kubo:  a round indigo moth-cub with amber face and belly, round ears, feelers and mint wings
//        that carry him through the air. Player cells 43x32.
#pragma once

#include "assets/art/Canvas.h"

namespace assets::art {

enum class Hero { Zinto, Kubo };

// A pose in the right-facing design cell (Zinto 40x38, feet on y 37; Kubo 43x32, feet on y 31).
// Limb angles are radians from straight down; positive swings forward (to the right).
struct Pose {
  double x = 0;        // horizontal shift of the whole body
  double lift = 0;     // raises the body (and legs) above the ground
  double drop = 0;     // lowers the hips (crouching): legs bend to keep the feet down
  double lean = 0;     // torso lean forward
  double hipF = 0, kneeF = 0.15, hipB = 0, kneeB = 0.15;   // near and far leg
  double footF = 0, footB = 0;                          // extra foot tilt (toes up > 0)
  double armF = 0.2, elbowF = 0.5, armB = -0.2, elbowB = 0.5;
  double headTilt = 0;  // head turn, radians (positive = nose up)
  double tail = 0;      // tail lift (Zinto)
  double scarf = 0.3;   // how far the scarf flies back (0..1)
  double wing = 0;      // Kubo's wings: 0 folded at rest, 1 spread up, -1 spread down
  int eyes = 0;         // 0 open, 1 squeezed shut, 2 crossed out (dead), 3 wide, 4 half shut
  int mouth = 0;        // 0 smile, 1 open, 2 grit, 3 flat
  bool ball = false;    // rolled into a ball
  double spin = 0;      // ball rotation, radians
  double stretch = 1;   // vertical stretch of the whole figure (sprung)
  double sweat = 0;     // sweat drop (tired)
};

// Draws the hero facing right with the design cell's top-left at (ox, oy), enlarged by `scale`.
// Parts get their own dark outlines; `ink` pixels wide.
// With `rotation` the figure turns counter-clockwise (radians) about the image point (rx, ry).
void DrawHero(Image& img, Hero hero, double ox, double oy, double scale, const Pose& pose, int ink = 1,
              double rotation = 0, double rx = 0, double ry = 0);

// A cell of the given size with the hero drawn facing right, design origin at (dx, dy).
Image HeroCell(Hero hero, const Pose& pose, int w, int h, double scale = 1.0, double dx = 0, double dy = 0,
               int ink = 1);

// The frames the game selects, by frame number of the player sheet (right-facing pose).
Pose ZintoFrame(int frame);
Pose KuboFrame(int frame);
// The running cycle used on curves: frame 0..3.
Pose CurveRunFrame(Hero hero, int frame);

// Only the head, centred at (cx, cy), for portraits and icons.
void DrawHeroHead(Image& img, Hero hero, double cx, double cy, double scale, int ink = 1, int eyes = 0, int mouth = 0);

// Sheets written by the character art.
void WriteHeroSheets(const std::filesystem::path& game);

}  // namespace assets::art
