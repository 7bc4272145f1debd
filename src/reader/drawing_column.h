// Drawing the page of the column modes: the lines of each column left-aligned
// or justified, headings in the other weight, the repeated line of rule 7
// dimmed, the column background with its outline and the end text under the
// last page. Everything is drawn through platform::Canvas and measured with
// the canvas' own measure, so tests can record it.
#pragma once

#include <string>
#include <string_view>

#include "engine/settings_record.h"
#include "platform/canvas.h"
#include "reader/page_model.h"

namespace reader {

// The line with its spaces widened so that, drawn from `left`, its head ends
// where the last word, right-aligned at `width`, begins. Empty lines give "",
// a line of one or two words is returned trimmed and unwidened.
std::string getFrameJustified(std::string_view line, int left, const platform::FontSpec& font,
                              int width, const platform::TextMeasure& measure);

// A line that opens with two or more blanks and whose part up to its last
// dot is only spaces and dots gets that part evened out to ". . . ".
std::string formatFrame(std::string_view line);

// The heading font of a page: the other weight than the column font,
// underlined with the underline-headings rule.
platform::FontSpec columnHeadingFont(const platform::FontSpec& columnFont,
                                     const engine::SettingsRecord& settings);

struct ColumnDrawInputs {
  const PageModel& page;
  const engine::SettingsRecord& settings;
  platform::FontSpec columnFont;
  double lineSpacing = 1.1;
  int fadeLevel = 10;
  int columnCount = 1;
  int width = 0;  // width of each column paint box
  int height = 0; // height of each column paint box
};

// Draws the page's lines on column 1 and, in Double mode, on column 2.
void drawTextColumn(platform::Canvas& column1, platform::Canvas* column2,
                    const ColumnDrawInputs& in);

// Fills a column paint box with the background and draws its outline.
void paintColumnBackground(platform::Canvas& canvas, int width, int height,
                           platform::Color background);

inline constexpr std::string_view EndOfDocumentText = "End  of  Document";
inline constexpr platform::Color EndTextColor{255, 102, 0};

// The end text under the last page: on column 2 when the page has two columns
// and the second one holds text in its first two lines, else on column 1.
// Returns the number of the column it was drawn on.
int drawColumnEndText(platform::Canvas& column1, platform::Canvas* column2,
                      const ColumnDrawInputs& in);

} // namespace reader
