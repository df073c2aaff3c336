// Writes a note with WaveFileWriter and reads it back with WaveFileReader. The input chooses
// the format (8- or 16-bit, mono or stereo, any rate of a note), the sizes of the writes, a
// point after which the disk refuses bytes (as a full disk does, possibly in the middle of a
// sample frame) and the sample bytes. The file read back must have the format written and
// exactly the bytes the writer holds (dataBytes), which are the bytes it reported as written
// unless a write was refused; then they are whole frames, the size fields describe the file
// exactly, and the reported counts exceed them by less than a frame (a partial frame that an
// earlier write completed only in part is cut).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzScratchFile.h"
#include "audio/wave/OutputFile.h"
#include "audio/wave/WaveFileReader.h"
#include "audio/wave/WaveFileWriter.h"
#include "common/LittleEndian.h"

namespace {

// A file on disk that takes only a number of bytes in all, as a disk that fills up.
class FillingDisk final : public qp::OutputFile {
 public:
  explicit FillingDisk(std::uint64_t room) : room_(room) {}
  bool create(const std::string& path) override { return file_.create(path); }
  std::size_t append(const void* data, std::size_t count) override {
    const auto allowed = static_cast<std::size_t>(std::min<std::uint64_t>(count, room_ - taken_));
    const std::size_t n = file_.append(data, allowed);
    taken_ += n;
    return n;
  }
  bool overwrite(std::uint64_t offset, const void* data, std::size_t count) override {
    return file_.overwrite(offset, data, count);
  }
  bool truncate(std::uint64_t size) override {
    taken_ = std::min(taken_, size);
    return file_.truncate(size);
  }
  bool flush(bool durable) override { return file_.flush(durable); }
  bool close() override { return file_.close(); }

 private:
  qp::DiskOutputFile file_;
  std::uint64_t room_;
  std::uint64_t taken_ = 0;
};

struct Plan {
  qp::WaveFormat format;
  std::uint64_t room = UINT64_MAX;  // bytes the disk takes, header included
  std::vector<std::uint32_t> pieces;
  std::vector<std::uint8_t> samples;
};

// Input: 1 byte of format choices, 4 bytes of rate, 2 bytes of room (0: no limit), 1 byte of
// piece count, 2 bytes per piece size, then the samples.
bool planFrom(const std::uint8_t* data, std::size_t size, Plan& plan) {
  if (size < 8) {
    return false;
  }
  const std::uint16_t channels = 1 + (data[0] & 1);
  const std::uint16_t bits = (data[0] & 2) != 0 ? 16 : 8;
  const std::uint32_t span = qp::WaveFormat::kMaxNoteRate - qp::WaveFormat::kMinNoteRate + 1;
  const std::uint32_t rate = qp::WaveFormat::kMinNoteRate + qp::getLe32(data + 1) % span;
  plan.format = qp::WaveFormat::pcm(channels, rate, bits);
  const std::uint16_t room = qp::getLe16(data + 5);
  if (room != 0) {
    plan.room = room;
  }
  std::size_t at = 8;
  for (int i = 0; i < data[7] % 8 && at + 2 <= size; ++i, at += 2) {
    plan.pieces.push_back(qp::getLe16(data + at));
  }
  plan.samples.assign(data + at, data + size);
  return true;
}

struct Written {
  std::uint32_t reported = 0;  // sum of the counts write() returned
  std::uint32_t held = 0;      // dataBytes() before the close
  bool failed = false;
};

// Writes the samples piece by piece (the rest in one write).
Written writeNote(const std::string& path, const Plan& plan) {
  qp::WaveFileWriter writer(std::make_unique<FillingDisk>(plan.room));
  writer.setDurable(false);
  if (!writer.open(path, plan.format)) {
    __builtin_trap();
  }
  Written written;
  std::size_t offset = 0;
  for (std::size_t i = 0; offset < plan.samples.size(); ++i) {
    const std::size_t want = i < plan.pieces.size() ? plan.pieces[i] : plan.samples.size();
    const auto n = static_cast<std::uint32_t>(std::min(want, plan.samples.size() - offset));
    const std::uint32_t got = writer.write(plan.samples.data() + offset, n);
    written.reported += got;
    offset += n;
    if (got != n && !writer.failed()) {
      __builtin_trap();  // short only on a refused write
    }
  }
  written.failed = writer.failed();
  written.held = writer.dataBytes();
  // A close after a refused write fails; one without may fail too when the pad byte of odd
  // data finds the disk full.
  if (writer.close() && written.failed) {
    __builtin_trap();
  }
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Plan plan;
  if (!planFrom(data, size, plan)) {
    return 0;
  }
  static const std::string path = qp::fuzz::scratchPath("round-trip") + ".wav";
  const Written written = writeNote(path, plan);
  qp::WaveFileReader reader;
  if (plan.room < qp::WaveFileWriter::kHeaderBytes) {
    std::remove(path.c_str());
    return 0;  // not even the header reached the disk
  }
  if (!reader.open(path) || !(reader.format() == plan.format) ||
      reader.format().isNote() != (plan.format.wBitsPerSample == 16)) {
    __builtin_trap();
  }
  std::vector<std::uint8_t> back(reader.dataSize());
  if (reader.dataSize() != written.held ||
      reader.read(back.data(), reader.dataSize()) != written.held ||
      !std::equal(back.begin(), back.end(), plan.samples.begin())) {
    __builtin_trap();
  }
  const bool exact = written.reported == written.held;
  const bool cutAfterFailure = written.failed && written.reported > written.held &&
                               written.reported - written.held < plan.format.nBlockAlign;
  if (!(exact || cutAfterFailure) ||
      (written.failed && written.held % plan.format.nBlockAlign != 0)) {
    __builtin_trap();
  }
  reader.close();
  std::remove(path.c_str());
  return 0;
}
