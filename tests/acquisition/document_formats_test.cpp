// The document readers, one table over the formats: Word (docx), OpenDocument
// (odt) and PDF files made by the writer in document_files.h go through
// readDocument, which picks the reader by content.
#include "acquisition/document_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "acquisition/hand_over_text.h"
#include "acquisition/packages/docx_reader.h"
#include "acquisition/packages/odt_reader.h"
#include "acquisition/packages/pdf_reader.h"
#include "acquisition/text_file.h"
#include "document_files.h"
#include "hand_over_rig.h"

namespace acquisition {
namespace {

using testing::docx;
using testing::odt;

enum class Format { Docx, Odt };

const char* name(Format f) {
  return f == Format::Docx ? "docx" : "odt";
}

WordDocument readBody(Format f, const std::string& body, const std::string& styles = "",
                      const std::string& odtAutomaticStyles = "") {
  if (f == Format::Docx) return readDocx(ZipArchive::openBytes(docx(body, styles)));
  return readOdt(ZipArchive::openBytes(odt(body, odtAutomaticStyles, styles)));
}

std::string run(const std::string& inner) {
  return "<w:r>" + inner + "</w:r>";
}
std::string para(const std::string& runs) {
  return "<w:p>" + runs + "</w:p>";
}
std::string text(const std::string& t) {
  return run(R"(<w:t xml:space="preserve">)" + t + "</w:t>");
}
std::string field(const std::string& code, const std::string& result) {
  return run(R"(<w:fldChar w:fldCharType="begin"/>)") +
         run("<w:instrText>" + code + "</w:instrText>") +
         run(R"(<w:fldChar w:fldCharType="separate"/>)") + result +
         run(R"(<w:fldChar w:fldCharType="end"/>)");
}
const std::string Drawing = "<w:drawing><wp:inline/></w:drawing>";

std::string p(const std::string& inner, const std::string& style = "") {
  return style.empty() ? "<text:p>" + inner + "</text:p>"
                       : R"(<text:p text:style-name=")" + style + R"(">)" + inner + "</text:p>";
}
const std::string Image =
    R"(<draw:frame draw:name="pic"><draw:image xlink:href="Pictures/a.png"/></draw:frame>)";

const Format D = Format::Docx, O = Format::Odt;

TEST(WordDocuments, GiveTheTextWithTheWordProcessorsMarks) {
  const struct {
    Format format;
    const char* label;
    std::string body;
    std::string expected; // the text in the word processor's form
    std::string automaticStyles = "";
  } cases[] = {
      {D, "ParagraphsAndRuns", para(text("Hello") + text(" world")) + para(text("Next")),
       "Hello world\rNext\r"},
      {D, "WhiteSpaceOnlyRunsAreKept", para(text("a") + text(" ") + text("  ") + text("b")),
       "a   b\r"},
      {D, "TabsAndBreaks",
       para(text("a") + run("<w:tab/>") + text("b") + run("<w:br/>") + text("c") +
            run(R"(<w:br w:type="page"/>)") + text("d") + run("<w:cr/>") + text("e")),
       "a\tb\x0b"
       "c\x0c"
       "d\x0b"
       "e\r"},
      {D, "TableCellsAndRows",
       "<w:tbl><w:tblPr/><w:tr><w:tc>" + para(text("x")) + "</w:tc><w:tc>" + para(text("y")) +
           para(text("z")) + "</w:tc></w:tr></w:tbl>",
       "x\r\x07y\rz\r\x07\x07"},
      {D, "PicturesDrawingsAndObjects",
       para(text("a") + run(Drawing) + run("<w:pict/>") + run("<w:object/>")), "a\x01\x01\x01\r"},
      {D, "FieldResultIsTextAndTheCodeIsNot",
       para(text("Page ") + field(" PAGE ", text("3")) + text(".")), "Page 3\x15.\r"},
      {D, "NestedFields", para(field(" IF ", field(" DATE ", text("today")) + text(" yes"))),
       "today\x15 yes\x15\r"},
      {D, "TrackedDeletionsAndMovesAwayAreLeftOut",
       para(text("kept ") + "<w:del>" + run("<w:delText>gone </w:delText>") + "</w:del>" +
            "<w:ins>" + text("added ") + "</w:ins>" + "<w:moveFrom>" + text("moved ") +
            "</w:moveFrom>" + "<w:moveTo>" + text("arrived") + "</w:moveTo>"),
       "kept added arrived\r"},
      {D, "OneBranchOfAlternateContent",
       para(run("<mc:AlternateContent><mc:Choice Requires=\"wps\">" + Drawing +
                "</mc:Choice><mc:Fallback><w:pict/></mc:Fallback></mc:AlternateContent>") +
            "<mc:AlternateContent><mc:Fallback>" + text("fallback") +
            "</mc:Fallback></mc:AlternateContent>"),
       "\x01"
       "fallback\r"},
      {D, "HiddenRunsAreLeftOut",
       para(text("seen ") + run("<w:rPr><w:vanish/></w:rPr><w:t>hidden</w:t>") +
            run(R"(<w:rPr><w:vanish w:val="false"/></w:rPr><w:t>shown</w:t>)")),
       "seen shown\r"},
      {D, "SectionEndIsAPageBreak",
       para("<w:pPr><w:sectPr/></w:pPr>" + text("end of section")) + para(text("next")),
       "end of section\x0cnext\r"},
      {D, "TextBoxesAreNotText",
       para(run("<w:pict><v:textbox xmlns:v=\"urn:v\"><w:txbxContent>" + para(text("box")) +
                "</w:txbxContent></v:textbox></w:pict>") +
            text("after")),
       "\x01"
       "after\r"},
      {D, "CodePage1252", para(text("caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83")), "caf\xE9 \x80 ?\r"},
      {O, "ParagraphsAndHeadings", "<text:h>Title</text:h>" + p("Body text."),
       "Title\rBody text.\r"},
      {O, "WhiteSpaceCollapses",
       p("  Several \n\t spaces <text:span> inside</text:span> <text:span>spans</text:span>"),
       "Several spaces inside spans\r"},
      {O, "SpacesTabsAndLineBreaks",
       p(R"(a<text:s text:c="3"/>b<text:tab/>c<text:line-break/>  d<text:s/>)"),
       "a   b\tc\x0b"
       "d \r"},
      {O, "AbsurdSpaceCountIsBounded", p(R"(a<text:s text:c="2000000000"/>b)"),
       "a" + std::string(1024, ' ') + "b\r"},
      {O, "TableCellsCoveredCellsAndRows",
       "<table:table><table:table-column/><table:table-header-rows><table:table-row>"
       "<table:table-cell>" +
           p("h") +
           "</table:table-cell></table:table-row>"
           "</table:table-header-rows><table:table-row><table:table-cell>" +
           p("x") +
           "</table:table-cell><table:covered-table-cell/></table:table-row></table:table>",
       "h\r\x07\x07x\r\x07\x07"},
      {O, "ImagesAreOnePictureAndTextBoxesNothing",
       p("a" + Image + R"(<draw:frame><draw:text-box>)" + p("boxed") +
         "</draw:text-box></draw:frame>b") +
           Image,
       "a\x01"
       "b\r\x01\r"},
      {O, "FieldsGiveTheirValue", p("Page <text:page-number>4</text:page-number> of 9"),
       "Page 4\x15 of 9\r"},
      {O, "TrackedChangesNotesAndAnnotationsAreLeftOut",
       "<text:tracked-changes><text:changed-region><text:deletion>" + p("deleted") +
           "</text:deletion></text:changed-region></text:tracked-changes>" +
           p("kept<text:note><text:note-citation>1</text:note-citation><text:note-body>" +
             p("note") + "</text:note-body></text:note><office:annotation>" + p("comment") +
             "</office:annotation> text"),
       "kept text\r"},
      {O, "PageBreakStyles", p("before") + p("after", "Break") + p("end", "BreakAfter"),
       "before\r\x0c"
       "after\rend\x0c\r",
       R"(<style:style style:name="Break" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>)"
       R"(<style:style style:name="BreakAfter" style:family="paragraph"><style:paragraph-properties fo:break-after="page"/></style:style>)"}};
  for (const auto& c : cases)
    EXPECT_EQ(readBody(c.format, c.body, "", c.automaticStyles).text, c.expected)
        << name(c.format) << " " << c.label;
}

// The edge case of a captured document: both tables go, two marks 0 and one
// mark -1 remain in order.
TEST(DocxTables, TwoTablesAndAPictureGiveThreeMarksInOrder) {
  const auto table = [](const std::string& cell) {
    return "<w:tbl><w:tr><w:tc>" + para(text(cell)) + "</w:tc></w:tr></w:tbl>";
  };
  const WordText out = normaliseWordText(readBody(D, para(text("First")) + table("T1") +
                                                         para(text("Picture ") + run(Drawing)) +
                                                         table("T2") + para(text("Last"))));
  EXPECT_EQ(out.text, "First\r\rPicture\r\rLast");
  ASSERT_EQ(out.graphics.size(), 3u);
  EXPECT_EQ(out.graphics[0].mark, 0);
  EXPECT_EQ(out.graphics[1].mark, -1);
  EXPECT_EQ(out.graphics[2].mark, 0);
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[0].position) - 1),
            "Picture\r\rLast");
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[2].position) - 1), "Last");
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

