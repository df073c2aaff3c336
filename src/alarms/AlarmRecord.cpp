#include "alarms/AlarmRecord.h"

#include <algorithm>
#include <cstring>

#include "alarms/LocalTime.h"
#include "common/LittleEndian.h"

namespace qp {
namespace {

// Byte offsets in the current record; a legacy record holds the fields from kAtSchedule on
// kLegacyShift bytes earlier.
constexpr std::size_t kAtHour = 0;
constexpr std::size_t kAtMinute = 4;
constexpr std::size_t kAtSecond = 8;
constexpr std::size_t kAtSchedule = 12;
constexpr std::size_t kAtPlayOnDate = 16;
constexpr std::size_t kAtEraseAfterPlaying = 20;
constexpr std::size_t kAtWeekdays = 24;
constexpr std::size_t kAtMonthlyMode = 52;
constexpr std::size_t kAtDayOfMonth = 56;
constexpr std::size_t kAtOrdinal = 60;
constexpr std::size_t kAtWeekday = 64;
constexpr std::size_t kAtMonths = 68;
constexpr std::size_t kAtPlayTone = 116;
constexpr std::size_t kAtShowPopup = 120;
constexpr std::size_t kAtReplay = 124;
constexpr std::size_t kAtReplayMinutes = 128;
constexpr std::size_t kAtMessage = 132;
constexpr std::size_t kAtState = 232;
constexpr std::size_t kAtSnoozeUntil = 236;
constexpr std::size_t kAtNextTime = 240;
constexpr std::size_t kLegacyShift = 8;

using Bytes = std::array<std::uint8_t, AlarmRecord::kSize>;

std::int32_t getI32(const Bytes& b, std::size_t at) {
  return static_cast<std::int32_t>(getLe32(b.data() + at));
}

void putI32(Bytes& b, std::size_t at, std::int32_t value) {
  putLe32(b.data() + at, static_cast<std::uint32_t>(value));
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

// Every field from offset kAtSchedule on, read from the current layout in b.
AlarmRecord fieldsFrom(const Bytes& b) {
  AlarmRecord r;
  r.hour = getI32(b, kAtHour);
  r.minute = getI32(b, kAtMinute);
  r.second = getI32(b, kAtSecond);
  r.schedule = getI32(b, kAtSchedule);
  r.playOnDate = getI32(b, kAtPlayOnDate);
  r.eraseAfterPlaying = getI32(b, kAtEraseAfterPlaying);
  for (std::size_t i = 0; i < r.weekdays.size(); ++i) {
    r.weekdays[i] = getI32(b, kAtWeekdays + 4 * i);
  }
  r.monthlyMode = getI32(b, kAtMonthlyMode);
  r.dayOfMonth = getI32(b, kAtDayOfMonth);
  r.ordinal = getI32(b, kAtOrdinal);
  r.weekday = getI32(b, kAtWeekday);
  for (std::size_t i = 0; i < r.months.size(); ++i) {
    r.months[i] = getI32(b, kAtMonths + 4 * i);
  }
  r.playTone = getI32(b, kAtPlayTone);
  r.showPopup = getI32(b, kAtShowPopup);
  r.replay = getI32(b, kAtReplay);
  r.replayMinutes = getI32(b, kAtReplayMinutes);
  // Whatever the file holds, the message ends at the first NUL or after 99 bytes.
  const char* text = reinterpret_cast<const char*>(b.data() + kAtMessage);
  r.message.assign(text, strnlen(text, AlarmRecord::kMaxMessageLength));
  r.state = static_cast<AlarmState>(getI32(b, kAtState));
  r.snoozeUntil = getI32(b, kAtSnoozeUntil);
  r.nextTime = getI32(b, kAtNextTime);
  return r;
}

}  // namespace

void AlarmRecord::setMessage(std::string_view text) {
  text = text.substr(0, std::min(text.find('\0'), text.size()));
  message.assign(text.substr(0, utf8Prefix(text, kMaxMessageLength)));
}

std::array<std::uint8_t, AlarmRecord::kSize> AlarmRecord::toBytes() const {
  Bytes b{};
  putI32(b, kAtHour, hour);
  putI32(b, kAtMinute, minute);
  putI32(b, kAtSecond, second);
  putI32(b, kAtSchedule, schedule);
  putI32(b, kAtPlayOnDate, playOnDate);
  putI32(b, kAtEraseAfterPlaying, eraseAfterPlaying);
  for (std::size_t i = 0; i < weekdays.size(); ++i) {
    putI32(b, kAtWeekdays + 4 * i, weekdays[i]);
  }
  putI32(b, kAtMonthlyMode, monthlyMode);
  putI32(b, kAtDayOfMonth, dayOfMonth);
  putI32(b, kAtOrdinal, ordinal);
  putI32(b, kAtWeekday, weekday);
  for (std::size_t i = 0; i < months.size(); ++i) {
    putI32(b, kAtMonths + 4 * i, months[i]);
  }
  putI32(b, kAtPlayTone, playTone);
  putI32(b, kAtShowPopup, showPopup);
  putI32(b, kAtReplay, replay);
  putI32(b, kAtReplayMinutes, replayMinutes);
  const std::size_t n = std::min(strnlen(message.data(), message.size()), kMaxMessageLength);
  std::memcpy(b.data() + kAtMessage, message.data(), n);
  putI32(b, kAtState, static_cast<std::int32_t>(state));
  putI32(b, kAtSnoozeUntil, snoozeUntil);
  putI32(b, kAtNextTime, nextTime);
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
  std::copy(bytes.begin() + (kAtSchedule - kLegacyShift), bytes.end(), b.begin() + kAtSchedule);
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
