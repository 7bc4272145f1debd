#include "dialogs/qt/rules_tree_widget.h"

#include <QMouseEvent>
#include <QPixmap>

#include "platform/qt/pictures.h"
#include "platform/qt/qt_text.h"

namespace dialogs {

namespace {

constexpr int NodeRole = Qt::UserRole;

QIcon statePicture(const char* name) {
  try {
    return QIcon(QPixmap::fromImage(platform::loadBitmapResource(name)));
  } catch (const platform::ResourceError&) {
    // A tree without pictures still works; the states just cannot be seen.
    return {};
  }
}

} // namespace

RulesTreeWidget::RulesTreeWidget(QWidget* parent)
    : QTreeWidget(parent), checked_(statePicture("state_checked")),
      unchecked_(statePicture("state_unchecked")) {
  setHeaderHidden(true);
  setColumnCount(1);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setIconSize(QSize(16, 16));
  setItemsExpandable(false);
  setExpandsOnDoubleClick(false);
}

void RulesTreeWidget::build(const RulesTree& tree) {
  clear();
  items_.clear();
  QTreeWidgetItem* group = nullptr;
  for (std::size_t i = 0; i < tree.size(); ++i) {
    const RuleNode& node = tree[i];
    QTreeWidgetItem* item =
        node.group || group == nullptr ? new QTreeWidgetItem(this) : new QTreeWidgetItem(group);
    if (node.group) group = item;
    item->setText(0, platform::toQString(node.caption));
    item->setData(0, NodeRole, QVariant::fromValue<qulonglong>(i));
    items_.push_back(item);
  }
  expandAll();
  showStates(tree);
}

void RulesTreeWidget::showStates(const RulesTree& tree) {
  for (std::size_t i = 0; i < tree.size() && i < items_.size(); ++i) {
    const int state = tree[i].StateIndex;
    items_[i]->setIcon(0, state == CheckedState     ? checked_
                          : state == UncheckedState ? unchecked_
                                                    : QIcon());
  }
}

QTreeWidgetItem* RulesTreeWidget::itemOfNode(std::size_t node) const {
  return node < items_.size() ? items_[node] : nullptr;
}

QRect RulesTreeWidget::statePictureRect(QTreeWidgetItem* item) const {
  if (item == nullptr || item->icon(0).isNull()) return {};
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualItemRect(item);
  option.text = item->text(0);
  option.icon = item->icon(0);
  option.decorationSize = iconSize();
  option.features |= QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
  return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
}

void RulesTreeWidget::mousePressEvent(QMouseEvent* event) {
  QTreeWidgetItem* item = itemAt(event->position().toPoint());
  if (item != nullptr && event->button() == Qt::LeftButton &&
      statePictureRect(item).contains(event->position().toPoint()))
    emit statePictureClicked(item->data(0, NodeRole).toULongLong());
  QTreeWidget::mousePressEvent(event);
}

} // namespace dialogs
