// Bad input at the program's entry points: documents, settings files and
// saved positions. Each row names the input, what the program answers, and
// checks that nothing already stored is lost.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "engine/settings_record.h"
#include "platform/files.h"
#include "platform/message_boxes.h"
#include "shell/settings_file.h"
#include "shell/timeline.h"
#include "support/temp_folder.h"

namespace shell {
namespace {

namespace fs = std::filesystem;

class BadInput : public ::testing::Test {
protected:
  std::string file(const std::string& name, const std::string& bytes) {
    return folder_.write(name, bytes);
  }
  struct Outcome {
    int status;
    std::string out, err;
  };
  static Outcome timeline(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = runTimeline(args, out, err);
    return {status, out.str(), err.str()};
  }

  testsupport::TempFolder folder_{"lumetra-bad"};
  const fs::path& dir_ = folder_.path();
};

std::string randomBytes(std::size_t count) {
  std::mt19937 random(7);
  std::string bytes(count, '\0');
  for (char& c : bytes)
    c = static_cast<char>(random());
  return bytes;
}

TEST_F(BadInput, DocumentsGiveTheirTextAMessageOrTheEmptyDocument) {
  const std::string bigWord(1 << 20, 'w');
  std::string longLine;
  while (longLine.size() < (1u << 20))
    longLine += "dot.";
  struct Case {
    const char* what;
    std::string bytes;
    int status;
    std::string shown; // in the output (status 0 or 3) or in the message
  };
  const Case cases[] = {
      {"an empty file", "", 0, "The document is empty"},
      {"one word of 1 MB", bigWord, 3, "wwwwwwwwww-"},
      {"a line of 1 MB without spaces", longLine, 3, R"("lines":["dot.","dot.")"},
      {"random bytes", randomBytes(65536), 1, "does not hold text"},
  };
  for (const Case& c : cases) {
    const std::string path = file("doc.txt", c.bytes);
    const Outcome r = timeline({"--max-events", "400", path});
    EXPECT_EQ(r.status, c.status) << c.what << ": " << r.err;
    const std::string& where = c.status == 1 ? r.err : r.out;
    EXPECT_NE(where.find(c.shown), std::string::npos) << c.what << ": " << where.substr(0, 300);
  }
}

TEST_F(BadInput, BrokenSettingsFilesAreRefusedAndLeftAsTheyWere) {
  const std::string document = file("doc.txt", "Some words to read.");
  std::string wrongTypes = factorySettingsText();
  // Every value and default of the file replaced by "%%%" (in base64, as
  // the file stores texts), which converts to no type.
  for (const std::string tag : {"<dmFsdWU>", "<ZGVmYXVsdA>"})
    for (std::size_t at = 0; (at = wrongTypes.find(tag, at)) != std::string::npos;) {
      at += tag.size();
      wrongTypes.replace(at, wrongTypes.find('<', at) - at, "JSUl");
    }
  const std::string factory = factorySettingsText();
  struct Case {
    const char* what;
    std::string bytes;
    int status;          // a file that is no settings file at all is refused;
    const char* message; // one that parses reads on from the factory settings
  };
  const Case cases[] = {
      {"a 0-byte file", "", 1, "broken.xml"},
      {"a file cut in the middle of a tag", factory.substr(0, factory.size() / 2), 1, "broken.xml"},
      {"not XML at all", randomBytes(2000), 1, "broken.xml"},
      {"a wrong type in every field", wrongTypes, 0, "'%%%' is not a valid boolean value"},
  };
  for (const auto& [what, bytes, status, message] : cases) {
    const std::string path = file("broken.xml", bytes);
    const Outcome r = timeline({"--settings", path, document});
    EXPECT_EQ(r.status, status) << what;
    EXPECT_NE(r.err.find(message), std::string::npos) << what << ": " << r.err;
    // That the program's own load refuses these files and never writes them
    // back is SettingsFileTest's (MissingUnreadableOrMalformedFiles...,
    // AKeyThatDoesNotConvertStopsTheLoadThere); the timeline only reads.
    EXPECT_EQ(platform::readWholeFile(path), bytes) << what;
  }
}

TEST_F(BadInput, ASavedPositionBeyondTheEndStartsAtTheBeginning) {
  const std::string document = file("short.txt", "A short text of six words.");
  const fs::path settings = dir_ / SettingsFileName;
  engine::SettingsRecord record;
  platform::RecordingMessageBoxes messages;
  SettingsFile saved(settings, record, messages);
  ASSERT_TRUE(saved.loadDocument(factorySettingsText()) && saved.loadAllSettings());
  for (const std::int32_t position : {999999, -5, 0}) {
    record.LoadedDocuments = {{document, position}};
    ASSERT_TRUE(saved.saveSettings());
    const Outcome r = timeline({"--settings", settings.string(), document});
    EXPECT_EQ(r.status, 0) << position;
    EXPECT_EQ(r.out.find(R"("start":1,)"), r.out.find(R"("start":)")) << position << r.out;
  }
}

} // namespace
} // namespace shell
