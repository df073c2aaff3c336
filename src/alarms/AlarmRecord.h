#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "alarms/AlarmState.h"

namespace qp {

// The alarm of one note, kept in a 244-byte file beside the note. Every integer is a signed
// 32-bit little-endian value; times count seconds from the Unix epoch, and dates and times of
// day are derived from them in local time. Older files hold a 232- or 236-byte legacy record that
// begins with one time value instead of hour, minute and second.
struct AlarmRecord {
  enum Schedule : std::int32_t { kOneTime = 0, kWeekly = 1, kMonthly = 2 };
  enum MonthlyMode : std::int32_t { kDayOfMonth = 0, kNthWeekday = 1 };

  static constexpr std::size_t kSize = 244;
  static constexpr std::size_t kLegacySize = 236;       // legacy record with nextTime
  static constexpr std::size_t kShortLegacySize = 232;  // legacy record without nextTime
  static constexpr std::size_t kMinimumSize = 240;      // shortest length read as current
  static constexpr std::size_t kMessageBytes = 100;     // NUL-terminated field
  static constexpr std::size_t kMaxMessageLength = 99;

  std::int32_t hour = 0;  // 0 to 23
  std::int32_t minute = 0;
  std::int32_t second = 0;
  std::int32_t schedule = kOneTime;
  std::int32_t playOnDate = 0;  // a one-time alarm fires on this time's local date
  std::int32_t eraseAfterPlaying = 0;
  std::array<std::int32_t, 7> weekdays{};  // Sunday first; non-zero: fires that day
  std::int32_t monthlyMode = kDayOfMonth;
  std::int32_t dayOfMonth = 1;            // 1 to 31
  std::int32_t ordinal = 0;               // 0 First ... 3 Fourth, 4 Last
  std::int32_t weekday = 0;               // 0 Sunday ... 6 Saturday
  std::array<std::int32_t, 12> months{};  // January first; non-zero: fires that month
  std::int32_t playTone = 0;
  std::int32_t showPopup = 0;
  std::int32_t replay = 0;
  std::int32_t replayMinutes = 1;  // 1 to 60
  std::string message;             // at most kMaxMessageLength bytes, no NUL
  AlarmState state = AlarmState::Inactive;
  std::int32_t snoozeUntil = 0;
  std::int32_t nextTime = 0;  // 0: no occurrence

  // Keeps at most the first 99 bytes of text (up to a NUL), never splitting a UTF-8 sequence.
  void setMessage(std::string_view text);

  // The 244 bytes of the file; the message field is zero-padded.
  std::array<std::uint8_t, kSize> toBytes() const;

  // A current record from 240 to 244 bytes (missing trailing bytes read as 0) or more (only
  // the first 244 count). Nothing for a shorter input.
  static std::optional<AlarmRecord> fromBytes(std::span<const std::uint8_t> bytes);
  // A legacy record of exactly 232 or 236 bytes; hour, minute and second are the local time
  // of day of its leading time value. Nothing for any other length.
  static std::optional<AlarmRecord> fromLegacyBytes(std::span<const std::uint8_t> bytes);

  bool operator==(const AlarmRecord&) const = default;
};

}  // namespace qp
