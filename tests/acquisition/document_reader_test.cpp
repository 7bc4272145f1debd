#include "acquisition/document_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "acquisition/hand_over_text.h"
#include "acquisition/text_file.h"
#include "document_files.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

using testing::docx;
using testing::odt;

const std::string DocxBody = "<w:p><w:r><w:t>From Word</w:t></w:r></w:p>";
const std::string OdtBody = "<text:p>From Writer</text:p>";

enum class Make { Docx, Odt, Pdf, Text, Zip, Folder, Nothing };

struct PickCase {
  const char* label;
  Make make;
  const char* name;
  engine::SourceKind kind;
  std::string text;    // the normalised text, when the file is read
  const char* problem; // else the message (followed by the path unless it is the empty document)
};

void PrintTo(const PickCase& c, std::ostream* os) {
  *os << c.label;
}

class DocumentReaderTest : public testing::DocumentFolderTest,
                           public ::testing::WithParamInterface<PickCase> {};

// What a file holds decides its reader; its name only when its content says nothing.
TEST_P(DocumentReaderTest, PicksTheReaderByContentAndSaysWhyAFileIsNotRead) {
  const PickCase& c = GetParam();
  const std::string file = path(c.name);
  switch (c.make) {
  case Make::Docx:
    write(c.name, docx(DocxBody));
    break;
  case Make::Odt:
    write(c.name, odt(OdtBody));
    break;
  case Make::Pdf:
    testing::writePdf(file, {{{72, 100, "From a PDF"}}});
    break;
  case Make::Text:
    write(c.name, "Plain words in a file.");
    break;
  case Make::Zip:
    write(c.name, testing::zipBytes({{"notes.txt", "not a document"}}));
    break;
  case Make::Folder:
    std::filesystem::create_directory(file);
    break;
  case Make::Nothing:
    break;
  }
  const DocumentRead read = readDocument(file);
  if (c.problem) {
    EXPECT_FALSE(read.document.has_value());
    const bool bare =
        std::string(c.problem) == EmptyDocumentText || std::string(c.problem) == MissingFileMessage;
    EXPECT_EQ(read.problem, bare ? std::string(c.problem) : c.problem + file);
    return;
  }
  ASSERT_TRUE(read.document.has_value()) << read.problem;
  EXPECT_EQ(read.problem, "");
  EXPECT_EQ(read.kind, c.kind);
  EXPECT_EQ(normaliseWordText(*read.document).text, c.text);
}

const engine::SourceKind Word = engine::SourceKind::Word;
const engine::SourceKind Pdf = engine::SourceKind::Pdf;

INSTANTIATE_TEST_SUITE_P(
    Cases, DocumentReaderTest,
    ::testing::Values(
        PickCase{"DocxNamedOdt", Make::Docx, "wrong.odt", Word, "From Word", nullptr},
        PickCase{"PdfWithoutExtension", Make::Pdf, "paper", Pdf, "From a PDF", nullptr},
        PickCase{"OdtNamedPdf", Make::Odt, "wrong.pdf", Word, "From Writer", nullptr},
        PickCase{"TextFile", Make::Text, "notes.txt", Word, "", UnknownDocumentMessage},
        PickCase{"OtherZip", Make::Zip, "archive.docx", Word, "", UnknownDocumentMessage},
        PickCase{"Missing", Make::Nothing, "gone.docx", Word, "", MissingFileMessage}),
    [](const auto& info) { return std::string(info.param.label); });

// --- The hand-over ---------------------------------------------------------------

class DocumentCaptureTest : public testing::DocumentFolderTest {
protected:
  DocumentCaptureTest() {
    rig.handOver.extractions[WordApp] = extractDocumentFile;
    rig.handOver.extractions[AcrobatReaderApp] = extractDocumentFile;
  }
  testing::HandOverRig rig;
};

TEST_F(DocumentCaptureTest, AWordDocumentReachesTheEngineWithItsMarksAndItsHeadingTest) {
  const std::string file =
      write("report.docx",
            docx(R"(<w:p><w:r><w:rPr><w:sz w:val="40"/></w:rPr><w:t>Report</w:t></w:r></w:p>)"
                 "<w:tbl><w:tr><w:tc><w:p><w:r><w:t>cell</w:t></w:r></w:p></w:tc></w:tr></w:tbl>"
                 "<w:p><w:r><w:t>Body text.</w:t></w:r><w:r><w:drawing/></w:r></w:p>"));
  const CaptureOutcome outcome = rig.capture(file, WordApp, engine::SourceKind::Word);
  EXPECT_TRUE(outcome.handedOver);
  EXPECT_EQ(outcome.problem, "");
  EXPECT_EQ(rig.engineState.DocumentText, "Report\r\rBody text.");
  EXPECT_EQ(rig.engineState.TextLength, 18);
  EXPECT_EQ(rig.engineState.GraphicPositions,
            (std::vector<engine::GraphicPosition>{{9, 0}, {18, -1}}));
  EXPECT_EQ(rig.acquisition.DocumentSourceKind, engine::SourceKind::Word);
  const auto& larger = rig.textEngine.callbacks().headingFontLarger;
  ASSERT_TRUE(larger);
  EXPECT_TRUE(larger("Report"));
  EXPECT_FALSE(larger("Body text."));
}

} // namespace
} // namespace acquisition
