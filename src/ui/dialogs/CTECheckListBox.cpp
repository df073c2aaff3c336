#include "ui/dialogs/CTECheckListBox.h"

#include <QListWidgetItem>

namespace qp {

CTECheckListBox::CTECheckListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

void CTECheckListBox::setLines(const std::vector<std::string>& lines) {
  clear();
  for (const std::string& line : lines) {
    auto* item = new QListWidgetItem(QString::fromStdString(line), this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  if (count() > 0) {
    setCurrentRow(0);
  }
}

void CTECheckListBox::setChecked(int row, bool checked) {
  if (QListWidgetItem* rowItem = item(row); rowItem != nullptr) {
    rowItem->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  }
}

bool CTECheckListBox::isChecked(int row) const {
  const QListWidgetItem* rowItem = item(row);
  return rowItem != nullptr && rowItem->checkState() == Qt::Checked;
}

void CTECheckListBox::setAllChecked(bool checked) {
  for (int row = 0; row < count(); ++row) {
    setChecked(row, checked);
  }
}

std::vector<int> CTECheckListBox::checkedRows() const {
  std::vector<int> rows;
  for (int row = 0; row < count(); ++row) {
    if (isChecked(row)) {
      rows.push_back(row);
    }
  }
  return rows;
}

}  // namespace qp