// The size comes from the nearest place that gives one.
TEST(WordDocuments, TakeTheSizeOfARunFromItsStyles) {
  const std::string Heading1 = R"(<w:pStyle w:val="Heading1"/>)";
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
      {D, "NothingGiven", sized("", ""), 10},
      {O, "TextStyle", p(R"(<text:span text:style-name="T1">x</text:span>)", "P1"), 9},
      {O, "TextStylePercentOfTheParagraph",
       p(R"(<text:span text:style-name="T2">x</text:span>)", "Heading"), 32},
      {O, "Inches", p(R"(<text:span text:style-name="T3">x</text:span>)"), 36},
      {O, "ParagraphPercentOfItsParents", p("x", "P1"), 24},
      {O, "ParentStyle", p("x", "Heading"), 16},
      {O, "DefaultStyle", p("x"), 11},
      {O, "UnknownStyleTakesTheDefault", p("x", "Missing"), 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(name(c.format)) + " " + c.label);
    const bool noStyles = std::string(c.label) == "NothingGiven";
    const WordDocument doc = c.format == D ? readBody(D, c.body, noStyles ? "" : WordStyles)
                                           : readBody(O, c.body, OdtStyles, OdtAutomaticStyles);
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
    EXPECT_FLOAT_EQ(doc.paragraphs[0].runs[0].points, c.points);
  }
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

