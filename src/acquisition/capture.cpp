#include "acquisition/capture.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "acquisition/document_names.h"
#include "acquisition/document_reader.h"
#include "acquisition/hand_over_text.h"
#include "acquisition/html_to_text.h"
#include "acquisition/source_applications.h"
#include "acquisition/text_file.h"
#include "engine/text_helpers.h"
#include "engine/text_rules.h"
#include "platform/cp1252.h"
#include "platform/files.h"

namespace acquisition {

namespace {

namespace fs = std::filesystem;
using platform::KeySequence;

// How long an application may take to come to the front before keys would
// go elsewhere.
constexpr int SwitchWaitMs = 1000;
// Outlook Express needed this long to fill the clipboard after the keys.
constexpr int MailCopyPauseMs = 250;
// The rule's tolerance between the file's text and the window's.
constexpr std::size_t LengthTolerance = 5;

// How the document of each kind of application is found and read.
enum class Family { Editor, WordProcessor, Mail, Browser, PdfViewer, Outlook };

std::optional<Family> familyOf(std::string_view application) {
  if (application == NotepadApp || application == WordpadApp) return Family::Editor;
  if (application == WordApp) return Family::WordProcessor;
  if (application == OutlookExpressApp) return Family::Mail;
  if (application == BrowserApp) return Family::Browser;
  if (application == AcrobatReaderApp || application == AcrobatApp) return Family::PdfViewer;
  if (application == OutlookApp) return Family::Outlook;
  return std::nullopt;
}

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() &&
         engine::lowerCase(text.substr(0, start.size())) == engine::lowerCase(start);
}

// ~ and ~/... are the user's home folder.
fs::path expandedFolder(const std::string& folder) {
  const std::string utf8 = platform::cp1252ToUtf8(folder);
  if (utf8 == "~" || utf8.starts_with("~/")) {
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / utf8.substr(utf8.size() > 1 ? 2 : 1);
  }
  return fs::path(utf8);
}

bool isRegularFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

// ----- Copying from the window ---------------------------------------------

struct Copied {
  bool keysSent = false; // the window was in front and got the keys
  bool answered = false; // the application copied something
  std::string text;
  std::optional<std::string> html;
};

// Sends `sequence` to `window` and takes what it copied, the user's clipboard
// put back afterwards. Nothing is sent to a terminal or while another window
// is in front.
Copied copyFromWindow(CaptureContext& c, WindowHandle window, KeySequence sequence,
                      int pauseAfterKeysMs = 0) {
  platform::Desktop& d = c.desktop;
  Copied copied;
  if (window <= 0 || d.isTerminalWindow(window)) return copied;
  d.switchToWindow(window);
  if (!d.waitUntil([&] { return d.foregroundWindow() == window; }, SwitchWaitMs)) return copied;
  const platform::ClipboardContents saved = d.saveClipboard();
  d.emptyClipboard();
  d.releaseHeldModifiers();
  d.sendKeys(sequence);
  copied.keysSent = true;
  if (pauseAfterKeysMs > 0) d.pause(pauseAfterKeysMs);
  if (d.waitForCopy(c.copyWaitMs)) {
    copied.answered = true;
    copied.text = d.clipboardText();
    copied.html = d.clipboardHtml();
  }
  d.restoreClipboard(saved);
  return copied;
}

// An editor's text: through the accessibility interface, else select-copy-home
// with its pause, once more when the copy came back blank (the application
// had not filled the clipboard yet).
std::string editorText(CaptureContext& c, WindowHandle window, KeySequence sequence) {
  if (c.accessibleText) {
    const int process = c.desktop.processIdOfWindow(window);
    std::optional<std::string> text;
    if (process > 0) text = c.accessibleText(process);
    if (text && !engine::trimView(*text).empty()) return *text;
  }
  Copied copied = copyFromWindow(c, window, sequence);
  if (copied.answered && engine::trim(copied.text).empty())
    copied = copyFromWindow(c, window, KeySequence::SelectCopyHome);
  return copied.text;
}

// The click that drops the selection the keys made: near the window's lower
// left corner, the pointer put back after it.
void clickToDeselect(platform::Desktop& d, WindowHandle window) {
  const platform::Rect outer = d.windowRect(window);
  const platform::Rect client = d.clientRect(window);
  if (outer == platform::Rect{} || client.height <= 0) return;
  d.clickAt(outer.left + 10, outer.top + client.height - 1);
}

// ----- Finding the file behind the window ---------------------------------

// The file the title gives directly: an absolute path, or the name in the
// folder the title shows.
std::optional<std::string> fileFromTitle(const TitleParts& parts) {
  const fs::path name(platform::cp1252ToUtf8(parts.name));
  if (name.is_absolute() && isRegularFile(name)) return name.lexically_normal().string();
  if (!parts.folder.empty()) {
    const fs::path inFolder = expandedFolder(parts.folder) / name;
    if (inFolder.is_absolute() && isRegularFile(inFolder))
      return inFolder.lexically_normal().string();
  }
  return std::nullopt;
}

// Recently-used files whose file name begins with the title's name, in the
// list's order.
std::vector<std::string> recentCandidates(CaptureContext& c, const TitleParts& parts) {
  std::vector<std::string> found;
  if (parts.name.empty() || !c.recentFiles) return found;
  const std::string name = platform::cp1252ToUtf8(fs::path(parts.name).filename().string());
  for (const std::string& path : c.recentFiles()) {
    if (startsWithIgnoringCase(fs::path(path).filename().string(), name) && isRegularFile(path))
      found.push_back(path);
  }
  return found;
}

// Whether the file's text may be the window's, by the 5-character rule. The
// program text is never longer than the file's bytes, nor shorter than a
// quarter of them, so a file far off in size is not read.
bool fileHoldsText(const std::string& path, const std::string& text) {
  std::error_code error;
  const std::uintmax_t bytes = fs::file_size(path, error);
  if (error || bytes > MaxTextFileBytes) return false;
  const std::size_t wanted = engine::trimView(text).size();
  if (bytes > 4 * (wanted + LengthTolerance) + 4) {
    // Only a blank file of that size would still match: look at it.
    if (bytes > TextProbeLength) return false;
  }
  try {
    return fileMatchesCapturedText(platform::decodeIncomingText(readWholeFile(path)), text);
  } catch (const platform::FileError&) {
    return false;
  }
}

// A document file the application can hold.
bool fitsApplication(const std::string& path, Family family) {
  const std::string extension = lowerExtension(path);
  if (family == Family::PdfViewer) return extension == ".pdf";
  return isDocumentFileName(path) && extension != ".pdf";
}

// The file of an editor, word processor or PDF viewer window; nothing when
// none is found.
std::optional<std::string> findDocumentFile(CaptureContext& c, WindowHandle window, Family family,
                                            const TitleParts& parts) {
  if (auto file = fileFromTitle(parts)) return file;
  const std::vector<std::string> candidates = recentCandidates(c, parts);
  if (candidates.empty()) return std::nullopt;
  if (family != Family::Editor) {
    for (const std::string& path : candidates)
      if (fitsApplication(path, family)) return path;
    return std::nullopt;
  }
  const std::string text = editorText(c, window, KeySequence::SelectCopyHomeWithPause);
  c.copied = CaptureContext::CopiedText{window, text};
  for (const std::string& path : candidates)
    if (fileHoldsText(path, text)) return path;
  return std::nullopt;
}

// Names the document and sets its kind of source.
void nameDocument(CaptureContext& c, AcquisitionState& a, Family family, WindowHandle window,
                  const std::string& title) {
  const std::string id = std::to_string(window);
  switch (family) {
  case Family::Editor:
  case Family::WordProcessor:
  case Family::PdfViewer: {
    const auto file = findDocumentFile(c, window, family, documentTitleParts(title));
    a.CurrentDocument = file ? *file : SpecialDocumentName;
    a.SourceKind = family == Family::Editor          ? engine::SourceKind::PlainText
                   : family == Family::WordProcessor ? engine::SourceKind::Word
                                                     : engine::SourceKind::Pdf;
    break;
  }
  case Family::Mail:
    a.CurrentDocument = OutlookExpressDocumentPrefix + id;
    a.SourceKind = engine::SourceKind::OutlookExpress;
    break;
  case Family::Browser:
    a.CurrentDocument = BrowserDocumentPrefix + id;
    a.SourceKind = engine::SourceKind::WebPage;
    break;
  case Family::Outlook:
    a.CurrentDocument = OutlookDocumentPrefix + id;
    a.SourceKind = engine::SourceKind::Outlook;
    break;
  }
}

// ----- Extractions ---------------------------------------------------------

bool isSpecialDocument(const HandOver& h) {
  return h.acquisition.CurrentDocument == SpecialDocumentName;
}

// The editor's text copied while its file was looked for, or copied now.
std::string copiedEditorText(CaptureContext& c, WindowHandle window) {
  if (c.copied && c.copied->window == window) {
    std::string text = std::move(c.copied->text);
    c.copied.reset();
    return text;
  }
  return editorText(c, window, KeySequence::SelectCopyHome);
}

std::string withoutLineFeeds(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
  return text;
}

std::string extractEditor(HandOver& h, CaptureContext& c) {
  if (!isSpecialDocument(h)) {
    TextFileResult file = loadTextFile(h.acquisition.CurrentDocument);
    if (!file.problem.empty()) return file.problem;
    engine::putDocumentText(h.engine.state(), std::move(file.text));
    return {};
  }
  engine::putDocumentText(h.engine.state(),
                          withoutLineFeeds(copiedEditorText(c, h.acquisition.SavedSourceWindow)));
  return {};
}

// A document file read by the document readers (a text file as text).
std::string readDocumentFile(HandOver& h) {
  const std::string& path = h.acquisition.CurrentDocument;
  if (!isDocumentFileName(path)) {
    TextFileResult file = loadTextFile(path);
    if (!file.problem.empty()) return file.problem;
    engine::putDocumentText(h.engine.state(), std::move(file.text));
    h.engine.callbacks().headingFontLarger = nullptr;
    return {};
  }
  const DocumentRead read = readDocument(path);
  if (!read.document) return read.problem;
  installDocument(h, read);
  return {};
}

std::string extractWordProcessor(HandOver& h, CaptureContext& c) {
  // Word's automation would also bring a table or a picture into view when the
  // reader reaches its mark, and show the reading place when the reader
  // closes; a word processor here offers no such interface, so those steps do
  // nothing.
  if (!isSpecialDocument(h)) return readDocumentFile(h);
  const Copied copied =
      copyFromWindow(c, h.acquisition.SavedSourceWindow, KeySequence::SelectCopyHome);
  engine::putDocumentText(h.engine.state(), withoutLineFeeds(copied.text));
  h.acquisition.SourceKind = engine::SourceKind::Word;
  h.engine.callbacks().headingFontLarger = nullptr;
  return {};
}

std::string extractPdf(HandOver& h, CaptureContext&) {
  if (isSpecialDocument(h)) return {};
  return readDocumentFile(h);
}

std::string extractWebPage(HandOver& h, CaptureContext& c) {
  const WindowHandle window = h.acquisition.SavedSourceWindow;
  const Copied copied = copyFromWindow(c, window, KeySequence::SelectCopy);
  std::string problem;
  if (copied.html) {
    HtmlText page = htmlToText(*copied.html, platform::cp1252ToUtf8(c.desktop.windowTitle(window)));
    engine::putDocumentText(h.engine.state(), std::move(page.text));
    problem = std::move(page.problem);
  } else if (copied.answered) {
    engine::putDocumentText(h.engine.state(), withoutLineFeeds(copied.text));
  }
  if (copied.keysSent) clickToDeselect(c.desktop, window);
  return problem;
}

std::string extractMail(HandOver& h, CaptureContext& c) {
  const WindowHandle window = h.acquisition.SavedSourceWindow;
  const Copied copied = copyFromWindow(c, window, KeySequence::SelectCopy, MailCopyPauseMs);
  if (copied.answered) {
    std::string text = withoutLineFeeds(copied.text);
    if (h.engine.settings().GeneralTextRules[engine::RuleHideReplyCharacters])
      text = hideReplyCharacters(text);
    text = engine::replaceAll(text, " \r", "\r");
    text = engine::replaceAll(text, "\r ", "\r");
    engine::putDocumentText(h.engine.state(), engine::trim(text));
  }
  if (copied.keysSent) clickToDeselect(c.desktop, window);
  return {};
}

Extraction bound(std::string (*extraction)(HandOver&, CaptureContext&), CaptureContext& c) {
  return [extraction, &c](HandOver& h) { return extraction(h, c); };
}

} // namespace

