#include "reader/headless_view.h"

#include <algorithm>
#include <string>

#include "reader/drawing_banner.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"

namespace reader {

HeadlessView::HeadlessView(const ReaderContext& context, const platform::TextMeasure& measure)
    : s_(context), measure_(measure), source_(context.textEngine) {}

void HeadlessView::prepareFonts() {
  s_.layout.lineSpacing = lineSpacingFor(s_.settings);
  buildBannerFont();
  s_.layout.columnFont = buildColumnFont(s_.settings);
  s_.layout.columnPointSize = s_.layout.columnFont.pointSize;
}

void HeadlessView::arrangeControls() {
  arrangeGeometry(s_.layout, s_.settings.ReadingMode);
  if (isBannerMode(s_.settings.ReadingMode)) {
    buildBannerFont();
    s_.engine.bannerTextWidth = s_.layout.geometry.at(ControlId::pbBanner).rect.width - 10;
    s_.engine.columnTextWidth = s_.layout.geometry.at(ControlId::pbColumn).rect.width - 10;
  } else {
    s_.layout.columnFont = buildColumnFont(s_.settings);
  }
  s_.engine.LinesInFrame = static_cast<std::uint8_t>(linesInFrame());
}

void HeadlessView::buildBannerFont() {
  s_.layout.bannerPointSize = bannerPointSizeFor(s_.settings, s_.settings.ReadingMode);
  s_.layout.bannerFont = reader::buildBannerFont(s_.settings, s_.settings.ReadingMode);
}

int HeadlessView::linesInFrame() const {
  fillBannerFont(frameFont_, s_.settings, s_.settings.ReadingMode);
  return setNumerOfLines(s_.layout.geometry.at(ControlId::pbBanner).rect.height, measure_,
                         frameFont_, s_.settings);
}

void HeadlessView::useCondensedFont() {
  platform::FontSpec small = s_.layout.bannerFont;
  small.pointSize = getFontSize(s_.layout.bannerPointSize);
  small.bold = s_.settings.Banner.FontStyle == engine::FontStyle::Bold;
  s_.layout.bannerFont = small;
  s_.engine.LinesInFrame =
      calculateNoOfLines(s_.layout.geometry.at(ControlId::pbBanner).rect.height, measure_, small,
                         s_.settings)
          .linesInFrame;
}

PageInputs HeadlessView::pageInputs() {
  return PageInputs{s_.engine,
                    s_.settings,
                    measure_,
                    source_,
                    s_.layout.columnFont,
                    s_.settings.ReadingMode == engine::ReadingModeKind::Double ? 2 : 1,
                    s_.layout.linesPerPage,
                    s_.layout.geometry.at(ControlId::pbColumn).rect.width};
}

void HeadlessView::updateLinesPerPage() {
  s_.layout.linesPerPage = linesPerPage(s_.layout.geometry.at(ControlId::pbColumn).rect.height,
                                        measure_, s_.layout.columnFont, s_.layout.lineSpacing);
}

bool HeadlessView::buildNextPage() {
  updateLinesPerPage();
  if (!beginNextPage(s_.page, s_.engine)) return false;
  s_.engine.columnTextWidth = s_.layout.geometry.at(ControlId::pbColumn).rect.width - 10;
  readPageFromPoint(s_.page, pageInputs(), s_.window.lastReadPosition);
  return true;
}

bool HeadlessView::readColumnFrame() {
  if (!buildNextPage()) return false;
  pageShown();
  return true;
}

bool HeadlessView::readCurrentFrame() {
  updateLinesPerPage();
  restartShownPage(s_.page, pageInputs());
  return readColumnFrame();
}

bool HeadlessView::skipColumnPage() {
  return buildNextPage();
}

std::int32_t HeadlessView::previousPageStart(std::int32_t start) {
  updateLinesPerPage();
  PageModel scratch;
  return reader::previousPageStart(scratch, pageInputs(), start);
}

int HeadlessView::columnLetterWidth(char letter) const {
  return std::max(measure_.textWidth(s_.layout.columnFont, std::string(1, letter)), 1);
}

} // namespace reader
