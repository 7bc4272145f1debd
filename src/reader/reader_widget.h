// The reader window on screen: a Qt top-level widget that places every child
// control at the pixel position the layout gives, keeps an off-screen picture
// for each paint box so that drawing can happen at any time (timers, keys),
// hosts the custom controls and forwards Qt's key and mouse events to the
// window's handlers. It implements WindowSurface; it holds no reading state.
//
// showReaderWindow builds the whole reader (layout, page, TForm1 and this
// widget) for the document already in the engine state and shows it.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_text_measure.h"
#include "platform/timer.h"
#include "reader/reader_window.h"
#include "reader/window_surface.h"

class QLabel;
class QMenuBar;
class QAction;

namespace reader {

class ReaderWindow;

class ReaderWidget : public QWidget, public WindowSurface {
public:
  explicit ReaderWidget(QWidget* parent = nullptr);
  ~ReaderWidget() override;

  // Handlers receive the widget's events from now on.
  void connectWindow(ReaderWindow& window, std::function<void()> onStripClick);

  // WindowSurface.
  void applyGeometry(const FormGeometry& geometry) override;
  void paint(ControlId box, const std::function<void(platform::Canvas&)>& paint) override;
  void setLabelText(ControlId label, const std::string& text) override;
  void setLabelColor(ControlId label, platform::Color color) override;
  void setPicture(ControlId image, const std::string& name) override;
  void attachControl(ControlId id, controls::Control& control) override;
  const platform::TextMeasure& measure() const override { return measure_; }
  void closeWindow() override;

  // The child widget of a control (tests and screenshots look at them).
  QWidget* child(ControlId id) const { return children_[static_cast<std::size_t>(id)]; }
  // The whole window as drawn, client area and menu.
  QImage grabWindow();
  // The off-screen picture of a paint box.
  const QImage& boxImage(ControlId box) const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool event(QEvent* event) override;

private:
  void makeChildren();
  void makeMenu();
  QWidget* parentWidget(ControlId id) const;
  void clicked(ControlId id);

  platform::QtTextMeasure measure_;
  platform::PictureCache pictures_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  std::array<QWidget*, ControlCount> children_{};
  std::map<ControlId, QImage> boxImages_;
  std::array<QAction*, WordsPerScreenItemCount> wordsItems_{};
  QAction* speedMenu_ = nullptr;
  QAction* wordsMenu_ = nullptr;
  ReaderWindow* window_ = nullptr;
  std::function<void()> onStripClick_;
  bool fullScreen_ = false;
  FormGeometry last_;
};

class TForm1;

// Everything the reader window is made of besides the shared state.
struct ReaderSession {
  LayoutState layout;
  PageModel page;
  WindowState window;
  AutomaticTable automatic;
  std::unique_ptr<ReaderWidget> widget;
  std::unique_ptr<ReaderWindow> reader;
  std::unique_ptr<TForm1> form;
  engine::TextEngine* engine = nullptr;
  ~ReaderSession();
};

struct ReaderParts {
  engine::SettingsRecord& settings;
  engine::EngineState& engine; // holds the document to read
  engine::TextEngine& textEngine;
  ReadingState& reading;
  FadeState& fade;
  platform::TimerFactory& timers;
  platform::Rect workArea; // the desktop work area
  platform::Rect screen;   // the whole screen, for full screen
  // See ReaderWindowState::savePosition.
  std::function<void(std::int32_t position)> savePosition = {};
};

// Builds the reader window for the document in parts.engine and shows it in
// the stored reading mode; the document starts as a new hand-over does
// (AutoStart reads at once, else the first frame waits for Space).
std::unique_ptr<ReaderSession> showReaderWindow(const ReaderParts& parts);

} // namespace reader
