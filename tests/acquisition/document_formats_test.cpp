// The document readers over Word (docx), OpenDocument (odt) and PDF files made
// by document_files.h, and the word-processor text form they hand over: the
// marks, the graphic marks, the font sizes and the heading test.
#include "acquisition/document_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "acquisition/hand_over_text.h"
#include "acquisition/packages/docx_reader.h"
#include "acquisition/packages/odt_reader.h"
#include "acquisition/packages/pdf_reader.h"
#include "acquisition/text_file.h"
#include "acquisition/word_text.h"
#include "document_files.h"
#include "platform/files.h"

namespace acquisition {
namespace {

using testing::docx;
using testing::odt;
using testing::PdfLine;

enum class Format { Docx, Odt };
const Format D = Format::Docx, O = Format::Odt;

const auto name = [](Format f) { return f == D ? "docx" : "odt"; };

WordDocument readBody(Format f, const std::string& body, const std::string& styles = "",
                      const std::string& odtAutomaticStyles = "") {
  if (f == D) return readDocx(ZipArchive::openBytes(docx(body, styles)));
  return readOdt(ZipArchive::openBytes(odt(body, odtAutomaticStyles, styles)));
}

const auto run = [](const std::string& inner) { return "<w:r>" + inner + "</w:r>"; };
const auto para = [](const std::string& runs) { return "<w:p>" + runs + "</w:p>"; };
const auto text = [](const std::string& t) {
  return run(R"(<w:t xml:space="preserve">)" + t + "</w:t>");
};
std::string field(const std::string& code, const std::string& result) {
  return run(R"(<w:fldChar w:fldCharType="begin"/>)") +
         run("<w:instrText>" + code + "</w:instrText>") +
         run(R"(<w:fldChar w:fldCharType="separate"/>)") + result +
         run(R"(<w:fldChar w:fldCharType="end"/>)");
}
const auto table = [](const std::string& cell) {
  return "<w:tbl><w:tr><w:tc>" + para(text(cell)) + "</w:tc></w:tr></w:tbl>";
};
const std::string Drawing = "<w:drawing><wp:inline/></w:drawing>";

std::string p(const std::string& inner, const std::string& style = "") {
  return style.empty() ? "<text:p>" + inner + "</text:p>"
                       : R"(<text:p text:style-name=")" + style + R"(">)" + inner + "</text:p>";
}
const std::string Image =
    R"(<draw:frame draw:name="pic"><draw:image xlink:href="Pictures/a.png"/></draw:frame>)";

// The marks: \1 a picture, \a a cell end, \v a line break, \f a page break,
// \25 a field end, \r a paragraph end.
TEST(WordDocuments, GiveTheTextWithTheWordProcessorsMarks) {
  const struct {
    Format format;
    const char* label;
    std::string body, expected;
    std::string automaticStyles = "";
  } cases[] = {
      {D, "ParagraphsRunsAndWhiteSpaceOnlyRuns",
       para(text("Hello") + text(" ") + text("  ") + text("world")) + para(text("Next")),
       "Hello   world\rNext\r"},
      {D, "TabsAndBreaks",
       para(text("a") + run("<w:tab/>") + text("b") + run("<w:br/>") + text("c") +
            run(R"(<w:br w:type="page"/>)") + text("d") + run("<w:cr/>") + text("e")),
       "a\tb\vc\fd\ve\r"},
      {D, "TableCellsAndRows",
       "<w:tbl><w:tblPr/><w:tr><w:tc>" + para(text("x")) + "</w:tc><w:tc>" + para(text("y")) +
           para(text("z")) + "</w:tc></w:tr></w:tbl>",
       "x\r\ay\rz\r\a\a"},
      // A text box is its picture only.
      {D, "PicturesDrawingsObjectsAndTextBoxes",
       para(text("a") + run(Drawing) + run("<w:object/>") +
            run("<w:pict><v:textbox xmlns:v=\"urn:v\"><w:txbxContent>" + para(text("box")) +
                "</w:txbxContent></v:textbox></w:pict>")),
       "a\1\1\1\r"},
      {D, "NestedFieldsGiveTheirResultsNotTheirCodes",
       para(text("Page ") + field(" IF ", field(" PAGE ", text("3")) + text(" yes"))),
       "Page 3\25 yes\25\r"},
      {D, "TrackedDeletionsMovesAwayAndHiddenRunsAreLeftOut",
       para(text("kept ") + "<w:del>" + run("<w:delText>gone </w:delText>") + "</w:del><w:ins>" +
            text("added ") + "</w:ins><w:moveFrom>" + text("moved ") + "</w:moveFrom><w:moveTo>" +
            text("arrived") + "</w:moveTo>" + run("<w:rPr><w:vanish/></w:rPr><w:t>hidden</w:t>") +
            run(R"(<w:rPr><w:vanish w:val="false"/></w:rPr><w:t> shown</w:t>)")),
       "kept added arrived shown\r"},
      {D, "OneBranchOfAlternateContent",
       para(run("<mc:AlternateContent><mc:Choice Requires=\"wps\">" + Drawing +
                "</mc:Choice><mc:Fallback><w:pict/></mc:Fallback></mc:AlternateContent>") +
            "<mc:AlternateContent><mc:Fallback>" + text("fallback") +
            "</mc:Fallback></mc:AlternateContent>"),
       "\1fallback\r"},
      {D, "SectionEndIsAPageBreak",
       para("<w:pPr><w:sectPr/></w:pPr>" + text("end of section")) + para(text("next")),
       "end of section\fnext\r"},
      {D, "CodePage1252", para(text("caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83")), "caf\xE9 \x80 ?\r"},
      {O, "HeadingsParagraphsAndCollapsedWhiteSpace",
       "<text:h>Title</text:h>" +
           p("  Several \n\t spaces <text:span> inside</text:span> <text:span>spans</text:span>"),
       "Title\rSeveral spaces inside spans\r"},
      // An absurd count of spaces is bounded.
      {O, "SpacesTabsAndLineBreaks",
       p(R"(a<text:s text:c="3"/>b<text:tab/>c<text:line-break/>  d<text:s/>)") +
           p(R"(a<text:s text:c="2000000000"/>b)"),
       "a   b\tc\vd \ra" + std::string(1024, ' ') + "b\r"},
      {O, "TableCellsCoveredCellsAndRows",
       "<table:table><table:table-column/><table:table-header-rows><table:table-row>"
       "<table:table-cell>" +
           p("h") +
           "</table:table-cell></table:table-row></table:table-header-rows><table:table-row>"
           "<table:table-cell>" +
           p("x") +
           "</table:table-cell><table:covered-table-cell/></table:table-row></table:table>",
       "h\r\a\ax\r\a\a"},
      {O, "ImagesAreOnePictureAndTextBoxesNothing",
       p("a" + Image + "<draw:frame><draw:text-box>" + p("boxed") +
         "</draw:text-box></draw:frame>b") +
           Image,
       "a\1b\r\1\r"},
      {O, "FieldsGiveTheirValueTrackedChangesNotesAndAnnotationsNothing",
       "<text:tracked-changes><text:changed-region><text:deletion>" + p("deleted") +
           "</text:deletion></text:changed-region></text:tracked-changes>" +
           p("Page <text:page-number>4</text:page-number><text:note><text:note-citation>1"
             "</text:note-citation><text:note-body>" +
             p("note") + "</text:note-body></text:note><office:annotation>" + p("comment") +
             "</office:annotation> of 9"),
       "Page 4\25 of 9\r"},
      {O, "PageBreakStyles", p("before") + p("after", "Break") + p("end", "BreakAfter"),
       "before\r\fafter\rend\f\r",
       R"(<style:style style:name="Break" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>)"
       R"(<style:style style:name="BreakAfter" style:family="paragraph"><style:paragraph-properties fo:break-after="page"/></style:style>)"}};
  for (const auto& c : cases)
    EXPECT_EQ(readBody(c.format, c.body, "", c.automaticStyles).text, c.expected)
        << name(c.format) << " " << c.label;
}

// A paragraph end is two line breaks for the engine, a page break three; the
// end is trimmed.
TEST(NormaliseWordText, TurnsTheMarksIntoLineBreaks) {
  const std::pair<std::string, std::string> cases[] = {
      {"One\rTwo\r", "One\r\rTwo"},   {"One\vTwo\r", "One\rTwo"},
      {"One\fTwo\r", "One\r\r\rTwo"}, {"One\v\rTwo", "One\r\rTwo"},
      {"One\r\vTwo", "One\r\rTwo"},   {"One \rTwo", "One\r\rTwo"},
      {"a\ag\a\ah", "a\rg\r\rh"},     {"x\25y\25", "xy"},
      {"One\nTwo", "One\rTwo"},       {"Last words \r\r\f", "Last words"},
      {"\rText", "\r\rText"}};
  for (const auto& [raw, expected] : cases) {
    WordDocument doc;
    doc.text = raw;
    const WordText out = normaliseWordText(doc);
    EXPECT_EQ(out.text, expected) << ::testing::PrintToString(raw);
    EXPECT_TRUE(out.graphics.empty());
  }
}

// The edge case of a captured document: both tables go, two marks 0 and one
// mark -1 remain in order.
TEST(NormaliseWordText, TwoTablesAndAPictureGiveThreeMarksInOrder) {
  const WordText out = normaliseWordText(readBody(D, para(text("First")) + table("T1") +
                                                         para(text("Picture ") + run(Drawing)) +
                                                         table("T2") + para(text("Last"))));
  EXPECT_EQ(out.text, "First\r\rPicture\r\rLast");
  ASSERT_EQ(out.graphics.size(), 3u);
  EXPECT_EQ(std::tuple(out.graphics[0].mark, out.graphics[1].mark, out.graphics[2].mark),
            std::tuple(0, -1, 0));
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[0].position) - 1),
            "Picture\r\rLast");
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[2].position) - 1), "Last");
}

