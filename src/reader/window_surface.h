// What the reader window's logic needs from the screen: place the window and
// its controls, paint on the three paint boxes, set label texts and pictures,
// host the custom controls and close the window. The Qt widget implements it
// for the program; tests record what it is asked (tests/reader).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/control.h"
#include "platform/canvas.h"
#include "reader/layout_state.h"

namespace reader {

class WindowSurface {
public:
  virtual ~WindowSurface() = default;

  // Places the window, shows and hides the controls, takes the window colour,
  // the border and the main menu as the geometry says.
  virtual void applyGeometry(const FormGeometry& geometry) = 0;
  // Draws on a paint box (pbBanner, pbColumn, pbColumn2); what is drawn stays
  // until drawn over, and shows on screen when `paint` returns.
  virtual void paint(ControlId box, const std::function<void(platform::Canvas&)>& paint) = 0;
  // Texts of the labels lbInfo, lbBlackInfo and lbBlackPercent.
  virtual void setLabelText(ControlId label, const std::string& text) = 0;
  virtual void setLabelColor(ControlId label, platform::Color color) = 0;
  // The embedded picture an image control shows ("banner_selected").
  virtual void setPicture(ControlId image, const std::string& name) = 0;
  // Shows a custom control in the place of `id`; the surface repaints it on
  // every change it reports.
  virtual void attachControl(ControlId id, controls::Control& control) = 0;
  // Lets go of every attached control; their owner calls it before they go.
  virtual void detachControls() = 0;
  // The measure text is laid out with (the window's own font engine).
  virtual const platform::TextMeasure& measure() const = 0;
  virtual void closeWindow() = 0;
  // The find bar on the status line, with `text` selected in its edit box.
  virtual void showFindBar(bool /*shown*/, const std::string& /*text*/) {}
  // The window on the desktop: shown above the others without taking the
  // focus, hidden, whether it shows, and its id (0 while it has none).
  virtual void showWithoutFocus() {}
  virtual void hideWindow() {}
  virtual bool windowShown() const { return true; }
  virtual std::int64_t windowId() const { return 0; }
};

} // namespace reader
