#include "shell/qt/quick_launch_window.h"

#include <QCursor>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "platform/qt/pictures.h"
#include "shell/shaped_region.h"

namespace shell {

namespace {

// The button's mask from its bitmap.
QRegion maskOf(const QImage& bitmap) {
  const QImage rgb = bitmap.convertToFormat(QImage::Format_RGB32);
  PixelGrid grid{rgb.width(), rgb.height(), {}};
  grid.pixels.reserve(static_cast<std::size_t>(rgb.width() * rgb.height()));
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      grid.pixels.push_back(rgb.pixel(x, y) & 0xFFFFFF);
  QRegion region;
  for (const auto& batch : regionFromBitmap(grid)) {
    QRegion part;
    for (const platform::Rect& r : batch)
      part += QRect(r.left, r.top, r.width, r.height);
    region = region.isEmpty() ? part : region.united(part);
  }
  return region;
}

QImage loadButtonBitmap() {
  try {
    return platform::loadBitmapResource("QL");
  } catch (const platform::ResourceError&) {
    return {};
  }
}

} // namespace

QuickLaunchWindow::QuickLaunchWindow(QuickLaunchMenuActions actions)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                           Qt::WindowDoesNotAcceptFocus),
      bitmap_(loadButtonBitmap()) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setWindowTitle("");
  resize(ButtonWidth, ButtonHeight);
  move(0, -100);
  setCursor(Qt::PointingHandCursor);
  if (!bitmap_.isNull()) setMask(maskOf(bitmap_));

  launch_ = menu_.addAction("Launch Lumetra", [this] {
    if (handlers_) handlers_->launch();
  });
  QFont bold = launch_->font();
  bold.setBold(true);
  launch_->setFont(bold);
  menu_.addAction("Open file to read", actions.openFile);
  recent_ = menu_.addMenu("Recent files");
  recent_->setEnabled(false);
  menu_.addAction("Options", actions.options);
  menu_.addAction("Help", actions.help);
  menu_.addSeparator();
  hideShow_ = menu_.addAction("Hide Quick Launch", [this] {
    if (!handlers_) return;
    if (handlers_->menuState(false).hideQuickLaunch)
      handlers_->hideQuickLaunch();
    else
      handlers_->showQuickLaunch();
  });
  exit_ = menu_.addAction("Exit", actions.exit);
  launch_->setVisible(false);
  exit_->setVisible(false);

  // At logon the tray may come after the program: keep trying.
  trayRetry_.setInterval(2000);
  QObject::connect(&trayRetry_, &QTimer::timeout, this, [this] { addTrayIcon(); });
  addTrayIcon();
  if (!tray_) trayRetry_.start();
}

QuickLaunchWindow::~QuickLaunchWindow() {
  if (tray_) tray_->hide();
}

void QuickLaunchWindow::addTrayIcon() {
  if (tray_ || !QSystemTrayIcon::isSystemTrayAvailable()) return;
  trayRetry_.stop();
  QIcon icon;
  try {
    icon = QIcon(QPixmap::fromImage(platform::loadBitmapResource("MAINICON")));
  } catch (const platform::ResourceError&) {
  }
  tray_ = std::make_unique<QSystemTrayIcon>(icon);
  tray_->setToolTip("Lumetra");
  QObject::connect(tray_.get(), &QSystemTrayIcon::activated, this,
                   [this](QSystemTrayIcon::ActivationReason reason) {
                     if (!handlers_) return;
                     if (reason == QSystemTrayIcon::DoubleClick)
                       handlers_->trayEvent(TrayEvent::DoubleClick);
                     else if (reason == QSystemTrayIcon::Context &&
                              handlers_->trayEvent(TrayEvent::RightButtonDown))
                       openMenu(true, QCursor::pos());
                   });
  QObject::connect(tray_.get(), &QSystemTrayIcon::messageClicked, this, [this] {
    if (handlers_) handlers_->trayEvent(TrayEvent::BalloonClicked);
  });
  tray_->show();
}

platform::WindowId QuickLaunchWindow::windowId() const {
  return static_cast<platform::WindowId>(const_cast<QuickLaunchWindow*>(this)->winId());
}

void QuickLaunchWindow::showButton() {
  if (!isVisible()) show();
}

void QuickLaunchWindow::hideButton() {
  if (isVisible()) hide();
}

void QuickLaunchWindow::setBusyCursor(bool busy) {
  setCursor(busy ? Qt::WaitCursor : Qt::PointingHandCursor);
}

void QuickLaunchWindow::showBalloon(const std::string& title, const std::string& text,
                                    int timeoutMs) {
  if (tray_)
    tray_->showMessage(QString::fromStdString(title), QString::fromStdString(text),
                       QSystemTrayIcon::Information, timeoutMs);
}

void QuickLaunchWindow::activate() {
  raise();
  activateWindow();
}

void QuickLaunchWindow::openMenu(bool fromTray, const QPoint& at) {
  prepareMenu(fromTray);
  menu_.exec(at);
  menuClosed();
}

void QuickLaunchWindow::prepareMenu(bool fromTray) {
  if (!handlers_) return;
  const MenuState state = handlers_->menuState(fromTray);
  launch_->setVisible(state.launchVisible);
  launch_->setEnabled(state.launchEnabled);
  exit_->setVisible(state.exitVisible);
  hideShow_->setText(state.hideQuickLaunch ? "Hide Quick Launch" : "Show Quick Launch");
}

void QuickLaunchWindow::menuClosed() {
  launch_->setVisible(false);
  exit_->setVisible(false);
}

void QuickLaunchWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!bitmap_.isNull()) painter.drawImage(0, 0, bitmap_);
}

void QuickLaunchWindow::mousePressEvent(QMouseEvent* event) {
  if (!handlers_) return;
  if (event->button() == Qt::LeftButton) handlers_->btnClick();
  if (event->button() == Qt::RightButton) openMenu(false, event->globalPosition().toPoint());
}

} // namespace shell