TEST(NormaliseWordText, AtMostTheTableOfMarksFitsAndTablesComeFirst) {
  WordDocument doc;
  for (int i = 0; i < 5; ++i) {
    doc.tables.push_back({static_cast<std::int32_t>(doc.text.size()), 2});
    doc.text += "t\a";
  }
  doc.text += std::string(engine::MaxGraphicPositions, PictureChar);
  const WordText out = normaliseWordText(doc);
  ASSERT_EQ(out.graphics.size(), engine::MaxGraphicPositions);
  EXPECT_EQ(std::count_if(out.graphics.begin(), out.graphics.end(),
                          [](const auto& g) { return g.mark == 0; }),
            5);
}

TEST(WordDocumentBuilder, RecordsOnlyTopLevelTablesAndParagraphsAndRefusesTextPastItsLimit) {
  WordDocumentBuilder b(1 << 20);
  b.addText("Before", 12);
  b.endParagraph();
  for (const char* cell : {"cell", "inner"}) {
    b.beginTable();
    b.addText(cell, 12);
  }
  for (int i = 0; i < 2; ++i) {
    b.endCell();
    b.endRow();
    b.endTable();
  }
  b.addText("After", 12);
  const WordDocument doc = b.finish();
  EXPECT_EQ(doc.text, "Before\rcell\rinner\r\a\a\a\aAfter\r");
  ASSERT_EQ(doc.tables.size(), 1u);
  EXPECT_EQ(doc.text.substr(static_cast<std::size_t>(doc.tables[0].start),
                            static_cast<std::size_t>(doc.tables[0].length)),
            "cell\rinner\r\a\a\a\a");
  ASSERT_EQ(doc.paragraphs.size(), 2u);
  EXPECT_EQ(doc.paragraphs[1].span, (TextSpan{22, 5}));

  WordDocumentBuilder small(10);
  small.addText("123456789", 12);
  EXPECT_THROW(small.addText("ab", 12), std::exception);
}

