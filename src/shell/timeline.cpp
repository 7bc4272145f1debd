#include "shell/timeline.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <exception>
#include <iterator>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <sstream>
#include <string_view>
#include <utility>

#include "acquisition/acquisition_state.h"
#include "acquisition/hand_over.h"
#include "acquisition/open_document_file.h"
#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/fixed_width_measure.h"
#include "platform/virtual_clock.h"
#include "reader/headless_view.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"
#include "reader/layout_state.h"
#include "reader/page_model.h"
#include "reader/reader_view.h"
#include "reader/tform1.h"
#include "shell/timeline_options.h"

namespace shell {
namespace {

using engine::ReadingModeKind;

constexpr int CharWidth = 10;
constexpr int LineHeight = 20;

int desktopMissing(std::ostream& err) {
  err << "lumetra: --capture needs the desktop program, which is not part of this one\n";
  return CaptureUnavailableStatus;
}

// The line without the characters the strip leaves out (CR and TAB).
std::string stripped(const std::string& line) {
  std::string out;
  for (char c : line)
    if (c != '\r' && c != '\t') out += c;
  return out;
}

// The line as the strip draws it: CR and TAB removed, trimmed.
std::string drawnLine(const std::string& line) {
  return engine::trim(stripped(line));
}

// The most bytes a JSON literal of `n` characters of code page 1252 takes:
// each may become "\u00XX", and the quotes.
constexpr std::size_t jsonRoom(std::size_t n) {
  return 6 * n + 2;
}

// Writes `text` (code page 1252) as a JSON string literal in UTF-8 at `out`,
// which has jsonRoom(text.size()) bytes; with `dropCrTab` the CRs and TABs
// are left out. Returns the end of what was written.
char* writeJson(char* out, std::string_view text, bool dropCrTab) {
  static constexpr char Hex[] = "0123456789abcdef";
  // The bytes that go in as they are, looked up: every shown character passes here.
  static constexpr std::array<bool, 256> Plain = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 0x7F; ++c)
      table[static_cast<std::size_t>(c)] = c != '"' && c != '\\';
    return table;
  }();
  const auto plain = [](unsigned char c) { return Plain[c]; };
  const auto put = [&out](std::string_view s) {
    std::memcpy(out, s.data(), s.size());
    out += s.size();
  };
  *out++ = '"';
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Runs that need no escape go in whole.
    std::size_t run = i;
    while (run < text.size() && plain(static_cast<unsigned char>(text[run])))
      ++run;
    if (run > i) {
      put(text.substr(i, run - i));
      i = run;
      if (i == text.size()) break;
    }
    const auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) { // every byte from 0x80 up stands for a character from U+0080 up
      const char32_t u = platform::cp1252ToUnicode(c);
      if (u < 0x800) {
        *out++ = static_cast<char>(0xC0 | (u >> 6));
        *out++ = static_cast<char>(0x80 | (u & 0x3F));
      } else {
        *out++ = static_cast<char>(0xE0 | (u >> 12));
        *out++ = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        *out++ = static_cast<char>(0x80 | (u & 0x3F));
      }
      continue;
    }
    switch (c) {
    case '"':
      put("\\\"");
      break;
    case '\\':
      put("\\\\");
      break;
    case '\n':
      put("\\n");
      break;
    case '\r':
      if (!dropCrTab) put("\\r");
      break;
    case '\t':
      if (!dropCrTab) put("\\t");
      break;
    default:
      if (c < 0x20 || c == 0x7F) {
        put("\\u00");
        *out++ = Hex[c >> 4];
        *out++ = Hex[c & 0xF];
      } else {
        *out++ = static_cast<char>(c);
      }
    }
  }
  *out++ = '"';
  return out;
}

void appendJson(std::string& out, std::string_view text, bool dropCrTab) {
  const std::size_t at = out.size();
  out.resize(at + jsonRoom(text.size()));
  out.resize(static_cast<std::size_t>(writeJson(out.data() + at, text, dropCrTab) - out.data()));
}

