#include "reader/qt/reader_widget.h"

#include <QGuiApplication>
#include <QScreen>

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <QWindow>

#include "controls/qt/control_widgets.h"
#include "controls/system_colors.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_text.h"
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

// The window's client area: a click on it, not on a control, calls back.
class ClientWidget : public QWidget {
public:
  using QWidget::QWidget;
  std::function<void()> onClick;

protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && onClick) onClick();
  }
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
  std::function<void(PointerEvent)> onPointer;

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
  void enterEvent(QEnterEvent*) override {
    if (onPointer) onPointer(PointerEvent::Enter);
  }
  void leaveEvent(QEvent*) override {
    if (onPointer) onPointer(PointerEvent::Leave);
  }

private:
  platform::PictureCache& pictures_;
  std::string name_;
};

bool isPopup(MenuId id) {
  return id == MenuId::pmBanner || id == MenuId::pmColumn;
}

bool isBox(ControlId id) {
  return controlKind(id) == ControlKind::PaintBox;
}

QString qName(std::string_view name) {
  return QString::fromLatin1(name.data(), static_cast<int>(name.size()));
}

// The hint label: grey or black text on the status bar's own colour.
QString hintStyle(const QColor& text) {
  const QColor face = platform::toQColor(controls::clBtnFace);
  return QString("color: %1; background: %2;").arg(text.name(), face.name());
}

// Room beside the hint's text.
constexpr int HintMargin = 12;

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
  auto* client = new ClientWidget(this);
  client->onClick = [this] { clickedComponent("frmInterface"); };
  client_ = client;
  client_->setObjectName("client");
  setBackground(client_, {0, 0, 0});
  makeChildren();
}

ReaderWidget::~ReaderWidget() = default;

void ReaderWidget::makeMenu() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setNativeMenuBar(false);
  menuBar_->setFixedHeight(MenuHeight);
  // The menus of the bar in their order; submenus take their place among the
  // items of their parent when their first item comes.
  for (const MenuInfo& info : readerMenus())
    if (info.parent == MenuId::None) menuFor(info.id);
  for (const Command& command : readerCommands()) {
    if (command.menu == MenuId::None) continue;
    QAction* action = menuFor(command.menu)->addAction(qName(command.caption));
    // The recent files follow the library in the File menu.
    if (command.component == "Library1") menuFor(MenuId::RecentFiles);
    items_.emplace_back(&command, action);
    action->setObjectName(qName(command.component));
    action->setCheckable(command.checked != nullptr);
    // A popup's choice runs after the popup has closed (showPopup).
    if (isPopup(command.menu)) continue;
    if (!command.shortcut.empty()) action->setShortcut(QKeySequence(qName(command.shortcut)));
    action->setShortcutContext(Qt::WidgetShortcut);
    const Command* row = &command;
    connect(action, &QAction::triggered, this, [this, row] {
      if (form_ != nullptr) form_->runCommand(*row);
      refreshChecks();
    });
  }
}

QMenu* ReaderWidget::popupMenu(PopupMenuKind kind) {
  return menuFor(kind == PopupMenuKind::pmColumn ? MenuId::pmColumn : MenuId::pmBanner);
}

void ReaderWidget::showPopup(QPoint at, bool onStrip) {
  if (form_ == nullptr || popup_ == PopupMenuKind::None) return;
  const bool banner = popup_ == PopupMenuKind::pmBanner;
  if (onStrip)
    form_->pbBannerContextPopup();
  else
    form_->FormContextPopup();
  form_->enterMenuLoop();
  if (banner)
    form_->pmBannerPopup();
  else
    form_->pmColumnPopup();
  refreshChecks();
  QMenu* menu = popupMenu(popup_);
  QAction* chosen = menu->exec(at);
  if (form_ == nullptr) return;
  // Reading resumes as the popup closes; the choice runs after that.
  if (banner) form_->exitMenuLoop();
  for (const auto& [command, action] : items_)
    if (action == chosen && chosen != nullptr) form_->runCommand(*command);
  refreshChecks();
}

void ReaderWidget::contextMenuEvent(QContextMenuEvent* e) {
  const QWidget* strip = child(ControlId::pbBanner);
  const QWidget* under = childAt(e->pos());
  showPopup(e->globalPos(), strip != nullptr && under == strip);
}

