#include "ui/dialogs/AlarmPopupLayout.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace qp {
namespace {

constexpr double kRadiansPerDegree = 0.017453292;

long long squaredDistance(const QPoint& a, const QPoint& b) {
  const long long dx = a.x() - b.x();
  const long long dy = a.y() - b.y();
  return dx * dx + dy * dy;
}

long long overlap(const QRect& a, const QRect& b) {
  const QRect common = a.intersected(b);
  return common.isEmpty() ? 0 : static_cast<long long>(common.width()) * common.height();
}

QString withoutTrailingBlanks(QString line) {
  while (line.endsWith(' ')) {
    line.chop(1);
  }
  return line;
}

}  // namespace

std::optional<QRect> AlarmPopupLayout::parsePosition(const QString& text) {
  const QStringList fields = text.split(',');
  if (fields.size() != 4) {
    return std::nullopt;
  }
  int values[4] = {};
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    values[i] = fields.at(i).trimmed().toInt(&ok);
    if (!ok) {
      return std::nullopt;
    }
  }
  if (values[2] <= 0 || values[3] <= 0) {
    return std::nullopt;
  }
  return QRect(values[0], values[1], values[2], values[3]);
}

QString AlarmPopupLayout::formatPosition(const QRect& rect) {
  return QString("%1,%2,%3,%4")
      .arg(rect.left())
      .arg(rect.top())
      .arg(rect.width())
      .arg(rect.height());
}

QRect AlarmPopupLayout::keepInside(const QRect& rect, const QRect& area) {
  QRect moved = rect;
  if (moved.right() > area.right()) {
    moved.moveRight(area.right());
  }
  if (moved.bottom() > area.bottom()) {
    moved.moveBottom(area.bottom());
  }
  if (moved.left() < area.left()) {
    moved.moveLeft(area.left());
  }
  if (moved.top() < area.top()) {
    moved.moveTop(area.top());
  }
  return moved;
}

QRect AlarmPopupLayout::nearestArea(const QRect& rect, const QList<QRect>& areas) {
  for (const QRect& area : areas) {
    if (area.contains(rect.center())) {
      return area;
    }
  }
  QRect best = areas.front();
  long long bestOverlap = 0;
  long long bestDistance = std::numeric_limits<long long>::max();
  for (const QRect& area : areas) {
    const long long shared = overlap(rect, area);
    const long long distance = squaredDistance(rect.center(), area.center());
    if (shared > bestOverlap || (bestOverlap == 0 && shared == 0 && distance < bestDistance)) {
      best = area;
      bestOverlap = shared;
      bestDistance = distance;
    }
  }
  return best;
}

QRect AlarmPopupLayout::place(const QSize& size, const std::optional<QRect>& stored, int popupIndex,
                              const QList<QRect>& workAreas) {
  QRect rect(QPoint(0, 0), size);
  if (stored) {
    rect.moveTopLeft(stored->topLeft());
  } else if (!workAreas.isEmpty()) {
    rect.moveCenter(workAreas.front().center());
  }
  if (workAreas.isEmpty()) {
    return rect.translated(kCascadeRight * popupIndex, kCascadeDown * popupIndex);
  }
  rect = keepInside(rect, nearestArea(rect, workAreas));
  if (popupIndex > 0) {
    rect.translate(kCascadeRight * popupIndex, kCascadeDown * popupIndex);
    rect = keepInside(rect, nearestArea(rect, workAreas));
  }
  return rect;
}

QLine AlarmPopupLayout::hand(int angleDegrees, int length) {
  int degrees = angleDegrees - 90;
  if (degrees < 0) {
    degrees = angleDegrees + 270;
  }
  const double radians = degrees * kRadiansPerDegree;
  const auto x = static_cast<int>(kClockCentre.x() + length * std::cos(radians));
  const auto y = static_cast<int>(kClockCentre.y() + length * std::sin(radians));
  return {kClockCentre, QPoint(x, y)};
}

bool AlarmPopupLayout::shadeVertically(int angleDegrees) {
  return (angleDegrees >= 46 && angleDegrees <= 134) ||
         (angleDegrees >= 256 && angleDegrees <= 314);
}

QStringList AlarmPopupLayout::breakLines(const QString& text, int width,
                                         const std::function<int(const QString&)>& measure) {
  // Words keep their trailing blanks, so that joining them gives the text back.
  static const QRegularExpression word("[^ ]* *");
  QStringList words;
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QString found = it.next().captured();
    if (!found.isEmpty()) {
      words << found;
    }
  }
  QStringList lines;
  int next = 0;
  while (next < words.size() && lines.size() < kMaxLines - 1) {
    QString line = words.at(next++);
    while (next < words.size() && measure(withoutTrailingBlanks(line + words.at(next))) <= width) {
      line += words.at(next++);
    }
    lines << withoutTrailingBlanks(line);
  }
  if (next < words.size()) {
    lines << withoutTrailingBlanks(words.mid(next).join(QString()));
  }
  return lines;
}

}  // namespace qp
