// The headless timeline: `lumetra --timeline [options] FILE` reads FILE with
// the reader's own logic (TForm1) on a virtual clock and an off-screen view,
// and prints what the reader shows and when, as JSON Lines (UTF-8). With
// `--capture [--capture-delay MS]` instead of FILE it captures the window in
// front through the program's own capture and first prints
//
//   {"t":0,"event":"capture","application":APP,"name":NAME,"kind":K}
//
// then the reader's events. The clipboard the capture put back is left to
// the desktop's clipboard manager, or else to a helper, `lumetra --timeline
// --hold-clipboard FILE`, that offers it until another program copies.
// The reader's events:
//
//   {"t":MS,"event":"frame","start":S,"end":E,"lines":[...],"words":N,"interval":I,"heading":B}
//   {"t":MS,"event":"pause","interval":I}
//   {"t":MS,"event":"page","start":S,"end":E,"columns":[[...],[...]]}
//   {"t":MS,"event":"end"}
//   {"t":MS,"event":"command","name":NAME}
//   {"t":MS,"event":"hint","text":T}
//   {"t":MS,"event":"status","panel":1|3,"text":T}
//   {"t":MS,"event":"mode","mode":"banner"|"sentence"|"single"|"double"}
//   {"event":"truncated","after":N}   (the event limit cut the run short)
//
// Banner and Sentence mode print a frame for every frame put on the strip
// (by the reading loop or by a navigation command) and a pause for every
// sentence or paragraph pause; Single and Double mode print every page put
// on the columns. `--at T:NAME` gives the reader the command of a key at a
// virtual time, found in the reader's command table as the window finds it;
// with commands the hint, status and mode events are printed too, and the
// column modes turn pages only on commands (without, a page every 400 ms,
// one page fade). Settings are the factory settings, then the file given
// with --settings (read only; the timeline never writes settings or reading
// positions), then the options. Text is measured as fixed-width, 10 pixels a
// character and 20 pixels a line, so the output does not depend on the fonts
// installed.
//
// Returns the exit status: 0 when done (and for --help, with the usage on
// `out`), 1 for a FILE that cannot be read (with the reason on `err`), 2 for
// bad options and refused commands (with the reason and the usage on `err`),
// 3 when the event limit cut the run short, and for --capture when the window
// in front is not supported or there is no X11 display.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace acquisition {
struct HandOver;
}

namespace shell {

inline constexpr int TruncatedStatus = 3;
// --capture: the window in front is not from a compatible application, or
// there is no X11 display to look at.
inline constexpr int CaptureUnavailableStatus = 3;

// `--timeline --hold-clipboard FILE`: the helper that keeps the clipboard.
inline constexpr const char* HoldClipboardOption = "--hold-clipboard";

// What the timeline needs of the desktop for --capture; only the desktop
// program has one, so that the timeline of a file starts without it.
class TimelineDesktop {
public:
  virtual ~TimelineDesktop() = default;
  // Hands the document of the window in front over, after `delayMs`; nullopt
  // when handed over, else the exit status (and the reason on `err`).
  virtual std::optional<int> capture(acquisition::HandOver& h, int delayMs, std::ostream& err) = 0;
  // After the run: the clipboard the capture put back outlives it.
  virtual void keepClipboard() = 0;
  // --hold-clipboard FILE; returns the exit status.
  virtual int holdClipboard(const std::string& file) = 0;
};

// True when the words after "--timeline" need a TimelineDesktop (--capture,
// --hold-clipboard).
bool timelineNeedsDesktop(const std::vector<std::string>& args);

// `args` are the words after "--timeline"; `desktop` may be null when
// timelineNeedsDesktop(args) is false.
int runTimeline(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                TimelineDesktop* desktop = nullptr);

// The usage text of the timeline.
std::string timelineUsage();

// A code page 1252 text as a JSON string literal (UTF-8, quotes included).
std::string jsonString(const std::string& text);
// The same literal appended to `out`.
void appendJsonString(std::string& out, std::string_view text);

} // namespace shell
