#include "controls/my_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"

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
  image.OnMouseMove = [log](TMyImage&, int x, int y) { log("move ", x, y); };
  image.OnClick = [&events](TMyImage&) { events.push_back("click"); };
}

TEST(MyImageHover, EnterAndLeaveAlternateAndCarryNoTargetOrPosition) {
  const std::string enter = "enter -100,-100", leave = "leave -100,-100";
  const struct {
    const char* sequence; // e = enter, l = leave
    Events expected;
  } cases[] = {
      {"el", {enter, leave}},  {"ee", {enter}}, {"l", {}}, {"elel", {enter, leave, enter, leave}},
      {"ell", {enter, leave}},
  };
  for (const auto& c : cases) {
    TMyImage image;
    Events events;
    watch(image, events);
    for (const char* s = c.sequence; *s; ++s)
      *s == 'e' ? image.mouseEnter() : image.mouseLeave();
    EXPECT_EQ(events, c.expected) << c.sequence;
    EXPECT_EQ(image.MouseInside(), c.sequence[std::string(c.sequence).size() - 1] == 'e');
  }
}

TEST(MyImageClicks, ALeftPressAndReleaseOverTheImageClicksBeforeTheRelease) {
  const struct {
    const char* what;
    TMouseButton button;
    bool press;
    int upX, upY;
    Events expected;
  } cases[] = {
      {"inside", TMouseButton::mbLeft, true, 5, 6, {"down 2,3", "click", "up 5,6"}},
      {"released outside", TMouseButton::mbLeft, true, 12, 6, {"down 2,3", "up 12,6"}},
      {"released above", TMouseButton::mbLeft, true, 5, -1, {"down 2,3", "up 5,-1"}},
      {"right button", TMouseButton::mbRight, true, 5, 6, {"down 2,3", "up 5,6"}},
      {"release only", TMouseButton::mbLeft, false, 5, 6, {"up 5,6"}},
  };
  for (const auto& c : cases) {
    TMyImage image;
    image.setBounds(0, 0, 12, 12);
    Events events;
    watch(image, events);
    if (c.press) image.mouseDown(c.button, 2, 3);
    image.mouseUp(c.button, c.upX, c.upY);
    image.mouseMove(7, -2); // moves pass on in control coordinates
    Events expected = c.expected;
    expected.push_back("move 7,-2");
    EXPECT_EQ(events, expected) << c.what;
  }
}

TEST(MyImage, WithoutHandlersEventsRaiseNothingAndDoNotFail) {
  TMyImage image;
  image.mouseEnter();
  image.mouseLeave();
  image.mouseDown(TMouseButton::mbLeft, 1, 1);
  image.mouseMove(2, 2);
  image.mouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_FALSE(image.MouseInside());
}

TEST(MyImagePicture, PaintsItsPictureByNameAtTheOriginAndRepaintsOnChange) {
  TMyImage image;
  int repaints = 0;
  image.setChangeListener([&] { ++repaints; });
  platform::RecordingCanvas canvas;
  image.paint(canvas);
  EXPECT_TRUE(canvas.ops().empty());
  image.setPicture("orangedot");
  image.setPicture("orangedot");
  image.setStretch(true);
  image.setTransparent(true);
  EXPECT_EQ(repaints, 3);
  image.paint(canvas);
  const auto images = canvas.opsOfKind(platform::DrawOp::Kind::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].text, "orangedot");
  EXPECT_EQ(images[0].x, 0);
  EXPECT_EQ(images[0].y, 0);
}

} // namespace
} // namespace controls
