#include "platform/qt/qt_message_boxes.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>

#include "support/qt_app.h"

namespace platform {
namespace {

// The box is captioned "Lumetra", shows its code page text as plain text (never
// as markup) and waits until the user presses OK.
TEST(QtMessageBox, ShowsPlainTextUnderTheProgramsCaptionUntilOkIsPressed) {
  testsupport::qtApp();
  QString caption, text;
  Qt::TextFormat format = Qt::AutoText;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    caption = box->windowTitle();
    text = box->text();
    format = box->textFormat();
    box->button(QMessageBox::Ok)->click();
  });
  QtMessageBoxes boxes;
  boxes.error("<b>caf\xE9</b> \x93quoted\x94");
  EXPECT_EQ(caption, "Lumetra");
  EXPECT_EQ(text, QString::fromUtf8("<b>café</b> “quoted”"));
  EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
} // namespace platform
