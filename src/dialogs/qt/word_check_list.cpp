#include "dialogs/qt/word_check_list.h"

#include <QCheckBox>

#include <algorithm>

#include "platform/qt/qt_text.h"

namespace dialogs {

WordCheckList::WordCheckList(const std::vector<std::string>& words, QWidget* parent)
    : QWidget(parent) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    // Words never hold "&", so the text shows as it is.
    auto* box = new QCheckBox(platform::toQString(words[i]), this);
    connect(box, &QCheckBox::clicked, this,
            [this, i](bool checked) { emit wordClicked(i, checked); });
    boxes_.push_back(box);
  }
  layOut(400, 4);
}

int WordCheckList::widestBox() const {
  int widest = 0;
  for (const QCheckBox* box : boxes_)
    widest = std::max(widest, box->sizeHint().width());
  return widest;
}

void WordCheckList::layOut(int width, int columns) {
  columns = std::max(columns, 1);
  const int columnWidth = width / columns;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const int row = static_cast<int>(i) / columns;
    const int column = static_cast<int>(i) % columns;
    boxes_[i]->setGeometry(column * columnWidth + 2, row * RowHeight, columnWidth - 2, RowHeight);
  }
  const int rows = (static_cast<int>(boxes_.size()) + columns - 1) / columns;
  setFixedSize(width, std::max(rows, 1) * RowHeight);
}

void WordCheckList::setChecks(const std::vector<bool>& checked) {
  for (std::size_t i = 0; i < boxes_.size() && i < checked.size(); ++i)
    boxes_[i]->setChecked(checked[i]);
}

} // namespace dialogs
