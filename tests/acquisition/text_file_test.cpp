#include "acquisition/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

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
    folder_ = fs::temp_directory_path() /
              (std::string("lumetra-acquisition-") + info->test_suite_name() + "-" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    return path.string();
  }

  fs::path folder_;
};

// --- Reading and decoding ------------------------------------------------------

TEST_F(TextFileTest, ReadWholeFileGivesTheBytesAsTheyAre) {
  const std::string bytes = std::string("a\r\nb\nc\0d\xFF", 9);
  EXPECT_EQ(readWholeFile(write("raw.bin", bytes)), bytes);
}

struct DecodeCase {
  const char* label;
  std::string bytes;
  std::string text;
};

class DecodeTest : public TextFileTest, public ::testing::WithParamInterface<DecodeCase> {};

TEST_P(DecodeTest, ReadsAsCodePage1252WithCrLineEnds) {
  const DecodeCase& c = GetParam();
  const TextFileResult result = loadTextFile(write("doc.txt", c.bytes));
  EXPECT_EQ(result.problem, "") << c.label;
  EXPECT_EQ(result.text, c.text) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeTest,
    ::testing::Values(
        DecodeCase{"lone LF keeps the lines apart", "one\ntwo\n\nthree\n", "one\rtwo\r\rthree\r"},
        DecodeCase{"CR LF becomes CR", "one\r\ntwo\r\n\r\nthree", "one\rtwo\r\rthree"},
        DecodeCase{"CR stays", "one\rtwo", "one\rtwo"},
        DecodeCase{"mixed line ends", "a\r\nb\nc\rd", "a\rb\rc\rd"},
        // Caf\u00e9 \u201cquoted\u201d na\u00efve \u2013 \u2018ok\u2019 \u2026
        DecodeCase{"UTF-8 accents and curly quotes",
                   "Caf\xC3\xA9 \xE2\x80\x9Cquoted\xE2\x80\x9D na\xC3\xAFve \xE2\x80\x93 "
                   "\xE2\x80\x98ok\xE2\x80\x99 \xE2\x80\xA6\n",
                   "Caf\xE9 \x93quoted\x94 na\xEFve \x96 \x91ok\x92 \x85\r"},
        DecodeCase{"UTF-8 with a byte-order mark", "\xEF\xBB\xBFS\xC3\xBC\xC3\x9F", "S\xFC\xDF"},
        DecodeCase{"a character code page 1252 lacks", "\xE2\x86\x92 arrow", "? arrow"},
        DecodeCase{"bytes that are not UTF-8 are code page 1252", "caf\xE9 \x93hi\x94",
                   "caf\xE9 \x93hi\x94"},
        DecodeCase{"UTF-16 with its mark is text", std::string("\xFF\xFEH\0i\0\n\0", 8), "Hi\r"},
        DecodeCase{"empty file", "", ""}));

TEST_F(TextFileTest, AFileWithNulBytesNearItsStartIsRefused) {
  const std::string path = write("picture.txt", std::string("GIF89a\0\0\x01\x02text", 14));
  const TextFileResult result = loadTextFile(path);
  EXPECT_EQ(result.text, "");
  EXPECT_EQ(result.problem, std::string(NotTextFileMessage) + path);
}

TEST_F(TextFileTest, ANulByteAfterTheProbedStartDoesNotRefuseTheFile) {
  std::string bytes(TextProbeLength, 'a');
  bytes += std::string("\0tail", 5);
  const TextFileResult result = loadTextFile(write("long.txt", bytes));
  EXPECT_EQ(result.problem, "");
  EXPECT_EQ(result.text.size(), bytes.size());
}

TEST_F(TextFileTest, AFileBeyondTheReachOfPositionsIsRefusedUnread) {
  const std::string path = write("huge.txt", "");
  fs::resize_file(path, MaxTextFileBytes + 1); // sparse: takes no room
  const TextFileResult result = loadTextFile(path);
  EXPECT_EQ(result.problem, std::string(TooLargeFileMessage) + path);
  EXPECT_EQ(result.text, "");
}

TEST_F(TextFileTest, AMissingFileAsksTheUserToCheckIt) {
  const TextFileResult result = loadTextFile((folder_ / "gone.txt").string());
  EXPECT_EQ(result.problem, "Please check if the specified file exists on your harddisk !");
}

TEST_F(TextFileTest, AFolderCannotBeRead) {
  fs::create_directories(folder_ / "sub.txt");
  const TextFileResult result = loadTextFile((folder_ / "sub.txt").string());
  EXPECT_EQ(result.problem.rfind(UnreadableFileMessage, 0), 0u) << result.problem;
  EXPECT_EQ(result.text, "");
}

// --- Opening a file named on the command line ------------------------------------

