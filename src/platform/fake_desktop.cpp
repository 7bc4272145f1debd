#include "platform/fake_desktop.h"

#include <algorithm>
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

namespace {

constexpr const char* TextFormat = "text/plain";
constexpr const char* HtmlFormat = "text/html";

const std::string* formatIn(const ClipboardContents& contents, std::string_view format) {
  for (const auto& [name, bytes] : contents.formats)
    if (name == format) return &bytes;
  return nullptr;
}

} // namespace

void FakeDesktop::setClipboard(std::string text, std::optional<std::string> html) {
  ClipboardContents contents;
  contents.formats.emplace_back(TextFormat, std::move(text));
  if (html) contents.formats.emplace_back(HtmlFormat, std::move(*html));
  setClipboardFormats(std::move(contents));
}

void FakeDesktop::setClipboardFormats(ClipboardContents contents) {
  clipboard_ = std::move(contents);
  heldByOthers_ = !clipboard_.empty();
}

void FakeDesktop::answerCopies(WindowId window, std::string text, std::optional<std::string> html,
                               int delayMs) {
  copyAnswers_[window] = CopyAnswer{std::move(text), std::move(html), delayMs};
}

std::string FakeDesktop::queryClipboardText() {
  const std::string* text = formatIn(clipboard_, TextFormat);
  return text ? *text : std::string();
}

std::optional<std::string> FakeDesktop::queryClipboardHtml() {
  const std::string* html = formatIn(clipboard_, HtmlFormat);
  if (!html) return std::nullopt;
  return *html;
}

void FakeDesktop::setClipboardContents(const ClipboardContents& contents, bool) {
  clipboard_ = contents;
  heldByOthers_ = false;
}

void FakeDesktop::deliverCopy(const CopyAnswer& answer) {
  setClipboard(answer.text, answer.html);
  heldByOthers_ = true;
}

void FakeDesktop::idle(int milliseconds) {
  waitedMs_ += milliseconds;
  if (pendingCopy_ && waitedMs_ - pendingSinceMs_ >= pendingCopy_->delayMs) {
    deliverCopy(*pendingCopy_);
    pendingCopy_.reset();
  }
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
  if (window.refusesFocus) return true;
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
  if (!down) held_.erase(std::remove(held_.begin(), held_.end(), key), held_.end());
  if (key == Key::Control) controlDown_ = down;
  if (key != Key::C || !down || !controlDown_) return;
  const auto answer = copyAnswers_.find(foreground_);
  if (answer == copyAnswers_.end()) return;
  if (answer->second.delayMs <= 0) {
    deliverCopy(answer->second);
  } else {
    pendingCopy_ = answer->second;
    pendingSinceMs_ = waitedMs_;
  }
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