// A Word paragraph of one run with these paragraph and run properties.
std::string sized(const std::string& paragraphProperties, const std::string& runProperties) {
  return "<w:p><w:pPr>" + paragraphProperties + "</w:pPr>" +
         run("<w:rPr>" + runProperties + "</w:rPr><w:t>x</w:t>") + "</w:p>";
}

const std::string WordDefaults =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val="22"/></w:rPr></w:rPrDefault></w:docDefaults>)";
const std::string WordStyles =
    WordDefaults +
    R"(<w:style w:type="paragraph" w:styleId="Base"><w:rPr><w:sz w:val="40"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading1"><w:basedOn w:val="Base"/></w:style>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:rPr><w:sz w:val="26"/></w:rPr></w:style>)"
    R"(<w:style w:type="character" w:styleId="Strong"><w:rPr><w:sz w:val="30"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="LoopA"><w:basedOn w:val="LoopB"/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="LoopB"><w:basedOn w:val="LoopA"/></w:style>)";
const std::string OdtAutomaticStyles =
    R"(<style:style style:name="P1" style:family="paragraph" style:parent-style-name="Heading">)"
    R"(<style:text-properties fo:font-size="150%"/></style:style>)"
    R"(<style:style style:name="T1" style:family="text"><style:text-properties fo:font-size="9pt"/></style:style>)"
    R"(<style:style style:name="T2" style:family="text"><style:text-properties fo:font-size="200%"/></style:style>)"
    R"(<style:style style:name="T3" style:family="text"><style:text-properties fo:font-size="0.5in"/></style:style>)";
