#include "acquisition/html_nesting.h"

#include <array>

#include "engine/text_helpers.h"

namespace acquisition {

namespace {

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == ':' || c == '_';
}

bool isLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Elements that never hold others, or whose end tag a page may leave out.
bool neverNests(std::string_view name) {
  static constexpr std::array<std::string_view, 30> names = {
      "area",  "base",   "br",       "col", "embed",  "hr",       "img",   "input", "link",  "meta",
      "param", "source", "track",    "wbr", "keygen", "basefont", "frame", "p",     "li",    "dt",
      "dd",    "option", "optgroup", "tr",  "td",     "th",       "thead", "tbody", "tfoot", "rp"};
  for (std::string_view n : names)
    if (n == name) return true;
  return name == "rt";
}

// Elements whose contents are raw text up to their end tag.
bool isRawText(std::string_view name) {
  return name == "script" || name == "style" || name == "textarea" || name == "title" ||
         name == "xmp" || name == "iframe" || name == "noembed" || name == "noframes" ||
         name == "noscript";
}

// The end of the tag starting at `lt` (one past its '>'), quotes respected.
std::size_t tagEnd(std::string_view html, std::size_t lt) {
  char quote = 0;
  for (std::size_t i = lt + 1; i < html.size(); ++i) {
    const char c = html[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return i + 1;
    }
  }
  return html.size();
}

// One past the end tag </name ...> (any case) at or after `from`.
std::size_t afterEndTag(std::string_view html, std::size_t from, std::string_view name) {
  for (std::size_t at = from; (at = html.find("</", at)) != std::string_view::npos; at += 2) {
    const std::string_view candidate = html.substr(at + 2, name.size());
    if (candidate.size() == name.size() && engine::lowerCase(candidate) == name)
      return tagEnd(html, at);
  }
  return html.size();
}

} // namespace

std::optional<std::string> flattenDeepNesting(std::string_view html, std::size_t maxDepth) {
  std::optional<std::string> out;
  std::size_t depth = 0;
  std::size_t copied = 0; // html before this is in out, or nothing was dropped yet
  const auto drop = [&](std::size_t begin, std::size_t end) {
    if (!out) out.emplace().reserve(html.size());
    out->append(html, copied, begin - copied);
    copied = end;
  };
  std::size_t i = 0;
  while ((i = html.find('<', i)) != std::string_view::npos) {
    if (html.substr(i, 4) == "<!--") {
      const std::size_t close = html.find("-->", i + 4);
      i = close == std::string_view::npos ? html.size() : close + 3;
      continue;
    }
    const bool closing = i + 1 < html.size() && html[i + 1] == '/';
    const std::size_t nameStart = i + (closing ? 2 : 1);
    if (nameStart >= html.size() || !isLetter(html[nameStart])) {
      i = nameStart;
      continue;
    }
    std::size_t nameEnd = nameStart;
    while (nameEnd < html.size() && isNameChar(html[nameEnd]))
      ++nameEnd;
    const std::string name = engine::lowerCase(html.substr(nameStart, nameEnd - nameStart));
    const std::size_t end = tagEnd(html, i);
    const bool selfClosing = end >= 2 && html[end - 2] == '/' && html[end - 1] == '>';
    if (closing) {
      if (!neverNests(name) && depth > 0) {
        if (depth > maxDepth) drop(i, end);
        --depth;
      }
      i = end;
      continue;
    }
    if (isRawText(name)) {
      i = afterEndTag(html, end, name);
      continue;
    }
    if (!neverNests(name) && !selfClosing && ++depth > maxDepth) drop(i, end);
    i = end;
  }
  if (out) out->append(html, copied, std::string_view::npos);
  return out;
}

} // namespace acquisition
