// Opening a document file directly: every supported type reaches the engine
// as if captured from its application, and bad input changes nothing.
#include "acquisition/open_document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "acquisition/child_process.h"
#include "acquisition/document_error.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/text_file.h"
#include "document_files.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

namespace fs = std::filesystem;
using K = engine::SourceKind;

class OpenDocumentFileTest : public testing::DocumentFolderTest {
protected:
  // Opens `file` over a book already being read; a refusal must leave the book.
  void expectOpen(const std::string& file, bool opened, const std::string& expected,
                  const char* application = NotepadApp, K kind = K::PlainText) {
    testing::HandOverRig rig;
    const std::string book = write("book.txt", "The book being read.");
    ASSERT_TRUE(openDocumentFile(rig.handOver, book).opened);
    rig.engineState.CurrentPosition = 10;
    AcquisitionState& a = rig.acquisition;
    a.ReaderShown = rig.reading.startPending = false; // the reader was closed
    const auto before = std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown);

    const OpenOutcome outcome = openDocumentFile(rig.handOver, file);
    ASSERT_EQ(outcome.opened, opened) << outcome.problem;
    if (!opened) {
      EXPECT_EQ(outcome.problem, expected);
      EXPECT_EQ(std::tuple(rig.snapshot(), a.CurrentDocument, a.ReaderShown), before);
      return;
    }
    const std::string name = fs::path(file).lexically_normal().string();
    EXPECT_EQ(outcome.problem, "");
    EXPECT_EQ(rig.engineState.DocumentText, expected);
    EXPECT_EQ(std::tuple(a.CurrentDocument, rig.engineState.DocumentName, a.SourceApplication,
                         a.DocumentSourceKind, a.SourceWindow),
              std::tuple(name, name, application, kind, NoSourceWindow));
    EXPECT_EQ(rig.readerRecent.entries(), (std::vector<std::string>{name, book}));
    EXPECT_EQ(std::tuple(a.ReaderShown, rig.reading.startPending), std::tuple(true, true));
  }
};

// Each type is read by its reader, by the lower-cased extension, from any name.
TEST_F(OpenDocumentFileTest, EveryTypeReadsAsFromItsApplication) {
  const std::string longLine = std::string(TextProbeLength, 'a') + std::string("\0tail", 5);
  const std::string odd = "-odd 'name\" \n.docx";
  const struct {
    const char* file;
    std::string bytes;
    std::string text;
    const char* application;
    K kind;
  } cases[] = {
      {"wide.txt", std::string("\xFF\xFEH\0i\0\n\0", 8), "Hi", NotepadApp, K::PlainText},
      {"long.txt", longLine, longLine, NotepadApp, K::PlainText},
      {"LOUD.TXT", "loud", "loud", NotepadApp, K::PlainText},
      // A name that is not UTF-8 (a Windows-1252 "é"): opened by its bytes.
      {"caf\xE9.txt", "coffee", "coffee", NotepadApp, K::PlainText},
      {"notes.md", "# notes", "# notes", NotepadApp, K::PlainText},
      {"letter.docx", testing::docx("<w:p><w:r><w:t>From Word</w:t></w:r></w:p>"), "From Word",
       WordApp, K::Word},
      {"letter.odt", testing::odt("<text:p>From Writer</text:p>"), "From Writer", WordApp, K::Word},
      {odd.c_str(), testing::docx("<w:p><w:r><w:t>Odd</w:t></w:r></w:p>"), "Odd", WordApp, K::Word},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.file));
    // Through a relative, unnormalised path.
    write(c.file, c.bytes);
    expectOpen((folder_ / "sub" / ".." / c.file).string(), true, c.text, c.application, c.kind);
  }
  testing::writePdf(path("paper.pdf"), {{{72, 100, "Page one"}}, {{72, 100, "Page two"}}});
  expectOpen(path("paper.pdf"), true, "Page one\r\r\rPage two", AcrobatReaderApp, K::Pdf);
}

// Bad input gets a clear message, never a hang, and the book stays.
TEST_F(OpenDocumentFileTest, BadInputIsRefusedAndTheDocumentStays) {
  enum class Make { Nothing, Bytes, Folder, Fifo, Huge };
  const struct {
    const char* file;
    Make make;
    std::string bytes;
    std::string message;
    bool pathFollows;
  } cases[] = {
      {"gone.txt", Make::Nothing, "", MissingFileMessage, false},
      {"notes.rtf", Make::Bytes, "words", UnsupportedFileMessage, false},
      {"sub.txt", Make::Folder, "", UnreadableFileMessage, true},
      {"pipe.docx", Make::Fifo, "", UnreadableFileMessage, true},
      {"image.txt", Make::Bytes, std::string("\x89PNG\r\n\x1a\n\0\0", 10), NotTextFileMessage,
       true},
      {"huge.txt", Make::Huge, "", TooLargeFileMessage, true},
      {"fake.docx", Make::Bytes, "not a zip", DamagedDocumentMessage, true},
      {"letter.DOC", Make::Bytes, "not a Word file", DamagedDocumentMessage, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string file = path(c.file);
    if (c.make == Make::Bytes) write(c.file, c.bytes);
    if (c.make == Make::Folder) fs::create_directories(file);
    if (c.make == Make::Fifo) ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    if (c.make == Make::Huge) fs::resize_file(write(c.file, ""), MaxTextFileBytes + 1); // sparse
    expectOpen(file, false, c.message + (c.pathFollows ? file : ""));
  }
}

TEST_F(OpenDocumentFileTest, AFileWithoutReadPermissionIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "running as root, which reads every file";
  const std::string file = write("locked.txt", "secret");
  fs::permissions(file, fs::perms::none);
  expectOpen(file, false, UnreadableFileMessage + file);
}

// The converters of old Word files run without a shell and within bounds.
TEST(RunProgram, ArgumentsPassWholeAndBoundsKill) {
  const std::string odd = "-a 'b\" $HOME\nc";
  const ChildOutcome echoed = runProgram({"printf", "%s", odd});
  EXPECT_EQ(std::tuple(echoed.succeeded(), echoed.output), std::tuple(true, odd));
  EXPECT_EQ(runProgram({"false"}).exitStatus, 1);
  EXPECT_FALSE(runProgram({"no-such-program-of-lumetra"}).started);
  const ChildOutcome slow = runProgram({"sleep", "30"}, {std::chrono::milliseconds(50)});
  EXPECT_EQ(std::tuple(slow.started, slow.finished), std::tuple(true, false));
  const ChildOutcome endless = runProgram({"yes"}, {std::chrono::seconds(10), 4096});
  EXPECT_FALSE(endless.finished);
  EXPECT_LE(endless.output.size(), 4096u);
}

} // namespace
} // namespace acquisition
