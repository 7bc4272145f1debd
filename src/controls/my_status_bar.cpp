#include "controls/my_status_bar.h"

#include <algorithm>
#include <stdexcept>

namespace controls {

using platform::Rect;

TMyStatusBar::TMyStatusBar() {
  setBounds(0, 0, 200, 19);
}

TMyStatusBar::~TMyStatusBar() {
  // The children outlive the bar; they only lose their parent.
  std::vector<Control*> children;
  children.swap(children_);
  for (Control* child : children)
    unlinkFromParent(*child);
}

const TStatusPanel& TMyStatusBar::panel(int index) const {
  if (!validPanel(index)) {
    throw std::out_of_range("Status bar panel " + std::to_string(index) + " does not exist");
  }
  return panels_[static_cast<size_t>(index)];
}

void TMyStatusBar::addPanel(const TStatusPanel& panel) {
  panels_.push_back(panel);
  panels_.back().Width = std::max(0, panels_.back().Width);
  changed();
}

void TMyStatusBar::setPanelText(int index, const std::string& text) {
  if (!validPanel(index) || panels_[static_cast<size_t>(index)].Text == text) return;
  panels_[static_cast<size_t>(index)].Text = text;
  changed();
}

void TMyStatusBar::setPanelWidth(int index, int width) {
  width = std::max(0, width);
  if (!validPanel(index) || panels_[static_cast<size_t>(index)].Width == width) return;
  panels_[static_cast<size_t>(index)].Width = width;
  changed();
}

void TMyStatusBar::setPanelAlignment(int index, TAlignment alignment) {
  if (!validPanel(index) || panels_[static_cast<size_t>(index)].Alignment == alignment) return;
  panels_[static_cast<size_t>(index)].Alignment = alignment;
  changed();
}

void TMyStatusBar::setPanelStyle(int index, TStatusPanelStyle style) {
  if (!validPanel(index) || panels_[static_cast<size_t>(index)].Style == style) return;
  panels_[static_cast<size_t>(index)].Style = style;
  changed();
}

Rect TMyStatusBar::panelRect(int index) const {
  (void)panel(index); // checks the index
  int left = 0;
  for (int i = 0; i < index; ++i)
    left += panels_[static_cast<size_t>(i)].Width;
  left = std::min(left, Width());
  const bool last = index == panelCount() - 1;
  const int wanted = last ? Width() - left : panels_[static_cast<size_t>(index)].Width;
  return Rect{left, 0, std::clamp(wanted, 0, Width() - left), Height()};
}

void TMyStatusBar::setSizeGrip(bool value) {
  if (value == sizeGrip_) return;
  sizeGrip_ = value;
  changed();
}

void TMyStatusBar::setColor(platform::Color value) {
  if (value == color_) return;
  color_ = value;
  changed();
}

void TMyStatusBar::setFont(const platform::FontSpec& value) {
  if (value == font_) return;
  font_ = value;
  changed();
}

void TMyStatusBar::insertControl(Control& child) {
  if (containsControl(child)) return;
  // A bar cannot sit inside itself, directly or through its own parents.
  for (const Control* up = this; up != nullptr; up = up->Parent()) {
    if (up == &child) return;
  }
  unlinkFromParent(child);
  children_.push_back(&child);
  linkToParent(child, this);
  changed();
}

void TMyStatusBar::removeControl(Control& child) {
  if (!containsControl(child)) return;
  unlinkFromParent(child);
}

void TMyStatusBar::forgetChild(Control& child) {
  const auto found = std::find(children_.begin(), children_.end(), &child);
  if (found == children_.end()) return;
  children_.erase(found);
  changed();
}

Control* TMyStatusBar::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw std::out_of_range("Status bar child " + std::to_string(index) + " does not exist");
  }
  return children_[static_cast<size_t>(index)];
}

bool TMyStatusBar::containsControl(const Control& child) const {
  return std::find(children_.begin(), children_.end(), &child) != children_.end();
}

void TMyStatusBar::paint(platform::Canvas& canvas) {
  canvas.fillRect(Rect{0, 0, Width(), Height()}, color_);
  for (int i = 0; i < panelCount(); ++i) {
    const Rect area = panelRect(i);
    const TStatusPanel& p = panels_[static_cast<size_t>(i)];
    // A sunken separator at the right of every panel but the last.
    if (i < panelCount() - 1 && area.width > 0) {
      canvas.fillRect(Rect{area.right() - 2, 2, 1, std::max(0, Height() - 4)}, clBtnShadow);
      canvas.fillRect(Rect{area.right() - 1, 2, 1, std::max(0, Height() - 4)}, clBtnHighlight);
    }
    if (p.Style == TStatusPanelStyle::psOwnerDraw) {
      if (OnDrawPanel) OnDrawPanel(*this, i, canvas, area);
      continue;
    }
    if (p.Text.empty()) continue;
    const int textWidth = canvas.measure().textWidth(font_, p.Text);
    const int textHeight = canvas.measure().textHeight(font_, p.Text);
    int x = area.left + 2;
    if (p.Alignment == TAlignment::taRightJustify) x = area.right() - 4 - textWidth;
    if (p.Alignment == TAlignment::taCenter) x = area.left + (area.width - textWidth) / 2;
    canvas.drawText(x, (Height() - textHeight) / 2, p.Text, font_, fontColor_);
  }
}

} // namespace controls