const std::string OdtStyles =
    R"(<style:default-style style:family="paragraph"><style:text-properties fo:font-size="11pt"/></style:default-style>)"
    R"(<style:style style:name="Heading" style:family="paragraph" style:parent-style-name="Base"/>)"
    R"(<style:style style:name="Base" style:family="paragraph"><style:text-properties fo:font-size="16pt"/></style:style>)";

// The size comes from the nearest place that gives one (Word counts half points).
TEST(WordDocuments, TakeTheSizeOfARunFromItsStyles) {
  const std::string Heading1 = R"(<w:pStyle w:val="Heading1"/>)";
  const auto span = [](const char* style) {
    return std::string(R"(<text:span text:style-name=")") + style + R"(">x</text:span>)";
  };
  const struct {
    Format format;
    const char* label;
    std::string body;
    float points;
  } cases[] = {
      {D, "OwnSize", sized(Heading1, R"(<w:sz w:val="48"/><w:rStyle w:val="Strong"/>)"), 24},
      {D, "CharacterStyle", sized(Heading1, R"(<w:rStyle w:val="Strong"/>)"), 15},
      {D, "ParagraphStyleThroughItsBase", sized(Heading1, ""), 20},
      {D, "DefaultParagraphStyle", sized("", ""), 13},
      {D, "DocumentDefaultAfterAStyleLoop", sized(R"(<w:pStyle w:val="LoopA"/>)", ""), 11},
      {D, "NothingGivenNotEvenStyles", sized("", ""), 10},
      {O, "TextStyle", p(span("T1"), "P1"), 9},
      {O, "TextStylePercentOfTheParagraph", p(span("T2"), "Heading"), 32},
      {O, "Inches", p(span("T3")), 36},
      {O, "ParagraphPercentOfItsParents", p("x", "P1"), 24},
      {O, "UnknownStyleTakesTheDefault", p("x", "Missing"), 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(name(c.format)) + " " + c.label);
    const bool noStyles = c.label == std::string("NothingGivenNotEvenStyles");
    const WordDocument doc = c.format == D ? readBody(D, c.body, noStyles ? "" : WordStyles)
                                           : readBody(O, c.body, OdtStyles, OdtAutomaticStyles);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
    EXPECT_FLOAT_EQ(doc.paragraphs[0].runs[0].points, c.points);
  }
}

using Para = std::vector<std::pair<std::string, float>>; // runs and their sizes

WordDocument documentOf(const std::vector<Para>& paragraphs) {
  WordDocumentBuilder b(1 << 20);
  for (const Para& p : paragraphs) {
    for (const auto& [text, points] : p)
      b.addText(text, points);
    b.endParagraph();
  }
  return b.finish();
}

// A candidate set larger than the text after it is a heading.
TEST(HeadingFontTest, KeepsACandidateSetLargerThanTheTextAfterIt) {
  const struct {
    const char* label;
    std::vector<Para> paragraphs;
    std::string candidate;
    bool larger;
  } cases[] = {
      {"Larger", {{{"Title", 16}}, {{"Body text.", 11}}}, "Title", true},
      {"SameSize", {{{"Title", 11}}, {{"Body text.", 11}}}, "Title", false},
      {"SmallestRunCounts", {{{"Big ", 18}, {"title", 12}}, {{"Body", 12}}}, "Big title", false},
      {"FirstRunAfterCounts", {{{"Title", 14}}, {{"Body ", 12}, {"large", 20}}}, "Title", true},
      {"WhiteSpaceRunsAndEmptyParagraphsDoNotCount",
       {{{"Title", 14}, {"  ", 8}}, {}, {{" ", 10}}, {{" ", 30}, {"Body", 12}}},
       "Title",
       true},
      {"SpacingDiffers", {{{"Big  \t Title", 16}}, {{"Body", 11}}}, "  Big Title\r", true},
      {"BeginningOfAParagraph",
       {{{"Chapter one. The start", 16}}, {{"Body", 11}}},
       "Chapter one.",
       true},
      {"EqualParagraphFoundBeforeABeginning",
       {{{"Intro text", 30}}, {{"Body", 8}}, {{"Intro", 10}}, {{"More", 12}}},
       "Intro",
       false},
      {"NotFoundIsKept", {{{"Title", 10}}, {{"Body", 12}}}, "Elsewhere", true},
      {"NothingAfterIsDropped", {{{"Body", 10}}, {{"The end", 20}}}, "The end", false}};
  for (const auto& c : cases)
    EXPECT_EQ(HeadingFontTest(documentOf(c.paragraphs))(c.candidate), c.larger) << c.label;
}

TEST(DocxPackage, MainTextIsFoundThroughThePackageRelationships) {
  std::vector<testing::ZipEntry> entries = testing::docxEntries("");
  entries[1].bytes =
      R"(<Relationships><Relationship Type="http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument" Target="/doc/main.xml"/></Relationships>)";
  entries[2] = {"doc/main.xml", testing::docxDocument(para(text("moved main part")))};
  entries[3] = {"doc/look.xml", testing::docxStyles(WordDefaults)};
  entries.push_back(
      {"doc/_rels/main.xml.rels",
       R"(<Relationships><Relationship Type="x/styles" Target="look.xml"/></Relationships>)"});
  const WordDocument doc = readDocx(ZipArchive::openBytes(testing::zipBytes(entries)));
  EXPECT_EQ(doc.text, "moved main part\r");
  EXPECT_EQ(doc.paragraphs.at(0).runs.at(0).points, 11);
}

const auto mainPart = [](Format f) { return f == D ? "word/document.xml" : "content.xml"; };
const auto package = [](Format f, const std::string& words) {
  return f == D ? docx(para(text(words))) : odt(p(words));
};
const auto firstEntry = [](Format f) {
  return f == D ? testing::storedEntry("[Content_Types].xml", "<Types/>")
                : testing::storedEntry("mimetype", "application/vnd.oasis.opendocument.text");
};
std::string nested(Format f, int depth) {
  std::string body = f == D ? para(text("deep")) : p("deep");
  for (int i = 0; i < depth; ++i)
    body = f == D ? "<w:tbl><w:tr><w:tc>" + body + "</w:tc></w:tr></w:tbl>"
                  : "<text:list><text:list-item>" + body + "</text:list-item></text:list>";
  return f == D ? docx(body) : odt(body);
}

class DocumentFileTest : public testing::DocumentFolderTest {};

// A file built to break the reader is refused with a message naming it.
TEST_F(DocumentFileTest, AHostileFileIsRefusedWithAClearMessage) {
  const struct {
    const char* label;
    std::string (*make)(Format);
    const char* message;
    bool docxOnly = false; // an odt without its content is no odt at all
  } cases[] = {
      {"NotAZip", [](Format) { return std::string("PK\x03\x04 this is no archive at all"); },
       DamagedDocumentMessage},
      {"CorruptedDeflate",
       [](Format f) {
         std::string words;
         for (int i = 0; i < 3000; ++i)
           words += std::to_string(i * 7919 % 10007) + " ";
         std::string d = package(f, words);
         const std::size_t at = d.find(mainPart(f)) + 40;
         for (std::size_t i = at; i < at + 30; ++i)
           d[i] = static_cast<char>(d[i] ^ 0x5A);
         return d;
       },
       DamagedDocumentMessage},
      {"NoMainText",
       [](Format) {
         return testing::zipBytes({{"[Content_Types].xml", "<Types/>"}});
       },
       DamagedDocumentMessage, true},
      {"MalformedXml",
       [](Format f) {
         return testing::rawZip({firstEntry(f), testing::storedEntry(mainPart(f), "<a><b><c>")});
       },
       DamagedDocumentMessage},
      {"GigabyteEntry",
       [](Format f) {
         return testing::rawZip({firstEntry(f), testing::inflatingEntry(mainPart(f), 1024)});
       },
       LargeDocumentMessage},
      {"HeaderUnderstatesAGigabyte",
       [](Format f) {
         testing::RawEntry e = testing::inflatingEntry(mainPart(f), 1024);
         e.size = 100;
         return testing::rawZip({firstEntry(f), e});
       },
       LargeDocumentMessage},
      {"NestedThousandsDeep", [](Format f) { return nested(f, 5000); }, NestedDocumentMessage}};
  for (const auto& c : cases)
    for (Format f : {D, O}) {
      if (c.docxOnly && f == O) continue;
      SCOPED_TRACE(std::string(c.label) + " " + name(f));
      const std::string file = write(std::string("hostile.") + name(f), c.make(f));
      const DocumentRead read = readDocument(file);
      EXPECT_FALSE(read.document.has_value());
      EXPECT_EQ(read.problem, c.message + file);
    }
}

TEST_F(DocumentFileTest, AnEncryptedDocxIsRefusedAsProtected) {
  std::string bytes;
  try {
    bytes = testing::zipBytes(testing::docxEntries(para(text("secret"))), "password");
  } catch (const std::exception& e) {
    GTEST_SKIP() << "cannot write an encrypted archive here: " << e.what();
  }
  const std::string file = write("locked.docx", bytes);
  EXPECT_EQ(readDocument(file).problem, LockedDocumentMessage + file);
}

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

TEST_F(PdfReaderTest, PagesLinesParagraphsAndColumnsGetTheirBreaksAndCodePageCharactersStay) {
  // pages in order with page breaks, an empty page among them
  EXPECT_EQ(readPages({{{72, 100, "First page."}},
                       {{72, 100, "Second page."}},
                       {},
                       {{72, 100, "Fourth page."}}}),
            "First page.\r\r\rSecond page.\r\r\rFourth page.");
  // a line ends with one break, a paragraph with an empty line
  EXPECT_EQ(readPages({{{72, 100, "The first line of a paragraph"},
                        {72, 114, "and its second line."},
                        {72, 200, "A paragraph far below."}}}),
            "The first line of a paragraph\rand its second line.\r\rA paragraph far below.");
  // ligatures folded, code page characters kept
  EXPECT_EQ(readPages({{{72, 100,
                         "\xEF\xAC\x81nd the o\xEF\xAC\x83"
                         "ce \xE2\x80\xA6 \xE2\x84\xA2"}}}),
            "find the office \x85 \x99");
  // columns one after the other, hyphenated words joined
  const std::string columns = readPages({{{50, 100, "Left column begins with a hyph-"},
                                          {50, 114, "enated word and goes on."},
                                          {50, 128, "The left column ends here."},
                                          {330, 100, "Right column comes after"},
                                          {330, 114, "the whole left column."}}});
  EXPECT_NE(columns.find("hyphenated word"), std::string::npos) << columns;
  const std::size_t leftEnd = columns.find("The left column ends here.");
  ASSERT_NE(leftEnd, std::string::npos) << columns;
  EXPECT_LT(leftEnd, columns.find("Right column comes after")) << columns;
}

TEST(PdfFold, TakesCompatibleFormsOnlyForWhatTheCodePageLacks) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain text", "plain text"},
      {"e\xCC\x81t\xC3\xA9", "\xE9t\xE9"},                                // combining accent
      {"\xC2\xBD \xE2\x80\xA6 \xC2\xB2 \xC2\xA0", "\xBD \x85 \xB2 \xA0"}, // in the code page
      {"\xCE\xA9 \xE2\x98\x83", "? ?"},                                   // nothing compatible
      {"a\xFFz", "a?z"},                                                  // broken UTF-8
  };
  for (const auto& [utf8, cp1252] : cases)
    EXPECT_EQ(foldToCp1252(utf8), cp1252) << utf8;
}

