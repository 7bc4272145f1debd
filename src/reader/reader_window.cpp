#include "reader/reader_window.h"

#include <algorithm>
#include <cmath>

#include "controls/system_colors.h"
#include "engine/text_helpers.h"
#include "reader/colour_schemes.h"
#include "reader/drawing_banner.h"
#include "reader/drawing_column.h"
#include "reader/hints.h"
#include "reader/layout_fonts.h"
#include "reader/layout_geometry.h"
#include "reader/progress_dot.h"

namespace reader {
namespace {

using engine::ReadingModeKind;

constexpr platform::Color BarColour{128, 128, 128};
constexpr platform::Color BarBackground{64, 64, 64};
constexpr int BarRange = 10000;
// The desktop's info-text colour the halted hint blinks to.
constexpr platform::Color InfoTextColour{0, 0, 0x80};
// The find bar's width on the status line: the edit box and three buttons.
constexpr int FindBarWidth = 180;

std::unique_ptr<controls::TMyImage> makeImage(const char* name, const char* picture) {
  auto image = std::make_unique<controls::TMyImage>();
  image->Name = name;
  image->setPicture(picture);
  image->setStretch(true);
  image->setTransparent(true);
  return image;
}

std::unique_ptr<controls::TALProgressBar> makeBar(const char* name, bool vertical) {
  auto bar = std::make_unique<controls::TALProgressBar>();
  bar->Name = name;
  bar->setMax(BarRange);
  bar->setBarColorStyle(controls::TBarColorStyle::cs1Color);
  bar->setBarColor1(BarColour);
  bar->setBackgroundColor(controls::cl3DDkShadow);
  bar->setShowBorder(false);
  bar->setShowPosText(false);
  bar->setPercentage(!vertical);
  if (vertical) bar->setDirection(controls::TProgressDirection::pdTopToBottom);
  bar->setBounds(0, 0, vertical ? 6 : 557, vertical ? 585 : 6);
  return bar;
}

// The dot picture for a background colour.
std::string dotPicture(platform::Color background) {
  if (background == platform::Color{255, 255, 255}) return "dotonwhite";
  if (background == platform::Color{0, 0, 0}) return "dotonblack";
  if (background == platform::Color{211, 211, 211}) return "dotongrey";
  return "orangedot";
}

} // namespace

ReaderWindow::ReaderWindow(const ReaderContext& context, WindowSurface& surface)
    : s_(context), w_(context.window), surface_(surface) {
  pbarBanner_ = makeBar("pbarBanner", false);
  pbarColumn_ = makeBar("pbarColumn", true);
  statusBar_ = std::make_unique<controls::TMyStatusBar>();
  statusBar_->Name = "MyStatusBar1";
  statusBar_->setSizeGrip(false);
  statusBar_->addPanel(
      {"", 33, controls::TAlignment::taLeftJustify, controls::TStatusPanelStyle::psOwnerDraw});
  statusBar_->addPanel(
      {"", 200, controls::TAlignment::taLeftJustify, controls::TStatusPanelStyle::psText});
  statusBar_->addPanel(
      {"", 220, controls::TAlignment::taLeftJustify, controls::TStatusPanelStyle::psText});
  statusBar_->addPanel(
      {"", 50, controls::TAlignment::taRightJustify, controls::TStatusPanelStyle::psText});
  pbOrangeDot_ = makeImage("pbOrangeDot", "orangedot");
  pbOrangeDotC_ = makeImage("pbOrangeDotC", "orangedot");
  pbGoToStartB_ = makeImage("pbGoToStartB", "GoToStartB");
  pbGoToEndB_ = makeImage("pbGoToEndB", "GoToEndB");
  pbGoToStartC_ = makeImage("pbGoToStartC", "GoToStartC");
  pbGoToEndC_ = makeImage("pbGoToEndC", "GoToEndC");
  pbGoToStartC_->setHint("Go to Start");
  pbGoToEndC_->setHint("Go To End");
  pbOrangeDot_->setHint("Drag the orange dot to sweep through the document ...");
  pbOrangeDotC_->setHint("Drag the orange dot to sweep through the document ...");
  lineSource_ = std::make_unique<EngineColumnLineSource>(s_.textEngine);

  surface_.attachControl(ControlId::MyStatusBar1, *statusBar_);
  surface_.attachControl(ControlId::pbarBanner, *pbarBanner_);
  surface_.attachControl(ControlId::pbarColumn, *pbarColumn_);
  surface_.attachControl(ControlId::pbOrangeDot, *pbOrangeDot_);
  surface_.attachControl(ControlId::pbOrangeDotC, *pbOrangeDotC_);
  surface_.attachControl(ControlId::pbGoToStartB, *pbGoToStartB_);
  surface_.attachControl(ControlId::pbGoToEndB, *pbGoToEndB_);
  surface_.attachControl(ControlId::pbGoToStartC, *pbGoToStartC_);
  surface_.attachControl(ControlId::pbGoToEndC, *pbGoToEndC_);
  surface_.setPicture(ControlId::imgLumetra, "Borderlogo");
  surface_.setPicture(ControlId::imgSep, "divider");
  surface_.setPicture(ControlId::imgFullScreen, "full_screen");
  surface_.setPicture(ControlId::pbCloseFullScreen, "cancelfull");
  surface_.setPicture(ControlId::pbHighLight, "HighLight");
  surface_.setPicture(ControlId::pbHighLightC, "HighLight");
  surface_.setLabelText(ControlId::lbBlackInfo, HintEscape);
}

ReaderWindow::~ReaderWindow() {
  // The surface lets go of the controls while they still exist.
  surface_.detachControls();
}

bool ReaderWindow::bannerMode() const {
  return isBannerMode(s_.settings.ReadingMode);
}

platform::Rect ReaderWindow::box(ControlId id) const {
  return s_.layout.geometry.at(id).rect;
}

// --- Layout ------------------------------------------------------------------------------

void ReaderWindow::prepareFonts() {
  s_.layout.lineSpacing = lineSpacingFor(s_.settings);
  buildBannerFont();
  buildColumnFont();
}

void ReaderWindow::arrangeControls() {
  loadModeButtonImages();
  const ReadingModeKind mode = s_.settings.ReadingMode;
  arrangeGeometry(s_.layout, mode);
  if (bannerMode()) {
    buildBannerFont();
    s_.layout.geometry.windowColor = s_.settings.Banner.BackgroundColor;
    s_.engine.bannerTextWidth = box(ControlId::pbBanner).width - 10;
    s_.engine.columnTextWidth = box(ControlId::pbColumn).width - 10;
  } else {
    buildColumnFont();
    s_.layout.geometry.windowColor = s_.settings.Column.BackgroundColor;
  }
  setNumerOfLinesNow();
  applyGeometry();
  setProgressBarColor();
}

void ReaderWindow::applyGeometry() {
  placeControls();
  surface_.applyGeometry(s_.layout.geometry);
}

void ReaderWindow::placeControls() {
  const FormGeometry& g = s_.layout.geometry;
  auto place = [&](controls::Control& c, ControlId id) {
    const ControlPlacement& p = g.at(id);
    c.setBounds(p.rect.left, p.rect.top, p.rect.width, p.rect.height);
    c.setVisible(p.visible);
  };
  place(*statusBar_, ControlId::MyStatusBar1);
  place(*pbarBanner_, ControlId::pbarBanner);
  place(*pbarColumn_, ControlId::pbarColumn);
  place(*pbGoToStartB_, ControlId::pbGoToStartB);
  place(*pbGoToEndB_, ControlId::pbGoToEndB);
  place(*pbGoToStartC_, ControlId::pbGoToStartC);
  place(*pbGoToEndC_, ControlId::pbGoToEndC);
  statusBar_->setPanelWidth(2, g.statusPanel2Width);
  // The layout puts the dots at the start of their bars; they belong at the
  // current position (unless one is being dragged).
  if (!w_.draggingDot) placeDots(s_.layout.geometry, s_.engine);
  placeProgressDots();
}

void ReaderWindow::placeProgressDots() {
  const FormGeometry& g = s_.layout.geometry;
  const platform::Rect& dot = g.at(ControlId::pbOrangeDot).rect;
  pbOrangeDot_->setBounds(dot.left, dot.top, dot.width, dot.height);
  const platform::Rect& dotC = g.at(ControlId::pbOrangeDotC).rect;
  pbOrangeDotC_->setBounds(dotC.left, dotC.top, dotC.width, dotC.height);
}

void ReaderWindow::setNumerOfLinesNow() {
  s_.engine.LinesInFrame = static_cast<std::uint8_t>(linesInFrame());
}

int ReaderWindow::linesInFrame() const {
  return setNumerOfLines(box(ControlId::pbBanner).height, surface_.measure(), s_.layout.bannerFont,
                         s_.settings);
}

int ReaderWindow::calculateNoOfLines() {
  const LinesThatFit fit = reader::calculateNoOfLines(
      box(ControlId::pbBanner).height, surface_.measure(), s_.layout.bannerFont, s_.settings);
  s_.engine.LinesInFrame = fit.linesInFrame;
  return fit.lines;
}

void ReaderWindow::buildBannerFont() {
  s_.layout.bannerPointSize = bannerPointSizeFor(s_.settings, s_.settings.ReadingMode);
  s_.layout.bannerFont = reader::buildBannerFont(s_.settings, s_.settings.ReadingMode);
}

void ReaderWindow::buildColumnFont() {
  s_.layout.columnFont = reader::buildColumnFont(s_.settings);
  s_.layout.columnPointSize = s_.layout.columnFont.pointSize;
}

void ReaderWindow::loadModeButtonImages() {
  surface_.setPicture(ControlId::imgSingleColumn, "column");
  surface_.setPicture(ControlId::imgDoubleColumn, "double");
  surface_.setPicture(ControlId::imgBannerReader, "banner");
  surface_.setPicture(ControlId::imgSentenceReader, "sentence");
  switch (s_.settings.ReadingMode) {
  case ReadingModeKind::Sentence:
    surface_.setPicture(ControlId::imgSentenceReader, "sentence_selected");
    break;
  case ReadingModeKind::Banner:
    surface_.setPicture(ControlId::imgBannerReader, "banner_selected");
    break;
  default:
    if (s_.settings.ColumnNumber == 1)
      surface_.setPicture(ControlId::imgSingleColumn, "column_selected");
    else
      surface_.setPicture(ControlId::imgDoubleColumn, "double_selected");
  }
  surface_.setPicture(ControlId::imgAutoSkim,
                      s_.settings.CompressorStatus ? "autoskim_on" : "autoskim_off");
}

// --- Full screen ----------------------------------------------------------------------------

void ReaderWindow::showFullScreen() {
  s_.layout.geometry.windowColor = Black;
  placeFullScreen();
  setProgressBarColor();
  surface_.setLabelText(ControlId::lbBlackInfo, w_.hint.empty() ? HintEscape : w_.hint);
}

void ReaderWindow::placeFullScreen() {
  fullScreenGeometry(s_.layout, s_.settings.ReadingMode);
  applyGeometry();
}

void ReaderWindow::showNormalWindow() {
  FormGeometry& g = s_.layout.geometry;
  g.bordered = true;
  g.mainMenuShown = true;
  g.at(ControlId::pnlTopBar).visible = true;
  g.at(ControlId::pbCloseFullScreen).visible = false;
  g.at(ControlId::lbBlackInfo).visible = false;
  g.at(ControlId::lbBlackPercent).visible = false;
  // The window goes back to the place it had; the widget keeps that place.
  arrangeControls();
}

// --- Drawing -----------------------------------------------------------------------------------

void ReaderWindow::drawText(int fadeLevel) {
  if (!bannerMode()) return;
  const platform::Rect strip = box(ControlId::pbBanner);
  // A heading in bold may no longer fit: its lines give words to the next line
  // and what is left goes back to the document.
  if (s_.engine.HeadingFound && s_.settings.Banner.FontStyle == engine::FontStyle::Normal) {
    const platform::FontSpec heading = bannerFrameFont(s_.layout.bannerFont, s_.settings, true);
    const std::string left = refitHeadingLines(s_.engine.FrameLines, s_.engine.LinesInFrame,
                                               heading, strip.width - 10, surface_.measure());
    if (!left.empty()) {
      s_.engine.CurrentPosition = std::max<std::int32_t>(
          s_.engine.FrameStartPosition + 1,
          s_.engine.CurrentPosition - static_cast<std::int32_t>(left.size()) - 1);
      s_.engine.HeadingCandidate = true;
    }
  }
  const bool match = w_.search.FindActive && w_.search.MatchShown;
  const BannerDrawInputs in{s_.engine,
                            s_.settings,
                            s_.layout.bannerFont,
                            strip.width,
                            strip.height,
                            fadeLevel,
                            match ? std::string_view(w_.searchedText) : std::string_view()};
  surface_.paint(ControlId::pbBanner, [&](platform::Canvas& canvas) {
    reader::clearText(canvas, strip.width, strip.height, s_.settings.Banner.BackgroundColor);
    reader::drawText(canvas, in);
  });
}

void ReaderWindow::showFindBar(bool shown) {
  ControlPlacement& info = s_.layout.geometry.at(ControlId::lbInfo);
  if (shown && s_.settings.ReadingMode == ReadingModeKind::Double) {
    hintBeforeFind_ = info.rect;
    info.rect.left = FindBarWidth;
    applyGeometry();
  } else if (!shown && hintBeforeFind_) {
    info.rect = *hintBeforeFind_;
    hintBeforeFind_.reset();
    applyGeometry();
  }
  surface_.showFindBar(shown, w_.findText);
}

void ReaderWindow::drawFindFrame() {
  if (bannerMode()) {
    drawText(FullFadeLevel);
    return;
  }
  // The frame around the match takes the first column's place.
  const platform::Rect c1 = box(ControlId::pbColumn);
  const platform::FontSpec font = s_.layout.columnFont;
  surface_.paint(ControlId::pbColumn, [&](platform::Canvas& canvas) {
    paintColumnBackground(canvas, c1.width, c1.height, s_.settings.Column.BackgroundColor);
    const double pitch = letterHeight(canvas.measure(), font) * s_.layout.lineSpacing;
    int row = 0;
    for (const std::string& raw : s_.engine.FrameLines) {
      const std::string line = engine::trim(raw);
      if (line.empty()) continue;
      drawHighlightedLine(canvas, 5, static_cast<int>(std::floor(row++ * pitch + 10)), line,
                          w_.searchedText, font, s_.settings.Column.TextColor,
                          s_.settings.Column.BackgroundColor);
    }
  });
  if (s_.settings.ReadingMode == ReadingModeKind::Double) {
    const platform::Rect c2 = box(ControlId::pbColumn2);
    surface_.paint(ControlId::pbColumn2, [&](platform::Canvas& canvas) {
      paintColumnBackground(canvas, c2.width, c2.height, s_.settings.Column.BackgroundColor);
    });
  }
}

void ReaderWindow::drawFrame(int fadeLevel) {
  drawText(fadeLevel);
}

void ReaderWindow::clearFrame() {
  if (!bannerMode()) return;
  const platform::Rect strip = box(ControlId::pbBanner);
  surface_.paint(ControlId::pbBanner, [&](platform::Canvas& canvas) {
    reader::clearText(canvas, strip.width, strip.height, s_.settings.Banner.BackgroundColor);
  });
}

void ReaderWindow::pbBannerPaint() {
  if (!bannerMode()) return;
  if (s_.fade.fadeInDone && s_.fade.fadeOutDone) {
    if (!s_.layout.fullScreen) clearFrame();
    return;
  }
  drawText(s_.fade.fadeLevel);
}

void ReaderWindow::displayOnActivate() {
  if (!bannerMode()) return;
  s_.fade.fadeLevel = FullFadeLevel;
  const platform::Rect strip = box(ControlId::pbBanner);
  const bool condensed =
      removeFrameCRs(s_.engine, s_.layout.bannerFont, strip.width - 10, surface_.measure());
  if (condensed) {
    platform::FontSpec small = s_.layout.bannerFont;
    small.pointSize = getFontSize(s_.layout.bannerPointSize);
    small.bold = s_.settings.Banner.FontStyle == engine::FontStyle::Bold;
    const platform::FontSpec saved = s_.layout.bannerFont;
    s_.layout.bannerFont = small;
    calculateNoOfLines();
    const BannerDrawInputs in{s_.engine,   s_.settings,  small,
                              strip.width, strip.height, FullFadeLevel};
    surface_.paint(ControlId::pbBanner, [&](platform::Canvas& canvas) {
      reader::clearText(canvas, strip.width, strip.height, s_.settings.Banner.BackgroundColor);
      reader::drawCondensedFrame(canvas, in, false);
    });
    s_.layout.bannerFont = saved;
    buildBannerFont();
  } else {
    drawText(FullFadeLevel);
  }
  s_.fade.fadeInDone = true;
  s_.fade.fadeOutDone = true;
}

void ReaderWindow::useCondensedFont() {
  platform::FontSpec small = s_.layout.bannerFont;
  small.pointSize = getFontSize(s_.layout.bannerPointSize);
  small.bold = s_.settings.Banner.FontStyle == engine::FontStyle::Bold;
  s_.layout.bannerFont = small;
  calculateNoOfLines();
}

void ReaderWindow::drawCondensedFrame(bool forward) {
  if (!bannerMode()) return;
  w_.condensedForward = forward;
  const platform::Rect strip = box(ControlId::pbBanner);
  const BannerDrawInputs in{s_.engine,   s_.settings,  s_.layout.bannerFont,
                            strip.width, strip.height, FullFadeLevel};
  surface_.paint(ControlId::pbBanner, [&](platform::Canvas& canvas) {
    reader::clearText(canvas, strip.width, strip.height, s_.settings.Banner.BackgroundColor);
    reader::drawCondensedFrame(canvas, in, true);
  });
}

void ReaderWindow::drawEndOfDocument() {
  if (bannerMode()) {
    const platform::Rect strip = box(ControlId::pbBanner);
    surface_.paint(ControlId::pbBanner, [&](platform::Canvas& canvas) {
      const platform::FontSpec font{"Tahoma", 14, true, false, true};
      const int w = canvas.measure().textWidth(font, EndOfDocumentText);
      const int h = canvas.measure().textHeight(font, EndOfDocumentText);
      canvas.drawText((strip.width - w) / 2, (strip.height - h) / 2, EndOfDocumentText, font,
                      EndTextColor);
    });
    return;
  }
  redrawPage();
}

PageInputs ReaderWindow::pageInputs(ColumnLineSource& source) {
  return PageInputs{s_.engine,
                    s_.settings,
                    surface_.measure(),
                    source,
                    s_.layout.columnFont,
                    s_.settings.ReadingMode == ReadingModeKind::Double ? 2 : 1,
                    s_.layout.linesPerPage,
                    box(ControlId::pbColumn).width};
}

void ReaderWindow::readFromPoint() {
  s_.engine.columnTextWidth = box(ControlId::pbColumn).width - 10;
  readPageFromPoint(s_.page, pageInputs(*lineSource_), w_.lastReadPosition);
  redrawPage();
}

void ReaderWindow::updateLinesPerPage() {
  s_.layout.linesPerPage = linesPerPage(box(ControlId::pbColumn).height, surface_.measure(),
                                        s_.layout.columnFont, s_.layout.lineSpacing);
}

bool ReaderWindow::readColumnFrame() {
  updateLinesPerPage();
  if (!beginNextPage(s_.page, s_.engine)) return false;
  readFromPoint();
  return true;
}

bool ReaderWindow::skipColumnPage() {
  updateLinesPerPage();
  if (!beginNextPage(s_.page, s_.engine)) return false;
  s_.engine.columnTextWidth = box(ControlId::pbColumn).width - 10;
  readPageFromPoint(s_.page, pageInputs(*lineSource_), w_.lastReadPosition);
  return true;
}

void ReaderWindow::drawPage(int fadeLevel) {
  if (bannerMode()) return;
  s_.fade.fadeLevel = fadeLevel;
  w_.pageFadeUnfinished = true;
  pbColumnPaint();
  w_.pageFadeUnfinished = false;
}

std::int32_t ReaderWindow::previousPageStart(std::int32_t start) {
  updateLinesPerPage();
  PageModel scratch;
  return reader::previousPageStart(scratch, pageInputs(*lineSource_), start);
}

int ReaderWindow::columnLetterWidth(char letter) const {
  return std::max(surface_.measure().textWidth(s_.layout.columnFont, std::string(1, letter)), 1);
}

bool ReaderWindow::readCurrentFrame() {
  updateLinesPerPage();
  restartShownPage(s_.page, pageInputs(*lineSource_));
  return readColumnFrame();
}

void ReaderWindow::redrawPage() {
  // A page is drawn whole; only the page fade draws it at lower levels.
  s_.fade.fadeLevel = FullFadeLevel;
  w_.pageFadeUnfinished = true;
  pbColumnPaint();
  w_.pageFadeUnfinished = false;
}

void ReaderWindow::pbColumnPaint() {
  if (bannerMode()) return;
  const platform::Rect c1 = box(ControlId::pbColumn);
  const bool draw = w_.pageFadeUnfinished || !s_.page.pageDrawn;
  const ColumnDrawInputs in{s_.page,
                            s_.settings,
                            s_.layout.columnFont,
                            s_.layout.lineSpacing,
                            w_.pageFadeUnfinished ? s_.fade.fadeLevel : FullFadeLevel,
                            s_.settings.ReadingMode == ReadingModeKind::Double ? 2 : 1,
                            c1.width,
                            c1.height};
  if (!w_.pageFadeUnfinished) s_.fade.fadeLevel = FullFadeLevel;
  const bool two = in.columnCount == 2;
  const bool atEnd = s_.page.pageAtEnd;
  // Both boxes are painted together: the end text may go on either.
  surface_.paint(ControlId::pbColumn, [&](platform::Canvas& canvas1) {
    paintColumnBackground(canvas1, c1.width, c1.height, s_.settings.Column.BackgroundColor);
    if (!two) {
      if (draw) reader::drawTextColumn(canvas1, nullptr, in);
      if (draw && atEnd) drawColumnEndText(canvas1, nullptr, in);
      return;
    }
    surface_.paint(ControlId::pbColumn2, [&](platform::Canvas& canvas2) {
      paintColumnBackground(canvas2, c1.width, c1.height, s_.settings.Column.BackgroundColor);
      if (draw) reader::drawTextColumn(canvas1, &canvas2, in);
      if (draw && atEnd) drawColumnEndText(canvas1, &canvas2, in);
    });
  });
  if (draw) s_.page.pageDrawn = true;
}

// --- Status line, hints, bars, dots, marks ------------------------------------------------------

void ReaderWindow::setStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < statusBar_->panelCount()) statusBar_->setPanelText(panel, text);
}

