// The welcome wizard's two pages: the picture shown, whether "< Back" is
// enabled and the caption of the forward button ("Next >" or "Finish").
// "Next >" on the last page closes the wizard; it changes no setting.
#pragma once

#include <string_view>

namespace dialogs {

struct WelcomeWizardState {
  std::string_view picture = "welcome1";
  bool backEnabled = false;
  std::string_view nextCaption = "Next >";
};

// "Next >": false when the wizard is to close (its caption was "Finish").
bool welcomeNext(WelcomeWizardState& state);
void welcomeBack(WelcomeWizardState& state);

} // namespace dialogs
