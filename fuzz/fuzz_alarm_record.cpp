// Feeds arbitrary bytes to every reader of the alarm record: as a record of any length
// (current and legacy layouts), as the alarm template in the settings, and as an alarm file
// beside a note that is loaded and brought up to date for a time taken from the input. A record
// that was read must come back unchanged through its own bytes, with a message of at most 99
// bytes and no NUL; nothing may crash or overflow.
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "FuzzScratchFile.h"
#include "alarms/AlarmFile.h"
#include "alarms/AlarmRecord.h"
#include "alarms/AlarmTemplate.h"
#include "common/MemorySettingsStore.h"

namespace {

void checkRecord(const qp::AlarmRecord& record) {
  if (record.message.size() > qp::AlarmRecord::kMaxMessageLength ||
      record.message.find('\0') != std::string::npos) {
    __builtin_trap();
  }
  const auto bytes = record.toBytes();
  const auto again = qp::AlarmRecord::fromBytes(bytes);
  if (!again || !(*again == record)) {
    __builtin_trap();
  }
}

// A time for the state update from the input's last bytes, within the years 1902 to 2038 that
// the record's 32-bit fields can name.
std::int64_t timeFrom(std::span<const std::uint8_t> bytes) {
  std::int32_t t = 0;
  if (bytes.size() >= 4) {
    std::memcpy(&t, bytes.data() + bytes.size() - 4, 4);
  }
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  if (const auto record = qp::AlarmRecord::fromBytes(bytes)) {
    checkRecord(*record);
  }
  if (const auto record = qp::AlarmRecord::fromLegacyBytes(bytes)) {
    checkRecord(*record);
  }
  const std::int64_t now = timeFrom(bytes);

  qp::MemorySettingsStore settings;
  settings.writeRecord(qp::AlarmTemplate::kValueName, std::vector<std::uint8_t>(data, data + size));
  if (const auto stored = qp::AlarmTemplate::read(settings)) {
    checkRecord(*stored);
  }
  checkRecord(qp::AlarmTemplate::forNewAlarm(settings, now));

  static const std::string path = qp::fuzz::scratchPath("alarm") + ".alm";
  if (qp::fuzz::writeScratch(path, data, size)) {
    if (const auto loaded = qp::AlarmFile::load(path, now)) {
      checkRecord(*loaded);
    }
    std::remove(path.c_str());
  }
  return 0;
}
