#pragma once

#include <QColor>
#include <QListWidget>
#include <QPixmap>
#include <functional>

namespace qp {

// The skinned list box: rows drawn by its owner (a row painter), a background bitmap, one row
// per wheel notch, and reports to its owner as posted(message, item, extra):
// click and right click on an item (extra 0), Delete key released (item: the current row),
// hover (item under the cursor, -1 outside the items), and the start of a drag once the
// cursor is 3 or more pixels from the press point in x or y (extra 1 for the left button,
// 0 for the right). A message of 0 is never posted. Scroll bars are the skin's buttons.
class CTEListBox : public QListWidget {
  Q_OBJECT

 public:
  struct Messages {
    int click = 0;
    int rightClick = 0;
    int deleteKey = 0;
    int hover = 0;
    int dragStart = 0;
  };
  // Draws row index into rect (list coordinates); the background is already drawn.
  using RowPainter = std::function<void(QPainter& painter, const QRect& rect, int index,
                                        bool selected, bool focused)>;

  static constexpr int kDragDistance = 3;

  explicit CTEListBox(QWidget* parent = nullptr);
  ~CTEListBox() override;
  CTEListBox(const CTEListBox&) = delete;
  CTEListBox& operator=(const CTEListBox&) = delete;

  void setMessages(const Messages& messages) { messages_ = messages; }
  void setRowPainter(RowPainter painter);
  void setRowHeight(int pixels);
  int rowHeight() const { return rowHeight_; }
  void setBackground(const QPixmap& background);
  void setTextColours(const QColor& normal, const QColor& selected);
  QColor textColour() const { return textColour_; }
  QColor selectedTextColour() const { return selectedTextColour_; }
  void setFocusOnHover(bool on) { focusOnHover_ = on; }
  // The first visible row.
  int topIndex() const;
  void setTopIndex(int row);

  // Used by the row delegate.
  void paintRow(QPainter& painter, const QRect& rect, int index, bool selected, bool focused) const;

 signals:
  void posted(int message, int item, int extra);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  void post(int message, int item, int extra);
  int itemUnder(QPoint point) const;

  Messages messages_;
  RowPainter rowPainter_;
  QPixmap background_;
  QColor textColour_{Qt::white};
  QColor selectedTextColour_{Qt::yellow};
  int rowHeight_ = 14;
  bool focusOnHover_ = false;
  int pressedItem_ = -1;
  QPoint pressPoint_;
  Qt::MouseButton pressedButton_ = Qt::NoButton;
  bool dragging_ = false;
};

}  // namespace qp