TitleParts documentTitleParts(std::string_view title) {
  std::string_view t = engine::trimView(title);
  // The application's name follows the last dash between spaces.
  std::size_t cut = std::string_view::npos;
  for (const std::string_view dash : {" - ", " \x96 ", " \x97 "}) {
    const std::size_t at = t.rfind(dash);
    if (at != std::string_view::npos && at > 0 && (cut == std::string_view::npos || at > cut))
      cut = at;
  }
  if (cut != std::string_view::npos) t = engine::trimView(t.substr(0, cut));
  // Modification marks.
  for (const std::string_view mark : {"[modified]", "(modified)"}) {
    if (t.size() >= mark.size() && engine::lowerCase(t.substr(t.size() - mark.size())) == mark)
      t = engine::trimView(t.substr(0, t.size() - mark.size()));
  }
  while (!t.empty() && (t.front() == '*' || t.front() == '\x95'))
    t = engine::trimView(t.substr(1));
  while (!t.empty() && t.back() == '*')
    t = engine::trimView(t.substr(0, t.size() - 1));
  TitleParts parts;
  if (endsWith(t, ")")) {
    const std::size_t open = t.rfind(" (");
    if (open != std::string_view::npos && open > 0) {
      parts.folder = std::string(t.substr(open + 2, t.size() - open - 3));
      t = engine::trimView(t.substr(0, open));
    }
  }
  parts.name = std::string(t);
  return parts;
}

