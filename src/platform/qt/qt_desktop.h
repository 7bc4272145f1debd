// The desktop as Qt sees it: the work area of the primary screen.
#pragma once

#include "platform/desktop.h"

namespace platform {

class QtDesktop : public Desktop {
public:
  Rect workArea() const override;
};

} // namespace platform
