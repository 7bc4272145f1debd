// The reader program on a real X11 display with a window manager, closed
// again and again by every way a user closes it, with freed memory
// overwritten (MALLOC_PERTURB_): it must exit cleanly every time and keep
// the reading position, which the next start reads on from.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include "engine/settings_record.h"
#include "platform/message_boxes.h"
#include "shell/settings_file.h"
#include "support/x11_session.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testsupport::commandOutput;
using testsupport::waitFor;

using SilentMessages = platform::RecordingMessageBoxes;

// The saved position of `document` in the settings file at `path`; -1 when
// the file does not load or holds none.
std::int32_t savedPosition(const fs::path& path, const std::string& document) {
  engine::SettingsRecord record;
  SilentMessages messages;
  SettingsFile file(path, record, messages);
  if (!file.initXMLFILE() || !file.loadAllSettings()) return -1;
  for (const engine::SavedPosition& entry : record.LoadedDocuments)
    if (entry.name.find(fs::path(document).stem().string()) != std::string::npos)
      return entry.position;
  return -1;
}

// Waits for the process to end; its exit status, or -1 when it did not end
// in time or ended by a signal.
int exitStatus(pid_t process) {
  int status = 0;
  for (int i = 0; i < 200; ++i) {
    if (::waitpid(process, &status, WNOHANG) == process)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
    std::this_thread::sleep_for(50ms);
  }
  return -1;
}

TEST(ReaderClose, FiftyClosesByEveryWayExitCleanlyAndKeepThePosition) {
  testsupport::X11Session x11;
  if (const auto why = x11.start()) GTEST_SKIP() << "no X11 session: " << *why;
  if (testsupport::findProgram("xdotool").empty()) GTEST_SKIP() << "xdotool is not installed";

  // A copy of the program with its own settings file beside it.
  const fs::path app = x11.home() / "app";
  fs::create_directories(app);
  fs::copy_file(fs::path(LUMETRA_BINARY_DIR) / "bin" / "lumetra", app / "lumetra");
  {
    engine::SettingsRecord record;
    SilentMessages messages;
    SettingsFile file(app / SettingsFileName, record, messages);
    ASSERT_TRUE(file.loadDocument(factorySettingsText()) && file.loadAllSettings());
    record.AutoStart = true;
    record.WordsPerMinute = 900;
    ASSERT_TRUE(file.saveSettings());
  }
  const fs::path document = x11.home() / "story.txt";
  {
    std::ofstream out(document);
    for (int i = 0; i < 4000; ++i)
      out << "The keeper climbed the stairs of the lighthouse once more. ";
  }

  const std::string program = (app / "lumetra").string();
  std::int32_t previous = 0, first = -1;
  for (int run = 0; run < 50; ++run) {
    const pid_t reader = x11.launch(
        {"env", "-u", "QT_QPA_PLATFORM", "MALLOC_PERTURB_=165", program, document.string()});
    ASSERT_GT(reader, 0);
    std::string window;
    ASSERT_TRUE(waitFor(
        [&] {
          window =
              commandOutput("DISPLAY=" + x11.display() + " xdotool search --onlyvisible --pid " +
                            std::to_string(reader) + " 2>/dev/null | tail -1");
          return !window.empty();
        },
        10s))
        << "run " << run << ": no window";
    while (!window.empty() && window.back() == '\n')
      window.pop_back();
    std::this_thread::sleep_for(400ms); // reads a few frames
    const std::string xdotool =
        "DISPLAY=" + x11.display() + " xdotool windowactivate --sync " + window + " ";
    const char* way = "";
    switch (run % 4) {
    case 0:
      way = "Escape";
      commandOutput(xdotool + "key Escape");
      break;
    case 1:
      way = "File > Exit";
      commandOutput(xdotool + "key alt+f sleep 0.3 key x");
      break;
    case 2:
      way = "the window manager's close";
      commandOutput(xdotool + "key alt+F4");
      break;
    default:
      way = "SIGTERM";
      ::kill(reader, SIGTERM);
      break;
    }
    const int status = exitStatus(reader);
    x11.end(reader);
    ASSERT_EQ(status, 0) << "run " << run << ", closed by " << way;
    const std::int32_t position = savedPosition(app / SettingsFileName, document.string());
    ASSERT_GE(position, previous) << "run " << run << ", closed by " << way;
    if (first < 0) first = position;
    previous = position;
  }
  EXPECT_GT(previous, first) << "each start reads on from the position saved at the last close";
}

} // namespace
} // namespace shell
