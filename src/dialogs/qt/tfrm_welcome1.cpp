#include "dialogs/qt/tfrm_welcome1.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include <string>

#include "dialogs/qt/dialog_frame.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace dialogs {

TfrmWelcome1::TfrmWelcome1(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Welcome"));
  imgPage = new QLabel(this);
  imgPage->setGeometry(0, 0, 500, 282);
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btCancel->setGeometry(8, 292, 75, 26);
  btBack = new QPushButton(QStringLiteral("< Back"), this);
  btBack->setGeometry(336, 292, 75, 26);
  btNext = new QPushButton(QStringLiteral("Next >"), this);
  btNext->setGeometry(417, 292, 75, 26);
  btNext->setDefault(true);
  connect(btCancel, &QPushButton::clicked, this, &TfrmWelcome1::btCancelClick);
  connect(btBack, &QPushButton::clicked, this, &TfrmWelcome1::btBackClick);
  connect(btNext, &QPushButton::clicked, this, &TfrmWelcome1::btNextClick);
  frameDialog(*this, 500, 328);
  showState();
}

void TfrmWelcome1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfrmWelcome1::FormShow() {
  showState();
  btNext->setFocus();
}

void TfrmWelcome1::showState() {
  try {
    imgPage->setPixmap(QPixmap::fromImage(platform::loadJpegResource(std::string(state_.picture))));
  } catch (const platform::ResourceError&) {
    imgPage->clear();
  }
  btBack->setEnabled(state_.backEnabled);
  btNext->setText(platform::toQString(state_.nextCaption));
}

void TfrmWelcome1::btNextClick() {
  if (!welcomeNext(state_)) {
    accept();
    return;
  }
  showState();
}

void TfrmWelcome1::btBackClick() {
  welcomeBack(state_);
  showState();
}

void TfrmWelcome1::btCancelClick() {
  reject();
}

void showWelcome(QWidget* parent) {
  TfrmWelcome1 dialog(parent);
  dialog.exec();
}

} // namespace dialogs
