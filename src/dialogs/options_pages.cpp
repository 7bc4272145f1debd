#include "dialogs/options_pages.h"

namespace dialogs {

OptionsPage startPageFor(std::string_view StartPage) {
  if (StartPage == "General") return OptionsPage::General;
  if (StartPage == "TextRules") return OptionsPage::TextRules;
  return OptionsPage::AutoSkim;
}

std::string_view optionsPageTitle(OptionsPage page) {
  switch (page) {
  case OptionsPage::General:
    return "   General";
  case OptionsPage::TextRules:
    return "   Text Rules";
  case OptionsPage::AutoSkim:
    break;
  }
  return "   AutoSkim";
}

GeneralPage LoadGeneralSettings(const engine::SettingsRecord& settings, const Autorun& autorun) {
  return {settings.LoopMode, settings.ClearTypeFont, autorun.exists(), settings.AutoStart,
          settings.AutoHideProgressBar};
}

void SaveGeneralSettings(const GeneralPage& page, engine::SettingsRecord& settings,
                         Autorun& autorun) {
  settings.LoopMode = page.LoopMode;
  settings.ClearTypeFont = page.ClearTypeFont;
  settings.AutoStart = page.AutoStart;
  settings.AutoHideProgressBar = page.AutoHideProgressBar;
  if (page.AutoLoad)
    autorun.write();
  else
    autorun.remove();
}

OptionsPages::OptionsPages(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun)
    : textRules(textRulesTree()), settings_(settings), store_(store), autorun_(autorun) {
  BuildCbList(autoSkim.lists);
}

void OptionsPages::open() {
  store_.saveSettings();
  fillPages();
}

void OptionsPages::fillPages() {
  loadGeneral();
  loadTextRules();
  loadAutoSkim();
}

void OptionsPages::loadGeneral() {
  general = LoadGeneralSettings(settings_, autorun_);
}

void OptionsPages::loadTextRules() {
  LoadTextRulesSettings(textRules, settings_);
}

void OptionsPages::loadAutoSkim() {
  LoadAutoSkimSettings(autoSkim, settings_);
}

void OptionsPages::confirm() {
  SaveGeneralSettings(general, settings_, autorun_);
  SaveTextRulesSettings(textRules, settings_, store_);
  SaveAutoSkimSettings(autoSkim, settings_);
}

void OptionsPages::cancel() {
  store_.loadSettings("value");
}

void OptionsPages::restoreDefaults() {
  store_.loadSettings("default");
  fillPages();
}

} // namespace dialogs
