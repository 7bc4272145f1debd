// The read-only tree of the Text Rules page. Each node shows its state
// picture as its icon ("state_checked", "state_unchecked"; groups have none),
// and only a press on that picture is reported: the text, the branch marks
// and the keyboard change nothing.
#pragma once

#include <QTreeWidget>

#include "dialogs/text_rules_tree.h"

namespace dialogs {

class RulesTreeWidget : public QTreeWidget {
  Q_OBJECT
public:
  explicit RulesTreeWidget(QWidget* parent = nullptr);

  // Makes one item per node, groups at the top level with their leaves below.
  void build(const RulesTree& tree);
  // Shows each node's state picture.
  void showStates(const RulesTree& tree);

  QTreeWidgetItem* itemOfNode(std::size_t node) const;
  // Where the item's state picture is drawn, in viewport coordinates; empty
  // for a node without one.
  QRect statePictureRect(QTreeWidgetItem* item) const;

signals:
  // A press on the state picture of node `node` (an index into the tree).
  void statePictureClicked(std::size_t node);

protected:
  void mousePressEvent(QMouseEvent* event) override;

private:
  std::vector<QTreeWidgetItem*> items_;
  QIcon checked_;
  QIcon unchecked_;
};

} // namespace dialogs