QMenu* ReaderWidget::menuFor(MenuId id) {
  const auto found = menus_.find(id);
  if (found != menus_.end()) return found->second;
  const MenuInfo* info = nullptr;
  for (const MenuInfo& m : readerMenus())
    if (m.id == id) info = &m;
  QMenu* menu = nullptr;
  if (isPopup(id))
    menu = new QMenu(this);
  else if (info == nullptr || info->parent == MenuId::None)
    menu = menuBar_->addMenu(info != nullptr ? qName(info->caption) : QString());
  else
    menu = menuFor(info->parent)->addMenu(qName(info->caption));
  if (info != nullptr) {
    menu->setObjectName(qName(info->component));
    menu->menuAction()->setObjectName(qName(info->component));
  }
  connect(menu, &QMenu::aboutToShow, this, [this] { refreshChecks(); });
  connect(menu, &QMenu::hovered, this, [this] {
    if (form_ != nullptr) form_->menuItemHighlighted();
  });
  // The main menu's loop: reading halts while any of its menus is open.
  if (info != nullptr && info->parent == MenuId::None && !isPopup(id)) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      if (form_ != nullptr) form_->enterMenuLoop();
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
      QTimer::singleShot(0, this, [this] {
        if (QApplication::activePopupWidget() == nullptr && form_ != nullptr) form_->exitMenuLoop();
      });
    });
  }
  // A menu closed with Escape leaves the menu bar in its keyboard mode, where
  // Space would open the menu again: the keys go back to the window once no
  // menu is open any more.
  connect(menu, &QMenu::aboutToHide, this, [this] {
    QTimer::singleShot(0, this, [this] {
      if (QApplication::activePopupWidget() == nullptr && menuBar_->hasFocus()) setFocus();
    });
  });
  menus_[id] = menu;
  return menu;
}

void ReaderWidget::refreshChecks() {
  QMenu* recent = recentFilesMenu();
  recent->menuAction()->setEnabled(!recent->actions().isEmpty());
  if (form_ == nullptr) return;
  for (const auto& [command, action] : items_) {
    if (command->checked != nullptr) action->setChecked(command->checked(*form_));
    if (command->enabled != nullptr) action->setEnabled(command->enabled(*form_));
    if (command->visible != nullptr) action->setVisible(command->visible(*form_));
    if (command->captionNow != nullptr) {
      // The caption keeps its accelerator on the first letter.
      action->setText("&" + platform::toQString(command->captionNow(*form_)));
    }
  }
}

QAction* ReaderWidget::menuItem(std::string_view component) const {
  for (const auto& [command, action] : items_)
    if (command->component == component) return action;
  for (const auto& [id, menu] : menus_)
    if (menu->objectName() == qName(component)) return menu->menuAction();
  return nullptr;
}

void ReaderWidget::makeChildren() {
  // Panels first, so that their children have a parent to sit on.
  for (std::size_t i = 0; i < ControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    if (controlKind(id) != ControlKind::Panel) continue;
    auto* panel = new ClientWidget(client_);
    panel->onClick = [this, id] { clicked(id); };
    setBackground(panel, id == ControlId::pnlTopBar ? platform::Color{0, 0, 0}
                                                    : platform::Color{64, 64, 64});
    children_[static_cast<std::size_t>(id)] = panel;
  }
  for (std::size_t i = 0; i < ControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    const ControlKind kind = controlKind(id);
    if (children_[i] != nullptr || kind == ControlKind::Custom) continue;
    QWidget* widget = nullptr;
    if (kind == ControlKind::PaintBox) {
      auto* box = new BoxWidget(parentWidget(id), &boxImages_[id]);
      box->onClick = [this, id] { clicked(id); };
      widget = box;
    } else if (kind == ControlKind::Picture) {
      auto* picture = new PictureWidget(parentWidget(id), pictures_);
      picture->onClick = [this, id] { clicked(id); };
      picture->onPointer = [this, id](PointerEvent event) { pointer(id, event, 0, 0); };
      widget = picture;
    } else if (kind == ControlKind::Label) {
      auto* label = new QLabel(parentWidget(id));
      label->setAlignment(id == ControlId::lbBlackPercent ? Qt::AlignRight : Qt::AlignCenter);
      QFont font = platform::toQFont({"Liberation Sans", 9, id != ControlId::lbInfo, false, true});
      font.setPixelSize(12);
      label->setFont(font);
      label->setStyleSheet(id == ControlId::lbInfo ? hintStyle(QColor(96, 96, 96))
                                                   : "color: silver; background: black;");
      widget = label;
    } else {
      // The hidden track ends of the dots: plain, never shown.
      widget = new QWidget(parentWidget(id));
    }
    children_[i] = widget;
  }
  for (std::size_t i = 0; i < ControlCount; ++i)
    if (children_[i] != nullptr) children_[i]->setObjectName(qName(controlName(ControlId(i))));
}

