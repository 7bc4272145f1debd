// HTML to text: the text to read from a web page copied out of a browser.
// The page's text is taken whole, but navigation blocks made mostly of links
// are cut out, the entries of drop-down lists and radio groups are cut out,
// headings standing alone on their lines get empty lines around them,
// paragraphs get a line break after them, and the page's title (or, when it
// has none, the one given) comes first, followed by an empty line.
//
// Links: the container of a link is its nearest ancestor that is neither a
// link nor a span. A container is weighed once: the text of the links inside
// it that hold no further link, against the whole of its text; above 0.6 it
// is a link block and is cut out with the line break before it. A container
// in bold or a top heading (B, STRONG, H1, H2) never is one, nor is one that
// holds a single element whose text is more than 2 characters shorter than
// its own.
//
// The page is never changed: where the entries of OPTION and RADIO elements
// are marked to be cut out, the marks are put in the text only.
#pragma once

#include <string>
#include <string_view>

namespace acquisition {

// The largest page converted; the rest of a larger one is left out.
inline constexpr std::size_t MaxHtmlBytes = 8u << 20;

inline constexpr const char* PageCutMessage =
    "This page is too large or too complex to be read whole; part of it was left out.";

struct HtmlText {
  std::string text;    // code page 1252, CR line ends
  std::string problem; // PageCutMessage when part of the page was left out
};

// `html` as it came from the clipboard (UTF-8; other bytes are read as code
// page 1252); `windowTitle` (UTF-8), without its browser's suffix, is used
// when the page has no <title>.
HtmlText htmlToText(std::string_view html, std::string_view windowTitle = {});

// A browser window's title without the browser's name at its end
// ("Harbour news - Mozilla Firefox" gives "Harbour news"), trimmed.
std::string withoutBrowserSuffix(std::string_view windowTitle);

} // namespace acquisition
