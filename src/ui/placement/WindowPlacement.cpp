#include "ui/placement/WindowPlacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <utility>

namespace qp {
namespace {

PlacementRect toPlacement(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect toQRect(const PlacementRect& rect) {
  return {rect.x, rect.y, rect.width, rect.height};
}

// The rectangle to keep: the normal one while the window is maximised, minimised or full screen.
QRect normalRect(const QWidget& window) {
  if (window.isMaximized() || window.isMinimized() || window.isFullScreen()) {
    return window.normalGeometry();
  }
  return window.geometry();
}

// The frame's extra size on each side (all zero before the window manager framed the window).
QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// Fits a client rectangle by its framed extent, so that the title bar stays on the screen.
QRect fitClientRect(const QRect& client, const QMargins& frame, bool shrink) {
  const PlacementRect framed =
      WindowPlacement::fitOnScreens(toPlacement(client.marginsAdded(frame)), shrink);
  return toQRect(framed).marginsRemoved(frame);
}

}  // namespace

WindowPlacement::WindowPlacement(SettingsStore& settings, std::string valueName)
    : settings_(settings), valueName_(std::move(valueName)) {}

std::optional<PlacementRect> WindowPlacement::stored() const {
  return placement::parseRect(settings_.readText(valueName_, ""));
}

bool WindowPlacement::save(const QWidget& window) const {
  return settings_.writeText(valueName_, placement::formatRect(toPlacement(normalRect(window))));
}

void WindowPlacement::restore(QWidget& window, bool storedSize) const {
  const QMargins frame = frameMargins(window);
  QRect rect = normalRect(window);
  if (const auto saved = stored()) {
    rect.moveTopLeft({saved->x, saved->y});
    if (storedSize) {
      rect.setSize({saved->width, saved->height});
    }
  }
  window.setGeometry(fitClientRect(rect, frame, storedSize));
}

void WindowPlacement::grow(QWidget& window, const QSize& required) {
  const QRect current = window.geometry();
  const QRect wanted(current.topLeft(), current.size().expandedTo(required));
  window.setGeometry(fitClientRect(wanted, frameMargins(window), true));
}

PlacementRect WindowPlacement::fitOnScreens(const PlacementRect& rect, bool shrink) {
  return placement::fit(rect, screenAreas(), shrink);
}

std::vector<ScreenArea> WindowPlacement::screenAreas() {
  std::vector<ScreenArea> areas;
  QScreen* primary = QGuiApplication::primaryScreen();
  if (primary != nullptr) {
    areas.push_back({toPlacement(primary->geometry()), toPlacement(primary->availableGeometry())});
  }
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen != primary) {
      areas.push_back({toPlacement(screen->geometry()), toPlacement(screen->availableGeometry())});
    }
  }
  return areas;
}

}  // namespace qp
