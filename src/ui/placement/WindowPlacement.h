#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/SettingsStore.h"
#include "ui/placement/PlacementGeometry.h"

class QSize;
class QWidget;

namespace qp {

// Saves a window's rectangle under one settings value and puts the window back there, always
// inside the work area of a screen, at the next start. The stored rectangle is the window's
// normal (not maximised) client rectangle; fitting takes the window frame into account once
// the window manager has given it one. settings must outlive the object. UI thread only.
class WindowPlacement {
 public:
  // The values of the main window's two views and of the alarm popup.
  static constexpr const char* kStandardView = "WindowPosition";
  static constexpr const char* kSmallView = "WindowPositionSV";
  static constexpr const char* kAlarmPopup = "AlarmPos";

  explicit WindowPlacement(SettingsStore& settings, std::string valueName = kStandardView);

  const std::string& valueName() const { return valueName_; }

  // The stored rectangle, or nothing when the value is missing or malformed.
  std::optional<PlacementRect> stored() const;
  // Writes the window's normal rectangle; false when the settings refused it.
  bool save(const QWidget& window) const;
  // Moves the window to the stored corner (and the stored size too with storedSize), or keeps
  // its current rectangle when nothing is stored; either way fitted onto the nearest screen,
  // shrunk only with storedSize.
  void restore(QWidget& window, bool storedSize) const;

  // Grows the window to at least required, keeping its corner, inside its screen's work area.
  static void grow(QWidget& window, const QSize& required);
  // rect fitted onto the nearest of the desktop's screens.
  static PlacementRect fitOnScreens(const PlacementRect& rect, bool shrink);
  // Every screen of the desktop with its work area, the primary one first.
  static std::vector<ScreenArea> screenAreas();

 private:
  SettingsStore& settings_;
  std::string valueName_;
};

}  // namespace qp