// The main part's name and a package around a body in each format.
const char* mainPart(Format f) {
  return f == D ? "word/document.xml" : "content.xml";
}
std::string package(Format f, const std::string& words) {
  return f == D ? docx(para(text(words))) : odt(p(words));
}
testing::RawEntry firstEntry(Format f) {
  return f == D ? testing::storedEntry("[Content_Types].xml", "<Types/>")
                : testing::storedEntry("mimetype", "application/vnd.oasis.opendocument.text");
}
std::string nested(Format f, int depth) {
  const std::string open = f == D ? "<w:tbl><w:tr><w:tc>" : "<text:list><text:list-item>";
  const std::string close = f == D ? "</w:tc></w:tr></w:tbl>" : "</text:list-item></text:list>";
  std::string body;
  for (int i = 0; i < depth; ++i)
    body += open;
  body += f == D ? para(text("deep")) : p("deep");
  for (int i = 0; i < depth; ++i)
    body += close;
  return f == D ? docx(body) : odt(body);
}

struct HostileCase {
  const char* label;
  std::string (*make)(Format);
  const char* message;
  bool docxOnly = false;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
  *os << c.label;
}

const HostileCase HostileCases[] = {
    {"NotAZip", [](Format) { return std::string("PK\x03\x04 this is no archive at all"); },
     DamagedDocumentMessage},
    {"CutInHalf",
     [](Format f) {
       const std::string d = package(f, "x");
       return d.substr(0, d.size() / 2);
     },
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
    // An odt without its content is no odt: UnknownDocumentMessage, below.
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
    {"NestedThousandsDeep", [](Format f) { return nested(f, 5000); }, NestedDocumentMessage},
};

class HostileTest : public testing::DocumentFolderTest,
                    public ::testing::WithParamInterface<HostileCase> {};

// A file built to break the reader is refused with a message naming it.
TEST_P(HostileTest, IsRefusedWithAClearMessage) {
  const HostileCase& c = GetParam();
  for (Format f : {D, O}) {
    if (c.docxOnly && f == O) continue;
    const std::string file = write(std::string("hostile.") + name(f), c.make(f));
    const DocumentRead read = readDocument(file);
    EXPECT_FALSE(read.document.has_value()) << name(f);
    EXPECT_EQ(read.problem, c.message + file) << name(f);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileTest, ::testing::ValuesIn(HostileCases),
                         [](const auto& info) { return std::string(info.param.label); });

class DocumentFileTest : public testing::DocumentFolderTest {};

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

TEST_F(PdfReaderTest, PagesLinesAndParagraphsGetTheirBreaksAndCodePageCharactersStay) {
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

TEST(PdfFold, TakesCompatibleFormsOnlyForWhatTheCodePageLacks) {
  const std::pair<std::string, std::string> cases[] = {
      {"plain text", "plain text"},
      {"\xEF\xAC\x80\xEF\xAC\x81\xEF\xAC\x82", "fffifl"},                 // ligatures
      {"e\xCC\x81t\xC3\xA9", "\xE9t\xE9"},                                // combining accent
      {"\xC2\xBD \xE2\x80\xA6 \xC2\xB2 \xC2\xA0", "\xBD \x85 \xB2 \xA0"}, // in the code page
      {"\xEF\xBD\x86\xEF\xBD\x95\xEF\xBD\x8C", "ful"},                    // full width
      {"\xCE\xA9 \xE2\x98\x83", "? ?"},                                   // nothing compatible
      {"a\xFF"
       "b",
       "a?b"}, // broken UTF-8
  };
  for (const auto& [utf8, cp1252] : cases)
    EXPECT_EQ(foldToCp1252(utf8), cp1252) << utf8;
}

class PdfBrokenTest : public testing::DocumentFolderTest {};

// A PDF that cannot be read, an encrypted one too, reads as the empty document.
TEST_F(PdfBrokenTest, ReadsAsTheEmptyDocument) {
  testing::writePdf(path("whole.pdf"), {{{72, 100, "Some text to cut."}}});
  std::ifstream in(path("whole.pdf"), std::ios::binary);
  const std::string whole{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::pair<const char*, std::string> cases[] = {
      {"garbage", "%PDF-1.5\n\x01\x02 this is not a PDF at all"},
      {"empty", ""},
      {"no header", "just some words in a .pdf file"},
      {"cut short", whole.substr(0, 300)}};
  std::vector<std::string> files = {LUMETRA_SOURCE_DIR "/tests/acquisition/data/locked.pdf"};
  for (const auto& [label, bytes] : cases)
    files.push_back(write(std::string(label) + ".pdf", bytes));
  for (const std::string& file : files) {
    const DocumentRead read = readDocument(file);
    EXPECT_FALSE(read.document.has_value()) << file;
    EXPECT_EQ(read.kind, engine::SourceKind::Pdf) << file;
    EXPECT_EQ(read.problem, EmptyDocumentText) << file;
  }
}

enum class Make { Docx, Odt, Pdf, Text, Zip, Nothing };

// What a file holds decides its reader; its name only when its content says nothing.
TEST_F(DocumentFileTest, PicksTheReaderByContentAndSaysWhyAFileIsNotRead) {
  const engine::SourceKind Word = engine::SourceKind::Word, Pdf = engine::SourceKind::Pdf;
  const struct {
    Make make;
    const char* name;
    engine::SourceKind kind;
    std::string text;    // the normalised text, when the file is read
    const char* problem; // else the message (followed by the path unless it is bare)
    bool bare;
  } cases[] = {
      {Make::Docx, "wrong.odt", Word, "From Word", nullptr, false},
      {Make::Pdf, "paper", Pdf, "From a PDF", nullptr, false},
      {Make::Odt, "wrong.pdf", Word, "From Writer", nullptr, false},
      {Make::Text, "notes.txt", Word, "", UnknownDocumentMessage, false},
      {Make::Zip, "archive.docx", Word, "", UnknownDocumentMessage, false},
      {Make::Nothing, "gone.docx", Word, "", MissingFileMessage, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = path(c.name);
    if (c.make == Make::Docx) write(c.name, docx(para(text("From Word"))));
    if (c.make == Make::Odt) write(c.name, odt(p("From Writer")));
    if (c.make == Make::Pdf) testing::writePdf(file, {{{72, 100, "From a PDF"}}});
    if (c.make == Make::Text) write(c.name, "Plain words in a file.");
    if (c.make == Make::Zip) write(c.name, testing::zipBytes({{"notes.txt", "not a document"}}));
    const DocumentRead read = readDocument(file);
    if (c.problem) {
      EXPECT_FALSE(read.document.has_value());
      EXPECT_EQ(read.problem, c.bare ? std::string(c.problem) : c.problem + file);
      continue;
    }
    ASSERT_TRUE(read.document.has_value()) << read.problem;
    EXPECT_EQ(read.problem, "");
    EXPECT_EQ(read.kind, c.kind);
    EXPECT_EQ(normaliseWordText(*read.document).text, c.text);
  }
}

TEST_F(DocumentFileTest, AWordDocumentReachesTheEngineWithItsMarksAndItsHeadingTest) {
  testing::HandOverRig rig;
  rig.handOver.extractions[WordApp] = extractDocumentFile;
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