QWidget* ReaderWidget::parentWidget(ControlId id) const {
  const ControlId parent = controlParent(id);
  if (parent == ControlId::Count) return client_;
  QWidget* widget = children_[static_cast<std::size_t>(parent)];
  return widget != nullptr ? widget : client_;
}

void ReaderWidget::attachControl(ControlId id, controls::Control& control) {
  QWidget* parent = parentWidget(id);
  controls::ControlWidget* host = nullptr;
  if (auto* bar = dynamic_cast<controls::TALProgressBar*>(&control))
    host = new controls::ProgressBarWidget(*bar, parent);
  else if (auto* image = dynamic_cast<controls::TMyImage*>(&control)) {
    host = new controls::ImageWidget(*image, parent);
    bindImage(id, *image);
  } else if (auto* status = dynamic_cast<controls::TMyStatusBar*>(&control))
    host = new controls::StatusBarWidget(*status, parent);
  else
    host = new controls::ControlWidget(control, parent);
  host->setObjectName(qName(controlName(id)));
  host->syncFromControl();
  children_[static_cast<std::size_t>(id)] = host;
  hosts_.push_back(host);
  // The hint label, the icon and the find bar lie on the status bar.
  if (id == ControlId::MyStatusBar1) {
    makeFindBar(host);
    for (ControlId onBar : {ControlId::lbInfo, ControlId::imgLumetra}) {
      QWidget* child = children_[static_cast<std::size_t>(onBar)];
      if (child != nullptr) child->setParent(host);
    }
  }
}

// The image's mouse reports go to the handlers its bindings name.
void ReaderWidget::bindImage(ControlId id, controls::TMyImage& image) {
  using controls::TMouseButton;
  image.OnEndDock = [this, id](controls::TMyImage&, const controls::Control*, int, int) {
    pointer(id, PointerEvent::Enter, 0, 0);
  };
  image.OnEndDrag = [this, id](controls::TMyImage&, const controls::Control*, int, int) {
    pointer(id, PointerEvent::Leave, 0, 0);
  };
  image.OnMouseDown = [this, id](controls::TMyImage&, TMouseButton button, int x, int y) {
    if (button == TMouseButton::mbLeft) pointer(id, PointerEvent::Down, x, y);
  };
  image.OnMouseMove = [this, id](controls::TMyImage&, int x, int y) {
    pointer(id, PointerEvent::Move, x, y);
  };
  image.OnMouseUp = [this, id](controls::TMyImage&, TMouseButton button, int x, int y) {
    if (button == TMouseButton::mbLeft) pointer(id, PointerEvent::Up, x, y);
  };
  image.OnClick = [this, id](controls::TMyImage&) { clicked(id); };
  images_.push_back(&image);
}

void ReaderWidget::pointer(ControlId id, PointerEvent event, int x, int y) {
  if (form_ == nullptr) return;
  if (const PointerBinding* binding = findPointerBinding(controlName(id)))
    binding->handler(*form_, event, x, y);
}

void ReaderWidget::detachControls() {
  for (controls::TMyImage* image : images_) {
    image->OnEndDock = nullptr;
    image->OnEndDrag = nullptr;
    image->OnMouseDown = nullptr;
    image->OnMouseMove = nullptr;
    image->OnMouseUp = nullptr;
    image->OnClick = nullptr;
  }
  images_.clear();
  for (controls::ControlWidget* host : hosts_) {
    // Widgets lying on a host (the hint label, the icon) stay with the window.
    for (QObject* object : host->children())
      if (auto* child = qobject_cast<QWidget*>(object)) child->setParent(client_);
    for (QWidget*& slot : children_)
      if (slot == host) slot = nullptr;
    delete host;
  }
  hosts_.clear();
}

