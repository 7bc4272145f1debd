// The Qt face of QuickLaunch: the shaped floating button (borderless, always
// on top, no taskbar entry, never taking the focus, hand cursor, cut to the
// "QL" bitmap's shape), the tray icon with its menu and balloon. It
// implements QuickLaunchView and forwards clicks, tray events and menu
// choices to TfrmQuickLaunch.
#pragma once

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "shell/quick_launch.h"

namespace shell {

// The menu's actions the program fills in.
struct QuickLaunchMenuActions {
  std::function<void()> openFile = [] {};
  std::function<void()> options = [] {};
  std::function<void()> help = [] {};
  std::function<void()> exit = [] {};
};

class QuickLaunchWindow : public QWidget, public QuickLaunchView {
public:
  explicit QuickLaunchWindow(QuickLaunchMenuActions actions);
  ~QuickLaunchWindow() override;

  // Set once the handlers exist.
  void setHandlers(TfrmQuickLaunch* handlers) { handlers_ = handlers; }
  QMenu& recentFilesMenu() { return *recent_; }
  QMenu& menu() { return menu_; }
  bool trayShown() const { return tray_ != nullptr && tray_->isVisible(); }
  // The menu as it opens from the tray or from the button, and as it is
  // left when it closes ("Launch Lumetra" and "Exit" hidden again).
  void prepareMenu(bool fromTray);
  void menuClosed();

  platform::WindowId windowId() const override;
  void showButton() override;
  void hideButton() override;
  bool buttonVisible() const override { return isVisible(); }
  void moveButton(int left, int top) override { move(left, top); }
  void setHint(const std::string& hint) override { setToolTip(QString::fromStdString(hint)); }
  std::string hint() const override { return toolTip().toStdString(); }
  void setHandCursor() override { setCursor(Qt::PointingHandCursor); }
  void setBusyCursor(bool busy) override;
  void showBalloon(const std::string& title, const std::string& text, int timeoutMs) override;
  void setRecentFilesEnabled(bool enabled) override { recent_->setEnabled(enabled); }
  void activate() override;

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

private:
  void addTrayIcon();
  void openMenu(bool fromTray, const QPoint& at);

  TfrmQuickLaunch* handlers_ = nullptr;
  QImage bitmap_;
  QMenu menu_;
  QAction* launch_ = nullptr;
  QAction* exit_ = nullptr;
  QAction* hideShow_ = nullptr;
  QMenu* recent_ = nullptr;
  std::unique_ptr<QSystemTrayIcon> tray_;
  QTimer trayRetry_;
};

} // namespace shell
