#include "controls/my_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace controls {
namespace {

using Events = std::vector<std::string>;

// Records the notifications of an image as short strings ("enter -100,-100");
// a notification with a target is marked "+target".
void watch(TMyImage& image, Events& events) {
  auto log = [&events](const char* what, int x, int y, const Control* target = nullptr) {
    events.push_back(what + std::to_string(x) + "," + std::to_string(y) +
                     (target ? "+target" : ""));
  };
  image.OnEndDock = [log](TMyImage&, const Control* t, int x, int y) { log("enter ", x, y, t); };
  image.OnEndDrag = [log](TMyImage&, const Control* t, int x, int y) { log("leave ", x, y, t); };
  image.OnMouseDown = [log](TMyImage&, TMouseButton, int x, int y) { log("down ", x, y); };
  image.OnMouseUp = [log](TMyImage&, TMouseButton, int x, int y) { log("up ", x, y); };
  image.OnClick = [&events](TMyImage&) { events.push_back("click"); };
}

// Events: e = enter, l = leave, d = left press at (2, 3), r = right press
// there; u, U, A: release of that button at (5, 6), (12, 6) right of the
// image, (5, -1) above it.
TEST(MyImage, HoverAlternatesAndALeftPressAndReleaseOverTheImageClicksBeforeTheRelease) {
  const std::string enter = "enter -100,-100", leave = "leave -100,-100";
  const struct {
    const char* sequence;
    Events expected;
  } cases[] = {
      {"el", {enter, leave}},          {"eel", {enter, leave}},
      {"lell", {enter, leave}},        {"du", {"down 2,3", "click", "up 5,6"}},
      {"dU", {"down 2,3", "up 12,6"}}, {"dA", {"down 2,3", "up 5,-1"}},
      {"ru", {"down 2,3", "up 5,6"}},  {"u", {"up 5,6"}},
  };
  for (const auto& c : cases) {
    TMyImage image;
    image.setBounds(0, 0, 12, 12);
    Events events;
    watch(image, events);
    TMouseButton button = TMouseButton::mbLeft;
    for (const char* s = c.sequence; *s; ++s) {
      if (*s == 'e') image.mouseEnter();
      if (*s == 'l') image.mouseLeave();
      if (*s == 'd' || *s == 'r') {
        button = *s == 'd' ? TMouseButton::mbLeft : TMouseButton::mbRight;
        image.mouseDown(button, 2, 3);
      }
      if (*s == 'u') image.mouseUp(button, 5, 6);
      if (*s == 'U') image.mouseUp(button, 12, 6);
      if (*s == 'A') image.mouseUp(button, 5, -1);
    }
    EXPECT_EQ(events, c.expected) << c.sequence;
  }
}

} // namespace
} // namespace controls
