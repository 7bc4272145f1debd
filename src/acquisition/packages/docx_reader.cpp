#include "acquisition/packages/docx_reader.h"

#include <charconv>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "acquisition/packages/xml_part.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

constexpr float DefaultPoints = 10.0f;
// Style chains longer than this are taken as a loop.
constexpr int MaxStyleChain = 64;

// --- Package -----------------------------------------------------------------

std::string folderOf(const std::string& part) {
  const std::size_t slash = part.rfind('/');
  return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

std::string fileOf(const std::string& part) {
  const std::size_t slash = part.rfind('/');
  return slash == std::string::npos ? part : part.substr(slash + 1);
}

// A relationship target as a part name: absolute targets drop their slash,
// relative ones are joined to the folder of the part that names them.
std::string resolveTarget(const std::string& folder, std::string_view target) {
  if (target.starts_with('/')) return std::string(target.substr(1));
  std::string out = folder;
  while (target.starts_with("./"))
    target.remove_prefix(2);
  while (target.starts_with("../")) {
    target.remove_prefix(3);
    if (!out.empty()) out.pop_back();
    out = folderOf(out);
  }
  return out + std::string(target);
}

// The target of the first relationship whose type ends with `type`.
std::optional<std::string> relationshipTarget(const ZipArchive& archive,
                                              const std::string& relsPart,
                                              const std::string& folder, std::string_view type,
                                              const DocumentLimits& limits) {
  const std::unique_ptr<XmlPart> rels = readXmlPart(archive, relsPart, limits);
  if (!rels) return std::nullopt;
  for (const pugi::xml_node& r : rels->document.document_element().children()) {
    if (localName(r) != "Relationship") continue;
    if (!attributeValue(r, "Type").ends_with(type)) continue;
    if (attributeValue(r, "TargetMode") == "External") continue;
    return resolveTarget(folder, attributeValue(r, "Target"));
  }
  return std::nullopt;
}

std::string mainPartName(const ZipArchive& archive, const DocumentLimits& limits) {
  return relationshipTarget(archive, "_rels/.rels", "", "/officeDocument", limits)
      .value_or("word/document.xml");
}

// --- Styles ------------------------------------------------------------------

std::optional<float> halfPoints(const pugi::xml_node& rPr) {
  const pugi::xml_node sz = childNamed(rPr, "sz");
  if (!sz) return std::nullopt;
  const std::string_view value = attributeValue(sz, "val");
  int half = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), half);
  if (error != std::errc() || half <= 0 || half > 3276) return std::nullopt;
  return static_cast<float>(half) / 2.0f;
}

struct Styles {
  struct Style {
    std::string basedOn;
    std::optional<float> points;
  };
  std::unordered_map<std::string, Style> byId;
  std::string defaultParagraph;
  std::optional<float> documentDefault;

  std::optional<float> sizeOf(std::string id) const {
    for (int step = 0; step < MaxStyleChain && !id.empty(); ++step) {
      const auto it = byId.find(id);
      if (it == byId.end()) return std::nullopt;
      if (it->second.points) return it->second.points;
      id = it->second.basedOn;
    }
    return std::nullopt;
  }
};

Styles readStyles(const XmlPart* part) {
  Styles styles;
  if (!part) return styles;
  const pugi::xml_node root = part->document.document_element();
  const pugi::xml_node defaults =
      childNamed(childNamed(childNamed(root, "docDefaults"), "rPrDefault"), "rPr");
  styles.documentDefault = halfPoints(defaults);
  for (const pugi::xml_node& s : root.children()) {
    if (localName(s) != "style") continue;
    const std::string id(attributeValue(s, "styleId"));
    Styles::Style style;
    style.basedOn = attributeValue(childNamed(s, "basedOn"), "val");
    style.points = halfPoints(childNamed(s, "rPr"));
    const std::string_view isDefault = attributeValue(s, "default");
    if (attributeValue(s, "type") == "paragraph" && (isDefault == "1" || isDefault == "true") &&
        styles.defaultParagraph.empty()) {
      styles.defaultParagraph = id;
    }
    styles.byId.emplace(id, std::move(style));
  }
  return styles;
}

bool isOn(const pugi::xml_node& toggle) {
  if (!toggle) return false;
  const std::string_view value = attributeValue(toggle, "val");
  return value.empty() || value == "1" || value == "true" || value == "on";
}

// --- Text --------------------------------------------------------------------

// Text of a w:t element as program text. Control characters would read as
// the word processor's special characters, so they become spaces.
std::string runText(const pugi::xml_node& t) {
  std::string text = platform::utf8ToCp1252(t.text().get());
  for (char& c : text)
    if (static_cast<unsigned char>(c) < ' ' && c != '\t') c = ' ';
  return text;
}

class Walker {
public:
  Walker(WordDocumentBuilder& builder, const Styles& styles, const DocumentLimits& limits)
      : out_(builder), styles_(styles), limits_(limits) {}

