#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace qp::app {

// One request between instances of the program on the instance socket: a message code and its
// two parameters, sent as three little-endian 32-bit words (12 bytes).
//   0x8064 tray icon event: wParam the icon id (100), lParam what happened (TrayEvent)
//   0x8065 from a second start: wParam 0 opens the main window, 1 only adds the tray icon
//   0x8066 from /kill and /uninstall: exit the program
struct InstanceMessage {
  static constexpr std::uint32_t kTrayEvent = 0x8064;
  static constexpr std::uint32_t kOpen = 0x8065;
  static constexpr std::uint32_t kExit = 0x8066;
  static constexpr std::uint32_t kTrayIconId = 100;
  static constexpr std::size_t kSize = 12;

  // lParam of kTrayEvent: the click the notification area reported.
  enum TrayEvent : std::uint32_t { kLeftClick = 1, kRightClick = 2 };

  std::uint32_t message = 0;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;

  static InstanceMessage openRequest(bool trayOnly) { return {kOpen, trayOnly ? 1U : 0U, 0}; }
  static InstanceMessage exitRequest() { return {kExit, 0, 0}; }
  static InstanceMessage trayClick(TrayEvent event) { return {kTrayEvent, kTrayIconId, event}; }

  std::array<std::uint8_t, kSize> encode() const;
  // Nothing when bytes holds fewer than kSize bytes or an unknown message code.
  static std::optional<InstanceMessage> decode(const std::uint8_t* bytes, std::size_t size);

  bool operator==(const InstanceMessage&) const = default;
};

}  // namespace qp::app
