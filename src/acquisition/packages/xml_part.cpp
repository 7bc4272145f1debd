#include "acquisition/packages/xml_part.h"

#include <cstring>

namespace acquisition {

namespace {

std::string_view afterPrefix(const char* name) {
  const char* colon = std::strchr(name, ':');
  return colon ? std::string_view(colon + 1) : std::string_view(name);
}

} // namespace

std::unique_ptr<XmlPart> readXmlPart(const ZipArchive& archive, const std::string& name,
                                     const DocumentLimits& limits) {
  std::optional<std::string> bytes = archive.read(name, limits.maxEntryBytes);
  if (!bytes) return nullptr;
  auto part = std::make_unique<XmlPart>();
  part->bytes = std::move(*bytes);
  const pugi::xml_parse_result result = part->document.load_buffer_inplace(
      part->bytes.data(), part->bytes.size(), pugi::parse_default | pugi::parse_ws_pcdata,
      pugi::encoding_auto);
  if (!result) throw DocumentError(DamagedDocumentMessage);
  return part;
}

std::string_view localName(const pugi::xml_node& node) {
  return afterPrefix(node.name());
}

std::string_view localName(const pugi::xml_attribute& attribute) {
  return afterPrefix(attribute.name());
}

std::string_view attributeValue(const pugi::xml_node& node, std::string_view name) {
  for (const pugi::xml_attribute& a : node.attributes())
    if (localName(a) == name) return a.value();
  return {};
}

pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name) {
  for (const pugi::xml_node& child : node.children())
    if (child.type() == pugi::node_element && localName(child) == name) return child;
  return {};
}

} // namespace acquisition
