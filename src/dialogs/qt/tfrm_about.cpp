#include "dialogs/qt/tfrm_about.h"

#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QUrl>

#include <system_error>
#include <utility>

#include "dialogs/about_box.h"
#include "dialogs/config_folder.h"
#include "dialogs/qt/dialog_frame.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace dialogs {

namespace {
constexpr QRect BoxRect(8, 102, 366, 196);
}

void openWithDefaultApplication(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  QDesktopServices::openUrl(
      QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(file.string()))));
}

TfrmAbout::TfrmAbout(std::filesystem::path licence, FileOpener open, QWidget* parent)
    : QDialog(parent), licence_(std::move(licence)), open_(std::move(open)) {
  setWindowTitle(QStringLiteral("About Lumetra"));
  imgLogo = new QLabel(this);
  imgLogo->setGeometry(8, 8, 200, 80);
  lbVersion = new QLabel(this);
  lbVersion->setGeometry(216, 8, 158, 80);
  lbVersion->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont versionFont = lbVersion->font();
  versionFont.setBold(true);
  lbVersion->setFont(versionFont);

  pnlInformation = new QWidget(this);
  pnlInformation->setGeometry(BoxRect);
  auto* about = new QLabel(
      QStringLiteral("Lumetra shows your documents a few words at a time, at the pace you set, "
                     "in a window that stays on top of the others."),
      pnlInformation);
  about->setGeometry(8, 16, BoxRect.width() - 16, 60);
  about->setWordWrap(true);
  about->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  lbLicence = new QLabel(pnlInformation);
  lbLicence->setGeometry(8, 100, BoxRect.width() - 16, 24);
  lbLicence->setAlignment(Qt::AlignCenter);
  lbLicence->setTextFormat(Qt::RichText);
  lbLicence->setText(QStringLiteral("<a href=\"licence\">View the End-User License Agreement</a>"));
  lbLicence->setCursor(Qt::PointingHandCursor);
  connect(lbLicence, &QLabel::linkActivated, this, &TfrmAbout::lbLicenceClick);

  gbCredits = new QGroupBox(QStringLiteral(" Credits "), this);
  gbCredits->setGeometry(BoxRect);
  lbNames = new QLabel(gbCredits);
  lbNames->setGeometry(12, 24, BoxRect.width() - 24, BoxRect.height() - 36);
  lbNames->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

  btCredits = new QPushButton(QStringLiteral("Credits"), this);
  btCredits->setGeometry(8, 316, 85, 26);
  btClose = new QPushButton(QStringLiteral("Close"), this);
  btClose->setGeometry(289, 316, 85, 26);
  btClose->setDefault(true);
  connect(btCredits, &QPushButton::clicked, this, &TfrmAbout::btCreditsClick);
  connect(btClose, &QPushButton::clicked, this, &TfrmAbout::btCloseClick);
  frameDialog(*this, 382, 351);
}

void TfrmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
  btClose->setFocus();
}

void TfrmAbout::FormShow() {
  gbCredits->hide();
  pnlInformation->show();
  lbVersion->setText(platform::toQString(aboutVersionLabel(programVersion())));
  try {
    imgLogo->setPixmap(QPixmap::fromImage(platform::loadBitmapResource("lumetra_in_about_box")));
  } catch (const platform::ResourceError&) {
    imgLogo->clear();
  }
}

void TfrmAbout::lbLicenceClick() {
  if (open_) open_(licence_);
}

void TfrmAbout::btCreditsClick() {
  if (btCredits->text() == QStringLiteral("Credits")) {
    pnlInformation->hide();
    lbNames->setText(platform::toQString(creditsText()));
    gbCredits->show();
    btCredits->setText(QStringLiteral(" < Back "));
  } else {
    gbCredits->hide();
    pnlInformation->show();
    btCredits->setText(QStringLiteral("Credits"));
  }
}

void TfrmAbout::btCloseClick() {
  accept();
}

void showAbout(QWidget* parent, const std::filesystem::path& programFolder) {
  TfrmAbout dialog(licenceFile(programFolder), openWithDefaultApplication, parent);
  dialog.exec();
}

} // namespace dialogs
