#include "controls/my_image.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.h"

namespace controls {
namespace {

// Records the notifications of an image as short strings.
struct Journal {
  std::vector<std::string> events;

  void watch(TMyImage& image) {
    image.OnEndDock = [this](TMyImage&, const Control* target, int x, int y) {
      events.push_back("enter " + std::string(target ? "target" : "none") + " " +
                       std::to_string(x) + "," + std::to_string(y));
    };
    image.OnEndDrag = [this](TMyImage&, const Control* target, int x, int y) {
      events.push_back("leave " + std::string(target ? "target" : "none") + " " +
                       std::to_string(x) + "," + std::to_string(y));
    };
    image.OnClick = [this](TMyImage&) { events.push_back("click"); };
    image.OnMouseDown = [this](TMyImage&, TMouseButton, int x, int y) {
      events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
    };
    image.OnMouseUp = [this](TMyImage&, TMouseButton, int x, int y) {
      events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    image.OnMouseMove = [this](TMyImage&, int x, int y) {
      events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    };
  }
};

TEST(MyImageHover, EnteringAndLeavingRaiseTheTwoNotificationsWithoutTarget) {
  TMyImage image;
  Journal journal;
  journal.watch(image);
  image.mouseEnter();
  EXPECT_TRUE(image.MouseInside());
  image.mouseLeave();
  EXPECT_FALSE(image.MouseInside());
  EXPECT_EQ(journal.events,
            (std::vector<std::string>{"enter none -100,-100", "leave none -100,-100"}));
}

TEST(MyImageHover, EnterAndLeaveAlternate) {
  const struct {
    const char* sequence; // e = enter, l = leave
    std::vector<std::string> expected;
  } cases[] = {
      {"ee", {"enter none -100,-100"}},
      {"l", {}},
      {"elel",
       {"enter none -100,-100", "leave none -100,-100", "enter none -100,-100",
        "leave none -100,-100"}},
      {"ell", {"enter none -100,-100", "leave none -100,-100"}},
  };
  for (const auto& c : cases) {
    TMyImage image;
    Journal journal;
    journal.watch(image);
    for (const char* s = c.sequence; *s; ++s) {
      if (*s == 'e') image.mouseEnter();
      if (*s == 'l') image.mouseLeave();
    }
    EXPECT_EQ(journal.events, c.expected) << c.sequence;
  }
}

TEST(MyImageHover, NoHandlersMeansNoNotificationAndNoFailure) {
  TMyImage image;
  image.mouseEnter();
  image.mouseLeave();
  image.mouseDown(TMouseButton::mbLeft, 1, 1);
  image.mouseUp(TMouseButton::mbLeft, 1, 1);
  EXPECT_FALSE(image.MouseInside());
}

TEST(MyImageClicks, ALeftPressAndReleaseOverTheImageClicksBeforeTheRelease) {
  const struct {
    const char* what;
    TMouseButton button;
    bool press;
    int upX, upY;
    std::vector<std::string> expected;
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
    Journal journal;
    journal.watch(image);
    if (c.press) image.mouseDown(c.button, 2, 3);
    image.mouseUp(c.button, c.upX, c.upY);
    EXPECT_EQ(journal.events, c.expected) << c.what;
  }
}

TEST(MyImageClicks, MovesArePassedOnInControlCoordinates) {
  TMyImage image;
  Journal journal;
  journal.watch(image);
  image.mouseMove(7, -2);
  EXPECT_EQ(journal.events, (std::vector<std::string>{"move 7,-2"}));
}

TEST(MyImagePicture, PaintsItsPictureByNameAtTheOrigin) {
  TMyImage image;
  platform::RecordingCanvas canvas;
  image.paint(canvas);
  EXPECT_TRUE(canvas.ops().empty());
  image.setPicture("orangedot");
  image.paint(canvas);
  const auto images = canvas.opsOfKind(platform::DrawOp::Kind::Image);
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].text, "orangedot");
  EXPECT_EQ(images[0].x, 0);
  EXPECT_EQ(images[0].y, 0);
}

TEST(MyImagePicture, ChangingThePictureOrItsModeRepaints) {
  TMyImage image;
  int repaints = 0;
  image.setChangeListener([&] { ++repaints; });
  image.setPicture("dotonblack");
  image.setPicture("dotonblack");
  image.setStretch(true);
  image.setTransparent(true);
  image.setHint("Go To End");
  image.setCursor(TCursor::crHandPoint);
  EXPECT_EQ(repaints, 5);
  EXPECT_EQ(image.Picture(), "dotonblack");
}

} // namespace
} // namespace controls
