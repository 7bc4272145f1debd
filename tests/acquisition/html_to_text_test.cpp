#include "acquisition/html_to_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "acquisition/html_nesting.h"
#include "acquisition/html_text_passes.h"
#include "engine/text_helpers.h"

namespace acquisition {
namespace {

TEST(HtmlToText, GivesThePagesTextWithoutItsClutter) {
  const struct {
    const char* label;
    std::string html;
    std::string text;
    std::string windowTitle = "";
  } cases[] = {
      // A menu bar of mostly links goes, with the line break before it; a
      // CR stands where it was.
      {"MenuBarOfLinksIsRemoved",
       "<title>News</title><div id=menu><a href=/>Home</a> | <a href=/w>World</a> | "
       "<a href=/s>Sport</a></div><p>Storm reaches the coast tonight.</p>",
       "News\r\r\rStorm reaches the coast tonight."},
      {"ListOfLinksIsRemovedItemByItem",
       "<title>T</title><ul><li><a href=/>Home</a></li><li><a href=/b>Blog</a></li></ul>"
       "<p>Story.</p>",
       "T\r\r\r\rStory."},
      {"LinksInATextAreKept", "<title>T</title><p>By <a href=/ann>Ann Reed</a>, 12 March</p>",
       "T\r\rBy Ann Reed, 12 March"},
      {"BoldAndTopHeadingContainersAreNeverLinkBlocks",
       "<title>T</title><p><b><a href=1>One</a> <a href=2>Two</a></b> and more</p>"
       "<h2><a href=3>Chapter link</a></h2><h3><a href=4>Small link</a></h3>"
       "<strong><a href=5>Strong link</a></strong>",
       "T\r\rOne Two and more\r\r\rChapter link\r\r\r\r\rStrong link"},
      {"SingleElementMuchShorterThanItsContainerIsNoLinkBlock",
       "<title>T</title><div><a href=#>Read the full story</a> now</div>"
       "<div><a href=#>Read the full story</a>!</div><p>x</p>",
       "T\r\rRead the full story now\r\rx"},
      {"DropDownAndRadioEntriesVanish",
       "<title>T</title><form><label>Country</label> <select><option>France</option>"
       "<option> Spain </option></select></form><p>After the form.</p>"
       "<div>Pick <radio>Small</radio><radio>Large</radio></div>",
       "T\r\rCountry\r\r\r\r\rAfter the form.\r\rPick"},
      {"HeadingAloneOnItsLineGetsEmptyLines",
       "<title>T</title><p>Before.</p><h3>Alone</h3><p>Text with <strong>inline</strong> "
       "words.</p>",
       "T\r\rBefore.\r\r\rAlone\r\rText with inline words."},
      {"TitledPageStartsWithTitleAndAnEmptyLine",
       "<html><head><title>  Page \n Title </title></head><body>Body.</body></html>",
       "Page Title\r\rBody.", "Window title"},
      {"WindowTitleWithoutTheBrowserWhenThePageHasNone", "<body><p>Body.</p></body>",
       "Window title\r\rBody.", "Window title - Mozilla Firefox"},
      {"HiddenPartsAndFragmentMarksNeverReachTheText",
       "<body><!--StartFragment--><script>var hidden=1;</script><style>p{color:red}"
       "</style><template><p>template text</p></template><noscript>no script</noscript>"
       "<p hidden>hidden</p><div style='display: none'>none</div><input value=typed>"
       "<textarea>draft</textarea><p>Visible</p><!--EndFragment--></body>",
       "Visible"},
      {"ParagraphWithALineBreakGetsNoExtraBreak",
       "<p>Line one<br>Line two</p><p>Next</p><p>Last</p>", "Line one\rLine two\rNext\r\rLast"},
      {"TableCellsAreSeparatedByTabs",
       "<table><tr><th>a</th><td>b</td></tr><tr><td></td><td>c</td></tr></table>", "a\tb\r\tc"},
      {"PreformattedTextKeepsItsSpacesAndLines", "<pre>x  =  1\n  y = 2</pre>", "x  =  1\r y = 2"},
      {"WhiteSpaceCollapses", "<div>  many \n\t spaces <span> here </span> </div>",
       "many spaces here"},
      {"CodePage1252", "<p>Caf\xC3\xA9 &euro;5 &middot; \xE2\x98\x83</p>",
       "Caf\xE9 \x80"
       "5 \xB7 ?"},
      {"BytesThatAreNotUtf8ReadAsCodePage1252", "<p>Caf\xE9 cr\xE8me</p>", "Caf\xE9 cr\xE8me"},
      {"ClipboardHeaderIsSkipped",
       "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000150\r\n<p>Copied.</p>", "Copied."},
      {"EmptyPage", "", ""}};
  for (const auto& c : cases) {
    const HtmlText out = htmlToText(c.html, c.windowTitle);
    EXPECT_EQ(out.text, c.text) << c.label;
    EXPECT_EQ(out.problem, "") << c.label;
  }
}

TEST(HtmlToTextWindowTitle, LosesTheBrowsersNameOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Harbour news - Mozilla Firefox", "Harbour news"},
      {" Tides \xE2\x80\x93 Google Chrome ", "Tides"},
      {"A - B - Web", "A - B"},
      {"Harbour news - Mousepad", "Harbour news - Mousepad"},
      {"Firefox", "Firefox"},
      {"", ""}};
  for (const auto& [title, expected] : cases)
    EXPECT_EQ(withoutBrowserSuffix(title), expected) << title;
}

// Gumbo frees its tree by recursion; nesting this deep must neither overflow
// the stack nor take long.
TEST(HtmlToTextHostile, DeeplyNestedElementsAreConverted) {
  std::string html;
  for (int i = 0; i < 200000; ++i)
    html += "<div>";
  EXPECT_EQ(htmlToText(html + "deep text").text, "deep text");
}

// Two levels allowed: what lies deeper loses its tags and keeps its text.
TEST(HtmlNesting, TagsBeyondTheDepthGoTheirTextStays) {
  const std::pair<const char*, const char*> cases[] = {
      {"<div><div><div>three</div></div></div>", "<div><div>three</div></div>"},
      {"<b><i><u title='a>b'>x</u></i></b><b>y</b>", "<b><i>x</i></b><b>y</b>"},
      {"<ul><li>a<li>b<li><div><div><p>c</div></div></ul>",
       "<ul><li>a<li>b<li><div><p>c</div></ul>"},
      {"<div><div><script>if (a<b) x = '<div>';</script><br/><!-- <div><div> --></div></div>",
       "(unchanged)"},
      {"<DIV><Div><div>x</DIV></div></div>", "<DIV><Div>x</div></div>"},
  };
  for (const auto& [html, expected] : cases)
    EXPECT_EQ(flattenDeepNesting(html, 2).value_or("(unchanged)"), expected) << html;
}

// Thousands of one-letter paragraphs, or a page beyond the limit, are cut with a message.
TEST(HtmlToTextHostile, AnOversizedPageIsCutWithAMessage) {
  std::string paragraphs;
  for (int i = 0; i < 20000; ++i)
    paragraphs += "<p>a</p>";
  const HtmlText many = htmlToText(paragraphs);
  EXPECT_EQ(many.problem, PageCutMessage);
  EXPECT_LE(many.text.size(), 8u << 20);

  const HtmlText long_ = htmlToText("<p>start</p>" + std::string(MaxHtmlBytes, 'x') + "<p>end</p>");
  EXPECT_EQ(long_.problem, PageCutMessage);
  EXPECT_EQ(long_.text.substr(0, 7), "start\r\r");
  EXPECT_EQ(long_.text.find("end"), std::string::npos);
}

TEST(HtmlToTextHostile, MalformedMarkupStillGivesItsText) {
  const HtmlText out = htmlToText("<p>open <b>bold <i>both</p> after</b> <a href='x>broken");
  EXPECT_EQ(out.problem, "");
  EXPECT_NE(out.text.find("open bold both"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("after"), std::string::npos) << out.text;
}

// The passes as written: one replace-all per entry, each over the text the
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

using Round = std::string (*)(std::string_view, const std::vector<std::string>&, PassBudget&);
using OneByOne = std::string (*)(std::string, const std::vector<std::string>&);

// Each round against the round as written, on random pages over a few
// characters, so that entries overlap, repeat, stand side by side and hold one
// another. Headings and paragraphs come without CR, as the page gives them (a
// paragraph of two lines now and then); removals hold CRs and may match across
// the CR an earlier one left.
TEST(HtmlTextPasses, EachRoundGivesWhatOneReplaceAllPerEntryGives) {
  const struct {
    const char* name;
    Round round;
    OneByOne oneByOne;
    unsigned seed;
    int pages;
    std::size_t length;
    std::string_view textAlphabet, listAlphabet;
  } cases[] = {
      {"headings", surroundHeadings, headingsOneByOne, 17, 4000, 40, "ab \r\r\r", "ab "},
      {"paragraphs", breakAfterParagraphs, paragraphsOneByOne, 29, 4000, 50, "aab \r", "ab "},
      {"removals", cutRemovals, removalsOneByOne, 43, 6000, 50, "ab\r\r", "ab\r"},
  };
  for (const auto& c : cases) {
    std::mt19937 random(c.seed);
    const auto pick = [&](std::size_t max) {
      return std::uniform_int_distribution<std::size_t>(0, max)(random);
    };
    const auto randomText = [&](std::size_t maxLength, std::string_view alphabet) {
      std::string out(pick(maxLength), ' ');
      for (char& ch : out)
        ch = alphabet[pick(alphabet.size() - 1)];
      return out;
    };
    for (int i = 0; i < c.pages; ++i) {
      const std::string text = randomText(c.length, c.textAlphabet);
      // Entries taken from the text, repeated, or made up.
      std::vector<std::string> list(pick(8));
      for (std::size_t e = 0; e < list.size(); ++e) {
        const std::size_t kind = pick(3);
        if (kind == 0 && !text.empty()) {
          const std::size_t start = pick(text.size() - 1);
          list[e] = text.substr(start, 1 + pick(std::min<std::size_t>(6, text.size() - start - 1)));
        } else if (kind == 1 && e > 0) {
          list[e] = list[pick(e - 1)];
        } else {
          list[e] = randomText(4, c.listAlphabet);
        }
        if (c.round != cutRemovals) list[e] = std::string(engine::replaceAll(list[e], "\r", ""));
      }
      if (c.round == breakAfterParagraphs && pick(4) == 0) list.push_back("a\r\nb");
      PassBudget budget{1u << 30, 1u << 30, false};
      ASSERT_EQ(c.round(text, list, budget), c.oneByOne(text, list)) << c.name << " " << i;
    }
  }
}

// Two inline link blocks side by side: removing the first puts a CR before
// the second. Repeated headings on adjacent lines settle.
TEST(HtmlTextPasses, EdgeCasesGiveWhatOneReplaceAllPerEntryGives) {
  std::string repeated = "Top";
  for (int i = 0; i < 30; ++i)
    repeated += "\rSame";
  PassBudget budget{1u << 30, 1u << 30, false};
  EXPECT_EQ(cutRemovals("Page\rHomeAbout\rText", {"\rHome", "\rAbout"}, budget), "Page\r\rText");
  const std::vector<std::string> headings(25, "Same");
  EXPECT_EQ(surroundHeadings(repeated + "\rEnd", headings, budget),
            headingsOneByOne(repeated + "\rEnd", headings));
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