  void walk(const pugi::xml_node& node, int depth) {
    if (depth > limits_.maxDepth) throw DocumentError(NestedDocumentMessage);
    for (const pugi::xml_node& child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      element(child, depth + 1);
    }
  }

private:
  void element(const pugi::xml_node& e, int depth) {
    const std::string_view name = localName(e);
    if (name.ends_with("Pr") || name == "del" || name == "moveFrom" || name == "txbxContent" ||
        name == "instrText" || name == "delText") {
      return;
    }
    if (name == "p") return paragraph(e, depth);
    if (name == "r") return run(e, depth);
    if (name == "tbl") {
      out_.beginTable();
      walk(e, depth);
      out_.endTable();
      return;
    }
    if (name == "tr") {
      walk(e, depth);
      out_.endRow();
      return;
    }
    if (name == "tc") {
      walk(e, depth);
      out_.endCell();
      return;
    }
    if (name == "fldSimple") {
      walk(e, depth);
      fieldEnd();
      return;
    }
    if (name == "AlternateContent") return walk(alternative(e), depth);
    walk(e, depth);
  }

  static pugi::xml_node alternative(const pugi::xml_node& block) {
    const pugi::xml_node choice = childNamed(block, "Choice");
    return choice ? choice : childNamed(block, "Fallback");
  }

  void paragraph(const pugi::xml_node& p, int depth) {
    const pugi::xml_node pPr = childNamed(p, "pPr");
    const std::string saved = paragraphStyle_;
    paragraphStyle_ = attributeValue(childNamed(pPr, "pStyle"), "val");
    if (paragraphStyle_.empty()) paragraphStyle_ = styles_.defaultParagraph;
    walk(p, depth);
    paragraphStyle_ = saved;
    out_.endParagraph(childNamed(pPr, "sectPr") ? PageBreakChar : ParagraphEndChar);
  }

  float runPoints(const pugi::xml_node& rPr) const {
    if (const auto own = halfPoints(rPr)) return *own;
    if (const auto character =
            styles_.sizeOf(std::string(attributeValue(childNamed(rPr, "rStyle"), "val"))))
      return *character;
    if (const auto para = styles_.sizeOf(paragraphStyle_)) return *para;
    return styles_.documentDefault.value_or(DefaultPoints);
  }

  bool inFieldCode() const { return fieldCodes_ > 0; }

  void fieldEnd() {
    if (!inFieldCode()) out_.addSpecial(FieldEndChar);
  }

  void fieldChar(const pugi::xml_node& f) {
    const std::string_view type = attributeValue(f, "fldCharType");
    if (type == "begin") {
      fields_.push_back(true);
      ++fieldCodes_;
    } else if (type == "separate") {
      if (!fields_.empty() && fields_.back()) {
        fields_.back() = false;
        --fieldCodes_;
      }
    } else if (type == "end" && !fields_.empty()) {
      if (fields_.back()) --fieldCodes_;
      fields_.pop_back();
      fieldEnd();
    }
  }

  void run(const pugi::xml_node& r, int depth) {
    const pugi::xml_node rPr = childNamed(r, "rPr");
    if (isOn(childNamed(rPr, "vanish"))) return;
    const float points = runPoints(rPr);
    runContent(r, points, depth);
  }

  void runContent(const pugi::xml_node& r, float points, int depth) {
    if (depth > limits_.maxDepth) throw DocumentError(NestedDocumentMessage);
    for (const pugi::xml_node& c : r.children()) {
      if (c.type() != pugi::node_element) continue;
      const std::string_view name = localName(c);
      if (name == "fldChar") {
        fieldChar(c);
        continue;
      }
      if (name == "AlternateContent") {
        runContent(alternative(c), points, depth + 1);
        continue;
      }
      if (inFieldCode()) continue;
      if (name == "t") {
        out_.addText(runText(c), points);
      } else if (name == "tab" || name == "ptab") {
        out_.addSpecial(TabChar);
      } else if (name == "br") {
        out_.addSpecial(attributeValue(c, "type") == "page" ? PageBreakChar : LineBreakChar);
      } else if (name == "cr") {
        out_.addSpecial(LineBreakChar);
      } else if (name == "noBreakHyphen") {
        out_.addText("-", points);
      } else if (name == "drawing" || name == "pict" || name == "object") {
        out_.addSpecial(PictureChar);
      }
    }
  }

  WordDocumentBuilder& out_;
  const Styles& styles_;
  const DocumentLimits& limits_;
  std::string paragraphStyle_;
  std::vector<bool> fields_; // per open field: still in its code
  int fieldCodes_ = 0;
};

} // namespace

bool isDocxPackage(const ZipArchive& archive) {
  return archive.contains("word/document.xml") || archive.contains("[Content_Types].xml");
}

WordDocument readDocx(const ZipArchive& archive, const DocumentLimits& limits) {
  const std::string main = mainPartName(archive, limits);
  const std::unique_ptr<XmlPart> document = readXmlPart(archive, main, limits);
  if (!document) throw DocumentError(DamagedDocumentMessage);
  const std::string folder = folderOf(main);
  const std::string stylesName =
      relationshipTarget(archive, folder + "_rels/" + fileOf(main) + ".rels", folder, "/styles",
                         limits)
          .value_or(folder + "styles.xml");
  const std::unique_ptr<XmlPart> stylesPart = readXmlPart(archive, stylesName, limits);
  const Styles styles = readStyles(stylesPart.get());

  WordDocumentBuilder builder(limits.maxTextBytes);
  Walker walker(builder, styles, limits);
  const pugi::xml_node body = childNamed(document->document.document_element(), "body");
  if (!body) throw DocumentError(DamagedDocumentMessage);
  walker.walk(body, 0);
  return builder.finish();
}

} // namespace acquisition
