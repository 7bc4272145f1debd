// Waiting for the application that opened a file: once the desktop has
// handed a document to the application of its type, that application's
// window comes to the front with the document's name in its title. The wait
// asks for the window in front every `pollMs` and gives up after `limitMs`,
// so that a file type associated with an application the program cannot read
// from (or a user who switches away) never keeps the program waiting.
#pragma once

#include <functional>
#include <string>

#include "platform/desktop.h"

namespace acquisition {

struct SourceWindowWait {
  int pollMs = 100;
  int limitMs = 15000;
  // Lets time pass (the program keeps handling its events meanwhile).
  std::function<void(int milliseconds)> pause;
};

// The window in front once its title holds the file name of `path` without
// folder and extension (in any letter case) and its application is of the
// kind `application` ("notepad", "winword", "acrord32", ...); NoWindow when
// none came within the limit.
platform::WindowId waitForSourceWindow(platform::Desktop& desktop, const std::string& path,
                                       const std::string& application,
                                       const SourceWindowWait& wait);

} // namespace acquisition
