#include "controls/my_image.h"

namespace controls {

TMyImage::TMyImage() {
  setBounds(0, 0, 105, 105);
}

void TMyImage::setPicture(const std::string& name) {
  if (name == picture_) return;
  picture_ = name;
  changed();
}

void TMyImage::setStretch(bool value) {
  if (value == stretch_) return;
  stretch_ = value;
  changed();
}

void TMyImage::setTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  changed();
}

void TMyImage::mouseEnter() {
  if (mouseInside_) return;
  mouseInside_ = true;
  if (OnEndDock) OnEndDock(*this, nullptr, kNoPosition, kNoPosition);
}

void TMyImage::mouseLeave() {
  if (!mouseInside_) return;
  mouseInside_ = false;
  if (OnEndDrag) OnEndDrag(*this, nullptr, kNoPosition, kNoPosition);
}

void TMyImage::mouseDown(TMouseButton button, int x, int y) {
  if (button == TMouseButton::mbLeft) leftPressed_ = true;
  if (OnMouseDown) OnMouseDown(*this, button, x, y);
}

void TMyImage::mouseMove(int x, int y) {
  if (OnMouseMove) OnMouseMove(*this, x, y);
}

void TMyImage::mouseUp(TMouseButton button, int x, int y) {
  if (button == TMouseButton::mbLeft && leftPressed_) {
    leftPressed_ = false;
    const bool over = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (over && OnClick) OnClick(*this);
  }
  if (OnMouseUp) OnMouseUp(*this, button, x, y);
}

void TMyImage::paint(platform::Canvas& canvas) {
  if (!picture_.empty()) canvas.drawImage(0, 0, picture_);
}

} // namespace controls
