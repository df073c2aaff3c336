#pragma once

#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace qp {

// The arithmetic of the alarm popup, free of any window: where a popup goes, where the clock's
// hands point and how the message is broken into lines. Pixels are the popup's own (device
// independent) pixels; the clock is centred at kClockCentre.
struct AlarmPopupLayout {
  static constexpr QPoint kClockCentre{56, 67};
  static constexpr int kHourHand = 27;  // hand lengths in pixels
  static constexpr int kMinuteHand = 40;
  static constexpr int kSecondHand = 35;
  static constexpr int kCascadeRight = 25;  // per popup already open
  static constexpr int kCascadeDown = 45;
  static constexpr int kMaxLines = 3;

  // The "AlarmPos" setting: "left,top,width,height". Nothing when the text is not four numbers
  // or the size is not positive.
  static std::optional<QRect> parsePosition(const QString& text);
  static QString formatPosition(const QRect& rect);

  // rect moved (never resized, unless larger than the area) so that it lies inside area.
  static QRect keepInside(const QRect& rect, const QRect& area);
  // The work area of the screen nearest to rect: the one holding its centre, else the one
  // with the largest overlap, else the one whose centre is closest. areas must not be empty.
  static QRect nearestArea(const QRect& rect, const QList<QRect>& areas);

  // Where a popup of size goes: at the stored position (its own size kept; without one,
  // centred in the first work area), held inside the nearest work area; the popupIndex-th
  // popup cascades 25 pixels right and 45 down per popup already open, held inside again.
  static QRect place(const QSize& size, const std::optional<QRect>& stored, int popupIndex,
                     const QList<QRect>& workAreas);

  // A hand's angle in degrees, clockwise from twelve o'clock.
  static int hourAngle(int hour, int minute) { return minute / 2 + (hour % 12) * 30; }
  static int minuteAngle(int minute) { return minute * 6; }
  static int secondAngle(int second) { return second * 6; }
  // The hand from the centre to its end, coordinates truncated towards zero.
  static QLine hand(int angleDegrees, int length);
  // A thick hand's shading runs above and below it (true) when it points roughly sideways,
  // else left and right of it.
  static bool shadeVertically(int angleDegrees);

  // Up to three lines of text: whole words (each with its trailing blank) while they fit
  // width as measured, the rest on the last line; trailing blanks removed. An empty text
  // gives no lines.
  static QStringList breakLines(const QString& text, int width,
                                const std::function<int(const QString&)>& measure);
};

}  // namespace qp
