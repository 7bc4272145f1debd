// Thin Qt widgets for the custom controls. Each widget shows one control: it
// follows the control's place, visibility, hint and cursor, repaints when the
// control changes, paints by asking the control to draw on a canvas, and hands
// mouse events to the control. All behaviour lives in the controls.
// A widget must not outlive its control.
#pragma once

#include <QImage>
#include <QWidget>

#include <string>

#include "controls/al_progress_bar.h"
#include "controls/control.h"
#include "controls/my_image.h"
#include "controls/my_status_bar.h"

namespace controls {

class ControlWidget : public QWidget {
public:
  ControlWidget(Control& control, QWidget* parent);
  ~ControlWidget() override;

  Control& control() const { return control_; }
  // Takes the place, visibility, hint and cursor of the control.
  void syncFromControl();

protected:
  // The control painted off-screen, then copied to the widget in one go.
  void paintEvent(QPaintEvent* event) override;

private:
  Control& control_;
  QImage offscreen_;
};

class ProgressBarWidget : public ControlWidget {
public:
  ProgressBarWidget(TALProgressBar& bar, QWidget* parent = nullptr);
  TALProgressBar& bar() const { return bar_; }

private:
  TALProgressBar& bar_;
};

class ImageWidget : public ControlWidget {
public:
  ImageWidget(TMyImage& image, QWidget* parent = nullptr);
  TMyImage& image() const { return image_; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  // The picture is decoded again only when the control names another one.
  const QImage& picture();

  TMyImage& image_;
  std::string loadedName_;
  QImage picture_;
};

class StatusBarWidget : public ControlWidget {
public:
  StatusBarWidget(TMyStatusBar& bar, QWidget* parent = nullptr);
  TMyStatusBar& bar() const { return bar_; }

private:
  TMyStatusBar& bar_;
};

} // namespace controls
