#include "acquisition/html_page.h"

#include <gumbo.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "engine/text_helpers.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

// --- Gumbo's memory ------------------------------------------------------------

// Every block gumbo takes is linked into one list, so that the whole tree
// can be released without walking it.
struct alignas(std::max_align_t) BlockHeader {
  BlockHeader* prev;
  BlockHeader* next;
};

class GumboPool {
public:
  GumboPool() { ring_.prev = ring_.next = &ring_; }
  GumboPool(const GumboPool&) = delete;
  GumboPool& operator=(const GumboPool&) = delete;
  ~GumboPool() {
    for (BlockHeader* b = ring_.next; b != &ring_;) {
      BlockHeader* next = b->next;
      std::free(b);
      b = next;
    }
  }

  static void* allocate(void* pool, std::size_t size) {
    auto* block = static_cast<BlockHeader*>(std::malloc(sizeof(BlockHeader) + size));
    if (!block) std::abort(); // gumbo cannot go on without its memory
    BlockHeader& ring = static_cast<GumboPool*>(pool)->ring_;
    block->prev = &ring;
    block->next = ring.next;
    ring.next->prev = block;
    ring.next = block;
    return block + 1;
  }

  static void release(void*, void* pointer) {
    if (!pointer) return;
    BlockHeader* block = static_cast<BlockHeader*>(pointer) - 1;
    block->prev->next = block->next;
    block->next->prev = block->prev;
    std::free(block);
  }

private:
  BlockHeader ring_;
};

// --- Rendered text -------------------------------------------------------------