void ReaderWidget::applyGeometry(const FormGeometry& g) {
  const bool becameFull = !g.bordered && !fullScreen_;
  const bool leftFull = g.bordered && fullScreen_;
  fullScreen_ = !g.bordered;
  if (becameFull && isVisible()) placeBeforeFullScreen_ = geometry();
  if (becameFull || leftFull) {
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, fullScreen_);
    if (shown) show();
  }
  menuBar_->setVisible(g.mainMenuShown);
  popup_ = fullScreen_ ? PopupMenuKind::None : g.popup;
  if (QAction* speed = menuItem("Speed1")) speed->setVisible(g.speedMenuShown);
  if (QAction* words = menuItem("WordsperScreen1")) words->setVisible(g.wordsPerScreenMenuShown);
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
    const QPoint requested(g.window.left, g.window.top);
    if (leftFull && placeBeforeFullScreen_) {
      placeClient(placeBeforeFullScreen_->topLeft());
      placeBeforeFullScreen_.reset();
    } else if (leftFull || requestedPlace_ != requested) {
      move(requested);
    }
    requestedPlace_ = requested;
  }

  for (std::size_t i = 0; i < ControlCount; ++i) {
    const auto id = static_cast<ControlId>(i);
    QWidget* widget = children_[i];
    if (widget == nullptr || controlKind(id) == ControlKind::Custom) continue;
    const ControlPlacement& p = g.at(id);
    widget->setGeometry(p.rect.left, p.rect.top, p.rect.width, p.rect.height);
    if (id == ControlId::lbInfo) {
      hintPlace_ = widget->geometry();
      fitHint();
    }
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
  for (controls::ControlWidget* host : hosts_)
    host->raise();
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
  if (auto* widget = qobject_cast<QLabel*>(child(label))) {
    widget->setText(platform::toQString(text));
    if (label == ControlId::lbInfo) fitHint();
  }
}

void ReaderWidget::setLabelColor(ControlId label, platform::Color color) {
  if (auto* widget = qobject_cast<QLabel*>(child(label)))
    widget->setStyleSheet(hintStyle(platform::toQColor(color)));
}

void ReaderWidget::fitHint() {
  auto* hint = qobject_cast<QLabel*>(child(ControlId::lbInfo));
  if (hint == nullptr || hintPlace_.isEmpty()) return;
  // As wide as its text, centred where the layout put it, and opaque, so that
  // the status bar's panel separators pass behind the text, never through it.
  const int width = std::min(hintPlace_.width(),
                             hint->fontMetrics().horizontalAdvance(hint->text()) + HintMargin);
  hint->setGeometry(hintPlace_.center().x() - width / 2 + 1, hintPlace_.top(), width,
                    hintPlace_.height());
}

void ReaderWidget::setPicture(ControlId image, const std::string& name) {
  if (auto* widget = dynamic_cast<PictureWidget*>(child(image))) widget->setPicture(name);
}

// The find bar: an edit box (left 0, width 121) and three 18 x 18 buttons at
// 121, 140 and 159, at the left of the status line, hidden until opened.
void ReaderWidget::makeFindBar(QWidget* statusBar) {
  if (findBar_ != nullptr) {
    findBar_->setParent(statusBar);
    return;
  }
  findBar_ = new QWidget(statusBar);
  findBar_->setObjectName("pnlFind");
  findBar_->setGeometry(0, 1, 178, 18);
  tbFindText_ = new QLineEdit(findBar_);
  tbFindText_->setObjectName("tbFindText");
  tbFindText_->setGeometry(0, 0, 121, 18);
  connect(tbFindText_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (form_ != nullptr) form_->tbFindTextChange(platform::fromQString(text));
  });
  connect(tbFindText_, &QLineEdit::returnPressed, this, [this] { clickedComponent("pbFindNext"); });
  const struct {
    const char* component;
    const char* picture;
    int left;
  } buttons[] = {
      {"pbFindNext", "findNext", 121}, {"pbGo", "findGo", 140}, {"pbCloseFind", "findClose", 159}};
  for (const auto& b : buttons) {
    auto* button = new QToolButton(findBar_);
    button->setObjectName(b.component);
    button->setGeometry(b.left, 0, 18, 18);
    button->setAutoRaise(true);
    try {
      button->setIcon(QIcon(QPixmap::fromImage(pictures_.picture(b.picture))));
    } catch (const std::exception&) {
    }
    if (const Command* command = findComponentCommand(b.component))
      button->setToolTip(qName(command->caption));
    const std::string component = b.component;
    connect(button, &QToolButton::clicked, this, [this, component] {
      clickedComponent(component);
      if (findBar_->isVisible()) tbFindText_->setFocus();
    });
  }
  // Escape in the edit box closes the bar and returns, as the window's key does.
  tbFindText_->installEventFilter(this);
  findBar_->hide();
}