void ReaderWindow::setInfoText(const std::string& text) {
  if (s_.layout.fullScreen) surface_.setLabelText(ControlId::lbBlackInfo, text);
  surface_.setLabelText(ControlId::lbInfo, text);
  ControlPlacement& label = s_.layout.geometry.at(ControlId::lbInfo);
  if (!text.empty() && !label.visible) {
    label.visible = true;
    applyGeometry();
  }
}

void ReaderWindow::hideInfoText() {
  ControlPlacement& label = s_.layout.geometry.at(ControlId::lbInfo);
  if (!label.visible) return;
  label.visible = false;
  applyGeometry();
}

void ReaderWindow::setInfoTextColor(bool black) {
  surface_.setLabelColor(ControlId::lbInfo, black ? platform::Color{0, 0, 0} : InfoTextColour);
}

void ReaderWindow::showProgress(std::int64_t percent, int barPosition) {
  if (s_.layout.fullScreen)
    surface_.setLabelText(ControlId::lbBlackPercent, std::to_string(percent) + "%");
  pbarBanner_->setPosition(barPosition);
  if (!bannerMode()) pbarColumn_->setPosition(barPosition);
}

void ReaderWindow::setProgressBarColor() {
  for (auto* bar : {pbarBanner_.get(), pbarColumn_.get()}) {
    bar->setBackgroundColor(BarBackground);
    bar->setBarColor1(BarColour);
  }
  setDotHover(ControlId::pbOrangeDot, pbOrangeDot_->MouseInside());
  setDotHover(ControlId::pbOrangeDotC, pbOrangeDotC_->MouseInside());
}

