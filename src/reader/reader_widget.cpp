#include "reader/reader_widget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"
#include "reader/layout_geometry.h"
#include "reader/tform1.h"

namespace reader {
namespace {

constexpr int MenuHeight = 20;

// A paint box: shows its off-screen picture; a click calls back.
class BoxWidget : public QWidget {
public:
  BoxWidget(QWidget* parent, const QImage* image) : QWidget(parent), image_(image) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  std::function<void()> onClick;

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, *image_);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick();
  }

private:
  const QImage* image_;
};

// A picture control: draws the named embedded picture stretched to its size.
class PictureWidget : public QWidget {
public:
  PictureWidget(QWidget* parent, platform::PictureCache& pictures)
      : QWidget(parent), pictures_(pictures) {}
  void setPicture(const std::string& name) {
    name_ = name;
    update();
  }
  std::function<void()> onClick;

protected:
  void paintEvent(QPaintEvent*) override {
    if (name_.empty()) return;
    QPainter painter(this);
    try {
      const QImage& image = pictures_.picture(name_);
      painter.setRenderHint(QPainter::SmoothPixmapTransform);
      painter.drawImage(rect(), image);
    } catch (const std::exception&) {
      painter.fillRect(rect(), Qt::darkGray);
    }
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick();
  }

private:
  platform::PictureCache& pictures_;
  std::string name_;
};

// Hosts a custom control: paints it and follows its place and visibility.
class ControlHost : public QWidget {
public:
  ControlHost(QWidget* parent, controls::Control& control, platform::PictureCache& pictures)
      : QWidget(parent), control_(control), pictures_(pictures) {
    control_.setChangeListener([this] { follow(); });
    setMouseTracking(true);
    follow();
  }
  ~ControlHost() override { control_.setChangeListener(nullptr); }

  void follow() {
    const platform::Rect& r = control_.BoundsRect();
    setGeometry(r.left, r.top, r.width, r.height);
    setVisible(control_.Visible());
    setToolTip(platform::toQString(control_.Hint()));
    update();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    platform::QtCanvas canvas(painter, &pictures_);
    try {
      control_.paint(canvas);
    } catch (const std::exception&) {
      painter.fillRect(rect(), Qt::darkGray);
    }
  }
  void enterEvent(QEnterEvent*) override {
    if (auto* image = dynamic_cast<controls::TMyImage*>(&control_)) image->mouseEnter();
  }
  void leaveEvent(QEvent*) override {
    if (auto* image = dynamic_cast<controls::TMyImage*>(&control_)) image->mouseLeave();
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (auto* image = dynamic_cast<controls::TMyImage*>(&control_))
      image->mouseDown(controls::TMouseButton::mbLeft, e->position().toPoint().x(),
                       e->position().toPoint().y());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (auto* image = dynamic_cast<controls::TMyImage*>(&control_))
      image->mouseUp(controls::TMouseButton::mbLeft, e->position().toPoint().x(),
                     e->position().toPoint().y());
  }

private:
  controls::Control& control_;
  platform::PictureCache& pictures_;
};

bool isBox(ControlId id) {
  return id == ControlId::pbBanner || id == ControlId::pbColumn || id == ControlId::pbColumn2;
}

bool isPicture(ControlId id) {
  switch (id) {
  case ControlId::imgSingleColumn:
  case ControlId::imgDoubleColumn:
  case ControlId::imgBannerReader:
  case ControlId::imgSentenceReader:
  case ControlId::imgSep:
  case ControlId::imgAutoSkim:
  case ControlId::imgFullScreen:
  case ControlId::imgLumetra:
  case ControlId::pbCloseFullScreen:
  case ControlId::pbHighLight:
  case ControlId::pbHighLightC:
    return true;
  default:
    return false;
  }
}

bool isLabel(ControlId id) {
  return id == ControlId::lbInfo || id == ControlId::lbBlackInfo || id == ControlId::lbBlackPercent;
}

// Controls that the window's logic supplies as custom controls.
bool isHosted(ControlId id) {
  switch (id) {
  case ControlId::MyStatusBar1:
  case ControlId::pbarBanner:
  case ControlId::pbarColumn:
  case ControlId::pbOrangeDot:
  case ControlId::pbOrangeDotC:
  case ControlId::pbGoToStartB:
  case ControlId::pbGoToEndB:
  case ControlId::pbGoToStartC:
  case ControlId::pbGoToEndC:
    return true;
  default:
    return false;
  }
}

void setBackground(QWidget* w, platform::Color color) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, platform::toQColor(color));
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

} // namespace

