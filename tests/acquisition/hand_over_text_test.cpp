#include "acquisition/hand_over_text.h"

#include <gtest/gtest.h>

namespace acquisition {
namespace {

struct TextCase {
  const char* label;
  std::string input;
  std::string expected;
};

class FinishDocumentTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FinishDocumentTextTest, GivesTheTextTheEngineReads) {
  const TextCase& c = GetParam();
  EXPECT_EQ(finishDocumentText(c.input), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Blank, FinishDocumentTextTest,
    ::testing::Values(TextCase{"empty", "", "The document is empty"},
                      TextCase{"spaces", "    ", "The document is empty"},
                      TextCase{"line ends and tabs", "\r\r\t \r", "The document is empty"},
                      TextCase{"control characters", std::string("\x01\x00\x1f", 3),
                               "The document is empty"}));

INSTANTIATE_TEST_SUITE_P(
    FiveSpaces, FinishDocumentTextTest,
    ::testing::Values(TextCase{"one space stays", "one two", "one two"},
                      TextCase{"four stay", "one    two", "one    two"},
                      TextCase{"five join the words", "one     two", "onetwo"},
                      TextCase{"six leave one", "one      two", "one two"},
                      TextCase{"seven leave two", "one       two", "one  two"},
                      TextCase{"ten vanish", "one          two", "onetwo"},
                      TextCase{"eleven leave one", "one           two", "one two"},
                      TextCase{"each run on its own", "a     b c      d", "ab c d"},
                      TextCase{"line breaks are not spaces", "a\r\r\r\r\rb", "a\r\r\r\r\rb"}));

INSTANTIATE_TEST_SUITE_P(
    Trimming, FinishDocumentTextTest,
    ::testing::Values(TextCase{"both ends", "\r\n\t  Title\rBody.  \r\r", "Title\rBody."},
                      TextCase{"inner white space stays", "a \r\t b", "a \r\t b"},
                      // 0xA0 (no-break space) and 0x85 (ellipsis) are above 32.
                      TextCase{"high bytes stay", "\xA0word\x85", "\xA0word\x85"},
                      TextCase{"trailing padding after a run", "end.     \r  ", "end."}));

struct ReplyCase {
  const char* label;
  std::string input;
  std::string expected;
};

class HideReplyCharactersTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(HideReplyCharactersTest, RemovesMarksAtLineStarts) {
  const ReplyCase& c = GetParam();
  EXPECT_EQ(hideReplyCharacters(c.input), c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Marks, HideReplyCharactersTest,
    ::testing::Values(ReplyCase{"one mark goes", "Hi\r> quoted", "Hi\r quoted"},
                      ReplyCase{"two marks with a space both go", "Hi\r> > quoted", "Hi\r quoted"},
                      ReplyCase{"mark space mark", "Hi\r> >quoted", "Hi\rquoted"},
                      ReplyCase{"of two adjacent marks one stays", "Hi\r>>quoted", "Hi\r>quoted"},
                      ReplyCase{"first line keeps its marks", "> first\r> second",
                                "> first\r second"},
                      ReplyCase{"first line keeps adjacent marks", ">>first", ">>first"},
                      ReplyCase{"deep nesting with spaces", "a\r> > > > x", "a\r x"},
                      ReplyCase{"space before the first mark", "a\r >x", "a\rx"},
                      ReplyCase{"mark inside a line stays", "a > b\rc", "a > b\rc"},
                      ReplyCase{"every line", "a\r>b\r>c\r> >d", "a\rb\rc\rd"},
                      ReplyCase{"no marks", "plain\rtext", "plain\rtext"},
                      ReplyCase{"empty", "", ""}));

} // namespace
} // namespace acquisition