void ReaderWindow::setDotHover(ControlId dot, bool over) {
  const std::string suffix = over ? "mo" : "";
  if (dot == ControlId::pbOrangeDot)
    pbOrangeDot_->setPicture(dotPicture(s_.settings.Banner.BackgroundColor) + suffix);
  else if (dot == ControlId::pbOrangeDotC)
    pbOrangeDotC_->setPicture(dotPicture(s_.settings.Column.BackgroundColor) + suffix);
}

controls::TMyImage& ReaderWindow::mark(ControlId id) {
  switch (id) {
  case ControlId::pbGoToStartB:
    return *pbGoToStartB_;
  case ControlId::pbGoToEndB:
    return *pbGoToEndB_;
  case ControlId::pbGoToStartC:
    return *pbGoToStartC_;
  default:
    return *pbGoToEndC_;
  }
}

void ReaderWindow::setMarkHint(ControlId id, const std::string& hint, bool handCursor) {
  controls::TMyImage& image = mark(id);
  image.setHint(hint);
  image.setCursor(handCursor ? controls::TCursor::crHandPoint : controls::TCursor::crArrow);
}

void ReaderWindow::showHighlight(ControlId highlight, bool shown) {
  if (highlight != ControlId::pbHighLight && highlight != ControlId::pbHighLightC) return;
  ControlPlacement& place = s_.layout.geometry.at(highlight);
  place.visible = shown;
  applyGeometry();
}

void ReaderWindow::setProgressPanelVisible(bool visible) {
  if (!bannerMode() || s_.layout.fullScreen) return;
  ControlPlacement& panel = s_.layout.geometry.at(ControlId::pnlBanner);
  if (panel.visible == visible) return;
  panel.visible = visible;
  applyGeometry();
}

} // namespace reader