bool fileMatchesCapturedText(std::string_view fileText, std::string_view capturedText) {
  const std::size_t file = engine::trimView(fileText).size();
  const std::size_t text = engine::trimView(capturedText).size();
  return file == 0 || (file > text ? file - text : text - file) <= LengthTolerance;
}

CaptureOutcome captureFromWindow(HandOver& h, CaptureContext& c, platform::WindowId window) {
  AcquisitionState& a = h.acquisition;
  const WindowHandle target = window == 0 ? a.TrackedWindow : window;
  platform::Desktop& d = c.desktop;
  const std::string application =
      target > 0 ? sourceApplicationOf(d, d.processNameOfWindow(target), target) : std::string();
  const std::optional<Family> family = familyOf(application);
  if (!family) return {false, UnsupportedWindowMessage};

  const std::string title = d.windowTitle(target);
  a.SourceApplication = application;
  a.TrackedWindow = NoTrackedWindow;
  a.ReaderShown = true;
  c.copied.reset();
  nameDocument(c, a, *family, target, title);

  a.SavedSourceWindow = target;
  const CaptureOutcome outcome = captureDocument(h, a.CurrentDocument);
  a.SourceWindow = target;
  c.copied.reset();
  if (outcome.handedOver) restoreReadingPosition(h);
  return outcome;
}

ExtractionTable captureExtractions(CaptureContext& c) {
  ExtractionTable table;
  table[NotepadApp] = bound(extractEditor, c);
  table[WordpadApp] = bound(extractEditor, c);
  table[WordApp] = bound(extractWordProcessor, c);
  table[BrowserApp] = bound(extractWebPage, c);
  table[OutlookExpressApp] = bound(extractMail, c);
  table[AcrobatReaderApp] = bound(extractPdf, c);
  table[AcrobatApp] = bound(extractPdf, c);
  return table;
}

void addCaptureExtractions(ExtractionTable& table, CaptureContext& c) {
  for (auto& [application, extraction] : captureExtractions(c))
    table[application] = std::move(extraction);
}

} // namespace acquisition
