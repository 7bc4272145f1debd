// The desktop as Qt sees it: the work area of the primary screen, no windows.
#pragma once

#include "platform/desktop.h"

namespace platform {

class QtDesktop : public DesktopWithoutWindows {
public:
  Rect workArea() const override;
};

} // namespace platform
