#include "shell/timeline.h"

#include <charconv>
#include <cstdint>
#include <exception>
#include <limits>
#include <optional>
#include <sstream>
#include <string_view>
#include <utility>

#include "acquisition/acquisition_state.h"
#include "acquisition/hand_over.h"
#include "acquisition/open_text_file.h"
#include "engine/autoskim_words.h"
#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "engine/text_engine.h"
#include "engine/text_helpers.h"
#include "platform/cp1252.h"
#include "platform/files.h"
#include "platform/fixed_width_measure.h"
#include "platform/message_boxes.h"
#include "platform/virtual_clock.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"
#include "reader/layout_state.h"
#include "reader/page_model.h"
#include "reader/reader_view.h"
#include "reader/silent_view.h"
#include "reader/tform1.h"
#include "reader/words_per_screen.h"
#include "shell/settings_file.h"

namespace shell {
namespace {

using engine::ReadingModeKind;

// Without --max-events the timeline still stops after this many events, so
// that LoopMode cannot make it run for ever.
constexpr std::int64_t DefaultMaxEvents = 1000000;
// A page fade: ten steps of 40 ms, then the next page at once.
constexpr std::int64_t PageTurnMs = 400;
constexpr int CharWidth = 10;
constexpr int LineHeight = 20;

struct TimelineOptions {
  std::optional<std::string> settingsPath;
  std::optional<ReadingModeKind> mode;
  std::optional<int> wpm;
  bool layoutAutomatic = false;
  std::optional<std::pair<int, int>> layout; // lines, words per line
  std::vector<int> rules;
  std::optional<int> autoskim; // -1 off, else the preset level 0..4
  bool skimHide = false;
  std::optional<std::int64_t> maxEvents;
  std::string file;
};

std::optional<std::int64_t> parseInteger(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::optional<ReadingModeKind> parseMode(std::string_view text) {
  if (text == "banner") return ReadingModeKind::Banner;
  if (text == "sentence") return ReadingModeKind::Sentence;
  if (text == "single") return ReadingModeKind::Single;
  if (text == "double") return ReadingModeKind::Double;
  return std::nullopt;
}

// "LxW": lines 1..3, words per line 1..6.
std::optional<std::pair<int, int>> parseLayout(std::string_view text) {
  const std::size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const auto lines = parseInteger(text.substr(0, x));
  const auto words = parseInteger(text.substr(x + 1));
  if (!lines || !words || *lines < 1 || *lines > 3 || *words < 1 || *words > 6) return std::nullopt;
  return std::pair<int, int>(static_cast<int>(*lines), static_cast<int>(*words));
}

std::optional<std::vector<int>> parseRules(std::string_view text) {
  std::vector<int> rules;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto rule = parseInteger(text.substr(0, comma));
    if (!rule || *rule < 0 || *rule >= engine::TextRuleCount) return std::nullopt;
    rules.push_back(static_cast<int>(*rule));
    if (comma == std::string_view::npos) return rules;
    text.remove_prefix(comma + 1);
  }
}

std::optional<int> parseAutoSkim(std::string_view text) {
  if (text == "off") return -1;
  constexpr std::string_view Levels[] = {"s90", "s80", "s70", "s60", "s50"};
  for (int level = 0; level < 5; ++level)
    if (text == Levels[level]) return level;
  return std::nullopt;
}

// Parses the words after "--timeline"; on failure says why in `problem`.
std::optional<TimelineOptions> parseOptions(const std::vector<std::string>& args,
                                            std::string& problem) {
  TimelineOptions o;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string word = args[i];
    std::optional<std::string> inlineValue;
    if (word.rfind("--", 0) == 0) {
      const std::size_t eq = word.find('=');
      if (eq != std::string::npos) {
        inlineValue = word.substr(eq + 1);
        word.resize(eq);
      }
    }
    const auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    const auto bad = [&](const std::string& what) {
      problem = what;
      return std::nullopt;
    };

    if (word == "--skim-hide") {
      if (inlineValue) return bad("--skim-hide takes no value");
      o.skimHide = true;
      continue;
    }
    if (word == "--settings" || word == "--mode" || word == "--wpm" || word == "--layout" ||
        word == "--rules" || word == "--autoskim" || word == "--max-events") {
      const std::optional<std::string> v = value();
      if (!v) return bad(word + " needs a value");
      if (word == "--settings") {
        o.settingsPath = *v;
      } else if (word == "--mode") {
        o.mode = parseMode(*v);
        if (!o.mode) return bad("unknown mode '" + *v + "'");
      } else if (word == "--wpm") {
        const auto n = parseInteger(*v);
        if (!n || *n < 1 || *n > 3000) return bad("--wpm takes a speed from 1 to 3000");
        o.wpm = static_cast<int>(*n);
      } else if (word == "--layout") {
        if (*v == "auto") {
          o.layoutAutomatic = true;
          o.layout.reset();
        } else {
          o.layout = parseLayout(*v);
          o.layoutAutomatic = false;
          if (!o.layout) return bad("--layout takes auto or LxW (lines 1-3, words 1-6)");
        }
      } else if (word == "--rules") {
        const auto rules = parseRules(*v);
        if (!rules) return bad("--rules takes rule numbers from 0 to 17, separated by commas");
        o.rules.insert(o.rules.end(), rules->begin(), rules->end());
      } else if (word == "--autoskim") {
        o.autoskim = parseAutoSkim(*v);
        if (!o.autoskim) return bad("--autoskim takes off, s90, s80, s70, s60 or s50");
      } else {
        const auto n = parseInteger(*v);
        if (!n || *n < 0) return bad("--max-events takes a count of 0 or more");
        o.maxEvents = *n;
      }
      continue;
    }
    if (word.size() > 1 && word[0] == '-') return bad("unknown option '" + word + "'");
    if (haveFile) return bad("only one FILE can be read");
    o.file = args[i];
    haveFile = true;
  }
  if (!haveFile) {
    problem = "no FILE given";
    return std::nullopt;
  }
  return o;
}

// Settings problems go to standard error instead of message boxes.
class StreamMessages : public platform::MessageBoxes {
public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void show(platform::MessageKind, std::string_view text) override {
    err_ << "lumetra: settings: " << platform::cp1252ToUtf8(text) << '\n';
  }

private:
  std::ostream& err_;
};

void applyOptions(engine::SettingsRecord& s, const TimelineOptions& o) {
  if (o.mode) s.ReadingMode = *o.mode;
  if (o.wpm) s.WordsPerMinute = static_cast<std::int16_t>(*o.wpm);
  if (o.layoutAutomatic) s.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  if (o.layout) {
    s.SpeedSettingsSelection = engine::SpeedSelection::Custom;
    s.LinesPerScreen = static_cast<std::uint8_t>(o.layout->first);
    s.WordsPerScreen = static_cast<std::uint8_t>(o.layout->second);
  }
  for (int rule : o.rules)
    s.GeneralTextRules[rule] = true;
  if (o.autoskim) {
    s.CompressorStatus = *o.autoskim >= 0;
    if (*o.autoskim >= 0) s.CompresionSetting = static_cast<std::uint8_t>(*o.autoskim);
  }
  if (o.skimHide) s.CompressorReplaceSelection = engine::ReplaceSelection::Hide;

  engine::deriveSettings(s);
  if (s.SpeedSettingsSelection == engine::SpeedSelection::Automatic)
    reader::SetWPSLPS(s, reader::buildAutomaticTable());
  // The mode given decides the columns, as a mode switch does.
  if (s.ColumnNumber < 1 || s.ColumnNumber > 2) s.ColumnNumber = 1;
  if (s.ReadingMode == ReadingModeKind::Single) s.ColumnNumber = 1;
  if (s.ReadingMode == ReadingModeKind::Double) s.ColumnNumber = 2;
}

// Factory settings, then the settings file. False when the file named could
// not be read.
bool loadSettings(engine::SettingsRecord& settings, const TimelineOptions& o, std::ostream& err) {
  StreamMessages messages(err);
  SettingsFile factory("", settings, messages);
  if (factory.loadDocument(factorySettingsText())) factory.loadAllSettings();
  if (!o.settingsPath) return true;
  SettingsFile file(*o.settingsPath, settings, messages);
  if (!file.initXMLFILE()) return false;
  file.loadAllSettings();
  return true;
}

// The line as the strip draws it: CR and TAB removed, trimmed.
std::string drawnLine(const std::string& line) {
  std::string out;
  for (char c : line)
    if (c != '\r' && c != '\t') out += c;
  return engine::trim(out);
}

void writeStringArray(std::ostream& out, const std::vector<std::string>& lines) {
  out << '[';
  for (std::size_t i = 0; i < lines.size(); ++i)
    out << (i ? "," : "") << jsonString(lines[i]);
  out << ']';
}

// Writes the events and counts them against the limit.
class EventWriter {
public:
  EventWriter(std::ostream& out, std::int64_t limit) : out_(out), limit_(limit) {}
  bool full() const { return written_ >= limit_; }
  // Starts an event line; false when the limit is reached.
  bool begin(std::int64_t t, const char* event) {
    if (full()) return false;
    ++written_;
    if (std::string_view(event) == "end") ended_ = true;
    out_ << "{\"t\":" << t << ",\"event\":\"" << event << '"';
    return true;
  }
  std::ostream& out() { return out_; }
  void end() { out_ << "}\n"; }
  // The limit stopped the run before the document's end: says so on a last
  // line of its own. True when it did.
  bool reportTruncation() {
    if (!full() || ended_) return false;
    out_ << "{\"event\":\"truncated\",\"after\":" << written_ << "}\n";
    return true;
  }

private:
  std::ostream& out_;
  std::int64_t limit_;
  std::int64_t written_ = 0;
  bool ended_ = false;
};

// The reader's screen, off screen: nothing is drawn; the hint is kept because
// the reading loop reads it back.
class OffscreenView : public reader::SilentView {
public:
  OffscreenView(const engine::SettingsRecord& settings, const platform::TextMeasure& measure,
                int stripHeight)
      : settings_(settings), measure_(measure), stripHeight_(stripHeight) {}

