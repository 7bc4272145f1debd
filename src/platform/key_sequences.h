// The key sequences a capture sends to another program to have it copy its
// document to the clipboard, and how they are played on a desktop that
// tracks which keys are held.
//
// A sequence is written as the program has always sent it: key-downs, the
// Control key's key-up, and pauses; no other key is ever released. A desktop
// that remembers held keys (X11 does) would see those keys stuck down, so a
// sequence is played with every other key tapped (pressed and released at
// once) and a Control key-down skipped while Control is already held. The
// keys the application receives are the same.
#pragma once

#include <vector>

namespace platform {

// The keys the program sends, and the modifiers it may have to release first.
enum class Key { Control, A, C, Right, Home, Shift, Alt, Super };
inline constexpr int KeyCount = 8;

enum class KeySequence {
  SelectCopyHome,          // select all, copy, drop the selection, caret to the start
  SelectCopyHomeWithPause, // the same with a pause after the copy
  SelectCopy,              // select all, copy
};

struct KeyStep {
  enum Kind { Down, Up, Sleep } kind = Down;
  Key key = Key::Control;
  int milliseconds = 0; // for Sleep
  bool operator==(const KeyStep&) const = default;
};

// The sequence as written.
std::vector<KeyStep> keyStepsOf(KeySequence sequence);

// The sequence as played: Down and Up steps for every key, balanced, plus the pauses.
std::vector<KeyStep> playedKeyStepsOf(KeySequence sequence);

} // namespace platform
