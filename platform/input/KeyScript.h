// A key script: which keys are held from which frame on. The text form is
// "F:KEYS;F:KEYS;..." where from frame F on the KEYS are held until the next entry, and KEYS is
// "none" or key names (Escape, Left, Right, Control, Up, Down) joined by "+". Entries may also be
// separated by line breaks, spaces are ignored, and a '#' starts a comment that runs to the end of
// the line. Frames never go down from one entry to the next. Frame n is the n-th pass of the main
// loop after start-up: the first pass is frame 1, and an entry at frame 0 holds from the start.
//
// zonesim's --keys, the recorded runs of tests/runs and the game's demo playback all read this form.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input/Input.h"

namespace platform {

struct KeyScriptError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The keys that a script may hold (the keys the zone programs poll).
const std::vector<Key>& ScriptKeys();
// "Left" for Key::Left; the empty text for a key a script cannot name.
std::string_view ScriptKeyName(Key key);

class KeyScript {
 public:
  struct Entry {
    long frame = 0;
    uint32_t held = 0;  // bit (1 << Key) for each key held
    bool operator==(const Entry&) const = default;
  };

  KeyScript() = default;
  // Throws KeyScriptError naming the entry at fault.
  static KeyScript Parse(std::string_view text);
  // Reads and parses a file; the error names the file.
  static KeyScript Load(const std::string& path);

  // Adds an entry: from `frame` on these keys are held. An entry at the frame of the last one
  // replaces it; holding what the last entry holds adds nothing. Throws if `frame` goes down.
  void Hold(long frame, uint32_t held);
  void Hold(long frame, std::initializer_list<Key> keys);

  // The keys held in frame n (bits as in Entry); none before the first entry.
  uint32_t HeldAt(long frame) const;
  bool Holds(long frame, Key key) const { return (HeldAt(frame) >> static_cast<int>(key)) & 1u; }

  const std::vector<Entry>& Entries() const { return entries_; }
  // The text form, one entry per line when `perLine`, else joined by ';'. Parse(Format()) gives
  // the same script back.
  std::string Format(bool perLine = false) const;

  static constexpr uint32_t Bit(Key key) { return 1u << static_cast<int>(key); }

 private:
  std::vector<Entry> entries_;
};

// Plays a script into an input frame by frame: call Apply(n) before frame n's pass.
template <typename ScriptedInputT>
void ApplyKeyScript(const KeyScript& script, long frame, ScriptedInputT& input) {
  const uint32_t held = script.HeldAt(frame);
  for (Key k : ScriptKeys()) input.Set(k, (held & KeyScript::Bit(k)) != 0);
}

}  // namespace platform
