#include "acquisition/source_window_wait.h"

#include "acquisition/source_applications.h"
#include "engine/text_helpers.h"
#include "platform/cp1252.h"

namespace acquisition {

platform::WindowId waitForSourceWindow(platform::Desktop& desktop, const std::string& path,
                                       const std::string& application,
                                       const SourceWindowWait& wait) {
  // Titles come in code page 1252; a path may hold UTF-8.
  const std::string base = platform::isValidUtf8(baseNameOf(path))
                               ? platform::utf8ToCp1252(baseNameOf(path))
                               : baseNameOf(path);
  for (int waited = 0;; waited += wait.pollMs) {
    const platform::WindowId window = desktop.foregroundWindow();
    if (window > 0 &&
        engine::lowerCase(desktop.windowTitle(window)).find(base) != std::string::npos &&
        sourceApplicationOf(desktop, desktop.processNameOfWindow(window), window) == application)
      return window;
    if (waited >= wait.limitMs) return platform::NoWindow;
    wait.pause(wait.pollMs);
  }
}

} // namespace acquisition
