#include "acquisition/document_names.h"

#include <algorithm>
#include <initializer_list>

#include "engine/text_helpers.h"

namespace acquisition {

std::string lowerExtension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return {};
  const std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos && slash > dot) return {};
  return engine::lowerCase(name.substr(dot));
}

namespace {

bool isOneOf(const std::string& value, std::initializer_list<const char*> names) {
  return std::any_of(names.begin(), names.end(), [&](const char* n) { return value == n; });
}

bool endsInDigit(const std::string& name) {
  return !name.empty() && name.back() >= '0' && name.back() <= '9';
}

} // namespace

bool isCapturedDocument(const std::string& application, engine::SourceKind kind,
                        const std::string& name) {
  const std::string app = engine::lowerCase(application);
  if (isOneOf(app, {OutlookExpressApp, OutlookApp})) return true;
  if (isOneOf(app, {NotepadApp, WordpadApp})) return name == SpecialDocumentName;
  if (app == WordApp) return kind == engine::SourceKind::Outlook;
  if (app == BrowserApp) return endsInDigit(name);
  return false;
}

bool isCapturedDocument(AcquisitionState& state, const std::string& name) {
  state.SourceApplication = engine::lowerCase(state.SourceApplication);
  return isCapturedDocument(state.SourceApplication, state.SourceKind, name);
}

bool sourceMatchesFile(const std::string& name, const std::string& application) {
  const std::string ext = lowerExtension(name);
  const std::string app = engine::lowerCase(application);
  if (ext == ".doc") return app == WordApp;
  if (ext == ".txt") return isOneOf(app, {NotepadApp, WordpadApp, WordApp});
  if (ext == ".pdf") return isOneOf(app, {AcrobatApp, AcrobatReaderApp});
  return true;
}

} // namespace acquisition
