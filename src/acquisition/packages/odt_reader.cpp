#include "acquisition/packages/odt_reader.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "acquisition/packages/xml_part.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

constexpr float DefaultPoints = 12.0f;
constexpr int MaxStyleChain = 64;
// text:s may ask for any number of spaces; more than this are not believed.
constexpr long MaxSpaces = 1024;

// --- Styles ------------------------------------------------------------------

struct FontSize {
  float value = 0;
  bool percent = false;
};

// "12pt", "0.5in", "1cm", "10mm", "16px" or "120%".
std::optional<FontSize> parseFontSize(std::string_view text) {
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || !(value > 0) || value > 2000) return std::nullopt;
  const std::string_view unit(end, static_cast<std::size_t>(text.data() + text.size() - end));
  if (unit == "%") return FontSize{value, true};
  static const std::pair<std::string_view, float> units[] = {
      {"pt", 1.0f},          {"in", 72.0f}, {"cm", 72.0f / 2.54f},
      {"mm", 72.0f / 25.4f}, {"pc", 12.0f}, {"px", 0.75f}};
  for (const auto& [name, factor] : units)
    if (unit == name) return FontSize{value * factor, false};
  return std::nullopt;
}

struct Style {
  std::string parent;
  std::optional<FontSize> size;
  bool breakBefore = false;
  bool breakAfter = false;
};

class Styles {
public:
  void add(const pugi::xml_node& container) {
    for (const pugi::xml_node& s : container.children()) {
      const std::string_view name = localName(s);
      if (name != "style" && name != "default-style") continue;
      const std::string family(attributeValue(s, "family"));
      Style style;
      style.parent = attributeValue(s, "parent-style-name");
      style.size = parseFontSize(attributeValue(childNamed(s, "text-properties"), "font-size"));
      const pugi::xml_node paragraph = childNamed(s, "paragraph-properties");
      style.breakBefore = attributeValue(paragraph, "break-before") == "page";
      style.breakAfter = attributeValue(paragraph, "break-after") == "page";
      if (name == "default-style") {
        if (family == "paragraph" && style.size && !style.size->percent && !defaultPoints_)
          defaultPoints_ = style.size->value;
        continue;
      }
      styles_.emplace(std::pair(family, std::string(attributeValue(s, "name"))), std::move(style));
    }
  }

  float paragraphPoints(const std::string& name) const {
    return points("paragraph", name, defaultPoints_.value_or(DefaultPoints), 0);
  }
  float textPoints(const std::string& name, float paragraph) const {
    return points("text", name, paragraph, 0);
  }

  bool breaks(const std::string& name, bool before) const {
    std::string current = name;
    for (int step = 0; step < MaxStyleChain && !current.empty(); ++step) {
      const Style* style = find("paragraph", current);
      if (!style) return false;
      if (before ? style->breakBefore : style->breakAfter) return true;
      current = style->parent;
    }
    return false;
  }

private:
  const Style* find(const std::string& family, const std::string& name) const {
    const auto it = styles_.find(std::pair(family, name));
    return it == styles_.end() ? nullptr : &it->second;
  }

  float points(const std::string& family, const std::string& name, float fallback,
               int depth) const {
    const Style* style = find(family, name);
    if (!style || depth > MaxStyleChain) return fallback;
    const float inherited =
        style->parent.empty() ? fallback : points(family, style->parent, fallback, depth + 1);
    if (!style->size) return inherited;
    return style->size->percent ? inherited * style->size->value / 100.0f : style->size->value;
  }

  std::map<std::pair<std::string, std::string>, Style> styles_;
  std::optional<float> defaultPoints_;
};

// --- Text --------------------------------------------------------------------

