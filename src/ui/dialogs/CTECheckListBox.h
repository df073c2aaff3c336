#pragma once

#include <QListWidget>
#include <string>
#include <vector>

namespace qp {

// A list box with a check mark on every row, for dialogs that pick notes. A click on the mark
// or the space bar on the current row toggles it. Rows are addressed by 0-based position.
class CTECheckListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit CTECheckListBox(QWidget* parent = nullptr);

  // Replaces every row by one per line, all unchecked.
  void setLines(const std::vector<std::string>& lines);
  void setChecked(int row, bool checked);
  bool isChecked(int row) const;
  // Checks or clears every row.
  void setAllChecked(bool checked);
  // The checked rows, ascending.
  std::vector<int> checkedRows() const;
};

}  // namespace qp
