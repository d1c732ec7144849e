// The keyboard, polled once per frame: a key is down or up.
#pragma once

namespace platform {

enum class Key {
  Escape, Left, Right, Up, Down, Control,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  Count
};

class Input {
 public:
  virtual ~Input() = default;
  virtual bool KeyDown(Key key) const = 0;
};

}  // namespace platform
