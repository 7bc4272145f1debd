// One XML part of a zipped document (the text or the styles of a docx or odt
// file), parsed by pugixml with all white space kept, since a run of spaces
// can be the text itself. A part that is not well-formed XML is refused as
// damaged; nothing of a half-parsed part is used.
#pragma once

#include <pugixml.hpp>

#include <memory>
#include <string>
#include <string_view>

#include "acquisition/document_error.h"
#include "acquisition/packages/zip_archive.h"

namespace acquisition {

struct XmlPart {
  std::string bytes; // parsed in place: the document points into it
  pugi::xml_document document;
};

// The parsed part, or null when the archive has no entry of that name.
// Throws DocumentError.
std::unique_ptr<XmlPart> readXmlPart(const ZipArchive& archive, const std::string& name,
                                     const DocumentLimits& limits);

// The name without its namespace prefix: "w:p" gives "p".
std::string_view localName(const pugi::xml_node& node);
std::string_view localName(const pugi::xml_attribute& attribute);

// The value of the attribute whose local name is `name`, or empty.
std::string_view attributeValue(const pugi::xml_node& node, std::string_view name);

// The first child element whose local name is `name`, or an empty node.
pugi::xml_node childNamed(const pugi::xml_node& node, std::string_view name);

} // namespace acquisition
