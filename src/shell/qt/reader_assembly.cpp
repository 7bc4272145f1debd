#include "shell/qt/reader_assembly.h"

#include "dialogs/qt/tfrm_about.h"
#include "dialogs/qt/tfrm_speed_settings.h"
#include "dialogs/qt/tfrm_welcome1.h"
#include "reader/layout_geometry.h"
#include "reader/library_folder.h"
#include "reader/qt/reader_desktop.h"

namespace shell {

ReaderAssembly::ReaderAssembly(const ReaderParts& parts)
    : settings_(parts.textEngine.settings()), textEngine_(parts.textEngine) {
  reader::LayoutState& layout = this->parts.layout;
  layout.workArea = parts.workArea;
  layout.screen = parts.screen;
  layout.geometry = reader::designedGeometry(layout.frame);
  platform::Desktop& desktop =
      parts.desktop != nullptr ? *parts.desktop : this->parts.desktopWithoutWindows;
  acquisition::AcquisitionState& acquisition =
      parts.acquisition != nullptr ? *parts.acquisition : this->parts.acquisition;
  const auto context = reader::ReaderContext::of(parts.textEngine, parts.reading, parts.fade,
                                                 this->parts, desktop, acquisition);
  widget_ = std::make_unique<reader::ReaderWidget>();
  window_ = std::make_unique<reader::ReaderWindow>(context, *widget_);
  form_ = std::make_unique<reader::TForm1>(context, parts.timers, *window_, parts.place);
  // The engine measures in the fonts the window draws with (Sentence caps at 28 points).
  reader::LayoutState* shownLayout = &layout;
  engine::SettingsRecord* settings = &settings_;
  parts.textEngine.callbacks().currentFont = [shownLayout, settings] {
    return reader::isBannerMode(settings->ReadingMode) ? shownLayout->bannerFont
                                                       : shownLayout->columnFont;
  };
  reader::ReaderHooks hooks;
  reader::ReaderWidget* widget = widget_.get();
  hooks.showOptions = parts.showOptions;
  hooks.showSpeedSettings = [this, widget] {
    dialogs::showSpeedSettings(settings_, this->parts.automatic, widget);
  };
  hooks.showWelcome = [widget] { dialogs::showWelcome(widget); };
  hooks.showAbout = [widget, program = parts.programFolder] {
    dialogs::showAbout(widget, program);
  };
  hooks.chooseFile = [widget](const std::string& folder) {
    widget->lower();
    const std::optional<std::string> file = reader::chooseReaderFile(widget, folder);
    // On top again, whether a file was chosen or the dialog cancelled.
    widget->raise();
    widget->activateWindow();
    return file;
  };
  hooks.libraryFolder = [program = parts.programFolder, data = parts.dataHome] {
    return reader::libraryFolder(program, data).string();
  };
  hooks.openHelp = [program = parts.programFolder] { reader::openHelpFile(program); };
  hooks.openWebSite = [] { reader::openWebSite(); };
  hooks.hideQuickLaunch = parts.hideQuickLaunch;
  if (parts.openDocument) {
    hooks.openDocument = [this, open = parts.openDocument,
                          onClose = parts.onClose](const std::string& path) {
      // The document on screen is left as a closed window leaves it.
      form_->FormClose();
      if (onClose) onClose();
      widget_->hide();
      open(path);
      show();
    };
  }
  form_->setHooks(std::move(hooks));
  if (parts.recentFilesStore) {
    recentFiles_ = std::make_unique<dialogs::TadpMRU>(*parts.recentFilesStore);
    recentFiles_->setParentMenuItem(widget_->recentFilesMenu());
    recentFiles_->OnClick = [this](dialogs::TadpMRU& sender, const std::string& file) {
      sender.add(file);
      form_->openRecentFile(file);
    };
  }
  widget_->connectForm(form_.get());
  widget_->setCloseHandler([this, onClose = parts.onClose] {
    if (closed_) return;
    closed_ = true;
    form_->FormClose();
    if (onClose) onClose();
  });
}

ReaderAssembly::~ReaderAssembly() {
  // The list is saved while its menu is still there.
  recentFiles_.reset();
  widget_->connectForm(nullptr);
  widget_->setCloseHandler(nullptr);
  textEngine_.callbacks().currentFont = nullptr;
  form_.reset();
  window_.reset();
  widget_.reset();
}

void ReaderAssembly::show() {
  closed_ = false;
  parts.window.lastReadPosition = 1;
  if (settings_.SpeedSettingsSelection == engine::SpeedSelection::Automatic) form_->SetWPSLPS();
  form_->FormShow();
  if (reader::isBannerMode(settings_.ReadingMode)) {
    form_->prepareStart(settings_.AutoStart);
    form_->startPreparedDocument();
  }
  widget_->show();
  widget_->activateWindow();
  widget_->setFocus();
}

} // namespace shell

namespace shell {

void ReaderAssembly::close() {
  widget_->close();
}

} // namespace shell
