// The options of `lumetra --timeline`: what the words after "--timeline" ask
// for, how they change the settings, and the usage text that lists them.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "engine/settings_record.h"
#include "reader/commands.h"

namespace shell {

// Without --max-events the timeline still stops after this many events, so
// that LoopMode cannot make it run for ever.
constexpr std::int64_t DefaultMaxEvents = 1000000;

// A reader command at a virtual time: `--at T:NAME`.
struct TimedCommand {
  std::int64_t t = 0;
  std::string name;
  reader::KeyStroke key;
  // A find-bar command instead of a key: the button's component, and for
  // "find=TEXT" the text searched.
  std::string component;
  std::optional<std::string> findText;
};

struct TimelineOptions {
  std::optional<std::string> settingsPath;
  std::optional<engine::ReadingModeKind> mode;
  std::optional<int> wpm;
  bool layoutAutomatic = false;
  std::optional<std::pair<int, int>> layout; // lines, words per line
  std::vector<int> rules;
  std::optional<int> autoskim; // -1 off, else the preset level 0..4
  bool skimHide = false;
  std::optional<std::int64_t> maxEvents;
  std::vector<TimedCommand> commands; // in the order given
  bool help = false;
  std::string file;
  // --capture: the document of the window in front instead of a FILE, taken
  // after --capture-delay ms.
  bool capture = false;
  int captureDelayMs = 0;
};

// Parses the words after "--timeline"; on failure says why in `problem`.
std::optional<TimelineOptions> parseTimelineOptions(const std::vector<std::string>& args,
                                                    std::string& problem);

// The options over the settings, and what follows from them (the automatic
// words-per-screen table, the columns of the mode given).
void applyTimelineOptions(engine::SettingsRecord& s, const TimelineOptions& o);

// Factory settings, then the file of --settings (problems go to `err`).
// False when the file named could not be read.
bool loadTimelineSettings(engine::SettingsRecord& settings, const TimelineOptions& o,
                          std::ostream& err);

} // namespace shell
