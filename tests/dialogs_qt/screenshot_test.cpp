// Renders every dialog and page off-screen, saves each picture under the
// build folder (screenshots/dialog_*.png) and checks that the pictures are
// drawn where they belong and that every word fits its column.
#include <gtest/gtest.h>

#include <QLabel>
#include <QToolButton>

#include "dialog_rig.h"
#include "dialogs/qt/tfrm_options.h"
#include "dialogs/qt/tfrm_speed_settings.h"
#include "dialogs/qt/word_check_list.h"
#include "platform/qt/pictures.h"
#include "support/qt_app.h"

namespace dialogs::testing {
namespace {

QImage shot(QWidget& dialog, const std::string& name) {
  const QImage image = dialog.grab().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_TRUE(image.save(testsupport::shotPath("dialog_" + name))) << name;
  return image;
}

// Whether `picture` is drawn at `at` in `image`, allowing for JPEG noise.
bool drawnAt(const QImage& image, const QImage& picture, QPoint at) {
  const QImage p = picture.convertToFormat(QImage::Format_RGB32);
  long difference = 0;
  for (int y = 0; y < p.height(); y += 3)
    for (int x = 0; x < p.width(); x += 3) {
      const QColor a = image.pixelColor(at.x() + x, at.y() + y), b = p.pixelColor(x, y);
      difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue());
    }
  const long samples = ((p.width() + 2) / 3) * ((p.height() + 2) / 3);
  return difference / samples < 12;
}

QPoint inDialog(QWidget* child, QWidget& dialog) {
  return child->mapTo(&dialog, QPoint(0, 0));
}

TEST(DialogScreenshots, EveryOptionsPage) {
  SettingsRig rig;
  rig.settings.GeneralTextRules[2] = rig.settings.GeneralTextRules[9] = true;
  rig.settings.LoopMode = true;
  TfrmOptions dialog(rig.settings, rig.store, rig.autorun);
  dialog.show();
  struct Page {
    QToolButton* button;
    const char* name;
  };
  for (const Page& page :
       {Page{dialog.imgGeneral, "options_general"}, Page{dialog.imgTextRules, "options_text_rules"},
        Page{dialog.imgAutoSkim, "options_autoskim"}}) {
    click(page.button);
    const QImage image = shot(dialog, page.name);
    for (const Page& p :
         {Page{dialog.imgGeneral, "opt_general"}, Page{dialog.imgTextRules, "opt_text_rules"},
          Page{dialog.imgAutoSkim, "opt_autoskim"}}) {
      const QPoint at = inDialog(p.button, dialog) + QPoint(2, 2);
      EXPECT_TRUE(drawnAt(image, platform::loadJpegResource(p.name), at))
          << page.name << " " << p.name;
    }
  }
  // Every word fits its column.
  for (WordCheckList* list : dialog.clbWords)
    for (std::size_t i = 0; i < list->count(); ++i)
      EXPECT_LE(list->box(i)->sizeHint().width(), list->box(i)->width())
          << list->box(i)->text().toStdString();
}

TEST(DialogScreenshots, SpeedSettings) {
  testsupport::qtApp();
  const reader::AutomaticTable table = reader::buildAutomaticTable();
  engine::SettingsRecord settings;
  platform::RecordingMessageBoxes boxes;
  TfrmSpeedSettings dialog(settings, table, boxes);
  dialog.show();
  const QImage image = shot(dialog, "speed");
  EXPECT_TRUE(drawnAt(image, platform::loadBitmapResource("arrowkey"),
                      inDialog(dialog.imgArrowKey, dialog)));
}

} // namespace
} // namespace dialogs::testing
