#include "acquisition/html_to_text.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "acquisition/html_nesting.h"
#include "acquisition/html_page.h"
#include "acquisition/html_text_passes.h"
#include "engine/text_helpers.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

constexpr double LinkRatio = 0.6;
constexpr double Disqualified = -1000000;
constexpr std::string_view Marker = "__#@#";

bool isSpace(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool isHeadingTag(HtmlTag t) {
  switch (t) {
  case HtmlTag::B:
  case HtmlTag::Strong:
  case HtmlTag::H1:
  case HtmlTag::H2:
  case HtmlTag::H3:
  case HtmlTag::H4:
  case HtmlTag::H5:
  case HtmlTag::H6:
    return true;
  default:
    return false;
  }
}

bool isBoldContainer(HtmlTag t) {
  return t == HtmlTag::B || t == HtmlTag::Strong || t == HtmlTag::H1 || t == HtmlTag::H2;
}

// Clipboard HTML from some programs starts with a header of offsets.
std::string_view withoutClipboardHeader(std::string_view html) {
  if (!html.starts_with("Version:")) return html;
  const std::size_t tag = html.find('<');
  return tag == std::string_view::npos ? std::string_view() : html.substr(tag);
}

// What the walk gathers, and the page as the walk reads it: the text of an
// element read during the walk holds the marks of the list entries met
// before, as the page would after they were marked.
class Walk {
public:
  Walk(const HtmlPage& page, PassBudget& budget) : page_(page), budget_(budget) {
    const std::size_t n = page.elements.size();
    trimStart_.resize(n);
    trimEnd_.resize(n);
    hasLink_.assign(n, 0);
    leafLinks_.assign(n, 0);
    examined_.assign(n, -1);
    for (std::size_t i = 0; i < n; ++i) {
      const HtmlElement& e = page.elements[i];
      std::int32_t s = e.textStart;
      std::int32_t t = e.textEnd;
      while (s < t && isSpace(page.text[static_cast<std::size_t>(s)]))
        ++s;
      while (t > s && isSpace(page.text[static_cast<std::size_t>(t - 1)]))
        --t;
      trimStart_[i] = s;
      trimEnd_[i] = t;
    }
    for (std::size_t i = n; i-- > 1;) {
      const HtmlElement& e = page.elements[i];
      const auto parent = static_cast<std::size_t>(e.parent);
      const bool leaf = e.tag == HtmlTag::A && !hasLink_[i];
      if (e.tag == HtmlTag::A || hasLink_[i]) hasLink_[parent] = 1;
      leafLinks_[parent] += leafLinks_[i] + (leaf ? trimmedLength(i) : 0);
    }
    for (std::size_t i = 0; i < n; ++i) {
      const HtmlTag t = page.elements[i].tag;
      if ((t == HtmlTag::Option || t == HtmlTag::Radio) && trimmedLength(i) > 0)
        entries_.push_back(static_cast<std::int32_t>(i));
    }
  }

  // Every element inside the root, in document order.
  void run() {
    const auto n = static_cast<std::int32_t>(page_.elements.size());
    for (walked_ = 1; walked_ < n; ++walked_) {
      const auto i = static_cast<std::size_t>(walked_);
      if (trimmedLength(i) == 0) continue;
      const HtmlTag tag = page_.elements[i].tag;
      if (tag == HtmlTag::A) {
        if (!link(walked_)) return; // out of budget: what was gathered stands
      } else if (tag == HtmlTag::Option || tag == HtmlTag::Radio) {
        addRemoval(std::string(trimmed(i)) + std::string(Marker));
      } else if (isHeadingTag(tag)) {
        std::string text(trimmed(i));
        if (!removalSet_.contains(text)) headings.push_back(std::move(text));
      } else if (tag == HtmlTag::P) {
        paragraphs.emplace_back(trimmed(i));
      }
    }
  }

  // The root's text with the marks of every entry walked, leading white
  // space removed.
  std::string pageText() const {
    std::string out;
    const std::string& text = page_.text;
    out.reserve(text.size() + entries_.size() * Marker.size());
    std::size_t from = 0;
    for (const std::int32_t e : entries_) {
      if (e >= walked_) break;
      const auto at = static_cast<std::size_t>(trimEnd_[static_cast<std::size_t>(e)]);
      out.append(text, from, at - from);
      out.append(Marker);
      from = at;
    }
    out.append(text, from, std::string::npos);
    return engine::trimLeft(out);
  }

  std::vector<std::string> removals;
  std::vector<std::string> headings;
  std::vector<std::string> paragraphs;

private:
  std::int64_t trimmedLength(std::size_t i) const { return trimEnd_[i] - trimStart_[i]; }
  std::string_view trimmed(std::size_t i) const {
    return std::string_view(page_.text)
        .substr(static_cast<std::size_t>(trimStart_[i]),
                static_cast<std::size_t>(trimmedLength(i)));
  }

  // The entries marked so far inside element x: [first, last) of entries_.
  std::pair<std::size_t, std::size_t> marksIn(std::int32_t x) const {
    const std::int32_t end = std::min(page_.elements[static_cast<std::size_t>(x)].end, walked_);
    const auto first = std::lower_bound(entries_.begin(), entries_.end(), x);
    const auto last = std::lower_bound(first, entries_.end(), std::max(x, end));
    return {static_cast<std::size_t>(first - entries_.begin()),
            static_cast<std::size_t>(last - entries_.begin())};
  }

  // Element x's text as the walk reads it now.
  std::string textNow(std::int32_t x) const {
    const HtmlElement& e = page_.elements[static_cast<std::size_t>(x)];
    const auto [first, last] = marksIn(x);
    std::string out;
    auto from = static_cast<std::size_t>(e.textStart);
    for (std::size_t k = first; k < last; ++k) {
      const auto at = static_cast<std::size_t>(trimEnd_[static_cast<std::size_t>(entries_[k])]);
      out.append(page_.text, from, at - from);
      out.append(Marker);
      from = at;
    }
    out.append(page_.text, from, static_cast<std::size_t>(e.textEnd) - from);
    return out;
  }

  std::int64_t marks(std::int32_t x) const {
    const auto [first, last] = marksIn(x);
    return static_cast<std::int64_t>(last - first) * static_cast<std::int64_t>(Marker.size());
  }

  void addRemoval(std::string r) {
    removalSet_.insert(r);
    removals.push_back(std::move(r));
  }

  // The marks inside links of c that hold no further link.
  std::int64_t marksInLeafLinks(std::int32_t c) {
    const auto [first, last] = marksIn(c);
    std::int64_t out = 0;
    for (std::size_t k = first; k < last; ++k) {
      std::int32_t x = page_.elements[static_cast<std::size_t>(entries_[k])].parent;
      while (x > c && page_.elements[static_cast<std::size_t>(x)].tag != HtmlTag::A) {
        budget_.spend(1);
        x = page_.elements[static_cast<std::size_t>(x)].parent;
      }
      if (x > c && !hasLink_[static_cast<std::size_t>(x)])
        out += static_cast<std::int64_t>(Marker.size());
    }
    return out;
  }

  // A link: weigh its container once. False when the budget ran out.
  bool link(std::int32_t a) {
    const std::vector<HtmlElement>& el = page_.elements;
    std::int32_t c = el[static_cast<std::size_t>(a)].parent;
    while (c > 0 && (el[static_cast<std::size_t>(c)].tag == HtmlTag::A ||
                     el[static_cast<std::size_t>(c)].tag == HtmlTag::Span)) {
      c = el[static_cast<std::size_t>(c)].parent;
    }
    if (c < 0) return true;
    const auto ci = static_cast<std::size_t>(c);
    const std::int64_t cMarks = marks(c);
    // The same container with the same marks has the same text: seen.
    if (examined_[ci] == cMarks) return true;
    const std::string ctext = textNow(c);
    if (!budget_.spend(ctext.size() + 1)) return false;
    std::string key = "\r" + engine::trimRight(ctext);
    examined_[ci] = cMarks;
    // Containers are remembered by a 64-bit hash of their text, so that
    // nested containers do not keep a copy of their text each.
    const std::size_t hash = std::hash<std::string>()(key);
    if (containers_.contains(hash)) return true;

    const bool bold = isBoldContainer(el[ci].tag);
    double score = bold ? Disqualified : 0;
    const std::int64_t cLength = trimmedLength(ci) + cMarks;
    if (el[ci].end - c - 1 == 1) {
      const std::int32_t d = c + 1;
      const std::int64_t dLength = trimmedLength(static_cast<std::size_t>(d)) + marks(d);
      if (dLength > 0 && cLength > dLength + 2) score = Disqualified;
    }
    score += static_cast<double>(leafLinks_[ci] + marksInLeafLinks(c));
    const double length = ctext.empty() ? 1.0 : static_cast<double>(ctext.size());
    const std::string_view ctrimmed = engine::trimView(ctext);
    const bool block =
        !bold && (score / length > LinkRatio || trimmed(static_cast<std::size_t>(a)) == ctrimmed);
    containers_.insert(hash);
    if (block) addRemoval(std::move(key));
    return !budget_.exhausted;
  }

  const HtmlPage& page_;
  PassBudget& budget_;
  std::vector<std::int32_t> trimStart_;
  std::vector<std::int32_t> trimEnd_;
  std::vector<std::uint8_t> hasLink_;   // holds a link below it
  std::vector<std::int64_t> leafLinks_; // text of the links below it that hold no link
  std::vector<std::int64_t> examined_;  // marks in a container when it was weighed, or -1
  std::vector<std::int32_t> entries_;   // list entries with text, in document order
  std::int32_t walked_ = 0;             // elements before this one have been walked
  std::unordered_set<std::size_t> containers_;
  std::unordered_set<std::string> removalSet_;
};

std::string normaliseBreaks(std::string text) {
  text = engine::replaceAll(text, "\r\n", "\r");
  text = engine::replaceAll(text, "\r ", "\r");
  return engine::replaceAll(text, " \r", "\r");
}

} // namespace