  int linesInFrame() const override {
    return reader::setNumerOfLines(stripHeight_, measure_,
                                   reader::buildBannerFont(settings_, settings_.ReadingMode),
                                   settings_);
  }

private:
  const engine::SettingsRecord& settings_;
  const platform::TextMeasure& measure_;
  int stripHeight_;
};

// Reports the reading loop's frames, pauses and end as events.
class TimelineObserver : public reader::ReadingObserver {
public:
  TimelineObserver(EventWriter& writer, const platform::VirtualClock& clock,
                   const engine::EngineState& es, const engine::SettingsRecord& settings)
      : writer_(writer), clock_(clock), es_(es), settings_(settings) {}

  void frameShown(std::int32_t words, int interval) override {
    if (!writer_.begin(clock_.nowMs(), "frame")) return;
    std::ostream& out = writer_.out();
    out << ",\"start\":" << es_.FrameStartPosition << ",\"end\":" << es_.CurrentPosition
        << ",\"lines\":";
    writeStringArray(out, drawnLines());
    out << ",\"words\":" << words << ",\"interval\":" << interval
        << ",\"heading\":" << (es_.HeadingIcon ? "true" : "false");
    writer_.end();
  }
  void pauseStarted(int interval) override {
    if (!writer_.begin(clock_.nowMs(), "pause")) return;
    writer_.out() << ",\"interval\":" << interval;
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
  // LinesPerScreen in Banner mode, never past LinesInFrame; empty ones left out.
  std::vector<std::string> drawnLines() const {
    const int last = settings_.ReadingMode == ReadingModeKind::Sentence
                         ? std::min<int>(es_.LineIndex, 4)
                         : std::min<int>(settings_.LinesPerScreen - 1, 4);
    std::vector<std::string> lines;
    for (int i = 0; i <= last && i < es_.LinesInFrame && i < engine::MaxFrameLines; ++i) {
      std::string line = drawnLine(es_.FrameLines[i]);
      if (!line.empty()) lines.push_back(std::move(line));
    }
    return lines;
  }

  EventWriter& writer_;
  const platform::VirtualClock& clock_;
  const engine::EngineState& es_;
  const engine::SettingsRecord& settings_;
};

// Banner and Sentence mode: the reading loop on the virtual clock.
void runBannerTimeline(engine::SettingsRecord& settings, engine::EngineState& es,
                       engine::TextEngine& engine, const platform::TextMeasure& measure,
                       const reader::LayoutState& layout, EventWriter& writer) {
  platform::VirtualClock clock;
  reader::ReadingState reading;
  reader::FadeState fade;
  const platform::Rect strip = layout.geometry.at(reader::ControlId::pbBanner).rect;
  OffscreenView view(settings, measure, strip.height);
  TimelineObserver observer(writer, clock, es, settings);
  reader::WindowParts parts;
  reader::TForm1 form(reader::ReaderContext::of(engine, reading, fade, parts), clock, view);
  form.setObserver(&observer);

  reading.SentenceMode = settings.ReadingMode == ReadingModeKind::Sentence;
  form.beginReading();
  form.tmReadTimer();
  const auto done = [&] { return observer.ended || writer.full(); };
  constexpr std::int64_t Day = 24LL * 60 * 60 * 1000;
  while (!done() && clock.nextDueMs())
    clock.runUntil(done, Day);
}

// Single and Double mode: every page, turned one after another.
void runPageTimeline(engine::SettingsRecord& settings, engine::EngineState& es,
                     engine::TextEngine& engine, const platform::TextMeasure& measure,
                     const reader::LayoutState& layout, EventWriter& writer) {
  const platform::Rect column = layout.geometry.at(reader::ControlId::pbColumn).rect;
  const platform::FontSpec font = reader::buildColumnFont(settings);
  reader::EngineColumnLineSource source(engine);
  reader::PageInputs inputs{
      es,
      settings,
      measure,
      source,
      font,
      settings.ReadingMode == ReadingModeKind::Double ? 2 : 1,
      reader::linesPerPage(column.height, measure, font, reader::lineSpacingFor(settings)),
      column.width};
  es.columnTextWidth = column.width - 10;
  reader::PageModel page;
  std::int32_t position = 1;
  std::int64_t t = 0;
  while (!writer.full()) {
    const reader::PageSnapshot snap = reader::buildPageAt(page, inputs, position);
    if (writer.begin(t, "page")) {
      std::ostream& out = writer.out();
      out << ",\"start\":" << snap.start << ",\"end\":" << snap.end << ",\"columns\":[";
      for (std::size_t c = 0; c < snap.columns.size(); ++c) {
        std::vector<std::string> lines;
        for (const std::string& line : snap.columns[c])
          lines.push_back(drawnLine(line));
        out << (c ? "," : "");
        writeStringArray(out, lines);
      }
      out << ']';
      writer.end();
    }
    // A page that does not move on would repeat for ever: it is the last.
    if (snap.atEnd || es.CurrentPosition <= position) break;
    position = es.CurrentPosition;
    t += PageTurnMs;
  }
  if (writer.begin(t, "end")) writer.end();
}

} // namespace

std::string timelineUsage() {
  return "usage: lumetra --timeline [options] FILE\n"
         "Reads FILE as the reader would and prints what it shows and when, as JSON Lines.\n"
         "options:\n"
         "  --settings PATH     read the settings from PATH (never written)\n"
         "  --mode MODE         banner, sentence, single or double\n"
         "  --wpm N             words per minute, 1 to 3000\n"
         "  --layout L          auto, or LxW: lines (1-3) x words per line (1-6)\n"
         "  --rules N[,N...]    switch those text rules (0-17) on\n"
         "  --autoskim LEVEL    off, s90, s80, s70, s60 or s50\n"
         "  --skim-hide         skimmed words are hidden instead of shown as dots\n"
         "  --max-events N      stop after N events (default 1000000); a run cut short\n"
         "                      ends with {\"event\":\"truncated\",\"after\":N} and status 3\n";
}

std::string jsonString(const std::string& text) {
  const std::string utf8 = platform::cp1252ToUtf8(text);
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (c < 0x20 || c == 0x7F) {
        static constexpr char Hex[] = "0123456789abcdef";
        out += "\\u00";
        out += Hex[c >> 4];
        out += Hex[c & 0xF];
      } else {
        out += static_cast<char>(c);
      }
    }
  }
  out += '"';
  return out;
}

