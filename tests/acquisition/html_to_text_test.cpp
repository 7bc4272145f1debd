#include "acquisition/html_to_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "acquisition/html_nesting.h"
#include "acquisition/html_page.h"

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
      {"DropDownEntriesVanish",
       "<title>T</title><form><label>Country</label> <select><option>France</option>"
       "<option> Spain </option></select></form><p>After the form.</p>",
       "T\r\rCountry\r\r\r\r\rAfter the form."},
      {"RadioEntriesVanish",
       "<title>T</title><div>Pick <radio>Small</radio><radio>Large</radio></div>", "T\r\rPick"},
      {"HeadingAloneOnItsLineGetsEmptyLines",
       "<title>T</title><p>Before.</p><h3>Alone</h3><p>Text with <strong>inline</strong> "
       "words.</p>",
       "T\r\rBefore.\r\r\rAlone\r\rText with inline words."},
      {"TitledPageStartsWithTitleAndAnEmptyLine",
       "<html><head><title>  Page \n Title </title></head><body>Body.</body></html>",
       "Page Title\r\rBody.", "Window title"},
      {"WindowTitleWithoutTheBrowserWhenThePageHasNone", "<body><p>Body.</p></body>",
       "Window title\r\rBody.", "Window title - Mozilla Firefox"},
      {"NoTitleAtAll", "<p>One.</p><p>Two.</p>", "One.\r\rTwo."},
      {"HiddenPartsAndFragmentMarksNeverReachTheText",
       "<body><!--StartFragment--><script>var hidden=1;</script><style>p{color:red}"
       "</style><template><p>template text</p></template><noscript>no script</noscript>"
       "<p hidden>hidden</p><div style='display: none'>none</div><input value=typed>"
       "<textarea>draft</textarea><p>Visible</p><!--EndFragment--></body>",
       "Visible"},
      {"ParagraphWithALineBreakGetsNoExtraBreak", "<p>Line one<br>Line two</p><p>Next</p>",
       "Line one\rLine two\rNext"},
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

// A news page shaped like a real one: navigation bar, search form with a
// drop-down list, headline, bold words and a bold link in the text, a list of
// links beside it and a footer of links.
TEST(HtmlToTextPage, ANewsPageKeepsItsStoryAndLosesItsMenusFormsAndFooter) {
  std::ifstream in(LUMETRA_SOURCE_DIR "/tests/acquisition/data/gazette.html", std::ios::binary);
  const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ASSERT_FALSE(html.empty());
  const HtmlText out = htmlToText(html, "ignored: the page has a title");
  EXPECT_EQ(out.text,
            "Harbour Town Gazette \x96 Storm closes the ferry\r\r\r\r\r\r\r\r\r"
            "Go\r\r"
            "Storm closes the ferry\r\r"
            "By Ann Reed, 12 March\r\r"
            "The morning ferry did not sail today after winds of ninety kilometres an hour "
            "reached the harbour.\r\r\r"
            "What travellers should do\r\r"
            "Passengers can use their tickets on any sailing this week, the operator said in a "
            "statement, and the new timetable is online.\r\r"
            "Schools in the town stay open.\r\r\r"
            "Most read\r\r\r\r\r\r"
            "\xA9 2024 Harbour Town Gazette");
}

TEST(HtmlToTextWindowTitle, LosesTheBrowsersNameOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"Harbour news - Mozilla Firefox", "Harbour news"},
      {"Harbour news \xE2\x80\x94 Chromium", "Harbour news"},
      {" Tides \xE2\x80\x93 Google Chrome ", "Tides"},
      {"A - B - Web", "A - B"},
      {"Harbour news - Mousepad", "Harbour news - Mousepad"},
      {"Firefox", "Firefox"},
      {"", ""}};
  for (const auto& [title, expected] : cases)
    EXPECT_EQ(withoutBrowserSuffix(title), expected) << title;
}

