#include "acquisition/packages/zip_archive.h"

#include <zip.h>

#include <memory>
#include <utility>

#include "acquisition/document_error.h"

namespace acquisition {

namespace {

struct FileCloser {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};

[[noreturn]] void damaged() {
  throw DocumentError(DamagedDocumentMessage);
}

} // namespace

ZipArchive ZipArchive::openFile(const std::string& path) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) damaged();
  return ZipArchive(archive);
}

ZipArchive ZipArchive::openBytes(std::string_view bytes) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
  if (!source) {
    zip_error_fini(&error);
    damaged();
  }
  zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(source);
    damaged();
  }
  return ZipArchive(archive);
}

ZipArchive::ZipArchive(ZipArchive&& other) noexcept
    : archive_(std::exchange(other.archive_, nullptr)) {}

ZipArchive& ZipArchive::operator=(ZipArchive&& other) noexcept {
  if (this != &other) {
    if (archive_) zip_discard(archive_);
    archive_ = std::exchange(other.archive_, nullptr);
  }
  return *this;
}

ZipArchive::~ZipArchive() {
  if (archive_) zip_discard(archive_);
}

bool ZipArchive::contains(const std::string& name) const {
  return zip_name_locate(archive_, name.c_str(), 0) >= 0;
}

std::optional<std::string> ZipArchive::read(const std::string& name, std::uint64_t maxBytes) const {
  const zip_int64_t index = zip_name_locate(archive_, name.c_str(), 0);
  if (index < 0) return std::nullopt;
  zip_stat_t stat;
  zip_stat_init(&stat);
  if (zip_stat_index(archive_, static_cast<zip_uint64_t>(index), 0, &stat) != 0) damaged();
  if ((stat.valid & ZIP_STAT_ENCRYPTION_METHOD) && stat.encryption_method != ZIP_EM_NONE) {
    throw DocumentError(LockedDocumentMessage);
  }
  if ((stat.valid & ZIP_STAT_SIZE) && stat.size > maxBytes) {
    throw DocumentError(LargeDocumentMessage);
  }
  std::unique_ptr<zip_file_t, FileCloser> file(
      zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0));
  if (!file) {
    const int code = zip_error_code_zip(zip_get_error(archive_));
    if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD) {
      throw DocumentError(LockedDocumentMessage);
    }
    damaged();
  }
  std::string out;
  if (stat.valid & ZIP_STAT_SIZE) out.reserve(static_cast<std::size_t>(stat.size));
  char buffer[1 << 16];
  while (true) {
    const zip_int64_t got = zip_fread(file.get(), buffer, sizeof buffer);
    if (got < 0) damaged();
    if (got == 0) break;
    if (static_cast<std::uint64_t>(got) > maxBytes - out.size()) {
      throw DocumentError(LargeDocumentMessage);
    }
    out.append(buffer, static_cast<std::size_t>(got));
  }
  return out;
}

} // namespace acquisition
