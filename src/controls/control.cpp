#include "controls/control.h"

#include <algorithm>

namespace controls {

Control::~Control() {
  unlinkFromParent(*this);
}

void Control::setBounds(int left, int top, int width, int height) {
  const platform::Rect next{left, top, std::max(0, width), std::max(0, height)};
  if (next == bounds_) return;
  const bool resized = next.width != bounds_.width || next.height != bounds_.height;
  bounds_ = next;
  if (resized) sizeChanged();
  changed();
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed();
}

void Control::setHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  changed();
}

void Control::setCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  changed();
}

void Control::changed() {
  if (listener_) listener_();
}

void Control::unlinkFromParent(Control& child) {
  if (child.parent_ == nullptr) return;
  Control* parent = child.parent_;
  child.parent_ = nullptr;
  parent->forgetChild(child);
}

} // namespace controls