// Writes the events and counts them against the limit. The lines are
// gathered in one buffer and handed to the stream in large pieces: one write
// per small insertion made the output stream a good part of a long run's
// time, and so did a string of its own for every value written. The buffer
// is written through a cursor: a frame line is a dozen small pieces, and a
// string's append checks and moves more than such a piece is worth.
class EventWriter {
public:
  EventWriter(std::ostream& out, std::int64_t limit)
      : out_(out), buffer_(FlushSize + FlushSize / 4), limit_(limit) {}
  ~EventWriter() { flush(); }
  EventWriter(const EventWriter&) = delete;
  EventWriter& operator=(const EventWriter&) = delete;
  bool full() const { return written_ >= limit_; }
  // Starts an event line; false when the limit is reached.
  template <std::size_t N>
  [[gnu::always_inline]] bool begin(std::int64_t t, const char (&event)[N]) {
    if (full()) return false;
    ++written_;
    if (std::string_view(event) == "end") ended_ = true;
    raw("{\"t\":").number(t).raw(",\"event\":\"").raw(event).raw("\"");
    return true;
  }
  EventWriter& raw(std::string_view text) {
    std::memcpy(room(text.size()), text.data(), text.size());
    used_ += text.size();
    return *this;
  }
  // A literal: its length is known here, so the copy is a few moves. A frame
  // line is a dozen of these, and a call for each was a good part of it.
  template <std::size_t N> [[gnu::always_inline]] EventWriter& raw(const char (&text)[N]) {
    std::memcpy(room(N - 1), text, N - 1);
    used_ += N - 1;
    return *this;
  }
  template <class Integer> [[gnu::always_inline]] EventWriter& number(Integer value) {
    char* at = room(std::numeric_limits<Integer>::digits10 + 2);
    char* const end = buffer_.data() + buffer_.size();
    // Times and positions fit in 32 bits, where the division is cheaper.
    const bool narrow = sizeof(Integer) > sizeof(std::uint32_t) && value >= 0 &&
                        static_cast<std::uint64_t>(value) <= 0xFFFFFFFFu;
    const std::to_chars_result written =
        narrow ? std::to_chars(at, end, static_cast<std::uint32_t>(value))
               : std::to_chars(at, end, value);
    used_ = static_cast<std::size_t>(written.ptr - buffer_.data());
    return *this;
  }
  EventWriter& string(std::string_view text) { return json(text, false); }
  EventWriter& stringArray(const std::vector<std::string>& lines) {
    raw("[");
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i) raw(",");
      string(lines[i]);
    }
    return raw("]");
  }
  // The lines as the strip draws them (drawnLine), the empty ones left out
  // when `skipEmpty`.
  template <class Lines> EventWriter& drawnLineArray(const Lines& lines, bool skipEmpty) {
    raw("[");
    bool first = true;
    for (const std::string& line : lines) {
      // Trimming first and then leaving out CR and TAB inside gives the same
      // text: both are trimmed at the ends anyway.
      const std::string_view core = engine::trimView(line);
      if (skipEmpty && core.empty()) continue;
      if (!first) raw(",");
      first = false;
      json(core, true);
    }
    return raw("]");
  }
  void end() {
    raw("}\n");
    if (used_ >= FlushSize) flush();
  }
  // The limit stopped the run before the document's end: says so on a last
  // line of its own. True when it did.
  bool reportTruncation() {
    flush();
    if (!full() || ended_) return false;
    out_ << "{\"event\":\"truncated\",\"after\":" << written_ << "}\n";
    return true;
  }
  // Hands what is gathered to the output stream.
  void flush() {
    if (used_) out_.write(buffer_.data(), static_cast<std::streamsize>(used_));
    used_ = 0;
  }

private:
  // Room for `n` more bytes at the cursor.
  [[gnu::always_inline]] char* room(std::size_t n) {
    if (used_ + n > buffer_.size()) [[unlikely]]
      makeRoom(n);
    return buffer_.data() + used_;
  }
  void makeRoom(std::size_t n) {
    flush();
    if (n > buffer_.size()) buffer_.resize(n);
  }
  EventWriter& json(std::string_view text, bool dropCrTab) {
    char* at = room(jsonRoom(text.size()));
    used_ = static_cast<std::size_t>(writeJson(at, text, dropCrTab) - buffer_.data());
    return *this;
  }

  static constexpr std::size_t FlushSize = 1 << 16;
  std::ostream& out_;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
  std::int64_t limit_;
  std::int64_t written_ = 0;
  bool ended_ = false;
};

