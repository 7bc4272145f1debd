#include "acquisition/docx_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "acquisition/document_reader.h"
#include "document_files.h"

namespace acquisition {
namespace {

using testing::DocumentFolderTest;
using testing::docx;

WordDocument readBody(const std::string& body, const std::string& styles = "") {
  const std::string bytes = docx(body, styles);
  return readDocx(ZipArchive::openBytes(bytes));
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

struct BodyCase {
  const char* label;
  std::string body;
  std::string expected; // the text in the word processor's form
};

void PrintTo(const BodyCase& c, std::ostream* os) {
  *os << c.label;
}

class DocxBodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(DocxBodyTest, GivesTheTextWithTheWordProcessorsMarks) {
  EXPECT_EQ(readBody(GetParam().body).text, GetParam().expected);
}

const std::string Drawing = "<w:drawing><wp:inline/></w:drawing>";

INSTANTIATE_TEST_SUITE_P(
    Cases, DocxBodyTest,
    ::testing::Values(
        BodyCase{"ParagraphsAndRuns", para(text("Hello") + text(" world")) + para(text("Next")),
                 "Hello world\rNext\r"},
        BodyCase{"WhiteSpaceOnlyRunsAreKept", para(text("a") + text(" ") + text("  ") + text("b")),
                 "a   b\r"},
        BodyCase{"TabsAndBreaks",
                 para(text("a") + run("<w:tab/>") + text("b") + run("<w:br/>") + text("c") +
                      run(R"(<w:br w:type="page"/>)") + text("d") + run("<w:cr/>") + text("e")),
                 "a\tb\x0b"
                 "c\x0c"
                 "d\x0b"
                 "e\r"},
        BodyCase{"TableCellsAndRows",
                 "<w:tbl><w:tblPr/><w:tr><w:tc>" + para(text("x")) + "</w:tc><w:tc>" +
                     para(text("y")) + para(text("z")) + "</w:tc></w:tr></w:tbl>",
                 "x\r\x07y\rz\r\x07\x07"},
        BodyCase{"PicturesDrawingsAndObjects",
                 para(text("a") + run(Drawing) + run("<w:pict/>") + run("<w:object/>")),
                 "a\x01\x01\x01\r"},
        BodyCase{"FieldResultIsTextAndTheCodeIsNot",
                 para(text("Page ") + field(" PAGE ", text("3")) + text(".")), "Page 3\x15.\r"},
        BodyCase{"NestedFields", para(field(" IF ", field(" DATE ", text("today")) + text(" yes"))),
                 "today\x15 yes\x15\r"},
        BodyCase{"TrackedDeletionsAndMovesAwayAreLeftOut",
                 para(text("kept ") + "<w:del>" + run("<w:delText>gone </w:delText>") + "</w:del>" +
                      "<w:ins>" + text("added ") + "</w:ins>" + "<w:moveFrom>" + text("moved ") +
                      "</w:moveFrom>" + "<w:moveTo>" + text("arrived") + "</w:moveTo>"),
                 "kept added arrived\r"},
        BodyCase{
            "OneBranchOfAlternateContent",
            para(run("<mc:AlternateContent><mc:Choice Requires=\"wps\">" + Drawing +
                     "</mc:Choice><mc:Fallback><w:pict/></mc:Fallback></mc:AlternateContent>") +
                 "<mc:AlternateContent><mc:Fallback>" + text("fallback") +
                 "</mc:Fallback></mc:AlternateContent>"),
            "\x01"
            "fallback\r"},
        BodyCase{"HiddenRunsAreLeftOut",
                 para(text("seen ") + run("<w:rPr><w:vanish/></w:rPr><w:t>hidden</w:t>") +
                      run(R"(<w:rPr><w:vanish w:val="false"/></w:rPr><w:t>shown</w:t>)")),
                 "seen shown\r"},
        BodyCase{"SectionEndIsAPageBreak",
                 para("<w:pPr><w:sectPr/></w:pPr>" + text("end of section")) + para(text("next")),
                 "end of section\x0cnext\r"},
        BodyCase{"TextBoxesAreNotText",
                 para(run("<w:pict><v:textbox xmlns:v=\"urn:v\"><w:txbxContent>" +
                          para(text("box")) + "</w:txbxContent></v:textbox></w:pict>") +
                      text("after")),
                 "\x01"
                 "after\r"},
        BodyCase{"CodePage1252", para(text("caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83")),
                 "caf\xE9 \x80 ?\r"}),
    [](const auto& info) { return std::string(info.param.label); });

// The edge case of a captured document: both tables go, two marks 0 and one
// mark -1 remain in order.
TEST(DocxTables, TwoTablesAndAPictureGiveThreeMarksInOrder) {
  const auto table = [](const std::string& cell) {
    return "<w:tbl><w:tr><w:tc>" + para(text(cell)) + "</w:tc></w:tr></w:tbl>";
  };
  const WordDocument doc =
      readBody(para(text("First")) + table("T1") + para(text("Picture ") + run(Drawing)) +
               table("T2") + para(text("Last")));
  const WordText out = normaliseWordText(doc);
  EXPECT_EQ(out.text, "First\r\rPicture\r\rLast");
  ASSERT_EQ(out.graphics.size(), 3u);
  EXPECT_EQ(out.graphics[0].mark, 0);
  EXPECT_EQ(out.graphics[1].mark, -1);
  EXPECT_EQ(out.graphics[2].mark, 0);
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[0].position) - 1),
            "Picture\r\rLast");
  EXPECT_EQ(out.text.substr(static_cast<std::size_t>(out.graphics[2].position) - 1), "Last");
}

