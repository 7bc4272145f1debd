#include "dialogs/qt/tfrm_options.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "dialogs/qt/dialog_frame.h"
#include "dialogs/qt/rules_tree_widget.h"
#include "dialogs/qt/word_check_list.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace dialogs {

namespace {

constexpr int ClientWidth = 561;
constexpr int ClientHeight = 449;
constexpr int StripWidth = 104;
constexpr QRect PageRect(104, 48, 449, 353);
// The page pictures' dark panel, so that the pictures sit on their own colour.
const QColor StripColour(0x1c, 0x20, 0x25);

QToolButton* pageButton(QWidget* parent, const char* picture, const char* name, int top) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  try {
    button->setIcon(QIcon(QPixmap::fromImage(platform::loadJpegResource(picture))));
  } catch (const platform::ResourceError&) {
    button->setText(name);
  }
  button->setIconSize(QSize(96, 96));
  button->setAutoRaise(true);
  button->setCheckable(true);
  button->setGeometry(2, top, 100, 100);
  return button;
}

QWidget* pagePanel(QWidget* parent) {
  auto* panel = new QWidget(parent);
  panel->setGeometry(PageRect);
  panel->hide();
  return panel;
}

QCheckBox* checkBox(QWidget* parent, const char* caption, int top) {
  auto* box = new QCheckBox(QString::fromLatin1(caption), parent);
  box->setGeometry(16, top, 400, 22);
  return box;
}

} // namespace

TfrmOptions::TfrmOptions(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun,
                         QWidget* parent)
    : QDialog(parent), pages_(settings, store, autorun) {
  setWindowTitle(QStringLiteral("Options"));

  auto* strip = new QWidget(this);
  strip->setGeometry(0, 0, StripWidth, ClientHeight);
  strip->setAutoFillBackground(true);
  QPalette stripPalette = strip->palette();
  stripPalette.setColor(QPalette::Window, StripColour);
  strip->setPalette(stripPalette);
  imgGeneral = pageButton(strip, "opt_general", "imgGeneral", 6);
  imgTextRules = pageButton(strip, "opt_text_rules", "imgTextRules", 110);
  imgAutoSkim = pageButton(strip, "opt_autoskim", "imgAutoSkim", 214);
  auto* pageButtons = new QButtonGroup(this);
  for (QToolButton* button : {imgGeneral, imgTextRules, imgAutoSkim})
    pageButtons->addButton(button);
  connect(imgGeneral, &QToolButton::clicked, this, &TfrmOptions::imgGeneralClick);
  connect(imgTextRules, &QToolButton::clicked, this, &TfrmOptions::imgTextRulesClick);
  connect(imgAutoSkim, &QToolButton::clicked, this, &TfrmOptions::imgAutoSkimClick);

  lbTitle = new QLabel(this);
  lbTitle->setGeometry(PageRect.left(), 8, PageRect.width(), 32);
  lbTitle->setFrameShape(QFrame::StyledPanel);
  lbTitle->setAutoFillBackground(true);
  lbTitle->setBackgroundRole(QPalette::Base);
  QFont titleFont = lbTitle->font();
  titleFont.setBold(true);
  titleFont.setPointSize(titleFont.pointSize() + 3);
  lbTitle->setFont(titleFont);

  makeGeneralPage();
  makeTextRulesPage();
  makeAutoSkimPage();

  btRestoreDefaults = new QPushButton(QStringLiteral("Restore Defaults"), this);
  btRestoreDefaults->setGeometry(PageRect.left(), 413, 130, 26);
  btOK = new QPushButton(QStringLiteral("OK"), this);
  btOK->setGeometry(397, 413, 75, 26);
  btOK->setDefault(true);
  btCancel = new QPushButton(QStringLiteral("Cancel"), this);
  btCancel->setGeometry(478, 413, 75, 26);
  connect(btRestoreDefaults, &QPushButton::clicked, this, &TfrmOptions::btRestoreDefaultsClick);
  connect(btOK, &QPushButton::clicked, this, &TfrmOptions::btOKClick);
  connect(btCancel, &QPushButton::clicked, this, &TfrmOptions::btCancelClick);

  frameDialog(*this, ClientWidth, ClientHeight);
}