// A PDF that cannot be read, an encrypted one too, reads as the empty document.
TEST_F(DocumentFileTest, ABrokenOrLockedPdfReadsAsTheEmptyDocument) {
  testing::writePdf(path("whole.pdf"), {{{72, 100, "Some text to cut."}}});
  const std::string whole = platform::readWholeFile(path("whole.pdf"));
  std::vector<std::string> files = {LUMETRA_SOURCE_DIR "/tests/acquisition/data/locked.pdf"};
  for (const auto& [label, bytes] : {std::pair<std::string, std::string>{
                                         "garbage", "%PDF-1.5\n\x01\x02 this is not a PDF at all"},
                                     {"empty", ""},
                                     {"cut short", whole.substr(0, 300)}})
    files.push_back(write(label + ".pdf", bytes));
  for (const std::string& file : files) {
    const DocumentRead read = readDocument(file);
    EXPECT_FALSE(read.document.has_value()) << file;
    EXPECT_EQ(read.kind, engine::SourceKind::Pdf) << file;
    EXPECT_EQ(read.problem, EmptyDocumentText) << file;
  }
}

// What a file holds decides its reader; its name only when its content says nothing.
TEST_F(DocumentFileTest, PicksTheReaderByContentAndSaysWhyAFileIsNotRead) {
  const engine::SourceKind Word = engine::SourceKind::Word, Pdf = engine::SourceKind::Pdf;
  const struct {
    const char* name;
    std::string bytes; // "pdf" for a PDF drawn with "From a PDF"
    engine::SourceKind kind;
    std::string text;    // the normalised text, when the file is read
    const char* problem; // else the message, followed by the path
  } cases[] = {
      {"wrong.odt", docx(para(text("From Word"))), Word, "From Word", nullptr},
      {"paper", "pdf", Pdf, "From a PDF", nullptr},
      {"wrong.pdf", odt(p("From Writer")), Word, "From Writer", nullptr},
      {"notes.txt", "Plain words in a file.", Word, "", UnknownDocumentMessage},
      {"archive.docx", testing::zipBytes({{"notes.txt", "not a document"}}), Word, "",
       UnknownDocumentMessage},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = path(c.name);
    if (c.bytes == "pdf")
      testing::writePdf(file, {{{72, 100, "From a PDF"}}});
    else
      write(c.name, c.bytes);
    const DocumentRead read = readDocument(file);
    if (c.problem) {
      EXPECT_FALSE(read.document.has_value());
      EXPECT_EQ(read.problem, c.problem + file);
      continue;
    }
    ASSERT_TRUE(read.document.has_value()) << read.problem;
    EXPECT_EQ(std::tuple(read.problem, read.kind, normaliseWordText(*read.document).text),
              std::tuple("", c.kind, c.text));
  }
  EXPECT_EQ(readDocument(path("gone.docx")).problem, MissingFileMessage);
}

} // namespace
} // namespace acquisition
