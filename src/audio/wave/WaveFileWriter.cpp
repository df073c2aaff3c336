#include "audio/wave/WaveFileWriter.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/LittleEndian.h"

namespace qp {
namespace {

constexpr std::uint32_t kRiffSizeOffset = 4;
constexpr std::uint32_t kDataSizeOffset = 42;
// Everything after the RIFF size field except the samples: "WAVE", the fmt chunk, the data
// chunk header.
constexpr std::uint32_t kRiffOverhead = 4 + 8 + WaveFormat::kRecordBytes + 8;

}  // namespace

WaveFileWriter::WaveFileWriter() : sink_(std::make_unique<DiskOutputFile>()) {}

WaveFileWriter::WaveFileWriter(std::unique_ptr<OutputFile> sink) : sink_(std::move(sink)) {}

WaveFileWriter::~WaveFileWriter() {
  close();
}

bool WaveFileWriter::open(const std::string& path, const WaveFormat& format) {
  close();
  path_ = path;
  format_.copy(format);
  dataBytes_ = 0;
  sinceUpdate_ = 0;
  failed_ = false;
  if (!sink_->create(path)) {
    return false;
  }
  std::uint8_t header[kHeaderBytes] = {};
  std::copy_n("RIFF", 4, header);  // chunk tags carry no NUL
  std::copy_n("WAVEfmt ", 8, header + 8);
  putLe32(header + 16, WaveFormat::kRecordBytes);
  const auto record = format_.toBytes();
  std::memcpy(header + 20, record.data(), record.size());
  std::copy_n("data", 4, header + 38);
  open_ = true;
  if (sink_->append(header, sizeof header) != sizeof header) {
    failed_ = true;
  }
  return true;
}

std::uint32_t WaveFileWriter::write(const void* buffer, std::uint32_t count) {
  if (!open_ || failed_) {
    return 0;
  }
  count = std::min(count, kMaxDataBytes - dataBytes_);
  // Pieces of at most one second keep the size fields current within a large write too.
  const std::uint32_t second = std::max<std::uint32_t>(format_.nAvgBytesPerSec, 1);
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  std::uint32_t written = 0;
  while (written < count && !failed_) {
    const std::uint32_t piece = std::min(count - written, second - sinceUpdate_);
    written += writePiece(bytes + written, piece);
  }
  return written;
}

std::uint32_t WaveFileWriter::writePiece(const std::uint8_t* data, std::uint32_t count) {
  const auto taken = static_cast<std::uint32_t>(sink_->append(data, count));
  dataBytes_ += taken;
  sinceUpdate_ += taken;
  if (taken != count) {
    failed_ = true;
    const std::uint32_t cut = dropPartialFrame();
    updateSizes(0);
    return taken > cut ? taken - cut : 0;
  }
  if (sinceUpdate_ >= std::max<std::uint32_t>(format_.nAvgBytesPerSec, 1)) {
    if (!updateSizes(0)) {
      failed_ = true;
    }
  }
  return taken;
}

std::uint32_t WaveFileWriter::dropPartialFrame() {
  const std::uint32_t frame = std::max<std::uint32_t>(format_.nBlockAlign, 1);
  const std::uint32_t cut = dataBytes_ % frame;
  if (cut == 0 || !sink_->truncate(std::uint64_t{kHeaderBytes} + dataBytes_ - cut)) {
    return 0;
  }
  dataBytes_ -= cut;
  return cut;
}

bool WaveFileWriter::updateSizes(std::uint32_t padBytes) {
  sinceUpdate_ = 0;
  std::uint8_t field[4];
  putLe32(field, kRiffOverhead + dataBytes_ + padBytes);
  bool ok = sink_->flush(false);
  ok = sink_->overwrite(kRiffSizeOffset, field, 4) && ok;
  putLe32(field, dataBytes_);
  ok = sink_->overwrite(kDataSizeOffset, field, 4) && ok;
  return sink_->flush(durable_) && ok;
}

bool WaveFileWriter::close() {
  if (!open_) {
    return true;
  }
  open_ = false;
  bool ok = !failed_;
  std::uint32_t pad = 0;
  if ((dataBytes_ & 1u) != 0) {
    const std::uint8_t zero = 0;
    pad = sink_->append(&zero, 1) == 1 ? 1 : 0;
    ok = ok && pad == 1;
  }
  ok = updateSizes(pad) && ok;
  ok = sink_->close() && ok;
  return ok;
}

}  // namespace qp