std::string withoutBrowserSuffix(std::string_view windowTitle) {
  static constexpr std::string_view browsers[] = {"mozilla firefox private browsing",
                                                  "mozilla firefox",
                                                  "firefox",
                                                  "google chrome",
                                                  "chromium",
                                                  "microsoft edge",
                                                  "windows internet explorer",
                                                  "internet explorer",
                                                  "epiphany",
                                                  "web",
                                                  "falkon",
                                                  "konqueror",
                                                  "midori",
                                                  "opera",
                                                  "brave",
                                                  "vivaldi",
                                                  "qutebrowser",
                                                  "librewolf",
                                                  "waterfox",
                                                  "seamonkey",
                                                  "iceweasel"};
  // A hyphen, an en dash or an em dash between spaces.
  static constexpr std::string_view dashes[] = {" - ", " \xE2\x80\x93 ", " \xE2\x80\x94 "};
  const std::string_view title = engine::trimView(windowTitle);
  const std::string lower = engine::lowerCase(title);
  for (const std::string_view dash : dashes) {
    const std::size_t at = lower.rfind(dash);
    if (at == std::string::npos) continue;
    const std::string_view name =
        engine::trimView(std::string_view(lower).substr(at + dash.size()));
    for (const std::string_view browser : browsers)
      if (name == browser) return engine::trim(title.substr(0, at));
  }
  return std::string(title);
}

