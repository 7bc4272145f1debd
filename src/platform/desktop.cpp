#include "platform/desktop.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <thread>

#include <unistd.h>

#include "platform/cp1252.h"

namespace platform {

namespace {

// Runs one question to the implementation; a throw counts as the failed answer.
template <typename Answer, typename Question>
Answer ask(Question&& question, Answer failed) noexcept {
  try {
    return question();
  } catch (...) {
    return failed;
  }
}

std::string lowerCased(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string rightTrimmed(std::string text) {
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= 32)
    text.pop_back();
  return text;
}

constexpr std::size_t MaxClassNameLength = 255;

// Terminal emulators, by the file name of their executable or their window's
// class. gnome-terminal's windows belong to gnome-terminal-server; GNOME
// Console runs as kgx.
constexpr std::string_view TerminalPrograms[] = {
    "xterm",           "uxterm",
    "gnome-terminal",  "gnome-terminal-server",
    "konsole",         "xfce4-terminal",
    "lxterminal",      "mate-terminal",
    "terminator",      "tilix",
    "alacritty",       "kitty",
    "urxvt",           "rxvt",
    "rxvt-unicode",    "st",
    "qterminal",       "sakura",
    "terminology",     "foot",
    "wezterm",         "wezterm-gui",
    "guake",           "tilda",
    "yakuake",         "cool-retro-term",
    "eterm",           "aterm",
    "deepin-terminal", "kgx",
    "ptyxis",          "x-terminal-emulator",
    "lxqt-terminal",   "roxterm",
    "termite",         "blackbox",
};

// How often a wait looks again.
constexpr int WaitStepMs = 10;

} // namespace

bool isTerminalProgram(std::string_view name) {
  const std::string lower = lowerCased(std::string(name));
  for (const std::string_view terminal : TerminalPrograms)
    if (lower == terminal) return true;
  return false;
}

WindowId Desktop::foregroundWindow() {
  const WindowId window = ask([&] { return queryForeground(); }, FailedWindow);
  if (window == FailedWindow) return FailedWindow;
  if (ignoredForeground_.count(window)) return lastForeground_;
  lastForeground_ = window < 0 ? NoWindow : window;
  return lastForeground_;
}

void Desktop::ignoreAsForeground(WindowId window) {
  if (window > 0) ignoredForeground_.insert(window);
}

std::string Desktop::windowTitle(WindowId window) {
  if (window <= 0) return {};
  return ask([&] { return rightTrimmed(utf8ToCp1252(queryTitle(window))); }, std::string());
}

std::string Desktop::windowClassName(WindowId window) {
  if (window <= 0) return {};
  return ask(
      [&] {
        std::string name = lowerCased(utf8ToCp1252(queryClassName(window)));
        if (name.size() > MaxClassNameLength) name.resize(MaxClassNameLength);
        return name;
      },
      std::string());
}

std::string Desktop::windowRole(WindowId window) {
  if (window <= 0) return {};
  return ask([&] { return lowerCased(utf8ToCp1252(queryRole(window))); }, std::string());
}

int Desktop::processIdOfWindow(WindowId window) {
  if (window <= 0) return 0;
  return ask([&] { return std::max(0, queryProcessId(window)); }, 0);
}

std::string Desktop::processNameOfWindow(WindowId window) {
  if (window == FailedWindow) return "null";
  const int process = processIdOfWindow(window);
  if (process == 0) return {};
  return ask([&] { return lowerCased(utf8ToCp1252(queryExecutable(process))); }, std::string());
}

bool Desktop::isOwnWindow(WindowId window) {
  const int process = processIdOfWindow(window);
  return process != 0 && process == ask([&] { return ownProcessId(); }, -1);
}

Rect Desktop::windowRect(WindowId window) {
  if (window <= 0) return {};
  const auto geometry = ask([&] { return queryGeometry(window); }, std::optional<WindowGeometry>());
  return geometry ? geometry->outer : Rect{};
}

Rect Desktop::clientRect(WindowId window) {
  if (window <= 0) return {};
  const auto geometry = ask([&] { return queryGeometry(window); }, std::optional<WindowGeometry>());
  return geometry ? geometry->client : Rect{};
}

bool Desktop::isWindowVisible(WindowId window) {
  if (window <= 0) return false;
  const auto state = ask([&] { return queryState(window); }, std::optional<WindowState>());
  return state && state->mapped && !state->hidden;
}

bool Desktop::isMinimised(WindowId window) {
  if (window <= 0) return false;
  const auto state = ask([&] { return queryState(window); }, std::optional<WindowState>());
  return state && state->minimised;
}

bool Desktop::switchToWindow(WindowId window) {
  if (window <= 0) return false;
  return ask([&] { return requestActivation(window); }, false);
}

bool Desktop::keepOnTop(WindowId window) {
  if (!isOwnWindow(window)) return false;
  return ask([&] { return requestKeepAbove(window); }, false);
}

void Desktop::sendKeys(KeySequence sequence) {
  ask(
      [&] {
        for (const KeyStep& step : playedKeyStepsOf(sequence)) {
          if (step.kind == KeyStep::Sleep) {
            pause(step.milliseconds);
          } else {
            injectKey(step.key, step.kind == KeyStep::Down);
          }
        }
        return true;
      },
      false);
}

void Desktop::clickAt(int x, int y) {
  ask(
      [&] {
        const auto before = pointerPosition();
        injectPointerMove(x, y);
        injectLeftButton(true);
        injectLeftButton(false);
        if (before) injectPointerMove(before->first, before->second);
        return true;
      },
      false);
}

bool Desktop::isTerminalWindow(WindowId window) {
  if (window <= 0) return false;
  return isTerminalProgram(processNameOfWindow(window)) ||
         isTerminalProgram(windowClassName(window));
}

void Desktop::releaseHeldModifiers() {
  ask(
      [&] {
        for (const Key key : heldModifiers())
          releaseModifier(key);
        return true;
      },
      false);
}

void Desktop::pause(int milliseconds) {
  if (sleep_) {
    sleep_(milliseconds);
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  }
}

void Desktop::idle(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool Desktop::waitUntil(const std::function<bool()>& done, int limitMs) {
  for (int waited = 0;; waited += WaitStepMs) {
    if (ask([&] { return done(); }, false)) return true;
    if (waited >= limitMs) return false;
    ask([&] { return idle(WaitStepMs), true; }, false);
  }
}

ClipboardContents Desktop::saveClipboard() {
  return ask([&] { return queryClipboardContents(); }, ClipboardContents());
}

void Desktop::restoreClipboard(const ClipboardContents& contents) {
  ask([&] { return setClipboardContents(contents, false), true; }, false);
}

void Desktop::emptyClipboard() {
  ask([&] { return setClipboardContents({}, true), true; }, false);
}

bool Desktop::waitForCopy(int limitMs) {
  if (!waitUntil([&] { return clipboardHeldByOthers(); }, limitMs)) return false;
  // One more round of events, so that what the desktop knows of the
  // clipboard is about the new owner.
  ask([&] { return idle(WaitStepMs), true; }, false);
  return true;
}

std::string Desktop::clipboardText() {
  return ask([&] { return normaliseLineEnds(utf8ToCp1252(queryClipboardText())); }, std::string());
}

std::optional<std::string> Desktop::clipboardHtml() {
  return ask([&] { return queryClipboardHtml(); }, std::optional<std::string>());
}

int DesktopWithoutWindows::ownProcessId() {
  return static_cast<int>(::getpid());
}

} // namespace platform