void TfrmOptions::makeGeneralPage() {
  pnlGeneral = pagePanel(this);
  auto* frame = new QGroupBox(QStringLiteral(" General "), pnlGeneral);
  frame->setGeometry(0, 0, PageRect.width(), 190);
  cbLoopMode = checkBox(frame, "Loop (Re-read Continuously)", 28);
  cbClearType = checkBox(frame, "Use ClearType to soften text edges", 58);
  cbAutoLoad = checkBox(frame, "Auto-load on Computer Start-up", 88);
  cbAutoStart = checkBox(frame, "Auto-start", 118);
  cbAutoHideProgressBar = checkBox(frame, "Auto-hide Progress bar in Banner Reader", 148);
}

void TfrmOptions::makeTextRulesPage() {
  pnlTextRules = pagePanel(this);
  tvTextRules = new RulesTreeWidget(pnlTextRules);
  tvTextRules->setGeometry(0, 0, PageRect.width(), PageRect.height());
  tvTextRules->build(pages_.textRules);
  connect(tvTextRules, &RulesTreeWidget::statePictureClicked, this,
          &TfrmOptions::tvTextRulesStateClick);
}

void TfrmOptions::makeAutoSkimPage() {
  pnlAutoSkim = pagePanel(this);
  auto* options = new QGroupBox(QStringLiteral(" Options "), pnlAutoSkim);
  options->setGeometry(0, 0, PageRect.width(), 78);
  rbDots = new QRadioButton(QStringLiteral("Replace Words with Dots"), options);
  rbDots->setGeometry(16, 24, 400, 22);
  rbHide = new QRadioButton(QStringLiteral("Completely Hide Extracted Words"), options);
  rbHide->setGeometry(16, 48, 400, 22);

  auto* extracted = new QGroupBox(QStringLiteral(" Extracted Words "), pnlAutoSkim);
  extracted->setGeometry(0, 86, PageRect.width(), PageRect.height() - 86);
  auto* compressedBy = new QLabel(QStringLiteral("Document Compressed by:"), extracted);
  compressedBy->setGeometry(16, 28, 170, 22);
  cbCompression = new QComboBox(extracted);
  cbCompression->setGeometry(192, 27, 110, 24);
  for (int item = 0; item < CompressionLevelCount; ++item)
    cbCompression->addItem(platform::toQString(compressionLevelCaption(item)));
  connect(cbCompression, &QComboBox::activated, this, &TfrmOptions::cbCompressionChange);

  sbWords = new QScrollArea(extracted);
  sbWords->setGeometry(8, 60, PageRect.width() - 16, extracted->height() - 68);
  sbWords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sbWords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* content = new QWidget;
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(2);
  const int listWidth = sbWords->width() - 2 * sbWords->frameWidth() -
                        sbWords->verticalScrollBar()->sizeHint().width() - 8;
  static constexpr const char* Titles[] = {"Extracted Words (10%)", "Extracted Words (20%)",
                                           "Extracted Words (30%)", "Extracted Words (40%)",
                                           "Extracted Words (50%)"};
  for (std::size_t list = 0; list < clbWords.size(); ++list) {
    auto* title = new QLabel(QString::fromLatin1(Titles[list]), content);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    column->addWidget(title);
    clbWords[list] = new WordCheckList(pages_.autoSkim.lists[list].Items, content);
    column->addWidget(clbWords[list]);
    connect(
        clbWords[list], &WordCheckList::wordClicked, this,
        [this, list](std::size_t word, bool checked) { clbWordsClickCheck(list, word, checked); });
  }
  column->addStretch();
  // Four columns when the widest word fits, fewer otherwise; the same for every list.
  int widest = 0;
  for (WordCheckList* words : clbWords)
    widest = std::max(widest, words->widestBox());
  const int columns = std::clamp(listWidth / (widest + 2), 1, 4);
  for (WordCheckList* words : clbWords)
    words->layOut(listWidth, columns);
  sbWords->setWidget(content);
}

void TfrmOptions::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TfrmOptions::FormShow() {
  raise();
  activateWindow();
  pages_.open();
  showGeneral();
  tvTextRules->showStates(pages_.textRules);
  showAutoSkim();
  switch (startPageFor(StartPage)) {
  case OptionsPage::General:
    imgGeneralClick();
    break;
  case OptionsPage::TextRules:
    imgTextRulesClick();
    break;
  case OptionsPage::AutoSkim:
    imgAutoSkimClick();
    break;
  }
}