ReaderWidget::ReaderWidget(QWidget* parent) : QWidget(parent) {
  setWindowTitle("Lumetra");
  setWindowFlag(Qt::WindowStaysOnTopHint);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  makeMenu();
  client_ = new QWidget(this);
  client_->setObjectName("client");
  setBackground(client_, {0, 0, 0});
  makeChildren();
}

ReaderWidget::~ReaderWidget() = default;

void ReaderWidget::makeMenu() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setNativeMenuBar(false);
  menuBar_->setFixedHeight(MenuHeight);
  QMenu* file = menuBar_->addMenu("&File");
  file->addAction("E&xit", this, [this] { closeWindow(); });
  QMenu* speed = menuBar_->addMenu("&Speed");
  speedMenu_ = speed->menuAction();
  QMenu* words = speed->addMenu("&Words per Screen");
  words->setObjectName("WordsperScreen1");
  wordsMenu_ = words->menuAction();
  for (std::size_t i = 0; i < WordsPerScreenItems.size(); ++i) {
    const WordsPerScreenItem& item = WordsPerScreenItems[i];
    QAction* action = words->addAction(
        QString::fromLatin1(item.caption.data(), static_cast<int>(item.caption.size())));
    action->setObjectName(
        QString::fromLatin1(item.component.data(), static_cast<int>(item.component.size())));
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, i] {
      if (window_ == nullptr) return;
      using Handler = void (ReaderWindow::*)();
      static constexpr std::array<Handler, WordsPerScreenItemCount> handlers = {
          &ReaderWindow::LetLumetrachoosewordsperscreen1Click,
          &ReaderWindow::N1x11Click,
          &ReaderWindow::N1x21Click,
          &ReaderWindow::N1x31Click,
          &ReaderWindow::N1x41Click,
          &ReaderWindow::N1x51Click,
          &ReaderWindow::N1x61Click,
          &ReaderWindow::N2x32lines1Click,
          &ReaderWindow::N2x41Click,
          &ReaderWindow::N2x51Click,
          &ReaderWindow::N2x61Click,
          &ReaderWindow::N3x53lines1Click,
          &ReaderWindow::N3x61Click};
      (window_->*handlers[i])();
      const auto checks = window_->speedMenuChecks();
      for (std::size_t k = 0; k < checks.size(); ++k)
        wordsItems_[k]->setChecked(checks[k]);
    });
    wordsItems_[i] = action;
  }
  QMenu* format = menuBar_->addMenu("Forma&t");
  QMenu* modes = format->addMenu("&Reading Modes");
  modes->addAction("&Single", this, [this] {
    if (window_) window_->Single1Click();
  });
  modes->addAction("&Double", this, [this] {
    if (window_) window_->Double1Click();
  });
  modes->addAction("&Banner", this, [this] {
    if (window_) window_->Banner1Click();
  });
  modes->addAction("&Sentence", this, [this] {
    if (window_) window_->Sentence1Click();
  });
  format->addAction("&Full Screen", this, [this] {
    if (window_) window_->FullScreen1Click();
  });
}

void ReaderWidget::makeChildren() {
  // Panels first, so that their children have a parent to sit on.
  for (ControlId id : {ControlId::pnlTopBar, ControlId::pnlBanner, ControlId::pnlColumn}) {
    auto* panel = new QWidget(client_);
    setBackground(panel, id == ControlId::pnlTopBar ? platform::Color{0, 0, 0}
                                                    : platform::Color{64, 64, 64});
    children_[static_cast<std::size_t>(id)] = panel;
  }
  for (std::size_t i = 0; i < ControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    QWidget* widget = children_[i];
    if (widget != nullptr || isHosted(id)) continue;
    if (isBox(id)) {
      auto* box = new BoxWidget(parentWidget(id), &boxImages_[id]);
      box->onClick = [this, id] { clicked(id); };
      widget = box;
    } else if (isPicture(id)) {
      auto* picture = new PictureWidget(parentWidget(id), pictures_);
      picture->onClick = [this, id] { clicked(id); };
      widget = picture;
    } else if (isLabel(id)) {
      auto* label = new QLabel(parentWidget(id));
      label->setAlignment(id == ControlId::lbBlackPercent ? Qt::AlignRight : Qt::AlignCenter);
      QFont font = platform::toQFont({"Liberation Sans", 9, id != ControlId::lbInfo, false, true});
      font.setPixelSize(12);
      label->setFont(font);
      label->setStyleSheet(id == ControlId::lbInfo
                               ? "color: rgb(96,96,96); background: transparent;"
                               : "color: silver; background: black;");
      widget = label;
    } else {
      // The hidden track ends of the dots: plain, never shown.
      widget = new QWidget(parentWidget(id));
    }
    widget->setObjectName(
        QString::fromLatin1(controlName(id).data(), static_cast<int>(controlName(id).size())));
    children_[i] = widget;
  }
  for (ControlId id : {ControlId::pnlTopBar, ControlId::pnlBanner, ControlId::pnlColumn})
    children_[static_cast<std::size_t>(id)]->setObjectName(
        QString::fromLatin1(controlName(id).data(), static_cast<int>(controlName(id).size())));
}

