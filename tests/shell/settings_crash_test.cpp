// A process killed while it saves the settings must never leave a file that
// fails to load or that has lost the reading positions.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "platform/message_boxes.h"
#include "shell/settings_file.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

constexpr int DocumentCount = 40;

std::string documentName(int index) {
  return "Document " + std::to_string(index) + "?.txt";
}

// The child: saves in every way the program does, signalling each save on
// `signal`, until it is killed (or a generous bound is reached).
[[noreturn]] void saveForever(const fs::path& path, int signal) {
  engine::SettingsRecord record;
  platform::RecordingMessageBoxes boxes;
  SettingsFile file(path, record, boxes);
  if (!file.initXMLFILE() || !file.loadAllSettings()) ::_exit(2);
  for (int round = 0; round < 100000; ++round) {
    record.WordsPerMinute = static_cast<std::int16_t>(100 + round % 900);
    record.BannerFontName = std::string(static_cast<std::size_t>(round % 64), 'x');
    record.LoadedDocuments.clear();
    for (int i = 0; i < DocumentCount; ++i)
      record.LoadedDocuments.push_back({documentName(i), round});
    bool saved = false;
    switch (round % 3) {
    case 0:
      saved = file.saveSettings();
      break;
    case 1:
      saved = file.saveLoadedDocuments();
      break;
    default:
      saved = file.writeSetting("LoopMode", ValueField, round % 2 ? "True" : "False");
      break;
    }
    if (!saved) ::_exit(3);
    if (::write(signal, "s", 1) != 1) ::_exit(4);
  }
  ::_exit(0);
}

TEST(SettingsCrashSafety, KillingASaveNeverLeavesAFileThatFailsToLoad) {
  std::string pattern = (fs::temp_directory_path() / "lumetra-crash-XXXXXX").string();
  const fs::path folder = ::mkdtemp(pattern.data());
  const fs::path path = folder / SettingsFileName;
  std::ofstream(path, std::ios::binary) << factorySettingsText();

  std::mt19937 random(20240601);
  constexpr int Rounds = 30;
  for (int round = 0; round < Rounds; ++round) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(fds[0]);
      saveForever(path, fds[1]);
    }
    ::close(fds[1]);
    // Let a few saves complete, then kill the child at a random point of the
    // next one; the busy wait spreads the moment over the whole save.
    const int savesToWait = 1 + static_cast<int>(random() % 3);
    for (int i = 0; i < savesToWait; ++i) {
      char byte = 0;
      ASSERT_EQ(::read(fds[0], &byte, 1), 1) << "the saving child ended early";
    }
    const unsigned spin = random() % 2000000;
    for (unsigned i = 0; i < spin; ++i)
      __asm__ volatile("");
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ::close(fds[0]);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself, status " << status;

    engine::SettingsRecord record;
    platform::RecordingMessageBoxes boxes;
    SettingsFile file(path, record, boxes);
    ASSERT_TRUE(file.initXMLFILE()) << "round " << round;
    EXPECT_TRUE(file.loadAllSettings()) << "round " << round;
    EXPECT_TRUE(boxes.shown.empty()) << "round " << round;
    ASSERT_EQ(record.LoadedDocuments.size(), static_cast<std::size_t>(DocumentCount))
        << "round " << round;
    EXPECT_EQ(record.LoadedDocuments.back().name, documentName(DocumentCount - 1));
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

} // namespace
} // namespace shell
