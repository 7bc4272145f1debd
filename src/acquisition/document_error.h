// How the document readers refuse a file: the messages the user sees, the
// error that carries one up to the entry point, and the limits that keep a
// hostile file (an archive that inflates to gigabytes, tables nested without
// end) from exhausting memory or the stack. Every limit is checked before the
// work it guards is done, never after.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace acquisition {

// Each message is followed by the file's path.
inline constexpr const char* DamagedDocumentMessage =
    "This document is damaged and cannot be read : ";
inline constexpr const char* LockedDocumentMessage =
    "This document is protected by a password and cannot be read : ";
inline constexpr const char* LargeDocumentMessage = "This document is too large to be read : ";
inline constexpr const char* NestedDocumentMessage =
    "This document is nested too deeply to be read : ";
inline constexpr const char* UnknownDocumentMessage =
    "This file is not a document that can be read : ";

// A document that cannot be read; what() is one of the messages above.
class DocumentError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct DocumentLimits {
  // The largest part of an archive that is inflated (the XML of the text or
  // of the styles); a larger one is refused before it is read.
  std::uint64_t maxEntryBytes = 128u << 20;
  // The longest text a document may give.
  std::size_t maxTextBytes = 128u << 20;
  // How deep elements may nest inside the text (tables in tables, sections,
  // lists); deeper documents are refused rather than walked.
  int maxDepth = 256;
};

} // namespace acquisition
