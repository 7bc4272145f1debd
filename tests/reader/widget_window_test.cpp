#include <gtest/gtest.h>

#include <QApplication>
#include <fstream>
#include <sstream>

#include "engine/text_engine.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/virtual_clock.h"
#include "reader/colour_schemes.h"
#include "reader/reader_widget.h"
#include "reader/tform1.h"

namespace reader {
namespace {

// One application for the whole test program, whichever file asks first.
QApplication& qtApp() {
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static int argc = 1;
  static char name[] = "reader_tests";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

std::string sampleText() {
  std::ifstream in(std::string(LUMETRA_SOURCE_DIR) + "/examples/lighthouse.txt", std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();
  for (char& c : text)
    if (c == '\n') c = '\r';
  return text;
}

// A reader window on the sample document, driven on the virtual clock.
struct Reader {
  explicit Reader(engine::ReadingModeKind mode, bool autoStart = true) {
    qtApp();
    settings.ReadingMode = mode;
    settings.ColumnNumber = mode == engine::ReadingModeKind::Double ? 2 : 1;
    settings.AutoStart = autoStart;
    settings.WordsPerMinute = 300;
    settings.SpeedSettingsSelection = engine::SpeedSelection::Custom;
    settings.LinesPerScreen = 1;
    settings.WordsPerScreen = 3;
    settings.BannerFontName = "Liberation Sans";
    settings.ColumnFontName = "Liberation Sans";
    engine::setDocumentText(state, sampleText());
    textEngine = std::make_unique<engine::TextEngine>(state, settings, measure);
    session = showReaderWindow({settings,
                                state,
                                *textEngine,
                                reading,
                                fade,
                                clock,
                                {0, 0, 1280, 994},
                                {0, 0, 1280, 1024}});
  }

  ReaderWindow& window() { return *session->reader; }
  TForm1& form() { return *session->form; }

  engine::SettingsRecord settings;
  engine::EngineState state;
  platform::QtTextMeasure measure;
  std::unique_ptr<engine::TextEngine> textEngine;
  ReadingState reading;
  FadeState fade;
  platform::VirtualClock clock;
  std::unique_ptr<ReaderSession> session;
};

TEST(ModeSwitch, SentenceToSingleStartsThePageAtTheSentenceOnScreen) {
  Reader r(engine::ReadingModeKind::Sentence);
  // Read on for a while so that the sentence on screen lies inside the text.
  r.clock.advance(20000);
  const std::int32_t sentenceStart = r.state.FrameStartPosition;
  ASSERT_GT(sentenceStart, 1);
  const std::string firstWords =
      r.state.DocumentText.substr(static_cast<std::size_t>(sentenceStart - 1), 8);

  r.window().imgSingleColumnClick();
  EXPECT_EQ(r.settings.ReadingMode, engine::ReadingModeKind::Single);
  EXPECT_EQ(r.settings.ColumnNumber, 1);
  EXPECT_EQ(r.session->page.pageStart, sentenceStart);
  ASSERT_FALSE(r.session->page.columns[0].lines.empty());
  EXPECT_EQ(r.session->page.columns[0].lines[0].substr(0, 8), firstWords);
  EXPECT_FALSE(r.form().tmRead->Enabled());

  // Back to Banner: reading goes on from the start of that page, not its end.
  EXPECT_GT(r.state.CurrentPosition, sentenceStart);
  r.window().imgBannerReaderClick();
  EXPECT_EQ(r.state.CurrentPosition, sentenceStart);
  r.window().FormKeyDown(ReaderKey::Space); // continue
  r.clock.advance(5);
  EXPECT_EQ(r.state.FrameStartPosition, sentenceStart);
}

TEST(ModeSwitch, SentenceModeDrawsLargeSizesAt28AndBannerUsesTheStoredSize) {
  Reader r(engine::ReadingModeKind::Banner);
  r.settings.BannerFontSize = 13; // 48 points
  r.window().imgSentenceReaderClick();
  EXPECT_EQ(r.session->layout.bannerFont.pointSize, 28);
  EXPECT_TRUE(r.reading.SentenceMode);
  r.window().imgBannerReaderClick();
  EXPECT_EQ(r.session->layout.bannerFont.pointSize, 48);
  r.settings.BannerFontSize = 12; // 36 points
  r.window().imgSentenceReaderClick();
  EXPECT_EQ(r.session->layout.bannerFont.pointSize, 28);
}

TEST(ModeSwitch, ASecondClickOnTheSameModeDoesNothing) {
  Reader r(engine::ReadingModeKind::Single, false);
  const std::int32_t start = r.session->page.pageStart;
  r.window().FormKeyDown(ReaderKey::Space); // next page
  const std::int32_t second = r.session->page.pageStart;
  EXPECT_GT(second, start);
  r.window().imgSingleColumnClick();
  EXPECT_EQ(r.session->page.pageStart, second);
}

TEST(ModeSwitch, TabCyclesBannerSentenceSingleDouble) {
  Reader r(engine::ReadingModeKind::Banner, false);
  const engine::ReadingModeKind expected[] = {
      engine::ReadingModeKind::Sentence, engine::ReadingModeKind::Single,
      engine::ReadingModeKind::Double, engine::ReadingModeKind::Banner};
  for (auto mode : expected) {
    r.window().FormKeyDown(ReaderKey::Tab);
    EXPECT_EQ(r.settings.ReadingMode, mode);
  }
}

TEST(WordsPerScreen, TwoByFourChecksTheNinthItemAndSetsCustom) {
  Reader r(engine::ReadingModeKind::Banner, false);
  r.settings.SpeedSettingsSelection = engine::SpeedSelection::Automatic;
  r.window().N2x41Click();
  EXPECT_EQ(r.settings.SpeedSettingsSelection, engine::SpeedSelection::Custom);
  const auto& checks = r.window().speedMenuChecks();
  for (std::size_t i = 0; i < checks.size(); ++i)
    EXPECT_EQ(checks[i], i == 8) << i;
  EXPECT_EQ(
      r.window().statusBar().panel(3).Text.substr(r.window().statusBar().panel(3).Text.find('|')),
      "| 300 wpm (2 x 4)");
}

TEST(WordsPerScreen, AThreeLineChoiceInAShortStripGivesTheLinesThatFit) {
  Reader r(engine::ReadingModeKind::Banner, false);
  r.settings.BannerFontSize = 13; // 48 points: not three lines in 218 pixels
  r.window().buildBannerFont();
  r.window().N3x53lines1Click();
  const int lineHeight = r.measure.textHeight(r.session->layout.bannerFont, "O");
  const int fit = (218 - 5) / lineHeight;
  ASSERT_LT(fit, 3);
  EXPECT_EQ(r.window().linesInFrame(), fit);
  r.form().setNumerOfLines();
  EXPECT_EQ(r.state.LinesInFrame, fit);
}

TEST(FullScreen, ShowsSilverOnBlackAndLeavingRestoresTheFourColours) {
  Reader r(engine::ReadingModeKind::Double, false);
  r.settings.BannerTextColor = {255, 255, 0};
  r.settings.BannerBackgroundColor = {0, 0, 94};
  r.settings.ColumnTextColor = {128, 0, 0};
  r.settings.ColumnBackgroundColor = {211, 211, 211};
  const engine::SettingsRecord before = r.settings;
  r.window().enterFullScreen();
  EXPECT_TRUE(r.session->layout.fullScreen);
  EXPECT_EQ(r.settings.BannerTextColor, Silver);
  EXPECT_EQ(r.settings.ColumnTextColor, Silver);
  EXPECT_EQ(r.settings.BannerBackgroundColor, Black);
  EXPECT_EQ(r.settings.ColumnBackgroundColor, Black);
  const QImage& column = r.session->widget->boxImage(ControlId::pbColumn);
  EXPECT_EQ(column.pixelColor(column.width() / 2, column.height() - 3), QColor(0, 0, 0));
  EXPECT_TRUE(
      r.session->widget->child(ControlId::pbCloseFullScreen)->isVisibleTo(r.session->widget.get()));
  r.window().FormKeyDown(ReaderKey::Escape);
  EXPECT_FALSE(r.session->layout.fullScreen);
  EXPECT_EQ(r.settings.BannerTextColor, before.BannerTextColor);
  EXPECT_EQ(r.settings.BannerBackgroundColor, before.BannerBackgroundColor);
  EXPECT_EQ(r.settings.ColumnTextColor, before.ColumnTextColor);
  EXPECT_EQ(r.settings.ColumnBackgroundColor, before.ColumnBackgroundColor);
  EXPECT_TRUE(r.session->widget->isVisible());
  EXPECT_FALSE(
      r.session->widget->child(ControlId::pbCloseFullScreen)->isVisibleTo(r.session->widget.get()));
}

TEST(ProgressBar, HalfWayOver557PixelsFills278) {
  Reader r(engine::ReadingModeKind::Banner, false);
  controls::TALProgressBar& bar = r.window().pbarBanner();
  EXPECT_EQ(bar.Width(), 557);
  EXPECT_EQ(bar.Max(), 10000);
  bar.setPosition(5000);
  EXPECT_EQ(bar.filledLength(), 278);
}

TEST(ProgressBar, FollowsTheFurthestPointRead) {
  Reader r(engine::ReadingModeKind::Single, false);
  r.window().FormKeyDown(ReaderKey::Space);
  r.window().FormKeyDown(ReaderKey::Space);
  const int furthest = r.window().pbarColumn().Position();
  EXPECT_GT(furthest, 0);
  r.state.CurrentPosition = 1;
  r.window().UpdatePercent();
  EXPECT_EQ(r.window().pbarColumn().Position(), furthest);
}

TEST(Escape, ClosesTheWindowOutsideFullScreen) {
  Reader r(engine::ReadingModeKind::Banner, false);
  ASSERT_TRUE(r.session->widget->isVisible());
  r.window().FormKeyDown(ReaderKey::Escape);
  EXPECT_FALSE(r.session->widget->isVisible());
}

TEST(ColumnPages, SpaceTurnsToTheNextPageUntilTheEnd) {
  Reader r(engine::ReadingModeKind::Double, false);
  std::int32_t previous = r.session->page.pageStart;
  int turns = 0;
  while (!r.session->page.pageAtEnd && turns < 50) {
    r.window().FormKeyDown(ReaderKey::Enter);
    EXPECT_GT(r.session->page.pageStart, previous);
    previous = r.session->page.pageStart;
    ++turns;
  }
  EXPECT_TRUE(r.session->page.pageAtEnd);
  EXPECT_LT(turns, 50);
}

} // namespace
} // namespace reader