int runTimeline(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << timelineUsage();
    return 0;
  }
  std::string problem;
  const std::optional<TimelineOptions> options = parseOptions(args, problem);
  if (!options) {
    err << "lumetra: " << problem << '\n' << timelineUsage();
    return 2;
  }

  engine::SettingsRecord settings;
  if (!loadSettings(settings, *options, err)) {
    err << "lumetra: cannot read the settings file '" << *options->settingsPath << "'\n";
    return 1;
  }
  applyOptions(settings, *options);

  engine::EngineState es;
  const platform::FixedWidthMeasure measure(CharWidth, LineHeight);
  engine::TextEngine engine(es, settings, measure);

  // The file reaches the engine the way every document does; the timeline
  // keeps no recent files and saves no position.
  acquisition::AcquisitionState acquisitionState;
  reader::ReadingState handOverReading;
  acquisition::HandOver handOver{
      engine, acquisitionState, handOverReading, {}, {}, acquisition::standardExtractions()};
  const acquisition::OpenOutcome opened = acquisition::openTextFile(handOver, options->file);
  if (!opened.opened) {
    err << "lumetra: " << options->file << ": " << platform::cp1252ToUtf8(opened.problem) << '\n';
    return 1;
  }

  reader::LayoutState layout;
  reader::arrangeGeometry(layout, settings.ReadingMode);
  es.bannerTextWidth = layout.geometry.at(reader::ControlId::pbBanner).rect.width - 10;
  es.columnTextWidth = layout.geometry.at(reader::ControlId::pbColumn).rect.width - 10;
  EventWriter writer(out, options->maxEvents.value_or(DefaultMaxEvents));
  if (reader::isBannerMode(settings.ReadingMode))
    runBannerTimeline(settings, es, engine, measure, layout, writer);
  else
    runPageTimeline(settings, es, engine, measure, layout, writer);
  const bool truncated = writer.reportTruncation();
  out.flush();
  return truncated ? TruncatedStatus : 0;
}

} // namespace shell