// The reader's screen, off screen: it lays out and builds pages as the window
// does, draws nothing, and reports the pages it shows. With `screenEvents`
// it also reports every change of the hint, of status panels 1 and 3, and of
// the reading mode.
class TimelineView : public reader::HeadlessView {
public:
  TimelineView(const reader::ReaderContext& context, const platform::TextMeasure& measure,
               EventWriter& writer, const platform::VirtualClock& clock, bool screenEvents)
      : HeadlessView(context, measure), writer_(writer), clock_(clock), screenEvents_(screenEvents),
        mode_(context.settings.ReadingMode) {}

  void arrangeControls() override {
    HeadlessView::arrangeControls();
    const ReadingModeKind mode = context().settings.ReadingMode;
    if (mode == mode_) return;
    mode_ = mode;
    if (!screenEvents_ || !writer_.begin(clock_.nowMs(), "mode")) return;
    static constexpr const char* Names[] = {"banner", "sentence", "single", "double"};
    writer_.raw(",\"mode\":\"").raw(Names[static_cast<int>(mode)]).raw("\"");
    writer_.end();
  }
  // A match of the find bar on screen: the frame around it, and where the
  // match lies in the lines as printed (line index, character offset, length).
  void drawFindFrame() override {
    const engine::EngineState& es = context().engine;
    if (!writer_.begin(clock_.nowMs(), "frame")) return;
    std::vector<std::string> lines;
    std::string highlight;
    for (const std::string& line : es.FrameLines) {
      if (line.find(engine::HighlightToken) == std::string::npos || !highlight.empty()) {
        if (!drawnLine(line).empty()) lines.push_back(drawnLine(line));
        continue;
      }
      const engine::HighlightSplit split =
          engine::splitHighlightedLine(line, context().window.searchedText);
      // The offset in the printed line: what precedes the match, without
      // the characters the strip leaves out and the blanks trimmed in front.
      const std::string whole = split.before + split.match + split.after;
      const std::size_t lead = stripped(whole).size() - engine::trimLeft(stripped(whole)).size();
      const std::size_t before = stripped(split.before).size();
      highlight = ",\"highlight\":{\"line\":" + std::to_string(lines.size()) +
                  ",\"start\":" + std::to_string(before > lead ? before - lead : 0) +
                  ",\"length\":" + std::to_string(split.match.size()) + "}";
      lines.push_back(drawnLine(whole));
    }
    writer_.raw(",\"start\":")
        .number(es.FrameStartPosition)
        .raw(",\"end\":")
        .number(es.CurrentPosition)
        .raw(",\"lines\":")
        .stringArray(lines)
        .raw(highlight);
    writer_.end();
  }
  void setInfoText(const std::string& text) override {
    if (text == hint_) return;
    hint_ = text;
    if (!screenEvents_ || !writer_.begin(clock_.nowMs(), "hint")) return;
    writer_.raw(",\"text\":").string(text);
    writer_.end();
  }
  void setStatusText(int panel, const std::string& text) override {
    if (panel != 1 && panel != 3) return;
    std::string& shown = panels_[panel == 1 ? 0 : 1];
    if (text == shown) return;
    shown = text;
    if (!screenEvents_ || !writer_.begin(clock_.nowMs(), "status")) return;
    writer_.raw(",\"panel\":").number(panel).raw(",\"text\":").string(text);
    writer_.end();
  }
  void closeWindow() override { closed = true; }

  // A page was shown since the last take.
  bool pageShownPending() const { return pageShownSince_; }
  bool takePageShown() { return std::exchange(pageShownSince_, false); }
  // The last page of the document was shown.
  bool ended = false;
  bool closed = false;

protected:
  void pageShown() override {
    pageShownSince_ = true;
    const reader::PageModel& page = context().page;
    const engine::EngineState& es = context().engine;
    if (writer_.begin(clock_.nowMs(), "page")) {
      writer_.raw(",\"start\":")
          .number(page.pageStart)
          .raw(",\"end\":")
          .number(es.CurrentPosition)
          .raw(",\"columns\":[");
      const int columns = context().settings.ReadingMode == ReadingModeKind::Double ? 2 : 1;
      for (int c = 0; c < columns; ++c) {
        if (c) writer_.raw(",");
        writer_.drawnLineArray(page.columns[static_cast<std::size_t>(c)].lines, false);
      }
      writer_.raw("]");
      writer_.end();
    }
    if (page.pageAtEnd) {
      ended = true;
      if (writer_.begin(clock_.nowMs(), "end")) writer_.end();
    }
  }

private:
  EventWriter& writer_;
  const platform::VirtualClock& clock_;
  bool screenEvents_;
  ReadingModeKind mode_;
  std::string hint_;
  std::array<std::string, 2> panels_;
  bool pageShownSince_ = false;
};

