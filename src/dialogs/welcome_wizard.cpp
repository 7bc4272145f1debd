#include "dialogs/welcome_wizard.h"

namespace dialogs {

bool welcomeNext(WelcomeWizardState& state) {
  if (state.nextCaption == "Finish") return false;
  state.picture = "welcome2";
  state.backEnabled = true;
  state.nextCaption = "Finish";
  return true;
}

void welcomeBack(WelcomeWizardState& state) {
  state = WelcomeWizardState{};
}

} // namespace dialogs
