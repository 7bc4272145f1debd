#include "acquisition/odt_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "acquisition/document_reader.h"
#include "document_files.h"

namespace acquisition {
namespace {

using testing::odt;

WordDocument readBody(const std::string& body, const std::string& automaticStyles = "",
                      const std::string& styles = "") {
  const std::string bytes = odt(body, automaticStyles, styles);
  return readOdt(ZipArchive::openBytes(bytes));
}

std::string p(const std::string& inner, const std::string& style = "") {
  return style.empty() ? "<text:p>" + inner + "</text:p>"
                       : R"(<text:p text:style-name=")" + style + R"(">)" + inner + "</text:p>";
}

const std::string Image =
    R"(<draw:frame draw:name="pic"><draw:image xlink:href="Pictures/a.png"/></draw:frame>)";

struct BodyCase {
  const char* label;
  std::string body;
  std::string expected;
  std::string automaticStyles = "";
};

void PrintTo(const BodyCase& c, std::ostream* os) {
  *os << c.label;
}

class OdtBodyTest : public ::testing::TestWithParam<BodyCase> {};

TEST_P(OdtBodyTest, GivesTheTextWithTheWordProcessorsMarks) {
  EXPECT_EQ(readBody(GetParam().body, GetParam().automaticStyles).text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OdtBodyTest,
    ::testing::Values(
        BodyCase{"ParagraphsAndHeadings", "<text:h>Title</text:h>" + p("Body text."),
                 "Title\rBody text.\r"},
        BodyCase{
            "WhiteSpaceCollapses",
            p("  Several \n\t spaces <text:span> inside</text:span> <text:span>spans</text:span>"),
            "Several spaces inside spans\r"},
        BodyCase{"SpacesTabsAndLineBreaks",
                 p(R"(a<text:s text:c="3"/>b<text:tab/>c<text:line-break/>  d<text:s/>)"),
                 "a   b\tc\x0b"
                 "d \r"},
        BodyCase{"AbsurdSpaceCountIsBounded", p(R"(a<text:s text:c="2000000000"/>b)"),
                 "a" + std::string(1024, ' ') + "b\r"},
        BodyCase{
            "TableCellsCoveredCellsAndRows",
            "<table:table><table:table-column/><table:table-header-rows><table:table-row>"
            "<table:table-cell>" +
                p("h") +
                "</table:table-cell></table:table-row>"
                "</table:table-header-rows><table:table-row><table:table-cell>" +
                p("x") +
                "</table:table-cell><table:covered-table-cell/></table:table-row></table:table>",
            "h\r\x07\x07x\r\x07\x07"},
        BodyCase{"ImagesAreOnePictureAndTextBoxesNothing",
                 p("a" + Image + R"(<draw:frame><draw:text-box>)" + p("boxed") +
                   "</draw:text-box></draw:frame>b") +
                     Image,
                 "a\x01"
                 "b\r\x01\r"},
        BodyCase{"FieldsGiveTheirValue", p("Page <text:page-number>4</text:page-number> of 9"),
                 "Page 4\x15 of 9\r"},
        BodyCase{"TrackedChangesNotesAndAnnotationsAreLeftOut",
                 "<text:tracked-changes><text:changed-region><text:deletion>" + p("deleted") +
                     "</text:deletion></text:changed-region></text:tracked-changes>" +
                     p("kept<text:note><text:note-citation>1</text:note-citation><text:note-body>" +
                       p("note") + "</text:note-body></text:note><office:annotation>" +
                       p("comment") + "</office:annotation> text"),
                 "kept text\r"},
        BodyCase{
            "PageBreakStyles", p("before") + p("after", "Break") + p("end", "BreakAfter"),
            "before\r\x0c"
            "after\rend\x0c\r",
            R"(<style:style style:name="Break" style:family="paragraph"><style:paragraph-properties fo:break-before="page"/></style:style>)"
            R"(<style:style style:name="BreakAfter" style:family="paragraph"><style:paragraph-properties fo:break-after="page"/></style:style>)"}),
    [](const auto& info) { return std::string(info.param.label); });

struct SizeCase {
  const char* label;
  std::string body;
  float points;
};

void PrintTo(const SizeCase& c, std::ostream* os) {
  *os << c.label;
}

class OdtSizeTest : public ::testing::TestWithParam<SizeCase> {};

const std::string AutomaticStyles =
    R"(<style:style style:name="P1" style:family="paragraph" style:parent-style-name="Heading">)"
    R"(<style:text-properties fo:font-size="150%"/></style:style>)"
    R"(<style:style style:name="T1" style:family="text"><style:text-properties fo:font-size="9pt"/></style:style>)"
    R"(<style:style style:name="T2" style:family="text"><style:text-properties fo:font-size="200%"/></style:style>)"
    R"(<style:style style:name="T3" style:family="text"><style:text-properties fo:font-size="0.5in"/></style:style>)";
const std::string CommonStyles =
    R"(<style:default-style style:family="paragraph"><style:text-properties fo:font-size="11pt"/></style:default-style>)"
    R"(<style:style style:name="Heading" style:family="paragraph" style:parent-style-name="Base"/>)"
    R"(<style:style style:name="Base" style:family="paragraph"><style:text-properties fo:font-size="16pt"/></style:style>)";

TEST_P(OdtSizeTest, TakesTheSizeFromTheNearestStyleThatGivesOne) {
  const WordDocument doc = readBody(GetParam().body, AutomaticStyles, CommonStyles);
  ASSERT_EQ(doc.paragraphs.size(), 1u);
  ASSERT_EQ(doc.paragraphs[0].runs.size(), 1u);
  EXPECT_FLOAT_EQ(doc.paragraphs[0].runs[0].points, GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OdtSizeTest,
    ::testing::Values(
        SizeCase{"TextStyle", p(R"(<text:span text:style-name="T1">x</text:span>)", "P1"), 9},
        SizeCase{"TextStylePercentOfTheParagraph",
                 p(R"(<text:span text:style-name="T2">x</text:span>)", "Heading"), 32},
        SizeCase{"Inches", p(R"(<text:span text:style-name="T3">x</text:span>)"), 36},
        SizeCase{"ParagraphPercentOfItsParents", p("x", "P1"), 24},
        SizeCase{"ParentStyle", p("x", "Heading"), 16}, SizeCase{"DefaultStyle", p("x"), 11},
        SizeCase{"UnknownStyleTakesTheDefault", p("x", "Missing"), 11}),
    [](const auto& info) { return std::string(info.param.label); });

class OdtFileTest : public testing::DocumentFolderTest {};

TEST_F(OdtFileTest, DeeplyNestedListsAreRefused) {
  std::string body;
  for (int i = 0; i < 3000; ++i)
    body += "<text:list><text:list-item>";
  body += p("deep");
  for (int i = 0; i < 3000; ++i)
    body += "</text:list-item></text:list>";
  const std::string file = write("deep.odt", odt(body));
  EXPECT_EQ(readDocument(file).problem, NestedDocumentMessage + file);
}

TEST_F(OdtFileTest, ContentPastTheEntryLimitIsRefusedBeforeItIsRead) {
  std::vector<testing::RawEntry> entries = {
      testing::storedEntry("mimetype", "application/vnd.oasis.opendocument.text"),
      testing::inflatingEntry("content.xml", 1024)};
  const std::string file = write("bomb.odt", testing::rawZip(entries));
  EXPECT_EQ(readDocument(file).problem, LargeDocumentMessage + file);
}

} // namespace
} // namespace acquisition