TEST_F(TextFileTest, OpensAFileAsAPlainTextDocumentUnderItsAbsolutePath) {
  HandOverRig rig;
  const std::string path = write("notes.txt", "First line\nSecond line\n");
  const fs::path roundabout = folder_ / "sub" / ".." / "notes.txt";
  const OpenOutcome outcome = openTextFile(rig.handOver, roundabout.string());
  EXPECT_TRUE(outcome.opened);
  EXPECT_EQ(outcome.problem, "");
  EXPECT_EQ(rig.acquisition.CurrentDocument, path);
  EXPECT_EQ(rig.acquisition.SourceApplication, "notepad");
  EXPECT_EQ(rig.acquisition.SourceKind, engine::SourceKind::PlainText);
  EXPECT_EQ(rig.acquisition.SourceWindow, NoSourceWindow);
  EXPECT_EQ(rig.engineState.DocumentName, path);
  EXPECT_EQ(rig.engineState.DocumentText, "First line\rSecond line");
  EXPECT_EQ(rig.readerRecent.entries(), std::vector<std::string>{path});
  EXPECT_EQ(rig.reading.readerState, reader::ReaderStateKind::Ended);
  EXPECT_TRUE(rig.reading.startPending);
  EXPECT_TRUE(rig.acquisition.ReaderShown);
}

TEST_F(TextFileTest, ARelativePathIsTakenFromTheWorkingFolder) {
  EXPECT_EQ(absoluteDocumentPath("notes.txt"), (fs::current_path() / "notes.txt").string());
}

TEST_F(TextFileTest, AWhiteSpaceFileReadsAsTheEmptyDocument) {
  HandOverRig rig;
  EXPECT_TRUE(openTextFile(rig.handOver, write("blank.txt", " \n\r\n\t\n")).opened);
  EXPECT_EQ(rig.engineState.DocumentText, "The document is empty");
}

struct RefusedCase {
  const char* label;
  const char* file;
  std::string bytes; // not written when empty
  std::string problemStart;
};

class RefusedFileTest : public TextFileTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedFileTest, ChangesNothingAndSaysWhy) {
  const RefusedCase& c = GetParam();
  HandOverRig rig;
  const std::string before = write("before.txt", "The book being read.");
  ASSERT_TRUE(openTextFile(rig.handOver, before).opened);
  rig.engineState.FrameStartPosition = 5;
  rig.engineState.CurrentPosition = 10;
  const AcquisitionState acquisitionBefore = rig.acquisition;
  const auto recentBefore = rig.readerRecent.entries();

  const std::string path = c.bytes.empty() ? (folder_ / c.file).string() : write(c.file, c.bytes);
  const OpenOutcome outcome = openTextFile(rig.handOver, path);

  EXPECT_FALSE(outcome.opened) << c.label;
  EXPECT_EQ(outcome.problem.rfind(c.problemStart, 0), 0u) << c.label << ": " << outcome.problem;
  EXPECT_EQ(rig.engineState.DocumentName, before) << c.label;
  EXPECT_EQ(rig.engineState.DocumentText, "The book being read.") << c.label;
  EXPECT_EQ(rig.engineState.CurrentPosition, 10) << c.label;
  EXPECT_EQ(rig.engineState.FrameStartPosition, 5) << c.label;
  EXPECT_TRUE(rig.settings.LoadedDocuments.empty()) << c.label;
  EXPECT_EQ(rig.readerRecent.entries(), recentBefore) << c.label;
  EXPECT_EQ(rig.acquisition.CurrentDocument, acquisitionBefore.CurrentDocument) << c.label;
  EXPECT_EQ(rig.acquisition.SourceApplication, acquisitionBefore.SourceApplication) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFileTest,
    ::testing::Values(RefusedCase{"missing", "gone.txt", "", MissingFileMessage},
                      RefusedCase{"binary", "image.txt", std::string("\x89PNG\r\n\x1a\n\0\0", 10),
                                  NotTextFileMessage},
                      RefusedCase{"a Word document", "letter.doc", "words", NotPlainTextMessage},
                      RefusedCase{"a PDF document", "paper.PDF", "%PDF-1.4", NotPlainTextMessage}));

TEST_F(TextFileTest, ReopeningAfterARestartResumesAtTheSavedPosition) {
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
}

TEST_F(TextFileTest, AnUnsavedEditorWindowIsNotReadFromDisk) {
  HandOverRig rig;
  rig.acquisition.SourceApplication = "notepad";
  rig.acquisition.CurrentDocument = SpecialDocumentName;
  const CaptureOutcome outcome = captureDocument(rig.handOver, SpecialDocumentName);
  EXPECT_TRUE(outcome.handedOver);
  EXPECT_EQ(outcome.problem, "");
  EXPECT_EQ(rig.engineState.DocumentText, "The document is empty");
}

} // namespace
} // namespace acquisition
