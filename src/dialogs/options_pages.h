// What the options dialog edits, apart from its widgets: the General page's
// five switches, the Text Rules tree and the AutoSkim page, how each page is
// filled from the settings record and stored back, and what opening the
// dialog and its three buttons do to the record and the settings file.
//
// Opening saves the settings file first, so that the file's "value" fields
// are what the dialog started from. OK stores the General, Text Rules and
// AutoSkim pages in that order; only the text rules are written to the file
// at once, the rest at the next full save. Cancel reloads every key from the
// "value" fields, undoing Restore Defaults; Restore Defaults loads every key
// from the "default" fields and refills the pages, writing nothing. Closing
// the window does neither.
#pragma once

#include <string>
#include <string_view>

#include "dialogs/autorun.h"
#include "dialogs/autoskim_page.h"
#include "dialogs/settings_store.h"
#include "dialogs/text_rules_tree.h"
#include "engine/settings_record.h"

namespace dialogs {

enum class OptionsPage { General, TextRules, AutoSkim };

// "General" and "TextRules" name their pages; any other text the AutoSkim page.
OptionsPage startPageFor(std::string_view StartPage);

// The title panel's caption for a page ("   General", ...).
std::string_view optionsPageTitle(OptionsPage page);

struct GeneralPage {
  bool LoopMode = false;
  bool ClearTypeFont = false;
  bool AutoLoad = false; // "Auto-load on Computer Start-up": the autostart entry
  bool AutoStart = false;
  bool AutoHideProgressBar = false;
};

GeneralPage LoadGeneralSettings(const engine::SettingsRecord& settings, const Autorun& autorun);
// Stores the switches; writes the autostart entry when "Auto-load" is
// checked and removes it otherwise.
void SaveGeneralSettings(const GeneralPage& page, engine::SettingsRecord& settings,
                         Autorun& autorun);

class OptionsPages {
public:
  OptionsPages(engine::SettingsRecord& settings, SettingsStore& store, Autorun& autorun);

  // Opening: saves the settings file, then fills all three pages.
  void open();
  void fillPages();
  // Fill one page from the settings record (a page button does this).
  void loadGeneral();
  void loadTextRules();
  void loadAutoSkim();
  // OK: stores the three pages.
  void confirm();
  // Cancel: reloads the saved values.
  void cancel();
  // Restore Defaults: loads the factory defaults and refills the pages.
  void restoreDefaults();

  GeneralPage general;
  RulesTree textRules;
  AutoSkimPage autoSkim;

private:
  engine::SettingsRecord& settings_;
  SettingsStore& store_;
  Autorun& autorun_;
};

} // namespace dialogs