struct SizeCase {
  const char* label;
  std::string runProperties;
  std::string paragraphProperties;
  std::string styles;
  float points;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.label;
}

class DocxSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(DocxSizeTest, TakesTheSizeFromTheNearestPlaceThatGivesOne) {
  const SizeCase& c = GetParam();
  const WordDocument doc =
      readBody("<w:p><w:pPr>" + c.paragraphProperties + "</w:pPr>" +
                   run("<w:rPr>" + c.runProperties + "</w:rPr><w:t>x</w:t>") + "</w:p>",
               c.styles);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
  EXPECT_EQ(doc.paragraphs[0].runs[0].points, c.points);
}

const std::string Defaults =
    R"(<w:docDefaults><w:rPrDefault><w:rPr><w:sz w:val="22"/></w:rPr></w:rPrDefault></w:docDefaults>)";
const std::string Styles =
    Defaults +
    R"(<w:style w:type="paragraph" w:styleId="Base"><w:rPr><w:sz w:val="40"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="Heading1"><w:basedOn w:val="Base"/></w:style>)"
    R"(<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:rPr><w:sz w:val="26"/></w:rPr></w:style>)"
    R"(<w:style w:type="character" w:styleId="Strong"><w:rPr><w:sz w:val="30"/></w:rPr></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="LoopA"><w:basedOn w:val="LoopB"/></w:style>)"
    R"(<w:style w:type="paragraph" w:styleId="LoopB"><w:basedOn w:val="LoopA"/></w:style>)";

