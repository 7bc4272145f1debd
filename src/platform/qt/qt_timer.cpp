#include "platform/qt/qt_timer.h"

#include <QTimer>
#include <algorithm>

namespace platform {

QtTimer::QtTimer() : timer_(new QTimer) {
  timer_->setTimerType(Qt::PreciseTimer);
  timer_->setSingleShot(false);
  QObject::connect(timer_, &QTimer::timeout, [this] { fire(); });
}

QtTimer::~QtTimer() {
  *alive_ = false;
  timer_->stop();
  QObject::disconnect(timer_, nullptr, nullptr, nullptr);
  // Inside its own handler the QTimer is still emitting: let Qt delete it afterwards.
  if (firing_)
    timer_->deleteLater();
  else
    delete timer_;
}

void QtTimer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  restart();
}

void QtTimer::setInterval(int milliseconds) {
  milliseconds = std::max(milliseconds, 0);
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  restart();
}

void QtTimer::restart() {
  if (enabled_ && interval_ > 0)
    timer_->start(interval_);
  else
    timer_->stop();
}

void QtTimer::fire() {
  const std::shared_ptr<bool> alive = alive_;
  // A copy, so that a handler destroying its own timer stays safe.
  const std::function<void()> handler = OnTimer;
  firing_ = true;
  if (handler) handler();
  if (*alive) firing_ = false;
}

} // namespace platform
