#include "acquisition/open_document_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string_view>
#include <system_error>

#include "acquisition/document_names.h"
#include "acquisition/document_reader.h"
#include "acquisition/text_file.h"
#include "platform/cp1252.h"

namespace acquisition {

namespace {

struct FileType {
  std::string_view extension;
  const char* application;
  engine::SourceKind kind;
};

constexpr FileType FileTypes[] = {
    {".txt", NotepadApp, engine::SourceKind::PlainText},
    {".text", NotepadApp, engine::SourceKind::PlainText},
    {".md", NotepadApp, engine::SourceKind::PlainText},
    {".log", NotepadApp, engine::SourceKind::PlainText},
    {".doc", WordApp, engine::SourceKind::Word},
    {".docx", WordApp, engine::SourceKind::Word},
    {".odt", WordApp, engine::SourceKind::Word},
    {".pdf", AcrobatReaderApp, engine::SourceKind::Pdf},
};

const FileType* fileTypeOf(const std::string& path) {
  const std::string extension = lowerExtension(path);
  for (const FileType& t : FileTypes)
    if (t.extension == extension) return &t;
  return nullptr;
}

bool exists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0;
}

// False unless the path is a regular file that can be read. The type is
// looked at before the file is opened, so a FIFO or a device never blocks.
bool readable(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

// Hands `name` over from `type`'s application with `extraction` as its only one.
OpenOutcome handOver(HandOver& h, const std::string& name, const FileType& type,
                     Extraction extraction) {
  AcquisitionState& a = h.acquisition;
  a.SourceApplication = type.application;
  a.SourceKind = type.kind;
  a.CurrentDocument = name;
  a.SavedSourceWindow = NoSourceWindow;
  HandOver once = h;
  once.extractions = {{type.application, std::move(extraction)}};
  const CaptureOutcome outcome = captureDocument(once, name);
  a.SourceWindow = a.SavedSourceWindow;
  if (!outcome.handedOver) return {false, UnsupportedFileMessage};
  prepareReaderStart(h);
  return {true, outcome.problem};
}

} // namespace

std::string absoluteDocumentPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  return absolute.lexically_normal().string();
}

OpenOutcome openDocumentFile(HandOver& h, const std::string& path) {
  const std::string name = absoluteDocumentPath(path);
  if (!exists(name)) return {false, MissingFileMessage};
  const FileType* type = fileTypeOf(name);
  if (!type) return {false, UnsupportedFileMessage};
  if (!readable(name)) return {false, UnreadableFileMessage + platform::utf8ToCp1252(name)};

  if (type->kind == engine::SourceKind::PlainText) {
    TextFileResult file = loadTextFile(name);
    if (!file.problem.empty()) return {false, file.problem};
    const auto it = h.extractions.find(NotepadApp);
    if (it == h.extractions.end()) return {false, UnsupportedFileMessage};
    // The file is read once: the editor's extraction takes this text.
    h.openedFile = std::make_shared<OpenedTextFile>(OpenedTextFile{name, std::move(file.text)});
    const OpenOutcome outcome = handOver(h, name, *type, it->second);
    h.openedFile.reset();
    return outcome;
  }
  const DocumentRead read = readDocument(name);
  if (!read.document) return {false, read.problem};
  return handOver(h, name, *type,
                  [read](HandOver& once) { return installDocument(once, read), std::string(); });
}

} // namespace acquisition
