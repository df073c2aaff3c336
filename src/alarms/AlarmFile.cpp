#include "alarms/AlarmFile.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "alarms/AlarmRecurrence.h"

namespace qp {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// Up to AlarmRecord::kSize bytes of the file; nothing when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> readHead(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    return std::nullopt;
  }
  FileHandle f(std::fopen(path.c_str(), "rb"));
  if (!f) {
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes(AlarmRecord::kSize);
  const std::size_t n = std::fread(bytes.data(), 1, bytes.size(), f.get());
  if (std::ferror(f.get())) {
    return std::nullopt;
  }
  bytes.resize(n);
  return bytes;
}

}  // namespace

std::string AlarmFile::pathForNote(std::string_view notePath) {
  std::string path(notePath.substr(0, notePath.size() >= 3 ? notePath.size() - 3 : 0));
  return path + "alm";
}

std::optional<AlarmRecord> AlarmFile::load(const std::string& alarmPath, std::int64_t now) {
  const std::optional<std::vector<std::uint8_t>> bytes = readHead(alarmPath);
  if (!bytes) {
    return std::nullopt;
  }
  if (std::optional<AlarmRecord> record = AlarmRecord::fromBytes(*bytes)) {
    if (AlarmRecurrence::updateState(*record, now)) {
      save(alarmPath, *record);
    }
    return record;
  }
  if (std::optional<AlarmRecord> record = AlarmRecord::fromLegacyBytes(*bytes)) {
    AlarmRecurrence::updateState(*record, now);
    save(alarmPath, *record);
    return record;
  }
  return std::nullopt;
}

bool AlarmFile::save(const std::string& alarmPath, const AlarmRecord& record) {
  FileHandle f(std::fopen(alarmPath.c_str(), "wb"));
  if (!f) {
    return false;
  }
  const std::array<std::uint8_t, AlarmRecord::kSize> bytes = record.toBytes();
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
  return std::fclose(f.release()) == 0 && written;
}

bool AlarmFile::remove(const std::string& alarmPath) {
  std::error_code ec;
  std::filesystem::remove(alarmPath, ec);
  return !ec;
}

}  // namespace qp
