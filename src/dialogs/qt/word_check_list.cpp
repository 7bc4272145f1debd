#include "dialogs/qt/word_check_list.h"

#include <QCheckBox>

#include <algorithm>

#include "platform/qt/qt_text.h"

namespace dialogs {

namespace {
constexpr int Columns = 4;
}

WordCheckList::WordCheckList(const std::vector<std::string>& words, int width, QWidget* parent)
    : QWidget(parent) {
  const int columnWidth = width / Columns;
  for (std::size_t i = 0; i < words.size(); ++i) {
    // Words never hold "&", so the text shows as it is.
    auto* box = new QCheckBox(platform::toQString(words[i]), this);
    const int row = static_cast<int>(i) / Columns;
    const int column = static_cast<int>(i) % Columns;
    box->setGeometry(column * columnWidth + 4, row * RowHeight, columnWidth - 4, RowHeight);
    connect(box, &QCheckBox::clicked, this,
            [this, i](bool checked) { emit wordClicked(i, checked); });
    boxes_.push_back(box);
  }
  const int rows = (static_cast<int>(words.size()) + Columns - 1) / Columns;
  setFixedSize(width, std::max(rows, 1) * RowHeight);
}

void WordCheckList::setChecks(const std::vector<bool>& checked) {
  for (std::size_t i = 0; i < boxes_.size() && i < checked.size(); ++i)
    boxes_[i]->setChecked(checked[i]);
}

} // namespace dialogs
