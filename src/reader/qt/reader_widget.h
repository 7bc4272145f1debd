// The reader window on screen: a Qt top-level widget that places every child
// control at the pixel position the layout gives, keeps an off-screen picture
// for each paint box so that drawing can happen at any time (timers, keys),
// hosts the custom controls, builds its menus from the command table and
// turns Qt's key, mouse and menu events into calls of TForm1. It implements
// WindowSurface; it holds no reading state.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_text_measure.h"
#include "reader/commands.h"
#include "reader/window_surface.h"

class QMenu;
class QMenuBar;
class QAction;
class QLineEdit;

namespace controls {
class ControlWidget;
class TMyImage;
} // namespace controls

namespace reader {

class TForm1;

class ReaderWidget : public QWidget, public WindowSurface {
public:
  explicit ReaderWidget(QWidget* parent = nullptr);
  ~ReaderWidget() override;

  // The window's events go to `form` from now on; nullptr stops them.
  void connectForm(TForm1* form) { form_ = form; }
  // Called when the window is about to close, by any way (the window
  // manager's close button, Alt+F4, a command).
  void setCloseHandler(std::function<void()> onClose) { onClose_ = std::move(onClose); }

  // WindowSurface.
  void applyGeometry(const FormGeometry& geometry) override;
  void paint(ControlId box, const std::function<void(platform::Canvas&)>& paint) override;
  void setLabelText(ControlId label, const std::string& text) override;
  void setLabelColor(ControlId label, platform::Color color) override;
  void setPicture(ControlId image, const std::string& name) override;
  void attachControl(ControlId id, controls::Control& control) override;
  void detachControls() override;
  const platform::TextMeasure& measure() const override { return measure_; }
  void closeWindow() override;
  void showFindBar(bool shown, const std::string& text) override;
  void showWithoutFocus() override;
  void hideWindow() override { hide(); }
  bool windowShown() const override { return isVisible(); }
  std::int64_t windowId() const override { return static_cast<std::int64_t>(internalWinId()); }

  // The find bar's edit box and buttons (tests and screenshots).
  QWidget* findBar() const { return findBar_; }
  // The popup menu of the current mode, opened at `at` (screen coordinates)
  // as a right click does (`onStrip`: on the strip); returns when it closes.
  void showPopup(QPoint at, bool onStrip = false);
  // The "&Recent Files" submenu of the File menu; the recent-files list puts
  // its entries there. Disabled while it has none.
  QMenu* recentFilesMenu() { return menuFor(MenuId::RecentFiles); }
  QMenu* popupMenu(PopupMenuKind kind);
  // The checks, enabling and captions of every item brought up to date.
  void refreshMenus() { refreshChecks(); }

  // The child widget of a control (tests and screenshots look at them).
  QWidget* child(ControlId id) const { return children_[static_cast<std::size_t>(id)]; }
  // The menu item of a command, by its component name; nullptr when none.
  QAction* menuItem(std::string_view component) const;
  // The whole window as drawn, client area and menu.
  QImage grabWindow();
  // The off-screen picture of a paint box.
  const QImage& boxImage(ControlId box) const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

private:
  void makeChildren();
  void makeMenu();
  QMenu* menuFor(MenuId id);
  QWidget* parentWidget(ControlId id) const;
  void clicked(ControlId id);
  void clickedComponent(std::string_view component);
  void bindImage(ControlId id, controls::TMyImage& image);
  void pointer(ControlId id, PointerEvent event, int x, int y);
  void refreshChecks();
  // Moves the bordered window's client area to `clientTopLeft`, or onto the
  // primary screen when no screen shows its title bar.
  void placeClient(QPoint clientTopLeft);
  void fitHint();
  void makeFindBar(QWidget* statusBar);

  platform::QtTextMeasure measure_;
  platform::PictureCache pictures_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  std::array<QWidget*, ControlCount> children_{};
  std::vector<controls::ControlWidget*> hosts_;
  std::vector<controls::TMyImage*> images_;
  std::map<ControlId, QImage> boxImages_;
  std::map<MenuId, QMenu*> menus_;
  std::vector<std::pair<const Command*, QAction*>> items_;
  TForm1* form_ = nullptr;
  std::function<void()> onClose_;
  bool fullScreen_ = false;
  // Where the bordered window's client area was when full screen began.
  std::optional<QRect> placeBeforeFullScreen_;
  // The place the layout asked for last; the window moves only when the
  // layout asks for another, so that a place the user chose survives.
  std::optional<QPoint> requestedPlace_;
  // The hint label's place in the layout; the label takes the part its text needs.
  QRect hintPlace_;
  QWidget* findBar_ = nullptr;
  PopupMenuKind popup_ = PopupMenuKind::pmBanner;
  QLineEdit* tbFindText_ = nullptr;
};

// The key of the window's key table for a Qt key, or Key::None.
KeyStroke toKeyStroke(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace reader
