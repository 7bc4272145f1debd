// A web page as the HTML-to-text conversion walks it: the page parsed by
// gumbo, its body's rendered text (the text a browser would copy: block
// elements on lines of their own, runs of white space as one space, table
// cells separated by tabs, <br> and the lines of preformatted text as line
// breaks, every line break as CR LF) in code page 1252, and the body's
// elements in document order, each with the stretch of that text it renders.
// An element's own text is that stretch: it holds no line break or space at
// its ends. Elements that show nothing (<head>, <script>, <style>,
// <template>, <noscript>, hidden ones, form fields' values) are listed but
// render no text, and their insides are not listed; comments, including the
// fragment marks of a clipboard copy, are never text.
//
// Gumbo frees its tree recursively, which deep nesting would turn into a
// stack overflow: its memory is taken from a pool released in one piece
// instead, and the page is walked without recursion.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace acquisition {

// The tags the conversion tells apart.
enum class HtmlTag : std::uint8_t {
  Other,
  A,
  Span,
  B,
  Strong,
  H1,
  H2,
  H3,
  H4,
  H5,
  H6,
  Option,
  Radio,
  P
};

struct HtmlElement {
  HtmlTag tag = HtmlTag::Other;
  std::int32_t parent = -1; // -1 for the body
  std::int32_t end = 0;     // one past its last descendant
  std::int32_t textStart = 0;
  std::int32_t textEnd = 0;
};

struct HtmlPage {
  // The <title>, white space collapsed.
  std::string title;
  std::string text;
  // The body first, then every element inside it in document order.
  std::vector<HtmlElement> elements;
};

// The page of UTF-8 HTML. Never fails: any bytes give some page.
HtmlPage parseHtmlPage(std::string_view utf8Html);

} // namespace acquisition