bool isCollapsible(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Builds the rendered text and gives each element the stretch it renders.
class TextWriter {
public:
  TextWriter(std::string& out, std::vector<HtmlElement>& elements)
      : out_(out), elements_(elements) {}

  void open(std::int32_t element) { unstarted_.push_back(element); }

  void close(std::int32_t element) {
    HtmlElement& e = elements_[static_cast<std::size_t>(element)];
    if (!unstarted_.empty() && unstarted_.back() == element) {
      unstarted_.pop_back();
      e.textStart = e.textEnd = static_cast<std::int32_t>(out_.size());
      return;
    }
    e.textEnd = lastContentEnd_;
  }

  // Block elements stand on lines of their own.
  void lineBoundary() {
    lineBreakPending_ = true;
    spacePending_ = false;
  }

  void lineBreak() {
    flushLineBreak();
    spacePending_ = false;
    content("\r\n");
    atLineStart_ = true;
    spacePending_ = false;
  }

  void cellSeparator() { content("\t"); }

  void text(std::string_view text, bool preformatted) {
    std::size_t i = 0;
    while (i < text.size()) {
      if (preformatted) {
        const std::size_t end = text.find_first_of("\r\n", i);
        if (end != i) content(text.substr(i, end == std::string_view::npos ? end : end - i));
        if (end == std::string_view::npos) break;
        lineBreak();
        i = end + 1;
        if (text[end] == '\r' && i < text.size() && text[i] == '\n') ++i;
        continue;
      }
      if (isCollapsible(text[i])) {
        spacePending_ = true;
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < text.size() && !isCollapsible(text[end]))
        ++end;
      content(text.substr(i, end - i));
      i = end;
    }
  }

private:
  void flushLineBreak() {
    if (lineBreakPending_ && !out_.empty()) {
      appendSeparator("\r\n");
      atLineStart_ = true;
    }
    lineBreakPending_ = false;
    spacePending_ = false;
  }

  // A line break or space between contents belongs to no element's own text.
  void appendSeparator(std::string_view s) { out_.append(s); }

  // Appends content: every element opened since the last content starts here.
  void content(std::string_view s) {
    if (out_.empty()) {
      lineBreakPending_ = spacePending_ = false;
    } else if (lineBreakPending_) {
      flushLineBreak();
    } else if (spacePending_ && !atLineStart_) {
      appendSeparator(" ");
    }
    spacePending_ = false;
    const auto start = static_cast<std::int32_t>(out_.size());
    for (const std::int32_t e : unstarted_)
      elements_[static_cast<std::size_t>(e)].textStart = start;
    unstarted_.clear();
    out_.append(s);
    lastContentEnd_ = static_cast<std::int32_t>(out_.size());
    atLineStart_ = false;
  }

  std::string& out_;
  std::vector<HtmlElement>& elements_;
  std::vector<std::int32_t> unstarted_;
  std::int32_t lastContentEnd_ = 0;
  bool lineBreakPending_ = false;
  bool spacePending_ = false;
  bool atLineStart_ = true;
};

// --- Elements ------------------------------------------------------------------

bool sameName(GumboStringPiece piece, const char* name) {
  gumbo_tag_from_original_text(&piece);
  return piece.length == std::strlen(name) && strncasecmp(piece.data, name, piece.length) == 0;
}

HtmlTag tagOf(const GumboElement& e) {
  switch (e.tag) {
  case GUMBO_TAG_A:
    return HtmlTag::A;
  case GUMBO_TAG_SPAN:
    return HtmlTag::Span;
  case GUMBO_TAG_B:
    return HtmlTag::B;
  case GUMBO_TAG_STRONG:
    return HtmlTag::Strong;
  case GUMBO_TAG_H1:
    return HtmlTag::H1;
  case GUMBO_TAG_H2:
    return HtmlTag::H2;
  case GUMBO_TAG_H3:
    return HtmlTag::H3;
  case GUMBO_TAG_H4:
    return HtmlTag::H4;
  case GUMBO_TAG_H5:
    return HtmlTag::H5;
  case GUMBO_TAG_H6:
    return HtmlTag::H6;
  case GUMBO_TAG_OPTION:
    return HtmlTag::Option;
  case GUMBO_TAG_P:
    return HtmlTag::P;
  case GUMBO_TAG_UNKNOWN:
    return e.original_tag.length > 0 && sameName(e.original_tag, "radio") ? HtmlTag::Radio
                                                                          : HtmlTag::Other;
  default:
    return HtmlTag::Other;
  }
}

bool isHiddenTag(GumboTag tag) {
  switch (tag) {
  case GUMBO_TAG_HEAD:
  case GUMBO_TAG_TITLE:
  case GUMBO_TAG_SCRIPT:
  case GUMBO_TAG_STYLE:
  case GUMBO_TAG_TEMPLATE:
  case GUMBO_TAG_NOSCRIPT:
  case GUMBO_TAG_IFRAME:
  case GUMBO_TAG_NOEMBED:
  case GUMBO_TAG_NOFRAMES:
  case GUMBO_TAG_OBJECT:
  case GUMBO_TAG_EMBED:
  case GUMBO_TAG_DATALIST:
  case GUMBO_TAG_TEXTAREA:
  case GUMBO_TAG_INPUT:
  case GUMBO_TAG_META:
  case GUMBO_TAG_LINK:
  case GUMBO_TAG_BASE:
  case GUMBO_TAG_PARAM:
  case GUMBO_TAG_SOURCE:
  case GUMBO_TAG_TRACK:
  case GUMBO_TAG_AREA:
  case GUMBO_TAG_CANVAS:
  case GUMBO_TAG_AUDIO:
  case GUMBO_TAG_VIDEO:
  case GUMBO_TAG_APPLET:
  case GUMBO_TAG_BGSOUND:
    return true;
  default:
    return false;
  }
}

bool isBlockTag(GumboTag tag) {
  switch (tag) {
  case GUMBO_TAG_HTML:
  case GUMBO_TAG_BODY:
  case GUMBO_TAG_ADDRESS:
  case GUMBO_TAG_ARTICLE:
  case GUMBO_TAG_ASIDE:
  case GUMBO_TAG_BLOCKQUOTE:
  case GUMBO_TAG_CENTER:
  case GUMBO_TAG_DD:
  case GUMBO_TAG_DETAILS:
  case GUMBO_TAG_DIR:
  case GUMBO_TAG_DIV:
  case GUMBO_TAG_DL:
  case GUMBO_TAG_DT:
  case GUMBO_TAG_FIELDSET:
  case GUMBO_TAG_FIGCAPTION:
  case GUMBO_TAG_FIGURE:
  case GUMBO_TAG_FOOTER:
  case GUMBO_TAG_FORM:
  case GUMBO_TAG_H1:
  case GUMBO_TAG_H2:
  case GUMBO_TAG_H3:
  case GUMBO_TAG_H4:
  case GUMBO_TAG_H5:
  case GUMBO_TAG_H6:
  case GUMBO_TAG_HEADER:
  case GUMBO_TAG_HGROUP:
  case GUMBO_TAG_HR:
  case GUMBO_TAG_LI:
  case GUMBO_TAG_LISTING:
  case GUMBO_TAG_MAIN:
  case GUMBO_TAG_MENU:
  case GUMBO_TAG_NAV:
  case GUMBO_TAG_OL:
  case GUMBO_TAG_P:
  case GUMBO_TAG_PRE:
  case GUMBO_TAG_SECTION:
  case GUMBO_TAG_SUMMARY:
  case GUMBO_TAG_TABLE:
  case GUMBO_TAG_UL:
  case GUMBO_TAG_TR:
  case GUMBO_TAG_CAPTION:
  case GUMBO_TAG_OPTION:
  case GUMBO_TAG_OPTGROUP:
  case GUMBO_TAG_SELECT:
  case GUMBO_TAG_LEGEND:
  case GUMBO_TAG_XMP:
  case GUMBO_TAG_PLAINTEXT:
  case GUMBO_TAG_FRAMESET:
  case GUMBO_TAG_MULTICOL:
    return true;
  default:
    return false;
  }
}

bool isPreformattedTag(GumboTag tag) {
  return tag == GUMBO_TAG_PRE || tag == GUMBO_TAG_LISTING || tag == GUMBO_TAG_XMP ||
         tag == GUMBO_TAG_PLAINTEXT;
}

bool isCell(const GumboNode* node) {
  return node->type == GUMBO_NODE_ELEMENT &&
         (node->v.element.tag == GUMBO_TAG_TD || node->v.element.tag == GUMBO_TAG_TH);
}

// Hidden by the hidden attribute or an inline style.
bool hiddenByAttribute(const GumboElement& e) {
  if (gumbo_get_attribute(&e.attributes, "hidden")) return true;
  const GumboAttribute* style = gumbo_get_attribute(&e.attributes, "style");
  if (!style) return false;
  std::string compact;
  for (const char* c = style->value; *c; ++c)
    if (!isCollapsible(*c)) compact.push_back(engine::lowerChar(*c));
  return compact.find("display:none") != std::string::npos ||
         compact.find("visibility:hidden") != std::string::npos;
}

const GumboVector& childrenOf(const GumboNode* node) {
  return node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
}

const GumboNode* findElement(const GumboNode* parent, GumboTag tag) {
  if (!parent || parent->type != GUMBO_NODE_ELEMENT) return nullptr;
  const GumboVector& children = parent->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(children.data[i]);
    if (child->type == GUMBO_NODE_ELEMENT && child->v.element.tag == tag) return child;
  }
  return nullptr;
}

