// The reader window: mode switching, the menu guard and checks, full screen,
// the progress bar and the keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>

#include "reader/colour_schemes.h"
#include "reader/hints.h"
#include "window_fixture.h"

namespace reader::testing {
namespace {

TEST(ModeSwitch, SentenceToSingleStartsThePageAtTheSentenceOnScreen) {
  Reader r(engine::ReadingModeKind::Sentence);
  // Read on for a while so that the sentence on screen lies inside the text.
  r.clock.advance(20000);
  const std::int32_t sentenceStart = r.state.FrameStartPosition;
  ASSERT_GT(sentenceStart, 1);
  const std::string firstWords =
      r.state.DocumentText.substr(static_cast<std::size_t>(sentenceStart - 1), 8);

  r.form().imgSingleColumnClick();
  EXPECT_EQ(r.settings.ReadingMode, engine::ReadingModeKind::Single);
  EXPECT_EQ(r.settings.ColumnNumber, 1);
  EXPECT_EQ(r.parts().page.pageStart, sentenceStart);
  ASSERT_FALSE(r.parts().page.columns[0].lines.empty());
  EXPECT_EQ(r.parts().page.columns[0].lines[0].substr(0, 8), firstWords);
  EXPECT_FALSE(r.form().readTimer().Enabled());

  // Back to Banner: reading goes on from the start of that page, not its end.
  EXPECT_GT(r.state.CurrentPosition, sentenceStart);
  r.form().imgBannerReaderClick();
  EXPECT_EQ(r.state.CurrentPosition, sentenceStart);
  r.press(Qt::Key_Space); // continue
  r.clock.advance(5);
  EXPECT_EQ(r.state.FrameStartPosition, sentenceStart);
}

// Space or Enter on a highlighted menu item chooses the item; the reading
// goes on as it was.
TEST(MenuGuard, SpaceOverAHighlightedItemNeitherPausesNorContinues) {
  Reader r(engine::ReadingModeKind::Banner);
  r.clock.advance(1000);
  ASSERT_TRUE(r.form().readTimer().Enabled());
  QAction* item = r.widget().menuItem("N2x41");
  auto* menu = qobject_cast<QMenu*>(item->parent());
  ASSERT_NE(menu, nullptr);
  emit menu->hovered(item);
  r.press(Qt::Key_Space);
  EXPECT_TRUE(r.form().readTimer().Enabled()) << "Space paused under a highlighted item";
  r.press(Qt::Key_Space);
  EXPECT_FALSE(r.form().readTimer().Enabled()) << "the guard outlived its one key";
  r.choose("N2x41"); // the menu shows the choice checked
  EXPECT_TRUE(item->isChecked());
}

// Text and background of the strip, then of the columns.
std::array<platform::Color, 4> colours(const engine::SettingsRecord& s) {
  return {s.Banner.TextColor, s.Banner.BackgroundColor, s.Column.TextColor,
          s.Column.BackgroundColor};
}

// Full screen lends its silver-on-black colours to the settings while it
// lasts; whatever is saved meanwhile, and whatever stays after a close in
// full screen, is the user's own scheme.
TEST(FullScreen, ShowsSilverOnBlackAndLeavingOrClosingRestoresTheFourColours) {
  Reader r(engine::ReadingModeKind::Double, false);
  r.settings.Column.BackgroundColor = {211, 211, 211};
  r.settings.Banner.TextColor = {255, 255, 0};
  const auto before = colours(r.settings);
  const auto shown = [&](ControlId id) { return r.widget().child(id)->isVisibleTo(&r.widget()); };
  r.form().enterFullScreen();
  EXPECT_TRUE(r.parts().layout.fullScreen);
  const QImage& column = r.widget().boxImage(ControlId::pbColumn);
  EXPECT_EQ(column.pixelColor(column.width() / 2, column.height() - 3), QColor(0, 0, 0));
  EXPECT_TRUE(shown(ControlId::pbCloseFullScreen));
  ASSERT_TRUE(shown(ControlId::lbBlackInfo)); // the hint moves to the black label
  EXPECT_EQ(qobject_cast<QLabel*>(r.widget().child(ControlId::lbBlackInfo))->text().toStdString(),
            HintEscape);
  std::array<platform::Color, 4> saved{};
  r.form().withUserColours([&] { saved = colours(r.settings); });
  EXPECT_EQ(saved, before);
  EXPECT_NE(colours(r.settings), before) << "still full screen after the save";
  r.press(Qt::Key_Escape);
  EXPECT_FALSE(r.parts().layout.fullScreen);
  EXPECT_EQ(colours(r.settings), before);
  EXPECT_TRUE(r.widget().isVisible());
  EXPECT_FALSE(shown(ControlId::pbCloseFullScreen));
  EXPECT_FALSE(shown(ControlId::lbBlackInfo));
  r.press(Qt::Key_Escape); // outside full screen Escape closes the window
  EXPECT_FALSE(r.widget().isVisible());

  Reader closed(engine::ReadingModeKind::Banner, false);
  const auto own = colours(closed.settings);
  closed.form().enterFullScreen();
  closed.form().FormClose();
  EXPECT_EQ(colours(closed.settings), own);
  EXPECT_FALSE(closed.parts().layout.fullScreen);
}

TEST(ColumnPages, EnterTurnsToTheNextPage) {
  Reader r(engine::ReadingModeKind::Double, false);
  const std::int32_t first = r.parts().page.pageStart;
  r.press(Qt::Key_Return);
  EXPECT_GT(r.parts().page.pageStart, first);
  EXPECT_GT(r.window().pbarColumn().Position(), 0);
}

TEST(FocusTracking, TheWindowHidesWhileTheUserIsElsewhereAndComesBackOverTheSource) {
  Reader r(engine::ReadingModeKind::Double);
  platform::FakeWindow editor;
  editor.processId = 301;
  platform::FakeWindow terminal;
  terminal.processId = 302;
  const platform::WindowId source = r.desktop.addWindow(editor);
  const platform::WindowId other = r.desktop.addWindow(terminal);
  r.acquisition.SourceWindow = source;
  r.desktop.setForeground(source);
  r.clock.advance(100);
  ASSERT_TRUE(r.widget().isVisible());
  r.desktop.setForeground(other);
  r.clock.advance(100);
  EXPECT_FALSE(r.widget().isVisible());
  r.desktop.setForeground(source);
  r.clock.advance(100);
  EXPECT_TRUE(r.widget().isVisible());
  EXPECT_TRUE(r.acquisition.ReaderShown);
}

} // namespace
} // namespace reader::testing
