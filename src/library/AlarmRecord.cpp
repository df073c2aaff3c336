#include "library/AlarmRecord.h"

#include <algorithm>
#include <cstring>

#include "library/LocalTime.h"

namespace qp {
namespace {

// Byte offsets in the current record; a legacy record holds the fields from kSchedule on
// kLegacyShift bytes earlier.
constexpr std::size_t kHour = 0;
constexpr std::size_t kMinute = 4;
constexpr std::size_t kSecond = 8;
constexpr std::size_t kSchedule = 12;
constexpr std::size_t kPlayOnDate = 16;
constexpr std::size_t kEraseAfterPlaying = 20;
constexpr std::size_t kWeekdays = 24;
constexpr std::size_t kMonthlyMode = 52;
constexpr std::size_t kDayOfMonth = 56;
constexpr std::size_t kOrdinal = 60;
constexpr std::size_t kWeekday = 64;
constexpr std::size_t kMonths = 68;
constexpr std::size_t kPlayTone = 116;
constexpr std::size_t kShowPopup = 120;
constexpr std::size_t kReplay = 124;
constexpr std::size_t kReplayMinutes = 128;
constexpr std::size_t kMessage = 132;
constexpr std::size_t kState = 232;
constexpr std::size_t kSnoozeUntil = 236;
constexpr std::size_t kNextTime = 240;
constexpr std::size_t kLegacyShift = 8;

using Bytes = std::array<std::uint8_t, AlarmRecord::kSize>;

std::int32_t getI32(const Bytes& b, std::size_t at) {
  const std::uint32_t v =
      static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
      (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
  return static_cast<std::int32_t>(v);
}

void putI32(Bytes& b, std::size_t at, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) {
    b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
}

// Length of the longest prefix of text, at most limit bytes, that ends on a UTF-8 boundary.
std::size_t utf8Prefix(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) {
    return text.size();
  }
  std::size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) {
    --n;
  }
  return n;
}

// Every field from offset kSchedule on, read from the current layout in b.
AlarmRecord fieldsFrom(const Bytes& b) {
  AlarmRecord r;
  r.hour = getI32(b, kHour);
  r.minute = getI32(b, kMinute);
  r.second = getI32(b, kSecond);
  r.schedule = getI32(b, kSchedule);
  r.playOnDate = getI32(b, kPlayOnDate);
  r.eraseAfterPlaying = getI32(b, kEraseAfterPlaying);
  for (std::size_t i = 0; i < r.weekdays.size(); ++i) {
    r.weekdays[i] = getI32(b, kWeekdays + 4 * i);
  }
  r.monthlyMode = getI32(b, kMonthlyMode);
  r.dayOfMonth = getI32(b, kDayOfMonth);
  r.ordinal = getI32(b, kOrdinal);
  r.weekday = getI32(b, kWeekday);
  for (std::size_t i = 0; i < r.months.size(); ++i) {
    r.months[i] = getI32(b, kMonths + 4 * i);
  }
  r.playTone = getI32(b, kPlayTone);
  r.showPopup = getI32(b, kShowPopup);
  r.replay = getI32(b, kReplay);
  r.replayMinutes = getI32(b, kReplayMinutes);
  // Whatever the file holds, the message ends at the first NUL or after 99 bytes.
  const char* text = reinterpret_cast<const char*>(b.data() + kMessage);
  r.message.assign(text, strnlen(text, AlarmRecord::kMaxMessageLength));
  r.state = static_cast<AlarmState>(getI32(b, kState));
  r.snoozeUntil = getI32(b, kSnoozeUntil);
  r.nextTime = getI32(b, kNextTime);
  return r;
}

}  // namespace

void AlarmRecord::setMessage(std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  message.assign(text.substr(0, utf8Prefix(text, kMaxMessageLength)));
}

std::array<std::uint8_t, AlarmRecord::kSize> AlarmRecord::toBytes() const {
  Bytes b{};
  putI32(b, kHour, hour);
  putI32(b, kMinute, minute);
  putI32(b, kSecond, second);
  putI32(b, kSchedule, schedule);
  putI32(b, kPlayOnDate, playOnDate);
  putI32(b, kEraseAfterPlaying, eraseAfterPlaying);
  for (std::size_t i = 0; i < weekdays.size(); ++i) {
    putI32(b, kWeekdays + 4 * i, weekdays[i]);
  }
  putI32(b, kMonthlyMode, monthlyMode);
  putI32(b, kDayOfMonth, dayOfMonth);
  putI32(b, kOrdinal, ordinal);
  putI32(b, kWeekday, weekday);
  for (std::size_t i = 0; i < months.size(); ++i) {
    putI32(b, kMonths + 4 * i, months[i]);
  }
  putI32(b, kPlayTone, playTone);
  putI32(b, kShowPopup, showPopup);
  putI32(b, kReplay, replay);
  putI32(b, kReplayMinutes, replayMinutes);
  const std::size_t n = std::min(strnlen(message.data(), message.size()), kMaxMessageLength);
  std::memcpy(b.data() + kMessage, message.data(), n);
  putI32(b, kState, static_cast<std::int32_t>(state));
  putI32(b, kSnoozeUntil, snoozeUntil);
  putI32(b, kNextTime, nextTime);
  return b;
}

std::optional<AlarmRecord> AlarmRecord::fromBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kMinimumSize) {
    return std::nullopt;
  }
  Bytes b{};
  std::copy_n(bytes.begin(), std::min(bytes.size(), kSize), b.begin());
  return fieldsFrom(b);
}

std::optional<AlarmRecord> AlarmRecord::fromLegacyBytes(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kLegacySize && bytes.size() != kShortLegacySize) {
    return std::nullopt;
  }
  Bytes b{};
  std::copy(bytes.begin() + (kSchedule - kLegacyShift), bytes.end(), b.begin() + kSchedule);
  Bytes lead{};
  std::copy_n(bytes.begin(), 4, lead.begin());
  const LocalDateTime t = LocalTime::fromTime(getI32(lead, 0));
  AlarmRecord r = fieldsFrom(b);
  r.hour = t.hour;
  r.minute = t.minute;
  r.second = t.second;
  return r;
}

}  // namespace qp
