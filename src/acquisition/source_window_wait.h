// Watching for the application that opened a file: once the desktop has
// handed a document to the application of its type, that application's
// window comes to the front with the document's name in its title. The
// watch looks at the window in front every `pollMs` on a timer (the program
// goes on meanwhile: the reader is already showing the document) and gives
// up after `limitMs`, so that a file type associated with an application the
// program cannot read from, or a user who switches away, costs nothing.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/desktop.h"
#include "platform/timer.h"

namespace acquisition {

// Whether `window` is the window of an application of the kind `application`
// ("notepad", "winword", "acrord32", ...) whose title holds the file name of
// `path` without folder and extension, in any letter case.
bool isSourceWindowOf(platform::Desktop& desktop, platform::WindowId window,
                      const std::string& path, const std::string& application);

class SourceWindowWatch {
public:
  // `found` runs once with the window when it comes to the front in time.
  SourceWindowWatch(platform::Desktop& desktop, platform::TimerFactory& timers,
                    std::function<void(platform::WindowId)> found);
  ~SourceWindowWatch();

  // Starts watching for the window showing `path`; a watch under way is
  // given up for the new one.
  void watch(const std::string& path, const std::string& application, int pollMs = 100,
             int limitMs = 15000);
  void stop();
  bool watching() const;

private:
  void look();

  platform::Desktop& desktop_;
  std::unique_ptr<platform::Timer> timer_;
  std::function<void(platform::WindowId)> found_;
  std::string path_;
  std::string application_;
  int looksLeft_ = 0;
};

} // namespace acquisition
