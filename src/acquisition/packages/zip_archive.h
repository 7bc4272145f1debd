// A zip archive read through libzip, from a file or from bytes in memory,
// giving whole entries by name. An entry is inflated only when its stated size
// is within the limit, and reading stops as soon as more bytes come out than
// that, so a lying header cannot make it allocate more. Damaged, encrypted or
// too large entries throw DocumentError with the matching message.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct zip;

namespace acquisition {

class ZipArchive {
public:
  // Throws DocumentError (damaged) when the bytes are not a zip archive.
  static ZipArchive openFile(const std::string& path);
  // The bytes must outlive the archive.
  static ZipArchive openBytes(std::string_view bytes);

  ZipArchive(ZipArchive&& other) noexcept;
  ZipArchive& operator=(ZipArchive&& other) noexcept;
  ZipArchive(const ZipArchive&) = delete;
  ZipArchive& operator=(const ZipArchive&) = delete;
  ~ZipArchive();

  bool contains(const std::string& name) const;
  // The whole entry, or nothing when the archive has no entry of that name.
  std::optional<std::string> read(const std::string& name, std::uint64_t maxBytes) const;

private:
  explicit ZipArchive(zip* archive) : archive_(archive) {}
  zip* archive_ = nullptr;
};

} // namespace acquisition
