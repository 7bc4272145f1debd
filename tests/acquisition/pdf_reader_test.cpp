#include "acquisition/pdf_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "acquisition/document_reader.h"
#include "acquisition/hand_over_text.h"
#include "document_files.h"

namespace acquisition {
namespace {

using testing::PdfLine;

class PdfReaderTest : public testing::DocumentFolderTest {
protected:
  // The text the engine reads from a PDF drawn with these pages.
  std::string readPages(const std::vector<std::vector<PdfLine>>& pages) {
    const std::string file = path("drawn.pdf");
    testing::writePdf(file, pages);
    const DocumentRead read = readDocument(file);
    EXPECT_EQ(read.kind, engine::SourceKind::Pdf);
    EXPECT_EQ(read.problem, "");
    return read.document ? normaliseWordText(*read.document).text : std::string();
  }
};

TEST_F(PdfReaderTest, PagesComeInOrderSeparatedByPageBreaks) {
  EXPECT_EQ(readPages({{{72, 100, "First page."}},
                       {{72, 100, "Second page."}},
                       {},
                       {{72, 100, "Fourth page."}}}),
            "First page.\r\r\rSecond page.\r\r\rFourth page.");
}

TEST_F(PdfReaderTest, LinesEndWithOneLineBreakAndParagraphsWithAnEmptyLine) {
  EXPECT_EQ(readPages({{{72, 100, "The first line of a paragraph"},
                        {72, 114, "and its second line."},
                        {72, 200, "A paragraph far below."}}}),
            "The first line of a paragraph\rand its second line.\r\rA paragraph far below.");
}

TEST_F(PdfReaderTest, ColumnsAreReadOneAfterTheOtherAndHyphenatedWordsJoined) {
  const std::string text = readPages({{{50, 100, "Left column begins with a hyph-"},
                                       {50, 114, "enated word and goes on."},
                                       {50, 128, "The left column ends here."},
                                       {330, 100, "Right column comes after"},
                                       {330, 114, "the whole left column."}}});
  EXPECT_NE(text.find("hyphenated word"), std::string::npos) << text;
  const std::size_t leftEnd = text.find("The left column ends here.");
  const std::size_t right = text.find("Right column comes after");
  ASSERT_NE(leftEnd, std::string::npos) << text;
  ASSERT_NE(right, std::string::npos) << text;
  EXPECT_LT(leftEnd, right);
}

TEST_F(PdfReaderTest, LigaturesAreFoldedAndCodePageCharactersKept) {
  EXPECT_EQ(readPages({{{72, 100,
                         "\xEF\xAC\x81nd the o\xEF\xAC\x83"
                         "ce \xE2\x80\xA6 \xE2\x84\xA2"}}}),
            "find the office \x85 \x99");
}

struct FoldCase {
  const char* label;
  std::string utf8;
  std::string cp1252;
};

void PrintTo(const FoldCase& c, std::ostream* os) {
  *os << c.label;
}

class FoldTest : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldTest, TakesCompatibleFormsOnlyForWhatTheCodePageLacks) {
  EXPECT_EQ(foldToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FoldTest,
    ::testing::Values(FoldCase{"Ascii", "plain text", "plain text"},
                      FoldCase{"Ligatures", "\xEF\xAC\x80\xEF\xAC\x81\xEF\xAC\x82", "fffifl"},
                      FoldCase{"CombiningAccentComposes", "e\xCC\x81t\xC3\xA9", "\xE9t\xE9"},
                      FoldCase{"CodePageCharactersStay", "\xC2\xBD \xE2\x80\xA6 \xC2\xB2 \xC2\xA0",
                               "\xBD \x85 \xB2 \xA0"},
                      FoldCase{"FullWidthLetters", "\xEF\xBD\x86\xEF\xBD\x95\xEF\xBD\x8C", "ful"},
                      FoldCase{"NothingCompatible", "\xCE\xA9 \xE2\x98\x83", "? ?"},
                      FoldCase{"BrokenUtf8",
                               "a\xFF"
                               "b",
                               "a?b"}),
    [](const auto& info) { return std::string(info.param.label); });

struct BrokenCase {
  const char* label;
  std::string bytes;
};

void PrintTo(const BrokenCase& c, std::ostream* os) {
  *os << c.label;
}

class PdfBrokenTest : public testing::DocumentFolderTest,
                      public ::testing::WithParamInterface<BrokenCase> {};

// A PDF that cannot be read reads as the empty document.
TEST_P(PdfBrokenTest, ReadsAsTheEmptyDocument) {
  const std::string file = write("broken.pdf", GetParam().bytes);
  const DocumentRead read = readDocument(file);
  EXPECT_FALSE(read.document.has_value());
  EXPECT_EQ(read.kind, engine::SourceKind::Pdf);
  EXPECT_EQ(read.problem, EmptyDocumentText);
}

std::string drawnPdf() {
  const std::string file = ::testing::TempDir() + "lumetra-whole.pdf";
  testing::writePdf(file, {{{72, 100, "Some text to cut."}}});
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PdfBrokenTest,
    ::testing::Values(BrokenCase{"Garbage", "%PDF-1.5\n\x01\x02 this is not a PDF at all"},
                      BrokenCase{"Empty", ""},
                      BrokenCase{"NoHeader", "just some words in a .pdf file"},
                      BrokenCase{"CutShort", drawnPdf().substr(0, 300)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(PdfLocked, AnEncryptedPdfReadsAsTheEmptyDocument) {
  const DocumentRead read = readDocument(LUMETRA_SOURCE_DIR "/tests/acquisition/data/locked.pdf");
  EXPECT_FALSE(read.document.has_value());
  EXPECT_EQ(read.problem, EmptyDocumentText);
}

} // namespace
} // namespace acquisition
