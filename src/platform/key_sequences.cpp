#include "platform/key_sequences.h"

namespace platform {

namespace {

constexpr KeyStep down(Key key) {
  return {KeyStep::Down, key, 0};
}
constexpr KeyStep controlUp() {
  return {KeyStep::Up, Key::Control, 0};
}
constexpr KeyStep pause(int milliseconds) {
  return {KeyStep::Sleep, Key::Control, milliseconds};
}

// The application needs a moment to put the copied text on the clipboard.
constexpr int CopyPauseMs = 250;

} // namespace

std::vector<KeyStep> keyStepsOf(KeySequence sequence) {
  switch (sequence) {
  case KeySequence::SelectCopyHome:
    return {down(Key::Control), down(Key::A),       down(Key::Control), down(Key::C), controlUp(),
            down(Key::Right),   down(Key::Control), down(Key::Home),    controlUp()};
  case KeySequence::SelectCopyHomeWithPause:
    return {down(Key::Control), down(Key::A), down(Key::Control), down(Key::C),
            pause(CopyPauseMs), controlUp(),  down(Key::Right),   down(Key::Control),
            down(Key::Home),    controlUp()};
  case KeySequence::SelectCopy:
    return {down(Key::Control), down(Key::A), controlUp(),
            down(Key::Control), down(Key::C), controlUp()};
  }
  return {};
}

std::vector<KeyStep> playedKeyStepsOf(KeySequence sequence) {
  std::vector<KeyStep> played;
  bool controlHeld = false;
  for (const KeyStep& step : keyStepsOf(sequence)) {
    if (step.kind == KeyStep::Sleep) {
      played.push_back(step);
    } else if (step.key == Key::Control) {
      const bool wantDown = step.kind == KeyStep::Down;
      if (wantDown != controlHeld) played.push_back(step);
      controlHeld = wantDown;
    } else {
      played.push_back({KeyStep::Down, step.key, 0});
      played.push_back({KeyStep::Up, step.key, 0});
    }
  }
  if (controlHeld) played.push_back(controlUp());
  return played;
}

} // namespace platform
