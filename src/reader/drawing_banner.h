// Drawing the frame of the banner modes (Banner, Sentence) in the strip
// pbBanner: which lines count, vertical centring, horizontal centring or left
// alignment, headings in the other weight, the fade-level colour, the
// condensed frames of the frame steps, and the re-fitting of a heading whose
// lines grew too wide in the heading font. All drawing goes through
// platform::Canvas and all measuring through the canvas' measure.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/settings_record.h"
#include "platform/canvas.h"

namespace reader {

struct BannerDrawInputs {
  const engine::EngineState& engine;      // FrameLines, LineIndex, LinesInFrame, HeadingFound
  const engine::SettingsRecord& settings; // colours, alignment, LinesPerScreen, mode, rules
  platform::FontSpec bannerFont;
  int width = 0;  // of pbBanner
  int height = 0; // of pbBanner
  int fadeLevel = 10;
  // While a find match is shown: the text searched; a line holding the
  // highlight token draws the match after it in swapped colours.
  std::string_view searchText = {};
};

// The lines drawText lays out: from the first line that counts to the last
// index of the mode; `counted` is how many count for the vertical centring.
struct VisibleFrame {
  std::vector<std::string> lines;
  int counted = 0;
};

// Lines 0 .. last index (Sentence: LineIndex, Banner: LinesPerScreen - 1,
// both at most 4). A line counts when it holds text, or when it is empty but
// lies between two lines that do. Lines before the first counted one drop.
VisibleFrame visibleFrameLines(const engine::EngineState& engine,
                               const engine::SettingsRecord& settings);

// The font a frame is drawn in: bannerFont, or for a heading the other weight
// (underlined with the underline-headings rule).
platform::FontSpec bannerFrameFont(const platform::FontSpec& bannerFont,
                                   const engine::SettingsRecord& settings, bool heading);

// Draws the frame at the fade level, centred vertically, each line centred in
// the text area (10 px to the right edge) or from x = 10. Draws nothing over
// the strip's background: callers clear it first when they need to.
void drawText(platform::Canvas& canvas, const BannerDrawInputs& in);

// Draws `line` at (x, y); when it holds the find bar's highlight token, the
// match after it is drawn in `background` on a block of `text` colour.
void drawHighlightedLine(platform::Canvas& canvas, int x, int y, std::string_view line,
                         std::string_view searchText, const platform::FontSpec& font,
                         platform::Color text, platform::Color background);
// Width of the line as drawHighlightedLine draws it (the token takes no room).
int highlightedLineWidth(const platform::TextMeasure& measure, std::string_view line,
                         std::string_view searchText, const platform::FontSpec& font);

// Fills the strip with the banner background (clearText).
void clearText(platform::Canvas& canvas, int width, int height, platform::Color background);

// The next smaller point size for condensed frames.
int getFontSize(int pointSize);

// Condensed drawing after a frame step. `firstAfterRead` splits each line at
// its CR and draws the part before it inverted; otherwise CRs are removed.
void drawCondensedFrame(platform::Canvas& canvas, const BannerDrawInputs& in, bool firstAfterRead);

// Re-fits a heading frame of several lines to `limit` pixels in `font`: words
// move from the end of a line too wide to the front of the next one, a line
// without a space loses characters and gets a "-". Returns the text left over
// after the last line, which the caller gives back to the document.
std::string refitHeadingLines(std::array<std::string, engine::MaxFrameLines>& lines, int lineCount,
                              const platform::FontSpec& font, int limit,
                              const platform::TextMeasure& measure);

// Removes every CR from the frame lines; true when any line then is wider than
// `limit` in `font` (the frame must be drawn condensed).
bool removeFrameCRs(engine::EngineState& engine, const platform::FontSpec& font, int limit,
                    const platform::TextMeasure& measure);

} // namespace reader
