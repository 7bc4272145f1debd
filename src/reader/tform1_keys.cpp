// The window's keys and clicks: both go through the command table.
#include "reader/tform1.h"

namespace reader {

bool TForm1::FormKeyDown(KeyStroke key) {
  const Command* command = findKeyCommand(key, KeyPhase::Down, bannerMode());
  if (command == nullptr) return false;
  runCommand(*command);
  return true;
}

bool TForm1::FormKeyUp(KeyStroke key) {
  const Command* command = findKeyCommand(key, KeyPhase::Up, bannerMode());
  if (command == nullptr) return false;
  runCommand(*command);
  return true;
}

void TForm1::runCommand(const Command& command) {
  if (command.handler != nullptr) command.handler(*this);
}

void TForm1::nextPageKey() {
  es_.CountWords = true;
  readColumnFrame();
  es_.CountWords = false;
}

void TForm1::navigationKeyUp() {
  rs_.navIcon = NavIcon::None;
  showFastForwardIcon(NavIcon::Play);
  showOrangeDot();
}

void TForm1::escapeKey() {
  if (findBarOpen())
    closeFindBar();
  else if (layout_.fullScreen)
    leaveFullScreen();
  else
    view_.closeWindow();
}

void TForm1::Exit2Click() {
  view_.closeWindow();
}

} // namespace reader
