#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qp {

// A window rectangle in desktop pixels: the top-left corner (may be negative on a desktop whose
// screens lie left of or above the primary one) and the size.
struct PlacementRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  // Wide enough for any stored rectangle, however far off it lies.
  std::int64_t right() const { return std::int64_t{x} + width; }
  std::int64_t bottom() const { return std::int64_t{y} + height; }
  bool operator==(const PlacementRect&) const = default;
};

// One screen: its whole rectangle and its work area (the part panels and docks leave free).
struct ScreenArea {
  PlacementRect monitor;
  PlacementRect workArea;
};

// The arithmetic of window placement, over plain rectangles so that it runs without screens.
// The stored form of a rectangle is the text "x,y,width,height" (four signed decimal numbers).
namespace placement {

// "%d,%d,%d,%d".
std::string formatRect(const PlacementRect& rect);
// Four signed decimal numbers separated by commas; blanks may precede each number, anything
// after the fourth is ignored. Nothing for a text that does not start so, a number outside the
// 32-bit range, or a width or height below 1.
std::optional<PlacementRect> parseRect(std::string_view text);

// The screen a rectangle belongs to: the one it overlaps most, else the one closest to it
// (ties go to the earlier screen, the primary one first). Nothing when there is no screen.
std::optional<std::size_t> nearestScreen(const PlacementRect& rect,
                                         const std::vector<ScreenArea>& screens);

// Moves rect into workArea: with shrink, first cut its size to the work area's; then the left
// and top edges go no further out than the work area's, and the right and bottom edges are
// pulled in unless that would push the left or top edge out again.
PlacementRect fitIntoWorkArea(PlacementRect rect, const PlacementRect& workArea, bool shrink);
// fitIntoWorkArea on the nearest screen's work area; unchanged when there is no screen.
PlacementRect fit(const PlacementRect& rect, const std::vector<ScreenArea>& screens, bool shrink);

// Where a window goes when it opens: the stored rectangle's corner (and its size only with
// storedSize, else the window's current size), or the current rectangle when nothing is stored;
// fitted onto a screen, shrunk only with storedSize.
PlacementRect restoredRect(const std::optional<PlacementRect>& stored, const PlacementRect& current,
                           bool storedSize, const std::vector<ScreenArea>& screens);

// A window growing to at least requiredWidth x requiredHeight (the main window opening its
// side panel): it keeps its corner and the larger of each dimension, fitted and shrunk onto
// its screen.
PlacementRect grownRect(const PlacementRect& current, int requiredWidth, int requiredHeight,
                        const std::vector<ScreenArea>& screens);

// The small view's rectangle when none is stored: 122 x 53 at the far top right of the screen
// nearest to (1600, 0), not shrunk.
PlacementRect defaultSmallViewRect(const std::vector<ScreenArea>& screens);
// The small view's rectangle for the view transition: the stored one, else the default.
PlacementRect smallViewRect(const std::optional<PlacementRect>& stored,
                            const std::vector<ScreenArea>& screens);

// The frames of the outline that moves from one view's rectangle to the other's: steps
// rectangles, evenly spaced, the last one equal to to (none for steps below 1).
std::vector<PlacementRect> transitionFrames(const PlacementRect& from, const PlacementRect& to,
                                            int steps = 10);

}  // namespace placement
}  // namespace qp