HtmlText htmlToText(std::string_view html, std::string_view windowTitle) {
  HtmlText out;
  std::string converted;
  html = withoutClipboardHeader(html);
  if (!platform::isValidUtf8(html)) {
    converted = platform::cp1252ToUtf8(platform::decodeIncomingText(html));
    html = converted;
  }
  if (html.size() > MaxHtmlBytes) {
    std::size_t cut = MaxHtmlBytes;
    while (cut > 0 && (static_cast<unsigned char>(html[cut]) & 0xC0) == 0x80)
      --cut;
    html = html.substr(0, cut);
    out.problem = PageCutMessage;
  }
  const std::optional<std::string> flattened = flattenDeepNesting(html);
  const HtmlPage page = parseHtmlPage(flattened ? std::string_view(*flattened) : html);

  // The walk and each round of replacements have a budget of their own, so
  // that a page that exhausts one still gets the others.
  const auto size = static_cast<std::uint64_t>(page.text.size());
  const auto budgetFor = [size](std::uint64_t perByte) {
    return PassBudget{perByte * size + (16u << 20), 4 * size + (1u << 20), false};
  };
  PassBudget walkBudget = budgetFor(8);
  Walk walk(page, walkBudget);
  walk.run();

  const std::string title =
      page.title.empty() ? engine::trim(platform::utf8ToCp1252(withoutBrowserSuffix(windowTitle)))
                         : page.title;
  std::string text = walk.pageText();
  if (!title.empty()) text = title + "\r\n\r\n" + text;
  if (!text.empty()) text = normaliseBreaks(std::move(text));
  PassBudget headingBudget = budgetFor(16);
  text = surroundHeadings(text, walk.headings, headingBudget);
  PassBudget paragraphBudget = budgetFor(64);
  text = breakAfterParagraphs(text, walk.paragraphs, paragraphBudget);
  text += ' ';
  for (std::string& r : walk.removals)
    r = normaliseBreaks(std::move(r));
  PassBudget removalBudget = budgetFor(64);
  text = cutRemovals(text, walk.removals, removalBudget);
  out.text = engine::trim(engine::replaceAll(text, Marker, "\r"));
  if (walkBudget.exhausted || headingBudget.exhausted || paragraphBudget.exhausted ||
      removalBudget.exhausted) {
    out.problem = PageCutMessage;
  }
  return out;
}

} // namespace acquisition
