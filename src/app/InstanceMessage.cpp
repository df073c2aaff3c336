#include "app/InstanceMessage.h"

#include "common/LittleEndian.h"

namespace qp::app {

std::array<std::uint8_t, InstanceMessage::kSize> InstanceMessage::encode() const {
  std::array<std::uint8_t, kSize> bytes{};
  putLe32(bytes.data(), message);
  putLe32(bytes.data() + 4, wParam);
  putLe32(bytes.data() + 8, lParam);
  return bytes;
}

std::optional<InstanceMessage> InstanceMessage::decode(const std::uint8_t* bytes,
                                                       std::size_t size) {
  if (bytes == nullptr || size < kSize) {
    return std::nullopt;
  }
  InstanceMessage out{getLe32(bytes), getLe32(bytes + 4), getLe32(bytes + 8)};
  if (out.message != kTrayEvent && out.message != kOpen && out.message != kExit) {
    return std::nullopt;
  }
  return out;
}

}  // namespace qp::app
