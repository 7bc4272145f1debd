// The reader window passes the user's keys, mouse and menus on to TForm1.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

#include "reader/hints.h"
#include "support/temp_folder.h"
#include "window_fixture.h"

namespace reader::testing {
namespace {

TEST(ModeSwitch, SentenceToSingleStartsThePageAtTheSentenceOnScreen) {
  Reader r(engine::ReadingModeKind::Sentence);
  r.clock.advance(20000); // the sentence on screen lies inside the text
  const std::int32_t sentenceStart = r.state.FrameStartPosition;
  ASSERT_GT(sentenceStart, 1);
  r.form().imgSingleColumnClick();
  EXPECT_EQ(r.settings.ReadingMode, engine::ReadingModeKind::Single);
  EXPECT_EQ(r.parts().page.pageStart, sentenceStart);
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
  item->trigger(); // the menu shows the choice checked
  EXPECT_TRUE(item->isChecked());
}

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
  ASSERT_TRUE(shown(ControlId::lbBlackInfo)); // the hint moves to the black label
  EXPECT_EQ(qobject_cast<QLabel*>(r.widget().child(ControlId::lbBlackInfo))->text().toStdString(),
            HintEscape);
  std::array<platform::Color, 4> saved{};
  r.form().withUserColours([&] { saved = colours(r.settings); });
  EXPECT_EQ(saved, before);
  EXPECT_NE(colours(r.settings), before) << "still full screen after the save";
  r.press(Qt::Key_Escape);
  EXPECT_EQ(colours(r.settings), before);
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

// The pointer on a child control of the window, in the control's coordinates.
struct Mouse {
  void send(ControlId id, QEvent::Type type, QPoint p, Qt::MouseButton button,
            Qt::MouseButtons held) {
    QWidget* w = r.widget().child(id);
    QMouseEvent e(type, QPointF(p), QPointF(w->mapToGlobal(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void click(ControlId id) {
    send(id, QEvent::MouseButtonPress, {2, 2}, Qt::LeftButton, Qt::LeftButton);
    send(id, QEvent::MouseButtonRelease, {2, 2}, Qt::LeftButton, Qt::NoButton);
  }
  Reader& r;
};

TEST(DotWithTheMouse, TheDotShowsItsHoverPictureWhileTheMouseIsOverIt) {
  Reader r(engine::ReadingModeKind::Single, false, [](engine::SettingsRecord& s) {
    s.Column.BackgroundColor = {211, 211, 211};
  });
  controls::TMyImage& dot = r.window().orangeDotC();
  EXPECT_EQ(dot.Picture(), "dotongrey");
  dot.mouseEnter();
  EXPECT_EQ(dot.Picture(), "dotongreymo");
  dot.mouseLeave();
  EXPECT_EQ(dot.Picture(), "dotongrey");
}

void wheel(Reader& r, int delta) {
  QWheelEvent e(QPointF(50, 200), QPointF(50, 200), QPoint(), QPoint(0, delta), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&r.widget(), &e);
}

TEST(ColumnPages, TheWheelAndAClickOnAColumnTurnPages) {
  Reader r(engine::ReadingModeKind::Single, false);
  const std::int32_t first = r.parts().page.pageStart;
  wheel(r, -120);
  r.clock.advance(400);
  const std::int32_t second = r.parts().page.pageStart;
  EXPECT_GT(second, first);
  Mouse{r}.click(ControlId::pbColumn);
  r.clock.advance(400); // the page fades out first
  const std::int32_t third = r.parts().page.pageStart;
  EXPECT_GT(third, second);
  wheel(r, 120);
  EXPECT_EQ(r.parts().page.pageStart, second);
  EXPECT_GT(r.window().pbarColumn().Position(), 0);
}

// A reader whose recent-files list is kept in a store of its own.
struct RecentReader {
  explicit RecentReader(const std::vector<std::string>& entries)
      : saved(store.save(dialogs::RecentFilesKey, entries)),
        reader(engine::ReadingModeKind::Banner, true, {}, store) {
    reader.widget().refreshMenus();
  }
  QMenu& menu() { return *reader.widget().recentFilesMenu(); }

  testsupport::TempFolder folder{"lumetra-reader-mru"};
  dialogs::RecentFilesStore store{dialogs::recentFilesStorePath(folder.path())};
  bool saved;
  Reader reader;
};

// A chosen entry moves to the top, opens through the reader's open path, and
// the window's copy is what it saves when it goes.
TEST(RecentFilesMenu, AChosenEntryMovesToTheTopAndOpensInTheReader) {
  RecentReader r({"/books/first.txt", "/books/second.txt"});
  ASSERT_EQ(r.menu().actions().size(), 2);
  EXPECT_TRUE(r.menu().menuAction()->isEnabled());
  r.menu().popup(r.reader.widget().mapToGlobal(QPoint(20, 20)));
  QApplication::processEvents();
  EXPECT_TRUE(r.menu().grab().toImage().save(testsupport::shotPath("menu_recent_files")));
  r.menu().hide();
  r.menu().actions().at(1)->trigger();
  EXPECT_EQ(r.reader.opened, std::vector<std::string>{"/books/second.txt"});
  EXPECT_EQ(r.reader.assembly->recentFiles()->entries().front(), "/books/second.txt");
  EXPECT_TRUE(r.reader.widget().isVisible());
  r.reader.assembly.reset();
  const auto kept = r.store.load(dialogs::RecentFilesKey, 5);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(kept->front(), "/books/second.txt");
}

} // namespace
} // namespace reader::testing