QWidget* ReaderWidget::parentWidget(ControlId id) const {
  const ControlId parent = controlParent(id);
  if (parent == ControlId::Count) return client_;
  QWidget* widget = children_[static_cast<std::size_t>(parent)];
  return widget != nullptr ? widget : client_;
}

void ReaderWidget::attachControl(ControlId id, controls::Control& control) {
  auto* host = new ControlHost(parentWidget(id), control, pictures_);
  host->setObjectName(
      QString::fromLatin1(controlName(id).data(), static_cast<int>(controlName(id).size())));
  children_[static_cast<std::size_t>(id)] = host;
  // The hint label and the icon lie on the status bar.
  if (id == ControlId::MyStatusBar1) {
    for (ControlId onBar : {ControlId::lbInfo, ControlId::imgLumetra}) {
      QWidget* child = children_[static_cast<std::size_t>(onBar)];
      if (child != nullptr) child->setParent(host);
    }
  }
}

void ReaderWidget::connectWindow(ReaderWindow& window, std::function<void()> onStripClick) {
  window_ = &window;
  onStripClick_ = std::move(onStripClick);
}

void ReaderWidget::applyGeometry(const FormGeometry& g) {
  const bool becameFull = !g.bordered && !fullScreen_;
  const bool leftFull = g.bordered && fullScreen_;
  fullScreen_ = !g.bordered;
  if (becameFull || leftFull) {
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, fullScreen_);
    if (shown) show();
  }
  menuBar_->setVisible(g.mainMenuShown);
  speedMenu_->setVisible(g.speedMenuShown);
  wordsMenu_->setVisible(g.wordsPerScreenMenuShown);
  const int menu = g.mainMenuShown ? MenuHeight : 0;
  menuBar_->setGeometry(0, 0, g.clientWidth, MenuHeight);
  client_->setGeometry(0, menu, g.clientWidth, g.clientHeight);
  setBackground(client_, g.windowColor);
  const QSize size(g.clientWidth, g.clientHeight + menu);
  if (fullScreen_) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setGeometry(g.window.left, g.window.top, size.width(), size.height());
  } else {
    // A single border: the user does not resize the window.
    if (minimumSize() != size || maximumSize() != size) setFixedSize(size);
    move(g.window.left, g.window.top);
  }

  for (std::size_t i = 0; i < ControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    QWidget* widget = children_[i];
    if (widget == nullptr || isHosted(id)) continue;
    const ControlPlacement& p = g.at(id);
    widget->setGeometry(p.rect.left, p.rect.top, p.rect.width, p.rect.height);
    widget->setVisible(p.visible);
    if (isBox(id)) {
      QImage& image = boxImages_[id];
      if (image.size() != QSize(p.rect.width, p.rect.height)) {
        QImage fresh(std::max(p.rect.width, 1), std::max(p.rect.height, 1), QImage::Format_RGB32);
        fresh.fill(platform::toQColor(g.windowColor));
        image = fresh;
      }
    }
  }
  for (std::size_t i = 0; i < ControlCount; ++i)
    if (isHosted(static_cast<ControlId>(i)) && children_[i] != nullptr) children_[i]->raise();
  last_ = g;
}

void ReaderWidget::paint(ControlId box, const std::function<void(platform::Canvas&)>& paint) {
  if (!isBox(box)) return;
  QImage& image = boxImages_[box];
  if (image.isNull()) {
    image = QImage(1, 1, QImage::Format_RGB32);
    image.fill(Qt::black);
  }
  {
    platform::QtCanvas canvas(image, &pictures_);
    paint(canvas);
  }
  if (QWidget* widget = child(box)) widget->update();
}

const QImage& ReaderWidget::boxImage(ControlId box) const {
  static const QImage none;
  const auto it = boxImages_.find(box);
  return it == boxImages_.end() ? none : it->second;
}

void ReaderWidget::setLabelText(ControlId label, const std::string& text) {
  if (auto* widget = qobject_cast<QLabel*>(child(label)))
    widget->setText(platform::toQString(text));
}

void ReaderWidget::setLabelColor(ControlId label, platform::Color color) {
  if (auto* widget = qobject_cast<QLabel*>(child(label))) {
    const QColor c = platform::toQColor(color);
    widget->setStyleSheet(QString("color: %1; background: transparent;").arg(c.name()));
  }
}