// Reports the reading loop's frames, pauses and end as events.
class TimelineObserver : public reader::ReadingObserver {
public:
  TimelineObserver(EventWriter& writer, const platform::VirtualClock& clock,
                   const engine::EngineState& es, const engine::SettingsRecord& settings)
      : writer_(writer), clock_(clock), es_(es), settings_(settings) {}

  void frameShown(std::int32_t words, int interval) override {
    if (!writer_.begin(clock_.nowMs(), "frame")) return;
    writer_.raw(",\"start\":")
        .number(es_.FrameStartPosition)
        .raw(",\"end\":")
        .number(es_.CurrentPosition)
        .raw(",\"lines\":")
        .drawnLineArray(drawnLines(), true)
        .raw(",\"words\":")
        .number(words)
        .raw(",\"interval\":")
        .number(interval)
        .raw(",\"heading\":");
    if (es_.HeadingIcon)
      writer_.raw("true");
    else
      writer_.raw("false");
    writer_.end();
  }
  void pauseStarted(int interval) override {
    if (!writer_.begin(clock_.nowMs(), "pause")) return;
    writer_.raw(",\"interval\":").number(interval);
    writer_.end();
  }
  void documentEnded() override {
    ended = true;
    if (!writer_.begin(clock_.nowMs(), "end")) return;
    writer_.end();
  }

  bool ended = false;

private:
  // The lines the strip draws: up to LineIndex in Sentence mode, up to
  // LinesPerScreen in Banner mode, never past LinesInFrame; the empty ones
  // are left out when written.
  std::span<const std::string> drawnLines() const {
    const int last = settings_.ReadingMode == ReadingModeKind::Sentence
                         ? std::min<int>(es_.LineIndex, 4)
                         : std::min<int>(settings_.LinesPerScreen - 1, 4);
    const int count = std::max(0, std::min({last + 1, static_cast<int>(es_.LinesInFrame),
                                            static_cast<int>(engine::MaxFrameLines)}));
    return std::span<const std::string>(es_.FrameLines.data(), static_cast<std::size_t>(count));
  }

  EventWriter& writer_;
  const platform::VirtualClock& clock_;
  const engine::EngineState& es_;
  const engine::SettingsRecord& settings_;
};

// The reader on the virtual clock: it starts as a shown window does (reading
// at once in the banner modes, the first page in the column modes), then
// receives the commands at their times. Without commands the column modes
// turn a page as soon as the last one is shown (each page fade takes 400 ms).
void runReader(engine::SettingsRecord& settings, engine::EngineState& es,
               engine::TextEngine& engine, const platform::TextMeasure& measure,
               const std::vector<TimedCommand>& commands, EventWriter& writer) {
  platform::VirtualClock clock;
  reader::ReadingState reading;
  reader::FadeState fade;
  reader::WindowParts parts;
  parts.window.lastReadPosition = 1; // a document was handed over
  const auto context = reader::ReaderContext::of(engine, reading, fade, parts);
  TimelineView view(context, measure, writer, clock, !commands.empty());
  TimelineObserver observer(writer, clock, es, settings);
  reader::TForm1 form(context, clock, view);
  form.setObserver(&observer);

  reading.SentenceMode = settings.ReadingMode == ReadingModeKind::Sentence;
  form.FormShow();
  if (reader::isBannerMode(settings.ReadingMode)) {
    form.beginReading();
    form.tmReadTimer();
  }

  const bool turnPages = commands.empty() && !reader::isBannerMode(settings.ReadingMode);
  const auto ended = [&] { return observer.ended || view.ended; };
  constexpr std::int64_t Day = 24LL * 60 * 60 * 1000;
  std::size_t next = 0;
  while (!writer.full() && !view.closed) {
    if (turnPages && view.takePageShown()) {
      if (parts.page.pageAtEnd) break;
      form.fevhNextPage();
      continue;
    }
    if (next < commands.size()) {
      const TimedCommand& command = commands[next++];
      clock.runUntil([&] { return writer.full(); },
                     std::max<std::int64_t>(command.t - clock.nowMs(), 0));
      if (!writer.begin(clock.nowMs(), "command")) break;
      writer.raw(",\"name\":").string(command.name);
      writer.end();
      // A command after the end still runs: the end is reported anew.
      observer.ended = false;
      view.ended = false;
      if (command.findText) {
        // Opens the bar when needed, types the text and searches.
        form.FindText1Click();
        form.tbFindTextChange(*command.findText);
      }
      if (!command.component.empty()) {
        form.runCommand(*reader::findComponentCommand(command.component));
      } else {
        form.FormKeyDown(command.key);
        form.FormKeyUp(command.key);
      }
      if (view.closed) form.FormClose();
      continue;
    }
    if (ended() || !form.workScheduled()) break;
    clock.runUntil(
        [&] {
          return writer.full() || ended() || !form.workScheduled() ||
                 (turnPages && view.pageShownPending());
        },
        Day);
  }
}

