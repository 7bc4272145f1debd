// Names of documents and what they say about the document: whether a name
// belongs to a captured document (a message, a web page, an unsaved editor
// window) rather than to a file, and whether a file's extension fits the
// application that is to hand it over. Captured documents are kept out of the
// recent-files lists and the saved reading positions.
#pragma once

#include <string>
#include <string_view>

#include "acquisition/acquisition_state.h"

namespace acquisition {

// The text of a Notepad or WordPad window whose file could not be found.
inline constexpr const char* SpecialDocumentName = "Lumetra Special Document";
// Captured messages and pages are named by these prefixes and the decimal
// window handle, so the same window always gives the same name.
inline constexpr const char* OutlookDocumentPrefix = "Outlook Document ";
inline constexpr const char* OutlookExpressDocumentPrefix = "Outlook Express Document ";
inline constexpr const char* BrowserDocumentPrefix = "Internet Explorer Document ";

// The extension of a file name with its dot, lower-cased; empty when the last
// path component holds no dot.
std::string lowerExtension(std::string_view name);

// True when the document named, coming from `application` (a lower-case base
// name) as a source of `kind`, is a capture and not a file.
bool isCapturedDocument(const std::string& application, engine::SourceKind kind,
                        const std::string& name);
// The same for the current source. Lower-cases state.SourceApplication and
// keeps it so.
bool isCapturedDocument(AcquisitionState& state, const std::string& name);

// False when a .doc, .txt or .pdf name is to come from an application that
// cannot hold such a file; true for every other name.
bool sourceMatchesFile(const std::string& name, const std::string& application);

} // namespace acquisition
