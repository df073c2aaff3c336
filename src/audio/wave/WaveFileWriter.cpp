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
  pending_.clear();
  if (!sink_->create(path)) {
    return false;
  }
  std::fill_n(header_, kHeaderBytes, 0);
  std::copy_n("RIFF", 4, header_);  // chunk tags carry no NUL
  std::copy_n("WAVEfmt ", 8, header_ + 8);
  putLe32(header_ + 16, WaveFormat::kRecordBytes);
  const auto record = format_.toBytes();
  std::memcpy(header_ + 20, record.data(), record.size());
  std::copy_n("data", 4, header_ + 38);
  open_ = true;
  if (sink_->append(header_, kHeaderBytes) != kHeaderBytes) {
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
  dataBytes_ += count;
  sinceUpdate_ += count;
  std::uint32_t refused = store(data, count);
  if (refused == 0 && sinceUpdate_ >= std::max<std::uint32_t>(format_.nAvgBytesPerSec, 1)) {
    refused = drain();
    if (refused == 0 && !updateSizes(0, false)) {
      failed_ = true;
    }
  }
  if (refused != 0) {
    const std::uint32_t dropped = settleRefusal(refused);
    return count > dropped ? count - dropped : 0;
  }
  return count;
}

std::uint32_t WaveFileWriter::store(const std::uint8_t* data, std::uint32_t count) {
  if (!buffered_ || (pending_.empty() && count >= kBufferBytes)) {
    return count - static_cast<std::uint32_t>(sink_->append(data, count));
  }
  pending_.insert(pending_.end(), data, data + count);
  return pending_.size() >= kBufferBytes ? drain() : 0;
}

std::uint32_t WaveFileWriter::drain() {
  if (pending_.empty()) {
    return 0;
  }
  const std::size_t taken = sink_->append(pending_.data(), pending_.size());
  const auto refused = static_cast<std::uint32_t>(pending_.size() - taken);
  pending_.clear();
  return refused;
}

std::uint32_t WaveFileWriter::settleRefusal(std::uint32_t refused) {
  failed_ = true;
  dataBytes_ -= refused;
  const std::uint32_t cut = dropPartialFrame();
  updateSizes(0, false);
  return refused + cut;
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

bool WaveFileWriter::updateSizes(std::uint32_t padBytes, bool waitForDisk) {
  sinceUpdate_ = 0;
  putLe32(header_ + kRiffSizeOffset, kRiffOverhead + dataBytes_ + padBytes);
  putLe32(header_ + kDataSizeOffset, dataBytes_);
  // One positioned write covers both fields; appends keep their own offsets.
  const bool ok =
      sink_->overwrite(kRiffSizeOffset, header_ + kRiffSizeOffset, kHeaderBytes - kRiffSizeOffset);
  if (!durable_) {
    return sink_->flush(false) && ok;
  }
  return (waitForDisk ? sink_->flush(true) : sink_->syncInBackground()) && ok;
}

bool WaveFileWriter::close() {
  if (!open_) {
    return true;
  }
  open_ = false;
  if (!failed_) {
    const std::uint32_t refused = drain();
    if (refused != 0) {
      settleRefusal(refused);
    }
  }
  pending_.clear();
  bool ok = !failed_;
  std::uint32_t pad = 0;
  if ((dataBytes_ & 1u) != 0) {
    const std::uint8_t zero = 0;
    pad = sink_->append(&zero, 1) == 1 ? 1 : 0;
    ok = ok && pad == 1;
  }
  ok = updateSizes(pad, true) && ok;
  ok = sink_->close() && ok;
  return ok;
}

}  // namespace qp
