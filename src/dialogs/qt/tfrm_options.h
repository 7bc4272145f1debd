// The options dialog (caption "Options", 561 x 449): three picture buttons on
// the left choose the General, Text Rules or AutoSkim page, shown at
// (104, 48) under a title panel; "Restore Defaults", "OK" and "Cancel" along
// the bottom. What the pages and buttons do to the settings is OptionsPages;
// this class shows it and forwards the user's clicks.
//
// showOptions opens a fresh dialog on a start page ("General", "TextRules",
// anything else the AutoSkim page), runs it modally and returns whether OK
// closed it.
#pragma once

#include <QDialog>

#include <array>
#include <string>

#include "dialogs/options_pages.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QToolButton;

namespace dialogs {

class RulesTreeWidget;
class WordCheckList;

class TfrmOptions : public QDialog {
  Q_OBJECT
public:
  TfrmOptions(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun,
              QWidget* parent = nullptr);

  // Set by the caller before showing.
  std::string StartPage = "General";

  // Showing: saves the settings file, fills the three pages, shows the start page.
  void FormShow();
  void imgGeneralClick();
  void imgTextRulesClick();
  void imgAutoSkimClick();
  void tvTextRulesStateClick(std::size_t node);
  void cbCompressionChange(int item);
  void clbWordsClickCheck(std::size_t list, std::size_t word, bool checked);
  void btOKClick();
  void btCancelClick();
  void btRestoreDefaultsClick();

  OptionsPages& pages() { return pages_; }
  OptionsPage currentPage() const { return current_; }

  // The controls, named as the dialog has always named them.
  QToolButton* imgGeneral;
  QToolButton* imgTextRules;
  QToolButton* imgAutoSkim;
  QLabel* lbTitle;
  QWidget* pnlGeneral;
  QWidget* pnlTextRules;
  QWidget* pnlAutoSkim;
  QCheckBox* cbLoopMode;
  QCheckBox* cbClearType;
  QCheckBox* cbAutoLoad;
  QCheckBox* cbAutoStart;
  QCheckBox* cbAutoHideProgressBar;
  RulesTreeWidget* tvTextRules;
  QRadioButton* rbDots;
  QRadioButton* rbHide;
  QComboBox* cbCompression;
  QScrollArea* sbWords;
  std::array<WordCheckList*, engine::CompressorPartCount> clbWords{};
  QPushButton* btRestoreDefaults;
  QPushButton* btOK;
  QPushButton* btCancel;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void makeGeneralPage();
  void makeTextRulesPage();
  void makeAutoSkimPage();
  void showPage(OptionsPage page);
  void showGeneral();
  void showAutoSkim();
  void showWordChecks();
  void takeGeneral();

  OptionsPages pages_;
  OptionsPage current_ = OptionsPage::General;
  bool shown_ = false;
};

bool showOptions(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun,
                 const std::string& startPage, QWidget* parent = nullptr);

} // namespace dialogs
