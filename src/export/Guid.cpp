#include "export/Guid.h"

#include <cstdio>

namespace qp {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Reads digits hex digits from text at pos into value; false on a non-hex character.
bool readHex(std::string_view text, std::size_t& pos, int digits, std::uint32_t& value) {
  value = 0;
  for (int i = 0; i < digits; ++i, ++pos) {
    const int v = pos < text.size() ? hexValue(text[pos]) : -1;
    if (v < 0) {
      return false;
    }
    value = (value << 4) | static_cast<std::uint32_t>(v);
  }
  return true;
}

bool expect(std::string_view text, std::size_t& pos, char c) {
  return pos < text.size() && text[pos++] == c;
}

}  // namespace

std::string Guid::toString() const {
  char text[40];
  std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1,
                data2, data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6],
                data4[7]);
  return text;
}

std::optional<Guid> Guid::parse(std::string_view text) {
  if (text.size() == 38 && text.front() == '{' && text.back() == '}') {
    text = text.substr(1, 36);
  }
  if (text.size() != 36) {
    return std::nullopt;
  }
  Guid g;
  std::size_t pos = 0;
  std::uint32_t v2 = 0;
  std::uint32_t v3 = 0;
  bool ok = readHex(text, pos, 8, g.data1) && expect(text, pos, '-') && readHex(text, pos, 4, v2) &&
            expect(text, pos, '-') && readHex(text, pos, 4, v3) && expect(text, pos, '-');
  for (std::size_t i = 0; ok && i < 8; ++i) {
    if (i == 2) {
      ok = expect(text, pos, '-');
    }
    std::uint32_t byte = 0;
    ok = ok && readHex(text, pos, 2, byte);
    g.data4[i] = static_cast<std::uint8_t>(byte);
  }
  if (!ok) {
    return std::nullopt;
  }
  g.data2 = static_cast<std::uint16_t>(v2);
  g.data3 = static_cast<std::uint16_t>(v3);
  return g;
}

}  // namespace qp