INSTANTIATE_TEST_SUITE_P(
    Cases, DocxSizeTest,
    ::testing::Values(
        SizeCase{"OwnSize", R"(<w:sz w:val="48"/><w:rStyle w:val="Strong"/>)",
                 R"(<w:pStyle w:val="Heading1"/>)", Styles, 24},
        SizeCase{"CharacterStyle", R"(<w:rStyle w:val="Strong"/>)",
                 R"(<w:pStyle w:val="Heading1"/>)", Styles, 15},
        SizeCase{"ParagraphStyleThroughItsBase", "", R"(<w:pStyle w:val="Heading1"/>)", Styles, 20},
        SizeCase{"DefaultParagraphStyle", "", "", Styles, 13},
        SizeCase{"DocumentDefaultAfterAStyleLoop", "", R"(<w:pStyle w:val="LoopA"/>)", Styles, 11},
        SizeCase{"NothingGiven", "", "", "", 10}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DocxPackage, MainTextIsFoundThroughThePackageRelationships) {
  std::vector<testing::ZipEntry> entries = testing::docxEntries("");
  entries[1].bytes =
      R"(<Relationships><Relationship Type="http://purl.oclc.org/ooxml/officeDocument/relationships/officeDocument" Target="/doc/main.xml"/></Relationships>)";
  entries[2] = {"doc/main.xml", testing::docxDocument(para(text("moved main part")))};
  entries[3].name = "doc/look.xml";
  entries.push_back(
      {"doc/_rels/main.xml.rels",
       R"(<Relationships><Relationship Type="x/styles" Target="look.xml"/></Relationships>)"});
  entries[3].bytes = testing::docxStyles(Defaults);
  const std::string bytes = testing::zipBytes(entries);
  const WordDocument doc = readDocx(ZipArchive::openBytes(bytes));
  EXPECT_EQ(doc.text, "moved main part\r");
  EXPECT_EQ(doc.paragraphs.at(0).runs.at(0).points, 11);
}

// --- Hostile and broken files -------------------------------------------------------

enum class Refusal { Damaged, Locked, Large, Nested };

struct HostileCase {
  const char* label;
  std::string (*make)();
  Refusal refusal;
};

void PrintTo(const HostileCase& c, std::ostream* os) {
  *os << c.label;
}

std::string nestedTables(int depth) {
  std::string body;
  for (int i = 0; i < depth; ++i)
    body += "<w:tbl><w:tr><w:tc>";
  body += para(text("deep"));
  for (int i = 0; i < depth; ++i)
    body += "</w:tc></w:tr></w:tbl>";
  return docx(body);
}

std::string withEntry(testing::RawEntry entry) {
  return testing::rawZip(
      {testing::storedEntry("[Content_Types].xml", "<Types/>"), std::move(entry)});
}

const HostileCase HostileCases[] = {
    {"NotAZip", [] { return std::string("PK\x03\x04 this is no archive at all"); },
     Refusal::Damaged},
    {"CutInHalf",
     [] {
       const std::string d = docx(para(text("x")));
       return d.substr(0, d.size() / 2);
     },
     Refusal::Damaged},
    {"CorruptedDeflate",
     [] {
       std::string words;
       for (int i = 0; i < 3000; ++i)
         words += std::to_string(i * 7919 % 10007) + " ";
       std::string d = docx(para(text(words)));
       const std::size_t at = d.find("word/document.xml") + 40;
       for (std::size_t i = at; i < at + 30; ++i)
         d[i] = static_cast<char>(d[i] ^ 0x5A);
       return d;
     },
     Refusal::Damaged},
    {"NoMainText",
     [] {
       return testing::zipBytes({{"[Content_Types].xml", "<Types/>"}});
     },
     Refusal::Damaged},
    {"MalformedXml",
     [] {
       return testing::zipBytes({{"[Content_Types].xml", "<Types/>"},
                                 {"word/document.xml", "<w:document><w:body><w:p>"}});
     },
     Refusal::Damaged},
    {"GigabyteEntry", [] { return withEntry(testing::inflatingEntry("word/document.xml", 1024)); },
     Refusal::Large},
    {"HeaderUnderstatesAGigabyte",
     [] {
       testing::RawEntry e = testing::inflatingEntry("word/document.xml", 1024);
       e.size = 100;
       return withEntry(e);
     },
     Refusal::Large},
    {"TablesNestedThousandsDeep", [] { return nestedTables(5000); }, Refusal::Nested},
};

class DocxHostileTest : public DocumentFolderTest,
                        public ::testing::WithParamInterface<HostileCase> {};

// A file built to break the reader is refused with a message naming it.
TEST_P(DocxHostileTest, IsRefusedWithAClearMessage) {
  const HostileCase& c = GetParam();
  const std::string file = write("hostile.docx", c.make());
  const DocumentRead read = readDocument(file);
  EXPECT_FALSE(read.document.has_value());
  const char* message = c.refusal == Refusal::Damaged  ? DamagedDocumentMessage
                        : c.refusal == Refusal::Locked ? LockedDocumentMessage
                        : c.refusal == Refusal::Large  ? LargeDocumentMessage
                                                       : NestedDocumentMessage;
  EXPECT_EQ(read.problem, message + file);
}

INSTANTIATE_TEST_SUITE_P(Cases, DocxHostileTest, ::testing::ValuesIn(HostileCases),
                         [](const auto& info) { return std::string(info.param.label); });

class DocxFileTest : public DocumentFolderTest {};

TEST_F(DocxFileTest, AnEncryptedDocxIsRefusedAsProtected) {
  std::string bytes;
  try {
    bytes = testing::zipBytes(testing::docxEntries(para(text("secret"))), "password");
  } catch (const std::exception& e) {
    GTEST_SKIP() << "cannot write an encrypted archive here: " << e.what();
  }
  const std::string file = write("locked.docx", bytes);
  EXPECT_EQ(readDocument(file).problem, LockedDocumentMessage + file);
}

} // namespace
} // namespace acquisition
