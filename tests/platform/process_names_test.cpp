// The executable's name of a process, read from a made-up process folder
// laid out like /proc (XcbDesktopTest reads the real one for the editor, the
// terminal and its own window).
#include "platform/process_names.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_folder.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

class ProcessNamesTest : public ::testing::Test {
protected:
  // A process folder with the entries given; an empty text leaves an entry out.
  void makeProcess(int id, const std::string& exeTarget, const std::string& cmdline,
                   const std::string& comm) {
    const fs::path folder = root / std::to_string(id);
    fs::create_directories(folder);
    if (!exeTarget.empty()) fs::create_symlink(exeTarget, folder / "exe");
    if (!cmdline.empty()) std::ofstream(folder / "cmdline", std::ios::binary) << cmdline;
    if (!comm.empty()) std::ofstream(folder / "comm") << comm;
  }

  testsupport::TempFolder folder{"lumetra-proc"};
  const fs::path& root = folder.path();
};

TEST_F(ProcessNamesTest, TakesTheExecutableThenTheCommandLineThenTheShortName) {
  using namespace std::string_literals;
  struct Case {
    const char* name;
    std::string exe, cmdline, comm, expected;
  };
  const Case cases[] = {
      {"link wins over a renamed command line", "/usr/lib/libreoffice/program/soffice.bin",
       "/usr/lib/libreoffice/program/soffice\0--writer\0"s, "soffice.bin\n", "soffice.bin"},
      {"replaced since it started", "/usr/lib/firefox-esr/firefox-esr (deleted)", "", "",
       "firefox-esr"},
      {"unreadable link: command line", "", "/usr/bin/geany\0notes.txt\0"s, "geany\n", "geany"},
      {"command line joined by spaces", "", "/opt/google/chrome/chrome --type=browser"s, "",
       "chrome"},
      {"nothing but the short name", "", "", "kworker/0:1\n", "kworker/0:1"},
      {"nothing to read", "", "", "", ""},
  };
  int id = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    makeProcess(++id, c.exe, c.cmdline, c.comm);
    EXPECT_EQ(executableNameOfProcess(id, root), c.expected);
  }
  for (int gone : {999999, 0, -1})
    EXPECT_EQ(executableNameOfProcess(gone, root), "") << gone;
}

} // namespace
} // namespace platform
