#include "acquisition/html_text_passes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

namespace acquisition {
namespace {

// The rounds as written: one replace-all per entry, each over the text the
// last one left.
std::string headingsOneByOne(std::string text, const std::vector<std::string>& headings) {
  for (const std::string& h : headings)
    if (!h.empty()) text = engine::replaceAll(text, "\r" + h + "\r", "\r\r" + h + "\r\r");
  return text;
}
std::string paragraphsOneByOne(std::string text, const std::vector<std::string>& paragraphs) {
  for (const std::string& p : paragraphs)
    if (!p.empty()) text = engine::replaceAll(text, p, p + "\r");
  return text;
}
std::string removalsOneByOne(std::string text, const std::vector<std::string>& removals) {
  for (const std::string& r : removals)
    text = engine::replaceAll(text, r, "\r");
  return text;
}

PassBudget ample() {
  return PassBudget{1u << 30, 1u << 30, false};
}

// Texts and lists over a few characters, so that entries overlap, repeat,
// stand next to each other and hold one another.
class RandomPages {
public:
  explicit RandomPages(unsigned seed) : random_(seed) {}

  std::string text(std::size_t maxLength, std::string_view alphabet) {
    std::string out(pick(maxLength), ' ');
    for (char& c : out)
      c = alphabet[pick(alphabet.size() - 1)];
    return out;
  }

  // Entries taken from the text, made up, or repeated.
  std::vector<std::string> list(const std::string& from, std::string_view alphabet) {
    std::vector<std::string> out(pick(8));
    for (std::string& e : out) {
      const std::size_t kind = pick(3);
      if (kind == 0 && !from.empty()) {
        const std::size_t start = pick(from.size() - 1);
        e = from.substr(start, 1 + pick(std::min<std::size_t>(6, from.size() - start - 1)));
      } else if (kind == 1 && &e != &out[0]) {
        e = out[pick(static_cast<std::size_t>(&e - &out[0]) - 1)];
      } else {
        e = text(4, alphabet);
      }
    }
    return out;
  }

  std::size_t pick(std::size_t max) {
    return std::uniform_int_distribution<std::size_t>(0, max)(random_);
  }

private:
  std::mt19937 random_;
};

using Round = std::string (*)(std::string_view, const std::vector<std::string>&, PassBudget&);

// Each round against the round as written, on random pages. Headings and
// paragraphs come without CR, as the page gives them (a paragraph of two
// lines now and then); removals hold CRs and may match across the CR an
// earlier one left.
TEST(HtmlTextPasses, EachRoundGivesWhatOneReplaceAllPerEntryGives) {
  const struct {
    const char* name;
    Round round;
    std::string (*oneByOne)(std::string, const std::vector<std::string>&);
    unsigned seed;
    int pages;
    std::string_view textAlphabet, listAlphabet;
  } cases[] = {
      {"headings", surroundHeadings, headingsOneByOne, 17, 4000, "ab \r\r\r", "ab "},
      {"paragraphs", breakAfterParagraphs, paragraphsOneByOne, 29, 4000, "aab \r", "ab "},
      {"removals", cutRemovals, removalsOneByOne, 43, 6000, "ab\r\r", "ab\r"},
  };
  for (const auto& c : cases) {
    RandomPages pages(c.seed);
    for (int i = 0; i < c.pages; ++i) {
      const std::string text = pages.text(c.round == surroundHeadings ? 40 : 50, c.textAlphabet);
      std::vector<std::string> list = pages.list(text, c.listAlphabet);
      if (c.round != cutRemovals)
        for (std::string& entry : list)
          entry = std::string(engine::replaceAll(entry, "\r", ""));
      if (c.round == breakAfterParagraphs && pages.pick(4) == 0) list.push_back("a\r\nb");
      PassBudget budget = ample();
      ASSERT_EQ(c.round(text, list, budget), c.oneByOne(text, list)) << c.name << " " << i;
    }
  }
}

TEST(HtmlTextPasses, ARemovalMatchesAcrossTheLineBreakAnEarlierOneLeft) {
  // Two inline link blocks side by side: removing the first puts a CR before the second.
  const std::string text = "Page\rHomeAbout\rText";
  const std::vector<std::string> removals = {"\rHome", "\rAbout"};
  PassBudget budget = ample();
  EXPECT_EQ(cutRemovals(text, removals, budget), "Page\r\rText");
  EXPECT_EQ(removalsOneByOne(text, removals), "Page\r\rText");
}

TEST(HtmlTextPasses, RepeatedHeadingsOnAdjacentLinesSettle) {
  std::string text = "Top";
  for (int i = 0; i < 30; ++i)
    text += "\rSame";
  text += "\rEnd";
  const std::vector<std::string> headings(25, "Same");
  PassBudget budget = ample();
  EXPECT_EQ(surroundHeadings(text, headings, budget), headingsOneByOne(text, headings));
}

// A list built to make the text explode stops at the budget and says so.
TEST(HtmlTextPasses, StopsWhenTheBudgetRunsOut) {
  std::string text;
  for (int i = 0; i < 3000; ++i)
    text += "a\r";
  const std::vector<std::string> list(3000, "a");
  for (const Round round : {surroundHeadings, breakAfterParagraphs}) {
    PassBudget budget{1u << 20, 10000, false};
    const std::string out = round(text, list, budget);
    EXPECT_TRUE(budget.exhausted);
    EXPECT_LE(out.size(), text.size() + 10000);
  }
}

} // namespace
} // namespace acquisition
