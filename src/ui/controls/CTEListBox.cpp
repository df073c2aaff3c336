#include "ui/controls/CTEListBox.h"

#include <QKeyEvent>
#include <QListWidgetItem>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <cstdlib>

namespace qp {
namespace {

// Hands each row to the list box's row painter at the list's row height.
class RowDelegate : public QStyledItemDelegate {
 public:
  explicit RowDelegate(CTEListBox* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    list_->paintRow(*painter, option.rect, index.row(),
                    (option.state & QStyle::State_Selected) != 0,
                    (option.state & QStyle::State_HasFocus) != 0);
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& /*index*/) const override {
    return {option.rect.width(), list_->rowHeight()};
  }

 private:
  CTEListBox* list_;
};

}  // namespace

CTEListBox::CTEListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new RowDelegate(this));
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setUniformItemSizes(true);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, Qt::transparent);
  setPalette(colours);
}

CTEListBox::~CTEListBox() = default;

void CTEListBox::setRowPainter(RowPainter painter) {
  rowPainter_ = std::move(painter);
  viewport()->update();
}

void CTEListBox::setRowHeight(int pixels) {
  rowHeight_ = pixels > 0 ? pixels : 1;
  doItemsLayout();
}

void CTEListBox::setBackground(const QPixmap& background) {
  background_ = background;
  viewport()->update();
}

void CTEListBox::setTextColours(const QColor& normal, const QColor& selected) {
  textColour_ = normal;
  selectedTextColour_ = selected;
  viewport()->update();
}

int CTEListBox::topIndex() const {
  return verticalScrollBar()->value();
}

void CTEListBox::setTopIndex(int row) {
  verticalScrollBar()->setValue(row);
}

void CTEListBox::paintRow(QPainter& painter, const QRect& rect, int index, bool selected,
                          bool focused) const {
  if (rowPainter_) {
    rowPainter_(painter, rect, index, selected, focused);
    return;
  }
  const QListWidgetItem* row = item(index);
  painter.setPen(selected ? selectedTextColour_ : textColour_);
  painter.drawText(rect.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                   row != nullptr ? row->text() : QString());
  if (focused) {
    painter.setPen(QPen(textColour_, 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
}

void CTEListBox::paintEvent(QPaintEvent* event) {
  if (!background_.isNull()) {
    QPainter painter(viewport());
    painter.drawPixmap(0, 0, background_);
  }
  QListWidget::paintEvent(event);
}

void CTEListBox::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (delta == 0) {
    event->ignore();
    return;
  }
  setTopIndex(topIndex() + (delta < 0 ? 1 : -1));
  event->accept();
}

int CTEListBox::itemUnder(QPoint point) const {
  const QModelIndex index = indexAt(point);
  return index.isValid() ? index.row() : -1;
}

void CTEListBox::post(int message, int item, int extra) {
  if (message != 0) {
    emit posted(message, item, extra);
  }
}

void CTEListBox::mousePressEvent(QMouseEvent* event) {
  pressPoint_ = event->position().toPoint();
  pressedItem_ = itemUnder(pressPoint_);
  pressedButton_ = event->button();
  dragging_ = false;
  QListWidget::mousePressEvent(event);
}

void CTEListBox::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->buttons() == Qt::NoButton) {
    if (focusOnHover_ && !hasFocus()) {
      setFocus(Qt::MouseFocusReason);
    }
    post(messages_.hover, itemUnder(at), 0);
    return;
  }
  if (pressedButton_ != Qt::NoButton && !dragging_ &&
      (std::abs(at.x() - pressPoint_.x()) >= kDragDistance ||
       std::abs(at.y() - pressPoint_.y()) >= kDragDistance)) {
    dragging_ = true;
    post(messages_.dragStart, pressedItem_, pressedButton_ == Qt::LeftButton ? 1 : 0);
    pressedButton_ = Qt::NoButton;
    pressedItem_ = -1;
    return;
  }
  if (!dragging_) {
    QListWidget::mouseMoveEvent(event);
  }
}

void CTEListBox::mouseReleaseEvent(QMouseEvent* event) {
  const int item = itemUnder(event->position().toPoint());
  if (!dragging_ && item >= 0) {
    if (event->button() == Qt::LeftButton) {
      post(messages_.click, item, 0);
    } else if (event->button() == Qt::RightButton) {
      post(messages_.rightClick, item, 0);
    }
  }
  dragging_ = false;
  pressedButton_ = Qt::NoButton;
  QListWidget::mouseReleaseEvent(event);
}

void CTEListBox::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
    post(messages_.deleteKey, currentRow(), 0);
  }
  QListWidget::keyReleaseEvent(event);
}

}  // namespace qp
