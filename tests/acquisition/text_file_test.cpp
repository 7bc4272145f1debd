#include "acquisition/text_file.h"

#include <gtest/gtest.h>

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
    std::string pattern = (fs::temp_directory_path() / "lumetra-acquisition-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  fs::path folder_;
};

// A file named on the command line replaces the book being read, or is
// refused with a message and changes nothing. (How bytes become text is the
// code page conversion's business.)
TEST_F(TextFileTest, OpeningReadsAPlainTextDocumentOrChangesNothingAndSaysWhy) {
  enum class Make { Nothing, Bytes, Folder, Huge };
  const std::string longLine = std::string(TextProbeLength, 'a') + std::string("\0tail", 5);
  const struct {
    const char* label;
    Make make;
    const char* file;
    std::string bytes;
    bool opened;
    std::string expected;     // the document's text, or the message (its start for a folder)
    bool pathFollows = false; // the message ends in the file's path
  } cases[] = {
      {"UTF-16 with its mark is text", Make::Bytes, "wide.txt",
       std::string("\xFF\xFEH\0i\0\n\0", 8), true, "Hi"},
      {"a NUL past the probed start is kept", Make::Bytes, "long.txt", longLine, true, longLine},
      {"missing", Make::Nothing, "gone.txt", "", false, MissingFileMessage},
      {"binary", Make::Bytes, "image.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10), false,
       NotTextFileMessage, true},
      {"a folder", Make::Folder, "sub.txt", "", false, UnreadableFileMessage},
      {"too large", Make::Huge, "huge.txt", "", false, TooLargeFileMessage, true},
      {"a Word document", Make::Bytes, "letter.DOC", "words", false, NotPlainTextMessage, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
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
      EXPECT_EQ(a.CurrentDocument, absoluteDocumentPath(fs::relative(path).string()));
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
}

TEST(StandardExtractions, AnUnsavedEditorWindowIsNotReadFromDisk) {
  HandOverRig rig;
  const CaptureOutcome outcome = rig.capture(SpecialDocumentName);
  EXPECT_EQ(std::tuple(outcome.handedOver, outcome.problem, rig.engineState.DocumentText),
            std::tuple(true, "", "The document is empty"));
}

} // namespace
} // namespace acquisition
