#include "acquisition/source_window_wait.h"

#include "acquisition/source_applications.h"
#include "engine/text_helpers.h"
#include "platform/cp1252.h"

namespace acquisition {

bool isSourceWindowOf(platform::Desktop& desktop, platform::WindowId window,
                      const std::string& path, const std::string& application) {
  if (window <= 0) return false;
  // Titles come in code page 1252; a path may hold UTF-8.
  const std::string name = baseNameOf(path);
  const std::string base = platform::isValidUtf8(name) ? platform::utf8ToCp1252(name) : name;
  return engine::lowerCase(desktop.windowTitle(window)).find(base) != std::string::npos &&
         sourceApplicationOf(desktop, desktop.processNameOfWindow(window), window) == application;
}

SourceWindowWatch::SourceWindowWatch(platform::Desktop& desktop, platform::TimerFactory& timers,
                                     std::function<void(platform::WindowId)> found)
    : desktop_(desktop), timer_(timers.createTimer()), found_(std::move(found)) {
  timer_->OnTimer = [this] { look(); };
}

SourceWindowWatch::~SourceWindowWatch() = default;

void SourceWindowWatch::watch(const std::string& path, const std::string& application, int pollMs,
                              int limitMs) {
  path_ = path;
  application_ = application;
  looksLeft_ = limitMs / pollMs + 1;
  timer_->setInterval(pollMs);
  timer_->setEnabled(true);
  look();
}

void SourceWindowWatch::stop() {
  timer_->setEnabled(false);
  looksLeft_ = 0;
}

bool SourceWindowWatch::watching() const {
  return timer_->Enabled();
}

void SourceWindowWatch::look() {
  const platform::WindowId window = desktop_.foregroundWindow();
  if (isSourceWindowOf(desktop_, window, path_, application_)) {
    stop();
    found_(window);
  } else if (--looksLeft_ <= 0) {
    stop();
  }
}

} // namespace acquisition