// What was captured, before the reader's events.
void writeCaptureEvent(EventWriter& writer, const acquisition::AcquisitionState& a) {
  if (!writer.begin(0, "capture")) return;
  writer.raw(",\"application\":")
      .string(a.SourceApplication)
      .raw(",\"name\":")
      .string(a.CurrentDocument)
      .raw(",\"kind\":")
      .number(static_cast<int>(a.SourceKind));
  writer.end();
}

} // namespace

std::string jsonString(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  appendJsonString(out, text);
  return out;
}

void appendJsonString(std::string& out, std::string_view text) {
  appendJson(out, text, false);
}

bool timelineNeedsDesktop(const std::vector<std::string>& args) {
  if (!args.empty() && args[0] == HoldClipboardOption) return true;
  std::string problem;
  const std::optional<TimelineOptions> options = parseTimelineOptions(args, problem);
  return options && options->capture;
}

int runTimeline(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                TimelineDesktop* desktop) {
  // The helper a capture leaves to keep the user's clipboard.
  if (args.size() == 2 && args[0] == HoldClipboardOption) {
    if (!desktop) return desktopMissing(err);
    return desktop->holdClipboard(args[1]);
  }
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << timelineUsage();
    return 0;
  }
  std::string problem;
  const std::optional<TimelineOptions> options = parseTimelineOptions(args, problem);
  if (!options) {
    err << "lumetra: " << problem << '\n' << timelineUsage();
    return 2;
  }
  if (options->help) {
    out << timelineUsage();
    return 0;
  }

  engine::SettingsRecord settings;
  if (!loadTimelineSettings(settings, *options, err)) {
    err << "lumetra: cannot read the settings file '" << *options->settingsPath << "'\n";
    return 1;
  }
  applyTimelineOptions(settings, *options);

  engine::EngineState es;
  const platform::FixedWidthMeasure measure(CharWidth, LineHeight);
  engine::TextEngine engine(es, settings, measure);

  // The file reaches the engine the way every document does; the timeline
  // keeps no recent files and saves no position.
  acquisition::AcquisitionState acquisitionState;
  reader::ReadingState handOverReading;
  acquisition::HandOver handOver{
      engine, acquisitionState, handOverReading, {}, {}, acquisition::standardExtractions()};
  if (options->capture) {
    if (!desktop) return desktopMissing(err);
    if (const std::optional<int> status = desktop->capture(handOver, options->captureDelayMs, err))
      return *status;
  } else {
    const acquisition::OpenOutcome opened = acquisition::openDocumentFile(handOver, options->file);
    if (!opened.opened) {
      err << "lumetra: " << options->file << ": " << platform::cp1252ToUtf8(opened.problem) << '\n';
      return 1;
    }
  }

  EventWriter writer(out, options->maxEvents.value_or(DefaultMaxEvents));
  if (options->capture) writeCaptureEvent(writer, acquisitionState);
  // Commands at the same time run in the order given.
  std::vector<TimedCommand> commands = options->commands;
  std::stable_sort(commands.begin(), commands.end(),
                   [](const TimedCommand& a, const TimedCommand& b) { return a.t < b.t; });
  runReader(settings, es, engine, measure, commands, writer);
  const bool truncated = writer.reportTruncation();
  out.flush();
  if (options->capture) desktop->keepClipboard();
  return truncated ? TruncatedStatus : 0;
}

} // namespace shell
