#include "audio/wave/WaveFileReader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "audio/wave/MmioErrors.h"
#include "common/LittleEndian.h"

namespace qp {
namespace {

constexpr std::uint64_t kRiffHeaderBytes = 12;
constexpr std::uint64_t kChunkHeaderBytes = 8;
constexpr std::uint32_t kPcmFieldsBytes = 16;

}  // namespace

WaveFileReader::~WaveFileReader() {
  close();
}

bool WaveFileReader::fail(int error) {
  error_ = error;
  return false;
}

bool WaveFileReader::readExact(void* buffer, std::size_t count) {
  return std::fread(buffer, 1, count, file_.get()) == count;
}

bool WaveFileReader::seekTo(std::uint64_t offset) {
  return std::fseek(file_.get(), static_cast<long>(offset), SEEK_SET) == 0;
}

bool WaveFileReader::openRegularFile(const std::string& path) {
  // Without O_NONBLOCK, opening a pipe would wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return false;
  }
  file_.reset(::fdopen(fd, "rb"));
  if (!file_) {
    ::close(fd);
    return false;
  }
  if (!streamBuffer_) {
    streamBuffer_ = std::make_unique<char[]>(kReadBufferBytes);
  }
  // Not fatal: without it the stream keeps its own smaller buffer.
  std::setvbuf(file_.get(), streamBuffer_.get(), _IOFBF, kReadBufferBytes);
  return true;
}

bool WaveFileReader::open(const std::string& path) {
  close();
  error_ = 0;
  path_ = path;
  if (!openRegularFile(path)) {
    return fail(MMIOERR_CANNOTOPEN);
  }
  bool ok = std::fseek(file_.get(), 0, SEEK_END) == 0;
  const long end = ok ? std::ftell(file_.get()) : -1;
  fileSize_ = end < 0 ? 0 : static_cast<std::uint64_t>(end);
  ok = ok && end >= 0 && seekTo(0) && readRiffHeader() && readFormat() && startDataRead(0);
  if (!ok) {
    const int error = error_ == 0 ? MMIOERR_CANNOTREAD : error_;
    close();
    error_ = error;
    return false;
  }
  return true;
}

bool WaveFileReader::openNote(const std::string& path) {
  return open(path) && (format_.isNote() || refuseFormat());
}

bool WaveFileReader::refuseFormat() {
  close();
  return fail(MMIOERR_INVALIDFILE);
}

bool WaveFileReader::readRiffHeader() {
  std::uint8_t header[kRiffHeaderBytes];
  if (!readExact(header, sizeof header)) {
    return fail(MMIOERR_CHUNKNOTFOUND);
  }
  if (std::memcmp(header, "RIFF", 4) != 0 || std::memcmp(header + 8, "WAVE", 4) != 0) {
    return fail(MMIOERR_INVALIDFILE);
  }
  // A RIFF size of 0 or one past the end of the file comes from an unfinished writer: the
  // chunk then extends to the end of the file.
  const std::uint64_t declaredEnd = std::uint64_t{getLe32(header + 4)} + kChunkHeaderBytes;
  const bool plausible = declaredEnd > kRiffHeaderBytes && declaredEnd <= fileSize_;
  riffEnd_ = plausible ? declaredEnd : fileSize_;
  return true;
}

bool WaveFileReader::findChunk(const char* id, Chunk& chunk) {
  std::uint64_t offset = kRiffHeaderBytes;
  while (offset + kChunkHeaderBytes <= riffEnd_) {
    std::uint8_t header[kChunkHeaderBytes];
    if (!seekTo(offset) || !readExact(header, sizeof header)) {
      return fail(MMIOERR_CHUNKNOTFOUND);
    }
    std::memcpy(chunk.id, header, 4);
    chunk.size = getLe32(header + 4);
    chunk.dataOffset = offset + kChunkHeaderBytes;
    if (std::memcmp(header, id, 4) == 0) {
      return true;
    }
    offset = chunk.dataOffset + chunk.size + (chunk.size & 1u);
  }
  return fail(MMIOERR_CHUNKNOTFOUND);
}

bool WaveFileReader::readFormat() {
  Chunk fmt;
  if (!findChunk("fmt ", fmt)) {
    return false;
  }
  std::uint8_t fields[WaveFormat::kRecordBytes] = {};
  if (fmt.size < kPcmFieldsBytes || !readExact(fields, kPcmFieldsBytes)) {
    return fail(MMIOERR_CANNOTREAD);
  }
  if (getLe16(fields) != WaveFormat::WAVE_FORMAT_PCM && !readExact(fields + 16, 2)) {
    return fail(MMIOERR_CANNOTREAD);
  }
  format_ = WaveFormat::fromBytes(fields);
  try {
    extra_.assign(format_.cbSize, 0);
  } catch (const std::bad_alloc&) {
    return fail(MMIOERR_OUTOFMEMORY);
  }
  if (!extra_.empty() && !readExact(extra_.data(), extra_.size())) {
    return fail(MMIOERR_CANNOTREAD);
  }
  return true;
}

std::uint32_t WaveFileReader::presentDataBytes(const Chunk& data) const {
  const std::uint64_t present = fileSize_ > data.dataOffset ? fileSize_ - data.dataOffset : 0;
  if (data.size != 0 && data.size <= present) {
    return data.size;
  }
  const std::uint64_t frame = std::max<std::uint16_t>(format_.nBlockAlign, 1);
  const std::uint64_t whole = std::min<std::uint64_t>(present, 0xFFFFFFFFu) / frame * frame;
  return static_cast<std::uint32_t>(whole);
}

bool WaveFileReader::startDataRead(std::uint32_t skipBytes) {
  if (!file_) {
    return fail(MMIOERR_CANNOTSEEK);
  }
  if (!seekTo(kRiffHeaderBytes)) {
    return fail(MMIOERR_CANNOTSEEK);
  }
  Chunk data;
  if (!findChunk("data", data)) {
    return false;
  }
  dataSize_ = presentDataBytes(data);
  remaining_ = dataSize_;
  position_ = 0;
  if (skipBytes > remaining_) {
    return fail(MMIOERR_CANNOTREAD);
  }
  if (!seekTo(data.dataOffset + skipBytes)) {
    return fail(MMIOERR_CANNOTREAD);
  }
  position_ = skipBytes;
  remaining_ -= skipBytes;
  return true;
}

std::uint32_t WaveFileReader::read(void* buffer, std::uint32_t count) {
  if (!file_) {
    return 0;
  }
  count = std::min(count, remaining_);
  remaining_ -= count;
  if (count == 0) {
    return 0;
  }
  if (!readExact(buffer, count)) {
    error_ = MMIOERR_CANNOTREAD;
    return 0;
  }
  position_ += count;
  return count;
}

void WaveFileReader::close() {
  file_.reset();
  extra_.clear();
  format_ = WaveFormat{};
  dataSize_ = 0;
  remaining_ = 0;
  position_ = 0;
}

}  // namespace qp
