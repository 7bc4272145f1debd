// The common ground of the custom controls: a name, a rectangle in the parent's
// client coordinates, visibility, a hint and a cursor, and one listener that is
// told whenever something that affects the control's look or place changed.
// A control does not draw by itself: its owner (a Qt widget in the program, a
// test in the tests) listens and asks it to paint on a platform::Canvas.
// A control can sit on a parent that accepts child controls; the parent does
// not own it, and a control that goes away leaves its parent first.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"

namespace controls {

enum class TCursor { crDefault, crArrow, crHandPoint, crSizeWE, crSizeNS, crHourGlass };

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

class Control {
public:
  Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  std::string Name;

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const platform::Rect& BoundsRect() const { return bounds_; }
  void setLeft(int left) { setBounds(left, bounds_.top, bounds_.width, bounds_.height); }
  void setTop(int top) { setBounds(bounds_.left, top, bounds_.width, bounds_.height); }
  void setWidth(int width) { setBounds(bounds_.left, bounds_.top, width, bounds_.height); }
  void setHeight(int height) { setBounds(bounds_.left, bounds_.top, bounds_.width, height); }
  // Negative sizes are taken as 0.
  void setBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void setVisible(bool visible);
  void Show() { setVisible(true); }
  void Hide() { setVisible(false); }

  const std::string& Hint() const { return hint_; }
  void setHint(const std::string& hint);

  TCursor Cursor() const { return cursor_; }
  void setCursor(TCursor cursor);

  // The control this one sits on, or nullptr.
  Control* Parent() const { return parent_; }

  // Called after every change of look or place; the owner repaints or moves
  // its widget. Replacing the listener drops the previous one.
  void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

  // Draws the whole control with its top left corner at (0, 0) of `canvas`.
  virtual void paint(platform::Canvas& canvas) = 0;

protected:
  // Tells the listener; subclasses call it from their setters.
  void changed();
  // Lets a subclass react to a new size before the listener hears of it.
  virtual void sizeChanged() {}
  // A container drops `child` from its list; only containers override it.
  virtual void forgetChild(Control& child) { (void)child; }
  // Parent links, for containers: `linkToParent` sets the child's parent
  // without telling anyone; `unlinkFromParent` clears it and makes the old
  // parent forget the child.
  static void linkToParent(Control& child, Control* parent) { child.parent_ = parent; }
  static void unlinkFromParent(Control& child);

private:
  platform::Rect bounds_;
  bool visible_ = true;
  std::string hint_;
  TCursor cursor_ = TCursor::crDefault;
  Control* parent_ = nullptr;
  std::function<void()> listener_;
};

} // namespace controls
