// What the program needs to know about the desktop it runs on. For now: the
// work area, the part of the primary screen not taken by panels and docks,
// inside which the windows are placed. The fixed implementation serves tests.
#pragma once

#include "platform/canvas.h"

namespace platform {

class Desktop {
public:
  virtual ~Desktop() = default;
  // The primary screen's work area in desktop pixels; empty when there is no screen.
  virtual Rect workArea() const = 0;
};

class FixedDesktop : public Desktop {
public:
  explicit FixedDesktop(Rect area = {0, 0, 1024, 768}) : area_(area) {}
  Rect workArea() const override { return area_; }
  void setWorkArea(Rect area) { area_ = area; }

private:
  Rect area_;
};

} // namespace platform
