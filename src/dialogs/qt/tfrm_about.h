// The About box (caption "About Lumetra", 382 x 351): the logo and
// "Lumetra v" with the version at the top; below, at top 102, either the
// information box with the link "View the End-User License Agreement" or
// the " Credits " box; "Credits" (" < Back " while the credits show) at the
// bottom left and "Close" at the right.
//
// The link opens the licence file beside the program with the desktop's
// default application; a missing file is passed over in silence.
// showAbout runs a fresh box modally.
#pragma once

#include <QDialog>

#include <filesystem>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;

namespace dialogs {

// Opens a file with the desktop's default application.
using FileOpener = std::function<void(const std::filesystem::path&)>;

// QDesktopServices on an existing file; nothing for a missing one.
void openWithDefaultApplication(const std::filesystem::path& file);

class TfrmAbout : public QDialog {
  Q_OBJECT
public:
  TfrmAbout(std::filesystem::path licence, FileOpener open, QWidget* parent = nullptr);

  void FormShow();
  void lbLicenceClick();
  void btCreditsClick();
  void btCloseClick();

  QLabel* imgLogo;
  QLabel* lbVersion;
  QWidget* pnlInformation;
  QLabel* lbLicence;
  QGroupBox* gbCredits;
  QLabel* lbNames;
  QPushButton* btCredits;
  QPushButton* btClose;

protected:
  void showEvent(QShowEvent* event) override;

private:
  std::filesystem::path licence_;
  FileOpener open_;
};

// `programFolder` holds the program's files (the licence among them).
void showAbout(QWidget* parent, const std::filesystem::path& programFolder);

} // namespace dialogs
