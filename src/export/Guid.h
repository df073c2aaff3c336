#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qp {

// A 16-byte identifier, written as text in the braced form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}.
struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};

  bool operator==(const Guid&) const = default;

  // Upper-case text with braces.
  std::string toString() const;
  // Accepts the text form with or without braces, in either case.
  static std::optional<Guid> parse(std::string_view text);
};

}  // namespace qp
