#include "acquisition/text_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

#include "acquisition/document_names.h"
#include "acquisition/open_text_file.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

namespace fs = std::filesystem;
using testing::HandOverRig;

// A folder of its own for every test, removed afterwards.
class TextFileTest : public ::testing::Test {
protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string("lumetra-acquisition-") + info->test_suite_name() + info->name();
    std::replace(name.begin(), name.end(), '/', '-');
    folder_ = fs::temp_directory_path() / name;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder_;
};

enum class Make { Nothing, Bytes, Folder, Huge };

struct OpenCase {
  const char* label;
  Make make;
  const char* file;
  std::string bytes;
  bool opened;
  std::string expected;     // the document's text, or the message (its start for a folder)
  bool pathFollows = false; // the message ends in the file's path
};

void PrintTo(const OpenCase& c, std::ostream* os) {
  *os << c.label;
}

class OpenTextFileTest : public TextFileTest, public ::testing::WithParamInterface<OpenCase> {};

// A file named on the command line replaces the book being read, or is
// refused with a message and changes nothing.
TEST_P(OpenTextFileTest, ReadsAPlainTextDocumentOrChangesNothingAndSaysWhy) {
  const OpenCase& c = GetParam();
  HandOverRig rig;
  const std::string book = write("book.txt", "The book being read.");
  ASSERT_TRUE(openTextFile(rig.handOver, book).opened);
  rig.engineState.FrameStartPosition = 5;
  rig.engineState.CurrentPosition = 10;
  AcquisitionState& a = rig.acquisition;
  a.ReaderShown = rig.reading.startPending = false; // the reader was closed
  const auto before = std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown);

  const std::string path = (folder_ / c.file).string();
  if (c.make == Make::Bytes) write(c.file, c.bytes);
  if (c.make == Make::Folder) fs::create_directories(path);
  if (c.make == Make::Huge) fs::resize_file(write(c.file, ""), MaxTextFileBytes + 1); // sparse
  const OpenOutcome outcome =
      openTextFile(rig.handOver, (folder_ / "sub" / ".." / c.file).string());

  ASSERT_EQ(outcome.opened, c.opened) << outcome.problem;
  if (c.opened) {
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(rig.engineState.DocumentText, c.expected);
    EXPECT_EQ(std::tuple(a.CurrentDocument, rig.engineState.DocumentName, a.SourceApplication,
                         a.SourceKind, a.SourceWindow),
              std::tuple(path, path, "notepad", engine::SourceKind::PlainText, NoSourceWindow));
    EXPECT_EQ(rig.readerRecent.entries(), (std::vector<std::string>{path, book}));
    EXPECT_EQ(std::tuple(a.ReaderShown, rig.reading.readerState, rig.reading.startPending),
              std::tuple(true, reader::ReaderStateKind::Ended, true));
  } else {
    if (c.make == Make::Folder)
      EXPECT_EQ(outcome.problem.rfind(c.expected, 0), 0u) << outcome.problem;
    else
      EXPECT_EQ(outcome.problem, c.expected + (c.pathFollows ? path : ""));
    EXPECT_EQ(std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown), before);
  }
}

const std::string LongLine = std::string(TextProbeLength, 'a') + std::string("\0tail", 5);

INSTANTIATE_TEST_SUITE_P(
    Files, OpenTextFileTest,
    ::testing::Values(
        OpenCase{"every line end becomes CR", Make::Bytes, "ends.txt", "a\r\nb\nc\rd\n\ne\n", true,
                 "a\rb\rc\rd\r\re"},
        // Caf\u00e9 \u201cquoted\u201d na\u00efve \u2013 \u2018ok\u2019 \u2026
        OpenCase{"UTF-8 accents and curly quotes", Make::Bytes, "utf8.txt",
                 "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D na\xC3\xAFve \xE2\x80\x93 "
                 "\xE2\x80\x98ok\xE2\x80\x99 \xE2\x80\xA6\n",
                 true, "Caf\xE9 \x93quoted\x94 na\xEFve \x96 \x91ok\x92 \x85"},
        OpenCase{"other bytes are code page 1252", Make::Bytes, "cp.txt", "caf\xE9 \x93hi\x94",
                 true, "caf\xE9 \x93hi\x94"},
        OpenCase{"UTF-16 with its mark is text", Make::Bytes, "wide.txt",
                 std::string("\xFF\xFEH\0i\0\n\0", 8), true, "Hi"},
        OpenCase{"a NUL past the probed start is kept", Make::Bytes, "long.txt", LongLine, true,
                 LongLine},
        OpenCase{"white space only", Make::Bytes, "blank.txt", " \n\r\n\t\n", true,
                 "The document is empty"},
        OpenCase{"missing", Make::Nothing, "gone.txt", "", false, MissingFileMessage, false},
        OpenCase{"binary", Make::Bytes, "image.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10),
                 false, NotTextFileMessage, true},
        OpenCase{"a folder", Make::Folder, "sub.txt", "", false, UnreadableFileMessage},
        OpenCase{"too large", Make::Huge, "huge.txt", "", false, TooLargeFileMessage, true},
        OpenCase{"a Word document", Make::Bytes, "letter.DOC", "words", false, NotPlainTextMessage,
                 true}),
    [](const ::testing::TestParamInfo<OpenCase>& info) { // the label, '_' for other than A-Z 0-9
      std::string name = info.param.label;
      for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

TEST_F(TextFileTest, ReopeningResumesAtTheSavedPositionAlsoAfterARestart) {
  const std::string text = "Chapter one.\nIt was a bright cold day in April.\n";
  const std::string path = write("novel.txt", text);
  // "bright" in the program's text, whose line end is a single CR like the file's LF.
  const std::int32_t bright = static_cast<std::int32_t>(text.find("bright")) + 1;
  engine::SettingsRecord stored;
  {
    HandOverRig firstRun;
    ASSERT_TRUE(openTextFile(firstRun.handOver, path).opened);
    firstRun.engineState.FrameStartPosition = bright + 2; // inside "bright"
    saveReadingPosition(firstRun.handOver);               // the reader closes
    ASSERT_TRUE(openTextFile(firstRun.handOver, path).opened);
    EXPECT_EQ(firstRun.engineState.CurrentPosition, bright);
    stored = firstRun.settings; // saved when the program ends
  }
  HandOverRig secondRun(stored);
  ASSERT_TRUE(openTextFile(secondRun.handOver, path).opened);
  EXPECT_EQ(secondRun.engineState.CurrentPosition, bright);
  // A relative name is taken from the working folder.
  EXPECT_EQ(absoluteDocumentPath("novel.txt"), (fs::current_path() / "novel.txt").string());
}

TEST(StandardExtractions, AnUnsavedEditorWindowIsNotReadFromDisk) {
  HandOverRig rig;
  const CaptureOutcome outcome = rig.capture(SpecialDocumentName);
  EXPECT_EQ(std::tuple(outcome.handedOver, outcome.problem, rig.engineState.DocumentText),
            std::tuple(true, "", "The document is empty"));
}

} // namespace
} // namespace acquisition
