// The menus' own commands: the popups' opening and the menu guard, AutoSkim,
// the dialogs, opening files, help and the keys that only release.
#include "reader/colour_schemes.h"
#include "reader/tform1.h"

namespace reader {
namespace {

constexpr int CustomLevel = 5;

} // namespace

void TForm1::pmBannerPopup() {
  rs_.menuGuard = true;
  switch (rs_.readerState) {
  case ReaderStateKind::Reading:
    window_.pauseCaption = "Pause";
    break;
  case ReaderStateKind::Ended:
    window_.pauseCaption = "Restart";
    break;
  default:
    window_.pauseCaption = "Continue";
  }
  stopTimers();
  tmRead->setEnabled(false);
  rs_.readingHalted = true;
}

void TForm1::FormContextPopup() {
  stopTimers();
  tmRead->setEnabled(false);
}

void TForm1::pbBannerContextPopup() {
  FormContextPopup();
}

void TForm1::pmColumnPopup() {
  rs_.menuGuard = true;
}

void TForm1::Pause1Click() {
  rs_.menuGuard = false;
  fevhStopOrContinue();
}

// --- AutoSkim ------------------------------------------------------------------------

void TForm1::UpdateAutoSkimMenu() {
  // The checks are read from the state (autoSkimChecked); the button follows.
  view_.setAutoSkimPicture(settings_.CompressorStatus);
}

bool TForm1::autoSkimChecked(int level) const {
  if (!settings_.CompressorStatus) return level < 0;
  return level == settings_.CompresionSetting;
}

void TForm1::chooseAutoSkim(int level) {
  settings_.CompressorStatus = level >= 0;
  if (level >= 0) settings_.CompresionSetting = static_cast<std::uint8_t>(level);
  UpdateAutoSkimMenu();
}

void TForm1::imgAutoSkimClick() {
  settings_.CompressorStatus = !settings_.CompressorStatus;
  if (settings_.ReadingMode == engine::ReadingModeKind::Single) setInfoText("");
  const char* message = settings_.CompressorStatus ? "AutoSkim On" : "AutoSkim Off";
  if (bannerMode())
    setStatusPanel(0, message);
  else
    showTimedStatusMessage(message);
  UpdateAutoSkimMenu();
  if (!bannerMode()) {
    readCurrentFrame();
    return;
  }
  es_.CurrentPosition = es_.FrameStartPosition;
  readFrame();
  view_.displayOnActivate();
}

// --- Format, Color ---------------------------------------------------------------------

void TForm1::UpdateFormatMenu() {
  if (!bannerMode()) return;
  tmFade->setEnabled(false);
  tmStartFade->setEnabled(false);
  beginReading();
  tmReadTimer();
}

void TForm1::formatChanged() {
  if (bannerMode())
    UpdateFormatMenu();
  else
    readCurrentFrame();
}

void TForm1::chooseColourScheme(std::size_t scheme) {
  applyColourScheme(settings_, static_cast<SchemeId>(scheme));
  view_.arrangeControls();
  formatChanged();
}

bool TForm1::colourSchemeChecked(std::size_t scheme) const {
  return checkedColourScheme(settings_) == static_cast<SchemeId>(scheme);
}

// --- Format, Font, Size, Alignment, Reading Modes --------------------------------------------

void TForm1::chooseFont(std::size_t item) {
  if (item >= FontItems.size()) return;
  settings_.Banner.FontName = std::string(FontItems[item].family);
  settings_.Column.FontName = settings_.Banner.FontName;
  view_.prepareFonts();
  view_.arrangeControls();
  formatChanged();
}

bool TForm1::fontChecked(std::size_t item) const {
  return checkedFontItem(settings_) == item;
}

void TForm1::chooseSize(std::size_t index) {
  if (index >= engine::FontSizeList.size()) return;
  if (bannerMode())
    settings_.Banner.FontSize = static_cast<std::uint8_t>(index);
  else
    settings_.Column.FontSize = static_cast<std::uint8_t>(index);
  view_.prepareFonts();
  view_.arrangeControls();
  formatChanged();
}

bool TForm1::sizeChecked(std::size_t index) const {
  return checkedSizeItem(settings_) == index;
}

bool TForm1::sizeShown(std::size_t index) const {
  return sizeItemShown(index, settings_.ReadingMode);
}

bool TForm1::sizeEnabled(std::size_t index) const {
  return sizeItemEnabled(index, settings_.ReadingMode);
}

void TForm1::chooseAlignment(AlignItem item) {
  applyAlignItem(item, settings_);
  formatChanged();
}

bool TForm1::alignmentChecked(AlignItem item) const {
  return alignItemChecked(item, settings_);
}

bool TForm1::alignmentShown(AlignItem item) const {
  return alignItemShown(item, settings_.ReadingMode);
}

bool TForm1::readingModeChecked(engine::ReadingModeKind mode) const {
  return settings_.ReadingMode == mode;
}

// --- Dialogs -----------------------------------------------------------------------------

void TForm1::runDialog(const std::function<void()>& dialog) {
  rs_.readingHalted = true;
  tmRead->setEnabled(false);
  if (dialog) dialog();
  rs_.readerState = ReaderStateKind::Paused;
}

void TForm1::SpeedSettings1Click() {
  runDialog(hooks_.showSpeedSettings);
  updateLabels();
}

void TForm1::SpeedSettings2Click() {
  tmRead->setEnabled(false);
  if (hooks_.showSpeedSettings) hooks_.showSpeedSettings();
  tmRead->setEnabled(true);
  updateLabels();
}

void TForm1::showOptionsPage(const std::string& page) {
  runDialog([&] {
    if (hooks_.showOptions) hooks_.showOptions(page);
  });
  if (page == "AutoSkim") UpdateAutoSkimMenu();
}

void TForm1::WelcomeScreen1Click() {
  runDialog(hooks_.showWelcome);
}

void TForm1::AboutLumetra1Click() {
  runDialog(hooks_.showAbout);
}

// --- Files and help --------------------------------------------------------------------------

void TForm1::openFileFrom(const std::string& folder, bool prepareBannerStart) {
  stopTimers();
  tmFocus->setEnabled(false);
  fade_.menuLoopActive = true; // the fade-out may not start under the dialog
  const std::optional<std::string> file =
      hooks_.chooseFile ? hooks_.chooseFile(folder) : std::nullopt;
  fade_.menuLoopActive = false;
  if (!file) {
    tmFocus->setEnabled(true);
    if (!bannerMode()) readCurrentFrame();
    return;
  }
  // The hook hides the window, hands the file over and shows it again.
  if (hooks_.openDocument) hooks_.openDocument(*file);
  if (prepareBannerStart && bannerMode()) {
    if (settings_.AutoStart) {
      setInfoText("");
      rs_.readerState = ReaderStateKind::Starting;
    } else {
      rs_.readerState = ReaderStateKind::Ended;
      tmRead->setEnabled(false);
      rs_.readingHalted = true;
      rs_.startPending = true;
      restorePosition();
    }
  }
  rs_.menuGuard = false;
  tmFocus->setEnabled(true);
}

void TForm1::openRecentFile(const std::string& path) {
  stopTimers();
  fade_.menuLoopActive = false;
  // The hook hides the window, hands the file over and shows it again.
  if (hooks_.openDocument) hooks_.openDocument(path);
  tmFocus->setEnabled(true);
}

void TForm1::OpenFile1Click() {
  openFileFrom("", false);
}

void TForm1::OpenFile2Click() {
  openFileFrom("", true);
}

void TForm1::Library1Click() {
  tmRead->setEnabled(false);
  rs_.readingHalted = true;
  openFileFrom(hooks_.libraryFolder ? hooks_.libraryFolder() : std::string(), true);
}

void TForm1::Help2Click() {
  if (hooks_.openHelp) hooks_.openHelp();
}

void TForm1::LumetraontheWeb1Click() {
  if (hooks_.openWebSite) hooks_.openWebSite();
}

// --- Keys that act on release ----------------------------------------------------------------

void TForm1::ctrlSKeyUp() {
  if (bannerMode())
    engine_.goToStart();
  else
    fevhGoToStart();
  setInfoText("");
}

void TForm1::fullScreenKey() {
  if (!layout_.fullScreen) enterFullScreen();
}

} // namespace reader
