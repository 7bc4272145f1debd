// One check list of the AutoSkim page: a check box per word, laid out in
// columns and as tall as its rows need, so that the scrolling box around the
// five lists is the only thing that scrolls. Only the user's clicks are
// reported; checks set by the program are not.
#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QCheckBox;

namespace dialogs {

class WordCheckList : public QWidget {
  Q_OBJECT
public:
  explicit WordCheckList(const std::vector<std::string>& words, QWidget* parent = nullptr);

  // The width the widest word's check box needs.
  int widestBox() const;
  // Places the boxes in `columns` columns across `width`.
  void layOut(int width, int columns);

  void setChecks(const std::vector<bool>& checked);
  std::size_t count() const { return boxes_.size(); }
  QCheckBox* box(std::size_t index) const { return boxes_.at(index); }

  static constexpr int RowHeight = 20;

signals:
  void wordClicked(std::size_t index, bool checked);

private:
  std::vector<QCheckBox*> boxes_;
};

} // namespace dialogs