void ReaderWidget::setPicture(ControlId image, const std::string& name) {
  if (auto* widget = dynamic_cast<PictureWidget*>(child(image))) widget->setPicture(name);
}

void ReaderWidget::closeWindow() {
  close();
}

QImage ReaderWidget::grabWindow() {
  return grab().toImage();
}

void ReaderWidget::clicked(ControlId id) {
  if (window_ == nullptr) return;
  switch (id) {
  case ControlId::imgSingleColumn:
    window_->imgSingleColumnClick();
    break;
  case ControlId::imgDoubleColumn:
    window_->imgDoubleColumnClick();
    break;
  case ControlId::imgBannerReader:
    window_->imgBannerReaderClick();
    break;
  case ControlId::imgSentenceReader:
    window_->imgSentenceReaderClick();
    break;
  case ControlId::imgFullScreen:
    window_->imgFullScreenClick();
    break;
  case ControlId::pbCloseFullScreen:
    window_->pbCloseFullScreenClick();
    break;
  case ControlId::pbBanner:
    if (onStripClick_) onStripClick_();
    break;
  case ControlId::pbColumn:
  case ControlId::pbColumn2:
    window_->FormKeyDown(ReaderKey::Space);
    break;
  default:
    break;
  }
  const auto checks = window_->speedMenuChecks();
  for (std::size_t k = 0; k < checks.size(); ++k)
    wordsItems_[k]->setChecked(checks[k]);
}

bool ReaderWidget::focusNextPrevChild(bool) {
  return false;
}

bool ReaderWidget::event(QEvent* e) {
  // Tab is a key of the window, not focus traversal.
  if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Tab) {
    keyPressEvent(static_cast<QKeyEvent*>(e));
    return true;
  }
  return QWidget::event(e);
}

void ReaderWidget::keyPressEvent(QKeyEvent* e) {
  if (window_ == nullptr) return;
  switch (e->key()) {
  case Qt::Key_Space:
    window_->FormKeyDown(ReaderKey::Space);
    break;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    window_->FormKeyDown(ReaderKey::Enter);
    break;
  case Qt::Key_Tab:
    window_->FormKeyDown(ReaderKey::Tab);
    break;
  case Qt::Key_Escape:
    window_->FormKeyDown(ReaderKey::Escape);
    break;
  default:
    QWidget::keyPressEvent(e);
  }
}

ReaderSession::~ReaderSession() {
  // The loop's timers go first, then the window logic, then the widget.
  if (engine != nullptr) engine->callbacks().currentFont = nullptr;
  form.reset();
  reader.reset();
  widget.reset();
}

std::unique_ptr<ReaderSession> showReaderWindow(const ReaderParts& parts) {
  auto session = std::make_unique<ReaderSession>();
  session->automatic = buildAutomaticTable();
  session->engine = &parts.textEngine;
  session->layout.workArea = parts.workArea;
  session->layout.screen = parts.screen;
  session->layout.geometry = designedGeometry(session->layout.frame);
  session->widget = std::make_unique<ReaderWidget>();
  ReaderWindowState state{parts.settings,     parts.engine,      parts.textEngine, parts.reading,
                          parts.fade,         session->layout,   session->page,    session->window,
                          session->automatic, parts.savePosition};
  session->reader = std::make_unique<ReaderWindow>(state, *session->widget);
  session->form =
      std::make_unique<TForm1>(parts.settings, parts.engine, parts.textEngine, parts.reading,
                               parts.fade, parts.timers, *session->reader);
  session->reader->attachForm(*session->form);
  // The engine measures in the fonts the window draws with (Sentence caps at 28 points).
  LayoutState* layout = &session->layout;
  engine::SettingsRecord* settings = &parts.settings;
  parts.textEngine.callbacks().currentFont = [layout, settings] {
    return isBannerMode(settings->ReadingMode) ? layout->bannerFont : layout->columnFont;
  };
  TForm1* form = session->form.get();
  session->widget->connectWindow(*session->reader, [form] { form->fevhStopOrContinue(); });
  session->window.lastReadPosition = 1;
  if (parts.settings.SpeedSettingsSelection == engine::SpeedSelection::Automatic)
    session->reader->SetWPSLPS();
  session->reader->FormShow();
  if (isBannerMode(parts.settings.ReadingMode)) {
    form->prepareStart(parts.settings.AutoStart);
    form->startPreparedDocument();
  }
  session->widget->show();
  session->widget->activateWindow();
  session->widget->setFocus();
  return session;
}

} // namespace reader
