// TMyImage: an image control that reports the mouse entering and leaving it.
// Entering raises OnEndDock and leaving raises OnEndDrag, each with no target
// and the position (-100, -100); the reader window uses them as its hover
// reactions on the progress dots and the start and end marks.
//
// Contract: enter and leave alternate — a second enter without a leave in
// between (or a leave without an enter) raises nothing. A click is a left
// button press and release over the control; OnClick comes before OnMouseUp.
#pragma once

#include <functional>
#include <string>

#include "controls/control.h"

namespace controls {

class TMyImage : public Control {
public:
  // Sender, target (always none here), X, Y.
  using TEndNotify = std::function<void(TMyImage& Sender, const Control* Target, int X, int Y)>;
  using TNotify = std::function<void(TMyImage& Sender)>;
  using TMouseNotify = std::function<void(TMyImage& Sender, TMouseButton Button, int X, int Y)>;
  using TMoveNotify = std::function<void(TMyImage& Sender, int X, int Y)>;

  static constexpr int kNoPosition = -100;

  TMyImage();

  // The embedded picture shown, by resource name ("orangedot", "GoToEndB"); empty shows nothing.
  const std::string& Picture() const { return picture_; }
  void setPicture(const std::string& name);
  // Stretch: the picture fills the control. Transparent: the parent shows
  // through where the picture has no pixels.
  bool Stretch() const { return stretch_; }
  void setStretch(bool value);
  bool Transparent() const { return transparent_; }
  void setTransparent(bool value);

  TEndNotify OnEndDock; // the mouse entered
  TEndNotify OnEndDrag; // the mouse left
  TNotify OnClick;
  TMouseNotify OnMouseDown;
  TMoveNotify OnMouseMove;
  TMouseNotify OnMouseUp;

  bool MouseInside() const { return mouseInside_; }

  // Events from the widget (or a test), in control coordinates.
  void mouseEnter();
  void mouseLeave();
  void mouseDown(TMouseButton button, int x, int y);
  void mouseMove(int x, int y);
  void mouseUp(TMouseButton button, int x, int y);

  void paint(platform::Canvas& canvas) override;

private:
  std::string picture_;
  bool stretch_ = false;
  bool transparent_ = false;
  bool mouseInside_ = false;
  bool leftPressed_ = false;
};

} // namespace controls