std::string titleOf(const GumboNode* head) {
  const GumboNode* title = findElement(head, GUMBO_TAG_TITLE);
  if (!title) return {};
  std::string raw;
  const GumboVector& children = title->v.element.children;
  for (unsigned i = 0; i < children.length; ++i) {
    const auto* child = static_cast<const GumboNode*>(children.data[i]);
    if (child->type == GUMBO_NODE_TEXT || child->type == GUMBO_NODE_WHITESPACE)
      raw += child->v.text.text;
  }
  return engine::collapseWhiteSpace(platform::utf8ToCp1252(raw));
}

struct Frame {
  const GumboNode* node;
  unsigned next = 0; // the next child to visit
  std::int32_t element = -1;
  bool preformatted = false;
  bool block = false;
  unsigned cells = 0; // table cells met among the children
};

void walk(const GumboNode* root, HtmlPage& page) {
  TextWriter writer(page.text, page.elements);
  std::vector<Frame> stack;
  page.elements.push_back({});
  writer.open(0);
  writer.lineBoundary();
  stack.push_back({root, 0, 0, false, true, 0});
  while (!stack.empty()) {
    Frame& top = stack.back();
    const GumboVector& children = childrenOf(top.node);
    if (top.next >= children.length) {
      if (top.block) writer.lineBoundary();
      writer.close(top.element);
      page.elements[static_cast<std::size_t>(top.element)].end =
          static_cast<std::int32_t>(page.elements.size());
      stack.pop_back();
      continue;
    }
    const auto* node = static_cast<const GumboNode*>(children.data[top.next++]);
    const bool preformatted = top.preformatted;
    switch (node->type) {
    case GUMBO_NODE_TEXT:
    case GUMBO_NODE_CDATA:
    case GUMBO_NODE_WHITESPACE:
      writer.text(platform::utf8ToCp1252(node->v.text.text), preformatted);
      continue;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
      break;
    default:
      continue; // comments
    }
    const GumboElement& e = node->v.element;
    const auto index = static_cast<std::int32_t>(page.elements.size());
    HtmlElement element;
    element.tag = tagOf(e);
    element.parent = top.element;
    page.elements.push_back(element);
    if (node->type == GUMBO_NODE_TEMPLATE || isHiddenTag(e.tag) || hiddenByAttribute(e)) {
      HtmlElement& hidden = page.elements.back();
      hidden.textStart = hidden.textEnd = static_cast<std::int32_t>(page.text.size());
      hidden.end = index + 1;
      continue;
    }
    if (e.tag == GUMBO_TAG_BR) {
      writer.open(index);
      writer.lineBreak();
      writer.close(index);
      page.elements.back().end = index + 1;
      continue;
    }
    const bool cell = isCell(node);
    const bool separated = cell && top.cells++ > 0;
    const bool block = isBlockTag(e.tag);
    // The tab between two cells belongs to the row, not to either cell.
    if (separated) writer.cellSeparator();
    writer.open(index);
    if (block) writer.lineBoundary();
    stack.push_back({node, 0, index, preformatted || isPreformattedTag(e.tag), block, 0});
  }
}

} // namespace

HtmlPage parseHtmlPage(std::string_view utf8Html) {
  HtmlPage page;
  GumboPool pool;
  GumboOptions options = kGumboDefaultOptions;
  options.allocator = &GumboPool::allocate;
  options.deallocator = &GumboPool::release;
  options.userdata = &pool;
  // The parse errors are of no use here and cost memory.
  options.max_errors = 0;
  // The tree is not destroyed through gumbo: the pool releases it whole.
  GumboOutput* output = gumbo_parse_with_options(&options, utf8Html.data(), utf8Html.size());
  const GumboNode* html = output->root;
  page.title = titleOf(findElement(html, GUMBO_TAG_HEAD));
  const GumboNode* body = findElement(html, GUMBO_TAG_BODY);
  walk(body ? body : html, page);
  return page;
}

} // namespace acquisition