TEST(HtmlPage, EachElementRendersItsStretchOfThePageText) {
  const HtmlPage page =
      parseHtmlPage("<body><div> <a href=x> Home </a> <span>and <b>more</b></span></div>"
                    "<p>Para</p><br><select><option>O</option></select></body>");
  std::vector<std::string> texts;
  for (const HtmlElement& e : page.elements)
    texts.push_back(page.text.substr(static_cast<std::size_t>(e.textStart),
                                     static_cast<std::size_t>(e.textEnd - e.textStart)));
  EXPECT_EQ(page.text, "Home and more\r\nPara\r\n\r\n\r\nO");
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Home and more\r\nPara\r\n\r\n\r\nO", "Home and more", "Home",
                                      "and more", "more", "Para", "\r\n", "O", "O"}));
  EXPECT_EQ(page.elements[2].tag, HtmlTag::A);
  EXPECT_EQ(page.elements[1].end, 5);
  EXPECT_EQ(page.elements[4].parent, 3);
}

// Gumbo frees its tree by recursion; nesting this deep must neither overflow
// the stack nor take long.
TEST(HtmlToTextHostile, DeeplyNestedElementsAreConverted) {
  std::string html;
  for (int i = 0; i < 200000; ++i)
    html += "<div>";
  html += "deep text";
  const HtmlText out = htmlToText(html);
  EXPECT_EQ(out.text, "deep text");
}

// Two levels allowed: what lies deeper loses its tags and keeps its text.
TEST(HtmlNesting, TagsBeyondTheDepthGoTheirTextStays) {
  const std::pair<const char*, const char*> cases[] = {
      {"<div><div><div>three</div></div></div>", "<div><div>three</div></div>"},
      {"<b><i><u title='a>b'>x</u></i></b><b>y</b>", "<b><i>x</i></b><b>y</b>"},
      {"<ul><li>a<li>b<li><div><div><p>c</div></div></ul>",
       "<ul><li>a<li>b<li><div><p>c</div></ul>"},
      {"<div><div><script>if (a<b) x = '<div>';</script><br/><!-- <div><div> --></div></div>",
       nullptr},
      {"<DIV><Div><div>x</DIV></div></div>", "<DIV><Div>x</div></div>"},
  };
  for (const auto& [html, expected] : cases) {
    const std::optional<std::string> out = flattenDeepNesting(html, 2);
    if (expected == nullptr) {
      EXPECT_FALSE(out.has_value()) << html;
    } else {
      EXPECT_EQ(out.value_or("(unchanged)"), expected) << html;
    }
  }
}

TEST(HtmlToTextHostile, ThousandsOfOneLetterParagraphsAreCutWithAMessage) {
  std::string html;
  for (int i = 0; i < 20000; ++i)
    html += "<p>a</p>";
  const HtmlText out = htmlToText(html);
  EXPECT_EQ(out.problem, PageCutMessage);
  EXPECT_LE(out.text.size(), 8u << 20);
}

TEST(HtmlToTextHostile, APageBeyondTheLimitIsCutWithAMessage) {
  std::string html = "<p>start</p>";
  html += std::string(MaxHtmlBytes, 'x');
  html += "<p>end</p>";
  const HtmlText out = htmlToText(html);
  EXPECT_EQ(out.problem, PageCutMessage);
  EXPECT_EQ(out.text.substr(0, 7), "start\r\r");
  EXPECT_EQ(out.text.find("end"), std::string::npos);
}

TEST(HtmlToTextHostile, MalformedMarkupStillGivesItsText) {
  const HtmlText out = htmlToText("<p>open <b>bold <i>both</p> after</b> <a href='x>broken");
  EXPECT_EQ(out.problem, "");
  EXPECT_NE(out.text.find("open bold both"), std::string::npos) << out.text;
  EXPECT_NE(out.text.find("after"), std::string::npos) << out.text;
}

} // namespace
} // namespace acquisition
