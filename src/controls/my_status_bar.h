// TMyStatusBar: a status bar of panels that also accepts child controls (the
// reader places its hint label, its icon and the find bar on it).
//
// Contract:
// - Panels lie side by side from the left, each as wide as its Width; the
//   last one reaches the right edge. A panel index outside the list is an
//   error (std::out_of_range) for the accessors and is ignored by the setters.
// - Children are not owned. Inserting a control takes it off its previous
//   parent; a child that goes away leaves the bar, and a bar that goes away
//   lets its children go. Children keep their own coordinates, which are
//   relative to the bar.
// - Owner-drawn panels are painted by OnDrawPanel, or left empty.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/control.h"
#include "controls/system_colors.h"
#include "platform/text_measure.h"

namespace controls {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TStatusPanelStyle { psText, psOwnerDraw };

struct TStatusPanel {
  std::string Text;
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
  TStatusPanelStyle Style = TStatusPanelStyle::psText;
};

class TMyStatusBar : public Control {
public:
  using TDrawPanelEvent = std::function<void(TMyStatusBar& Sender, int Panel,
                                             platform::Canvas& Canvas, const platform::Rect& Rect)>;

  TMyStatusBar();
  ~TMyStatusBar() override;

  // Panels.
  int panelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& panel(int index) const;
  void addPanel(const TStatusPanel& panel);
  void setPanelText(int index, const std::string& text);
  void setPanelWidth(int index, int width);
  void setPanelAlignment(int index, TAlignment alignment);
  void setPanelStyle(int index, TStatusPanelStyle style);
  // The rectangle of a panel in the bar's coordinates.
  platform::Rect panelRect(int index) const;

  bool SizeGrip() const { return sizeGrip_; }
  void setSizeGrip(bool value);
  platform::Color Color() const { return color_; }
  void setColor(platform::Color value);
  const platform::FontSpec& Font() const { return font_; }
  void setFont(const platform::FontSpec& value);

  TDrawPanelEvent OnDrawPanel;

  // Child controls.
  void insertControl(Control& child);
  void removeControl(Control& child);
  int ControlCount() const { return static_cast<int>(children_.size()); }
  Control* Controls(int index) const;
  bool containsControl(const Control& child) const;

  void paint(platform::Canvas& canvas) override;

protected:
  void forgetChild(Control& child) override;

private:
  bool validPanel(int index) const { return index >= 0 && index < panelCount(); }

  std::vector<TStatusPanel> panels_;
  std::vector<Control*> children_;
  bool sizeGrip_ = true;
  platform::Color color_ = clBtnFace;
  platform::FontSpec font_{"MS Sans Serif", 8};
  platform::Color fontColor_ = clWindowText;
};

} // namespace controls
