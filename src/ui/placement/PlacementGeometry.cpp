#include "ui/placement/PlacementGeometry.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace qp::placement {
namespace {

constexpr PlacementRect kSmallViewDefault{1600, 0, 122, 53};

// Reads one number of the stored text: blanks, then an optionally signed decimal integer.
bool readNumber(std::string_view& text, int& value) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
    text.remove_prefix(1);
  }
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
  }
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc()) {
    return false;
  }
  text.remove_prefix(static_cast<std::size_t>(result.ptr - text.data()));
  return true;
}

bool readComma(std::string_view& text) {
  if (text.empty() || text.front() != ',') {
    return false;
  }
  text.remove_prefix(1);
  return true;
}

std::int64_t overlapArea(const PlacementRect& a, const PlacementRect& b) {
  const std::int64_t w = std::min(a.right(), b.right()) - std::max(a.x, b.x);
  const std::int64_t h = std::min(a.bottom(), b.bottom()) - std::max(a.y, b.y);
  return (w > 0 && h > 0) ? w * h : 0;
}

// Squared distance between the two rectangles' nearest points (0 when they touch or overlap).
std::int64_t gapSquared(const PlacementRect& a, const PlacementRect& b) {
  const std::int64_t dx =
      std::max<std::int64_t>({0, std::int64_t{b.x} - a.right(), std::int64_t{a.x} - b.right()});
  const std::int64_t dy =
      std::max<std::int64_t>({0, std::int64_t{b.y} - a.bottom(), std::int64_t{a.y} - b.bottom()});
  return dx * dx + dy * dy;
}

int interpolate(int from, int to, int step, int steps) {
  const std::int64_t delta = std::int64_t{to} - from;
  return static_cast<int>(from + delta * step / steps);
}

}  // namespace

std::string formatRect(const PlacementRect& rect) {
  return std::to_string(rect.x) + ',' + std::to_string(rect.y) + ',' + std::to_string(rect.width) +
         ',' + std::to_string(rect.height);
}

std::optional<PlacementRect> parseRect(std::string_view text) {
  PlacementRect rect;
  int* fields[] = {&rect.x, &rect.y, &rect.width, &rect.height};
  for (std::size_t i = 0; i < 4; ++i) {
    if ((i > 0 && !readComma(text)) || !readNumber(text, *fields[i])) {
      return std::nullopt;
    }
  }
  if (rect.width < 1 || rect.height < 1) {
    return std::nullopt;
  }
  return rect;
}

std::optional<std::size_t> nearestScreen(const PlacementRect& rect,
                                         const std::vector<ScreenArea>& screens) {
  std::optional<std::size_t> best;
  std::int64_t bestOverlap = 0;
  for (std::size_t i = 0; i < screens.size(); ++i) {
    const std::int64_t overlap = overlapArea(rect, screens[i].monitor);
    if (overlap > bestOverlap) {
      bestOverlap = overlap;
      best = i;
    }
  }
  if (best) {
    return best;
  }
  std::int64_t bestGap = std::numeric_limits<std::int64_t>::max();
  for (std::size_t i = 0; i < screens.size(); ++i) {
    const std::int64_t gap = gapSquared(rect, screens[i].monitor);
    if (gap < bestGap) {
      bestGap = gap;
      best = i;
    }
  }
  return best;
}

PlacementRect fitIntoWorkArea(PlacementRect rect, const PlacementRect& workArea, bool shrink) {
  if (shrink) {
    rect.width = std::min(rect.width, workArea.width);
    rect.height = std::min(rect.height, workArea.height);
  }
  rect.x = std::max(rect.x, workArea.x);
  rect.y = std::max(rect.y, workArea.y);
  if (rect.right() > workArea.right()) {
    rect.x = static_cast<int>(
        std::max<std::int64_t>(workArea.right() - rect.width, std::int64_t{workArea.x}));
  }
  if (rect.bottom() > workArea.bottom()) {
    rect.y = static_cast<int>(
        std::max<std::int64_t>(workArea.bottom() - rect.height, std::int64_t{workArea.y}));
  }
  return rect;
}

PlacementRect fit(const PlacementRect& rect, const std::vector<ScreenArea>& screens, bool shrink) {
  const auto screen = nearestScreen(rect, screens);
  if (!screen) {
    return rect;
  }
  return fitIntoWorkArea(rect, screens[*screen].workArea, shrink);
}

PlacementRect restoredRect(const std::optional<PlacementRect>& stored, const PlacementRect& current,
                           bool storedSize, const std::vector<ScreenArea>& screens) {
  PlacementRect rect = current;
  if (stored) {
    rect.x = stored->x;
    rect.y = stored->y;
    if (storedSize) {
      rect.width = stored->width;
      rect.height = stored->height;
    }
  }
  return fit(rect, screens, storedSize);
}

PlacementRect grownRect(const PlacementRect& current, int requiredWidth, int requiredHeight,
                        const std::vector<ScreenArea>& screens) {
  PlacementRect rect = current;
  rect.width = std::max(current.width, requiredWidth);
  rect.height = std::max(current.height, requiredHeight);
  return fit(rect, screens, true);
}

PlacementRect defaultSmallViewRect(const std::vector<ScreenArea>& screens) {
  return fit(kSmallViewDefault, screens, false);
}

PlacementRect smallViewRect(const std::optional<PlacementRect>& stored,
                            const std::vector<ScreenArea>& screens) {
  return stored ? *stored : defaultSmallViewRect(screens);
}

std::vector<PlacementRect> transitionFrames(const PlacementRect& from, const PlacementRect& to,
                                            int steps) {
  std::vector<PlacementRect> frames;
  for (int step = 1; step <= steps; ++step) {
    frames.push_back({interpolate(from.x, to.x, step, steps),
                      interpolate(from.y, to.y, step, steps),
                      interpolate(from.width, to.width, step, steps),
                      interpolate(from.height, to.height, step, steps)});
  }
  return frames;
}

}  // namespace qp::placement