bool isWhiteSpace(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

bool skippedEverywhere(std::string_view name) {
  static constexpr std::string_view names[] = {"tracked-changes",
                                               "sequence-decls",
                                               "variable-decls",
                                               "user-field-decls",
                                               "dde-connection-decls",
                                               "forms",
                                               "annotation",
                                               "annotation-end",
                                               "note",
                                               "ruby-text",
                                               "change",
                                               "soft-page-break",
                                               "table-column",
                                               "table-columns",
                                               "table-header-columns"};
  return name.ends_with("-source") ||
         std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool isField(std::string_view name) {
  static constexpr std::string_view names[] = {
      "page-number",     "page-count",    "date",         "time",         "author-name",
      "author-initials", "chapter",       "sequence",     "bookmark-ref", "reference-ref",
      "sequence-ref",    "note-ref",      "variable-get", "variable-set", "user-field-get",
      "expression",      "text-input",    "file-name",    "title",        "subject",
      "initial-creator", "creation-date", "word-count"};
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool holdsPicture(const pugi::xml_node& frame) {
  for (const pugi::xml_node& c : frame.children()) {
    const std::string_view name = localName(c);
    if (name == "image" || name == "object" || name == "object-ole" || name == "plugin")
      return true;
  }
  return false;
}

class Walker {
public:
  Walker(WordDocumentBuilder& builder, const Styles& styles, const DocumentLimits& limits)
      : out_(builder), styles_(styles), limits_(limits) {}

  // Elements holding paragraphs and tables.
  void blocks(const pugi::xml_node& node, int depth) {
    checkDepth(depth);
    for (const pugi::xml_node& e : node.children()) {
      if (e.type() != pugi::node_element) continue;
      const std::string_view name = localName(e);
      if (skippedEverywhere(name)) continue;
      if (name == "p" || name == "h") {
        paragraph(e, depth + 1);
      } else if (name == "table") {
        table(e, depth + 1);
      } else if (name == "frame") {
        if (!holdsPicture(e)) continue;
        out_.addSpecial(PictureChar);
        out_.endParagraph();
      } else {
        blocks(e, depth + 1);
      }
    }
  }

private:
  void checkDepth(int depth) const {
    if (depth > limits_.maxDepth) throw DocumentError(NestedDocumentMessage);
  }

  void table(const pugi::xml_node& t, int depth) {
    out_.beginTable();
    rows(t, depth);
    out_.endTable();
  }

  void rows(const pugi::xml_node& node, int depth) {
    checkDepth(depth);
    for (const pugi::xml_node& e : node.children()) {
      if (e.type() != pugi::node_element) continue;
      const std::string_view name = localName(e);
      if (skippedEverywhere(name)) continue;
      if (name == "table-row") {
        for (const pugi::xml_node& cell : e.children()) {
          if (localName(cell) != "table-cell") continue;
          blocks(cell, depth + 1);
          out_.endCell();
        }
        out_.endRow();
      } else {
        rows(e, depth + 1);
      }
    }
  }

  void paragraph(const pugi::xml_node& p, int depth) {
    const std::string style(attributeValue(p, "style-name"));
    if (styles_.breaks(style, true)) out_.addSpecial(PageBreakChar);
    atStart_ = true;
    pendingSpace_ = false;
    inlines(p, styles_.paragraphPoints(style), depth);
    if (styles_.breaks(style, false)) out_.addSpecial(PageBreakChar);
    out_.endParagraph();
  }

  void flushSpace(float points) {
    if (pendingSpace_) out_.addText(" ", points);
    pendingSpace_ = false;
    atStart_ = false;
  }

  void text(std::string_view utf8, float points) {
    const std::string text = platform::utf8ToCp1252(utf8);
    std::string run;
    run.reserve(text.size());
    for (const char c : text) {
      if (isWhiteSpace(c)) {
        if (!atStart_) pendingSpace_ = true;
        continue;
      }
      if (pendingSpace_) run.push_back(' ');
      pendingSpace_ = false;
      atStart_ = false;
      run.push_back(c);
    }
    out_.addText(run, points);
  }

  void inlines(const pugi::xml_node& node, float points, int depth) {
    checkDepth(depth);
    for (const pugi::xml_node& e : node.children()) {
      if (e.type() == pugi::node_pcdata || e.type() == pugi::node_cdata) {
        text(e.value(), points);
        continue;
      }
      if (e.type() != pugi::node_element) continue;
      const std::string_view name = localName(e);
      if (skippedEverywhere(name)) continue;
      if (name == "s") {
        flushSpace(points);
        long count = 1;
        const std::string_view c = attributeValue(e, "c");
        std::from_chars(c.data(), c.data() + c.size(), count);
        out_.addText(std::string(static_cast<std::size_t>(std::clamp(count, 1L, MaxSpaces)), ' '),
                     points);
      } else if (name == "tab") {
        flushSpace(points);
        out_.addSpecial(TabChar);
      } else if (name == "line-break") {
        out_.addSpecial(LineBreakChar);
        atStart_ = true;
        pendingSpace_ = false;
      } else if (name == "frame") {
        if (!holdsPicture(e)) continue;
        flushSpace(points);
        out_.addSpecial(PictureChar);
      } else if (name == "span") {
        inlines(e, styles_.textPoints(std::string(attributeValue(e, "style-name")), points),
                depth + 1);
      } else if (isField(name)) {
        inlines(e, points, depth + 1);
        out_.addSpecial(FieldEndChar);
      } else {
        inlines(e, points, depth + 1);
      }
    }
  }

  WordDocumentBuilder& out_;
  const Styles& styles_;
  const DocumentLimits& limits_;
  bool atStart_ = true;
  bool pendingSpace_ = false;
};

} // namespace

bool isOdtPackage(const ZipArchive& archive) {
  if (!archive.contains("content.xml")) return false;
  try {
    const std::optional<std::string> type = archive.read("mimetype", 256);
    return !type || type->starts_with("application/vnd.oasis.opendocument.text");
  } catch (const DocumentError&) {
    return false;
  }
}

WordDocument readOdt(const ZipArchive& archive, const DocumentLimits& limits) {
  const std::unique_ptr<XmlPart> content = readXmlPart(archive, "content.xml", limits);
  if (!content) throw DocumentError(DamagedDocumentMessage);
  const std::unique_ptr<XmlPart> stylesPart = readXmlPart(archive, "styles.xml", limits);

  Styles styles;
  const pugi::xml_node root = content->document.document_element();
  styles.add(childNamed(root, "automatic-styles"));
  if (stylesPart) {
    const pugi::xml_node stylesRoot = stylesPart->document.document_element();
    styles.add(childNamed(stylesRoot, "styles"));
  }
  const pugi::xml_node text = childNamed(childNamed(root, "body"), "text");
  if (!text) throw DocumentError(DamagedDocumentMessage);

  WordDocumentBuilder builder(limits.maxTextBytes);
  Walker(builder, styles, limits).blocks(text, 0);
  return builder.finish();
}

} // namespace acquisition
