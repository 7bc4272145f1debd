#include "acquisition/word_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace acquisition {
namespace {

// The word processor's marks become the line breaks the engine reads.
TEST(NormaliseWordText, TurnsSpecialCharactersIntoLineBreaks) {
  const struct {
    const char* label;
    std::string raw;
    std::string expected;
  } cases[] = {{"ParagraphEndIsTwoLineBreaks", "One\rTwo\r", "One\r\rTwo"},
               {"LineBreakIsOne", "One\x0bTwo\r", "One\rTwo"},
               {"PageBreakIsThree", "One\x0cTwo\r", "One\r\r\rTwo"},
               {"LineBreakBeforeParagraphEndAddsNothing", "One\x0b\rTwo", "One\r\rTwo"},
               {"LineBreakAfterParagraphEndAddsNothing", "One\r\x0bTwo", "One\r\rTwo"},
               {"SpaceBeforeParagraphEndGoes", "One \rTwo", "One\r\rTwo"},
               {"CellMarkEndsALine",
                "a\x07"
                "b\x07\x07"
                "c",
                "a\rb\r\rc"},
               {"FieldEndsGo", "x\x15y\x15", "xy"},
               {"LineFeedEndsALine", "One\nTwo", "One\rTwo"},
               {"EndIsTrimmed", "Last words \r\r\x0c", "Last words"},
               {"StartIsKept", "\rText", "\r\rText"}};
  for (const auto& c : cases) {
    WordDocument doc;
    doc.text = c.raw;
    const WordText out = normaliseWordText(doc);
    EXPECT_EQ(out.text, c.expected) << c.label;
    EXPECT_TRUE(out.graphics.empty()) << c.label;
  }
}

TEST(NormaliseWordTextMarks, AMarkAtTheEndStaysInsideTheText) {
  WordDocument doc;
  doc.text = "Words\r\x01\r";
  const WordText out = normaliseWordText(doc);
  ASSERT_EQ(out.graphics.size(), 1u);
  EXPECT_EQ(out.graphics[0].position, static_cast<std::int32_t>(out.text.size()));
}

TEST(NormaliseWordTextMarks, AtMostTheTableOfMarksFitsAndTablesComeFirst) {
  WordDocument doc;
  for (int i = 0; i < 5; ++i) {
    doc.tables.push_back({static_cast<std::int32_t>(doc.text.size()), 2});
    doc.text += "t\x07";
  }
  doc.text += std::string(engine::MaxGraphicPositions, PictureChar);
  const WordText out = normaliseWordText(doc);
  ASSERT_EQ(out.graphics.size(), engine::MaxGraphicPositions);
  int tables = 0;
  for (const auto& g : out.graphics)
    tables += g.mark == 0;
  EXPECT_EQ(tables, 5);
}

struct Para {
  std::vector<std::pair<std::string, float>> runs;
};

WordDocument documentOf(const std::vector<Para>& paragraphs) {
  WordDocumentBuilder b(1 << 20);
  for (const Para& p : paragraphs) {
    for (const auto& [text, points] : p.runs)
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
      {"Larger", {{{{"Title", 16}}}, {{{"Body text.", 11}}}}, "Title", true},
      {"SameSize", {{{{"Title", 11}}}, {{{"Body text.", 11}}}}, "Title", false},
      {"Smaller", {{{{"Title", 9}}}, {{{"Body text.", 11}}}}, "Title", false},
      {"SmallestRunCounts",
       {{{{"Big ", 18}, {"title", 12}}}, {{{"Body", 12}}}},
       "Big title",
       false},
      {"FirstRunOfTheTextAfterCounts",
       {{{{"Title", 14}}}, {{{"Body ", 12}, {"large", 20}}}},
       "Title",
       true},
      {"WhiteSpaceOnlyRunsDoNotCount",
       {{{{"Title", 14}, {"  ", 8}}}, {{{" ", 30}, {"Body", 12}}}},
       "Title",
       true},
      {"EmptyParagraphsAreSkipped",
       {{{{"Title", 14}}}, {}, {{{" ", 10}}}, {{{"Body", 12}}}},
       "Title",
       true},
      {"SpacingDiffers", {{{{"Big  \t Title", 16}}}, {{{"Body", 11}}}}, "  Big Title\r", true},
      {"BeginningOfAParagraph",
       {{{{"Chapter one. The start", 16}}}, {{{"Body", 11}}}},
       "Chapter one.",
       true},
      {"EqualParagraphFoundBeforeABeginning",
       {{{{"Intro text", 30}}}, {{{"Body", 8}}}, {{{"Intro", 10}}}, {{{"More", 12}}}},
       "Intro",
       false},
      {"NotFoundIsKept", {{{{"Title", 10}}}, {{{"Body", 12}}}}, "Elsewhere", true},
      {"NothingAfterIsDropped", {{{{"Body", 10}}}, {{{"The end", 20}}}}, "The end", false}};
  for (const auto& c : cases)
    EXPECT_EQ(HeadingFontTest(documentOf(c.paragraphs))(c.candidate), c.larger) << c.label;
}

TEST(WordDocumentBuilder, RecordsOnlyTopLevelTablesAndOnlyParagraphsOutsideTables) {
  WordDocumentBuilder b(1 << 20);
  b.addText("Before", 12);
  b.endParagraph();
  b.beginTable();
  b.addText("cell", 12);
  b.beginTable();
  b.addText("inner", 12);
  b.endCell();
  b.endRow();
  b.endTable();
  b.endCell();
  b.endRow();
  b.endTable();
  b.addText("After", 12);
  const WordDocument doc = b.finish();
  EXPECT_EQ(doc.text, "Before\rcell\rinner\r\x07\x07\x07\x07"
                      "After\r");
  ASSERT_EQ(doc.tables.size(), 1u);
  EXPECT_EQ(doc.text.substr(static_cast<std::size_t>(doc.tables[0].start),
                            static_cast<std::size_t>(doc.tables[0].length)),
            "cell\rinner\r\x07\x07\x07\x07");
  ASSERT_EQ(doc.paragraphs.size(), 2u);
  EXPECT_EQ(doc.paragraphs[1].span, (TextSpan{static_cast<std::int32_t>(doc.text.size()) - 6, 5}));
}

TEST(WordDocumentBuilder, RefusesTextPastItsLimit) {
  WordDocumentBuilder b(10);
  b.addText("123456789", 12);
  EXPECT_THROW(b.addText("ab", 12), std::exception);
}

} // namespace
} // namespace acquisition