void ReaderWidget::showFindBar(bool shown, const std::string& text) {
  if (findBar_ == nullptr) return;
  if (!shown) {
    findBar_->hide();
    setFocus();
    return;
  }
  tbFindText_->setText(platform::toQString(text));
  findBar_->show();
  findBar_->raise();
  tbFindText_->selectAll();
  tbFindText_->setFocus();
}

bool ReaderWidget::eventFilter(QObject* watched, QEvent* e) {
  if (watched == tbFindText_ && e->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
    clickedComponent("pbCloseFind");
    return true;
  }
  return QWidget::eventFilter(watched, e);
}

void ReaderWidget::showWithoutFocus() {
  // Back over the window the user works in, which keeps the focus.
  setAttribute(Qt::WA_ShowWithoutActivating, true);
  // The platform window reads the wish when it is mapped again.
  if (QWindow* window = windowHandle()) window->setProperty("_q_showWithoutActivating", true);
  show();
  raise();
  setAttribute(Qt::WA_ShowWithoutActivating, false);
  if (QWindow* window = windowHandle()) window->setProperty("_q_showWithoutActivating", false);
}

void ReaderWidget::closeWindow() {
  close();
}

void ReaderWidget::closeEvent(QCloseEvent* event) {
  if (onClose_) onClose_();
  event->accept();
}

void ReaderWidget::placeClient(QPoint clientTopLeft) {
  // The title bar sits just above the client area.
  const QPoint title(clientTopLeft.x() + 40, clientTopLeft.y() - 10);
  if (QGuiApplication::screenAt(title) == nullptr) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) return;
    const QRect area = primary->availableGeometry();
    const QSize frame = frameGeometry().size();
    move(area.left() + std::max(0, (area.width() - frame.width()) / 2),
         area.top() + std::max(0, (area.height() - frame.height()) / 2));
    return;
  }
  setGeometry(QRect(clientTopLeft, size()));
}

QImage ReaderWidget::grabWindow() {
  return grab().toImage();
}

void ReaderWidget::clicked(ControlId id) {
  // The status bar's icon pops up the menu of the current mode.
  if (id == ControlId::imgLumetra) {
    showPopup(QCursor::pos());
    return;
  }
  clickedComponent(controlName(id));
}

void ReaderWidget::clickedComponent(std::string_view component) {
  if (form_ == nullptr) return;
  if (const Command* command = findComponentCommand(component)) form_->runCommand(*command);
  refreshChecks();
}

void ReaderWidget::wheelEvent(QWheelEvent* e) {
  const int delta = e->angleDelta().y();
  if (form_ != nullptr && delta != 0) form_->FormMouseWheel(delta > 0);
  e->accept();
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

KeyStroke toKeyStroke(int qtKey, Qt::KeyboardModifiers modifiers) {
  static constexpr std::array<std::pair<int, Key>, 18> Keys = {{
      {Qt::Key_Space, Key::Space},
      {Qt::Key_Return, Key::Enter},
      {Qt::Key_Enter, Key::Enter},
      {Qt::Key_Right, Key::Right},
      {Qt::Key_Left, Key::Left},
      {Qt::Key_Up, Key::Up},
      {Qt::Key_Down, Key::Down},
      {Qt::Key_PageUp, Key::PageUp},
      {Qt::Key_PageDown, Key::PageDown},
      {Qt::Key_Home, Key::Home},
      {Qt::Key_End, Key::End},
      {Qt::Key_S, Key::S},
      {Qt::Key_L, Key::L},
      {Qt::Key_Tab, Key::Tab},
      {Qt::Key_Escape, Key::Escape},
      {Qt::Key_F, Key::F},
      {Qt::Key_V, Key::V},
      {Qt::Key_F1, Key::F1},
  }};
  for (const auto& [qt, key] : Keys)
    if (qt == qtKey) return {key, modifiers.testFlag(Qt::ControlModifier)};
  return {};
}

void ReaderWidget::keyPressEvent(QKeyEvent* e) {
  if (form_ != nullptr && form_->FormKeyDown(toKeyStroke(e->key(), e->modifiers()))) {
    refreshChecks();
    return;
  }
  QWidget::keyPressEvent(e);
}

void ReaderWidget::keyReleaseEvent(QKeyEvent* e) {
  if (!e->isAutoRepeat() && form_ != nullptr &&
      form_->FormKeyUp(toKeyStroke(e->key(), e->modifiers()))) {
    refreshChecks();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

} // namespace reader
