#include "shell/timeline_options.h"

#include <charconv>
#include <string_view>

#include "platform/cp1252.h"
#include "platform/message_boxes.h"
#include "reader/words_per_screen.h"
#include "shell/settings_file.h"
#include "shell/timeline.h"

namespace shell {
namespace {

using engine::ReadingModeKind;
constexpr int MaxCaptureDelayMs = 600000;

// The find bar's commands and the buttons that give them.
constexpr std::pair<std::string_view, std::string_view> FindCommands[] = {
    {"find-next", "pbFindNext"},
    {"find-go", "pbGo"},
    {"find-close", "pbCloseFind"},
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

// A key the reader's command table has a row for, in either family and
// either phase.
bool keyHasCommand(reader::KeyStroke key) {
  for (const reader::KeyPhase phase : {reader::KeyPhase::Down, reader::KeyPhase::Up})
    for (const bool banner : {true, false})
      if (reader::findKeyCommand(key, phase, banner) != nullptr) return true;
  return false;
}

// "T:NAME"; on failure says why in `problem`.
std::optional<TimedCommand> parseCommand(std::string_view text, std::string& problem) {
  const std::size_t colon = text.find(':');
  const auto t = parseInteger(text.substr(0, colon));
  if (colon == std::string_view::npos || !t || *t < 0) {
    problem = "--at takes T:NAME, with T the time in ms from the start of reading";
    return std::nullopt;
  }
  const std::string name(text.substr(colon + 1));
  if (name.rfind("find=", 0) == 0) {
    TimedCommand command{*t, name, {}, "pbFindNext", name.substr(5)};
    return command;
  }
  for (const auto& [findName, component] : FindCommands)
    if (name == findName && reader::findComponentCommand(component) != nullptr)
      return TimedCommand{*t, name, {}, std::string(component), std::nullopt};
  const std::optional<reader::KeyStroke> key = reader::parseKeyName(name);
  if (!key) {
    problem = "unknown reader command '" + name + "'";
    return std::nullopt;
  }
  if (!keyHasCommand(*key)) {
    problem = "the reader command '" + name + "' is not available yet";
    return std::nullopt;
  }
  return TimedCommand{*t, reader::keyName(*key), *key, {}, std::nullopt};
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

} // namespace

std::optional<TimelineOptions> parseTimelineOptions(const std::vector<std::string>& args,
                                                    std::string& problem) {
  TimelineOptions o;
  bool haveFile = false;
  bool hasCaptureDelay = false;
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

    if (word == "--help") {
      o.help = true;
      return o;
    }
    if (word == "--skim-hide") {
      if (inlineValue) return bad("--skim-hide takes no value");
      o.skimHide = true;
      continue;
    }
    if (word == "--capture") {
      if (inlineValue) return bad("--capture takes no value");
      o.capture = true;
      continue;
    }
    if (word == "--capture-delay") {
      const std::optional<std::string> v = value();
      const auto n = v ? parseInteger(*v) : std::nullopt;
      if (!n || *n < 0 || *n > MaxCaptureDelayMs)
        return bad("--capture-delay takes a time in ms from 0 to " +
                   std::to_string(MaxCaptureDelayMs));
      o.captureDelayMs = static_cast<int>(*n);
      hasCaptureDelay = true;
      continue;
    }
    if (word == "--settings" || word == "--mode" || word == "--wpm" || word == "--layout" ||
        word == "--rules" || word == "--autoskim" || word == "--max-events" || word == "--at") {
      const std::optional<std::string> v = value();
      if (!v) return bad(word + " needs a value");
      if (word == "--settings") {
        o.settingsPath = *v;
      } else if (word == "--mode") {
        o.mode = parseMode(*v);
        if (!o.mode) return bad("unknown mode '" + *v + "'");
      } else if (word == "--wpm") {
        const auto n = parseInteger(*v);
        if (!n || *n < 1 || *n > engine::MaxWordsPerMinute)
          return bad("--wpm takes a speed from 1 to " + std::to_string(engine::MaxWordsPerMinute));
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
      } else if (word == "--at") {
        std::string why;
        const std::optional<TimedCommand> command = parseCommand(*v, why);
        if (!command) return bad(why);
        o.commands.push_back(*command);
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
  if (o.capture && haveFile) {
    problem = "--capture reads the window in front, not a FILE";
    return std::nullopt;
  }
  if (hasCaptureDelay && !o.capture) {
    problem = "--capture-delay goes with --capture";
    return std::nullopt;
  }
  if (!haveFile && !o.capture) {
    problem = "no FILE given";
    return std::nullopt;
  }
  return o;
}

void applyTimelineOptions(engine::SettingsRecord& s, const TimelineOptions& o) {
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

bool loadTimelineSettings(engine::SettingsRecord& settings, const TimelineOptions& o,
                          std::ostream& err) {
  StreamMessages messages(err);
  SettingsFile factory("", settings, messages);
  if (factory.loadDocument(factorySettingsText())) factory.loadAllSettings();
  if (!o.settingsPath) return true;
  SettingsFile file(*o.settingsPath, settings, messages);
  if (!file.initXMLFILE()) return false;
  file.loadAllSettings();
  return true;
}

std::string timelineUsage() {
  return "usage: lumetra --timeline [options] FILE\n"
         "       lumetra --timeline [options] --capture [--capture-delay MS]\n"
         "Reads FILE, or the document of the window in front, as the reader would and\n"
         "prints what it shows and when, as JSON Lines.\n"
         "options:\n"
         "  --capture           capture the window in front (X11) as Quick Launch does,\n"
         "                      instead of reading a FILE; status 3 when that window is\n"
         "                      not from a compatible application or there is no X11\n"
         "                      display\n"
         "  --capture-delay MS  wait MS ms before looking at the window in front\n"
         "  --settings PATH     read the settings from PATH (never written)\n"
         "  --mode MODE         banner, sentence, single or double\n"
         "  --wpm N             words per minute, 1 to 3000\n"
         "  --layout L          auto, or LxW: lines (1-3) x words per line (1-6)\n"
         "  --rules N[,N...]    switch those text rules (0-17) on\n"
         "  --autoskim LEVEL    off, s90, s80, s70, s60 or s50\n"
         "  --skim-hide         skimmed words are hidden instead of shown as dots\n"
         "  --max-events N      stop after N events (default 1000000); a run cut short\n"
         "                      ends with {\"event\":\"truncated\",\"after\":N} and status 3\n"
         "  --at T:NAME         at T ms from the start of reading, the reader gets the\n"
         "                      command NAME as from its key (pressed and released);\n"
         "                      repeatable, commands at one time run in the order given\n"
         "  --help              print this text\n"
         "commands: Space Enter Right Left Up Down PageUp PageDown Home End S L Tab Escape\n"
         "  F V F1 Ctrl+F Ctrl+V Ctrl+S, and the find bar's find=TEXT (open the bar,\n"
         "  type TEXT, Find Next), find-next, find-go, find-close\n"
         "events, one JSON object a line; t is the virtual time in ms:\n"
         "  frame   a frame on the strip: start, end, lines, words, interval, heading\n"
         "  pause   a sentence or paragraph pause: interval\n"
         "  page    a page on the columns: start, end, columns (lines of each column)\n"
         "  end     the end of the document was reached (a later command reports it anew)\n"
         "  capture the captured document (--capture only, first): application, name,\n"
         "          kind (0 text, 1 word processor, 2 PDF, 3 mail, 5 web page)\n"
         "  command a command applied: name\n"
         "          a frame the find bar draws for a match has start, end, lines and\n"
         "          highlight: line, start, length (where the match is in the lines)\n"
         "  hint    the hint label changed: text (only with --at)\n"
         "  status  status panel 1 or 3 changed: panel, text (only with --at)\n"
         "  mode    the reading mode switched: banner, sentence, single, double (only with --at)\n"
         "Timers due at T run before a command at T. The timeline stops at the end of\n"
         "the document or when nothing is due, once no command is left, when Escape\n"
         "closes the reader, or at --max-events. Without --at the column modes turn a\n"
         "page every 400 ms (one page fade); with --at pages turn only on commands.\n";
}

} // namespace shell
