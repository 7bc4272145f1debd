#include "platform/fake_desktop.h"

#include <stdexcept>

namespace platform {

FakeDesktop::FakeDesktop(Rect area) : area_(area) {
  setSleep([this](int milliseconds) {
    input_.push_back({DesktopInput::Pause, Key::Control, 0, 0, milliseconds});
  });
}

WindowId FakeDesktop::addWindow(FakeWindow window) {
  const WindowId id = nextId_++;
  windows_.emplace(id, std::move(window));
  return id;
}

void FakeDesktop::removeWindow(WindowId id) {
  windows_.erase(id);
}

void FakeDesktop::setClipboard(std::string text, std::optional<std::string> html) {
  clipboardText_ = std::move(text);
  clipboardHtml_ = std::move(html);
}

const FakeWindow& FakeDesktop::find(WindowId id) const {
  static const FakeWindow none{};
  const auto it = windows_.find(id);
  if (it == windows_.end()) return none;
  if (it->second.broken) throw std::runtime_error("broken window");
  return it->second;
}

std::string FakeDesktop::queryExecutable(int processId) {
  for (const auto& [id, window] : windows_) {
    if (window.processId == processId) return window.executable;
  }
  return {};
}

std::optional<WindowGeometry> FakeDesktop::queryGeometry(WindowId id) {
  if (!windows_.count(id)) return std::nullopt;
  return find(id).geometry;
}

std::optional<WindowState> FakeDesktop::queryState(WindowId id) {
  if (!windows_.count(id)) return std::nullopt;
  return find(id).state;
}

bool FakeDesktop::requestActivation(WindowId id) {
  if (!windows_.count(id)) return false;
  switches_.push_back(id);
  FakeWindow& window = windows_.at(id);
  window.state = WindowState{true, false, false};
  foreground_ = id;
  return true;
}

bool FakeDesktop::requestKeepAbove(WindowId id) {
  keptOnTop_.push_back(id);
  return true;
}

void FakeDesktop::injectKey(Key key, bool down) {
  input_.push_back({down ? DesktopInput::KeyDown : DesktopInput::KeyUp, key});
}

void FakeDesktop::injectPointerMove(int x, int y) {
  pointer_ = {x, y};
  input_.push_back({DesktopInput::PointerMove, Key::Control, x, y});
}

void FakeDesktop::injectLeftButton(bool down) {
  input_.push_back({down ? DesktopInput::ButtonDown : DesktopInput::ButtonUp, Key::Control,
                    pointer_.first, pointer_.second});
}

} // namespace platform
