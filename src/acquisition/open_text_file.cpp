#include "acquisition/open_text_file.h"

#include <filesystem>
#include <system_error>

#include "acquisition/document_names.h"
#include "acquisition/text_file.h"
#include "platform/cp1252.h"

namespace acquisition {

std::string absoluteDocumentPath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) return path;
  return absolute.lexically_normal().string();
}

OpenOutcome openTextFile(HandOver& h, const std::string& path) {
  const std::string name = absoluteDocumentPath(path);
  if (!sourceMatchesFile(name, NotepadApp))
    return {false, NotPlainTextMessage + platform::utf8ToCp1252(name)};
  // Refuse a file that cannot be read before anything changes.
  const TextFileResult probe = loadTextFile(name);
  if (!probe.problem.empty()) return {false, probe.problem};

  AcquisitionState& a = h.acquisition;
  a.SourceApplication = NotepadApp;
  a.SourceKind = engine::SourceKind::PlainText;
  a.CurrentDocument = name;
  a.SavedSourceWindow = NoSourceWindow;
  const CaptureOutcome outcome = captureDocument(h, name);
  a.SourceWindow = a.SavedSourceWindow;
  if (!outcome.handedOver) return {false, NotPlainTextMessage + platform::utf8ToCp1252(name)};
  prepareReaderStart(h);
  return {true, outcome.problem};
}

} // namespace acquisition