void TfrmOptions::showPage(OptionsPage page) {
  current_ = page;
  lbTitle->setText(platform::toQString(optionsPageTitle(page)));
  const std::array<std::pair<OptionsPage, QWidget*>, 3> panels = {
      {{OptionsPage::General, pnlGeneral},
       {OptionsPage::TextRules, pnlTextRules},
       {OptionsPage::AutoSkim, pnlAutoSkim}}};
  for (const auto& [which, panel] : panels) {
    if (which == page) {
      panel->move(PageRect.topLeft());
      panel->show();
    } else {
      panel->hide();
    }
  }
  QToolButton* button = page == OptionsPage::General     ? imgGeneral
                        : page == OptionsPage::TextRules ? imgTextRules
                                                         : imgAutoSkim;
  button->setChecked(true);
}

// Each page button shows its page filled afresh from the settings record.
void TfrmOptions::imgGeneralClick() {
  pages_.loadGeneral();
  showGeneral();
  showPage(OptionsPage::General);
}

void TfrmOptions::imgTextRulesClick() {
  pages_.loadTextRules();
  tvTextRules->showStates(pages_.textRules);
  showPage(OptionsPage::TextRules);
}

void TfrmOptions::imgAutoSkimClick() {
  pages_.loadAutoSkim();
  showAutoSkim();
  showPage(OptionsPage::AutoSkim);
}

void TfrmOptions::showGeneral() {
  const GeneralPage& g = pages_.general;
  cbLoopMode->setChecked(g.LoopMode);
  cbClearType->setChecked(g.ClearTypeFont);
  cbAutoLoad->setChecked(g.AutoLoad);
  cbAutoStart->setChecked(g.AutoStart);
  cbAutoHideProgressBar->setChecked(g.AutoHideProgressBar);
}

void TfrmOptions::takeGeneral() {
  pages_.general = {cbLoopMode->isChecked(), cbClearType->isChecked(), cbAutoLoad->isChecked(),
                    cbAutoStart->isChecked(), cbAutoHideProgressBar->isChecked()};
  pages_.autoSkim.replace =
      rbDots->isChecked() ? engine::ReplaceSelection::Dots : engine::ReplaceSelection::Hide;
}

void TfrmOptions::showAutoSkim() {
  const AutoSkimPage& page = pages_.autoSkim;
  (page.replace == engine::ReplaceSelection::Hide ? rbHide : rbDots)->setChecked(true);
  cbCompression->setCurrentIndex(page.levelItem);
  showWordChecks();
}

void TfrmOptions::showWordChecks() {
  for (std::size_t list = 0; list < clbWords.size(); ++list)
    clbWords[list]->setChecks(pages_.autoSkim.lists[list].Checked);
}

void TfrmOptions::tvTextRulesStateClick(std::size_t node) {
  if (node >= pages_.textRules.size()) return;
  toggleRuleNode(pages_.textRules[node]);
  tvTextRules->showStates(pages_.textRules);
}

void TfrmOptions::cbCompressionChange(int item) {
  selectCompressionLevel(pages_.autoSkim, item);
  showWordChecks();
}

void TfrmOptions::clbWordsClickCheck(std::size_t list, std::size_t word, bool checked) {
  wordClicked(pages_.autoSkim, list, word, checked);
  cbCompression->setCurrentIndex(pages_.autoSkim.levelItem);
}

void TfrmOptions::btOKClick() {
  takeGeneral();
  pages_.confirm();
  accept();
}

void TfrmOptions::btCancelClick() {
  pages_.cancel();
  reject();
}

void TfrmOptions::btRestoreDefaultsClick() {
  pages_.restoreDefaults();
  showGeneral();
  tvTextRules->showStates(pages_.textRules);
  showAutoSkim();
}

bool showOptions(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun,
                 const std::string& startPage, QWidget* parent) {
  TfrmOptions dialog(settings, store, autorun, parent);
  dialog.StartPage = startPage;
  centreOnDesktop(dialog);
  return dialog.exec() == QDialog::Accepted;
}

} // namespace dialogs
