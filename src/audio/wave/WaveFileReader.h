#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "audio/wave/WaveFormat.h"

namespace qp {

// Opens a RIFF/WAVE file of any format and streams the bytes of its "data" chunk from any
// byte offset; openNote() takes only what the program treats as a note. Only regular files
// are opened: a pipe, device or folder is refused at once, never waited on. Failures never
// throw: the functions return false or 0 and lastError() keeps the MMIOERR_* code of the last
// failure. One reader per opened file; not thread-safe.
class WaveFileReader {
 public:
  // Size of the read buffer: one read system call per 64 KiB of small reads.
  static constexpr std::size_t kReadBufferBytes = std::size_t{1} << 16;

  WaveFileReader() = default;
  ~WaveFileReader();
  WaveFileReader(const WaveFileReader&) = delete;
  WaveFileReader& operator=(const WaveFileReader&) = delete;

  // Opens the file and positions the reader at the start of the sample data. A failed open
  // leaves the reader closed, with lastError() set: MMIOERR_CANNOTOPEN also for anything but
  // a regular file.
  bool open(const std::string& path);
  // Opens like open() and then refuses, with MMIOERR_INVALIDFILE, a file whose format is not
  // a note's (WaveFormat::isNote).
  bool openNote(const std::string& path);
  // Closes the reader and fails with MMIOERR_INVALIDFILE: for a caller that has found the
  // format of the open file unusable after giving its own messages for the cases it names.
  bool refuseFormat();
  // Positions the reader skipBytes into the sample data (the caller passes multiples of the
  // block size). An offset past the data fails with MMIOERR_CANNOTREAD and position 0.
  bool startDataRead(std::uint32_t skipBytes);
  // Copies up to count bytes of sample data and returns how many it copied: 0 once the data
  // is used up, or after a read error (lastError() is then MMIOERR_CANNOTREAD).
  std::uint32_t read(void* buffer, std::uint32_t count);
  // Frees the format and closes the file; safe to call any number of times.
  void close();

  bool isOpen() const { return file_ != nullptr; }
  // The first 18 bytes of the format record (cbSize as read), and any extra format bytes.
  const WaveFormat& format() const { return format_; }
  const std::vector<std::uint8_t>& extraFormatBytes() const { return extra_; }
  // Sample bytes of the data chunk; a size field of 0 or one running past the end of the file
  // is replaced by the whole sample frames actually present.
  std::uint32_t dataSize() const { return dataSize_; }
  std::uint32_t position() const { return position_; }
  std::uint32_t remaining() const { return remaining_; }
  int lastError() const { return error_; }
  const std::string& path() const { return path_; }

 private:
  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  struct Chunk {
    char id[4] = {};
    std::uint32_t size = 0;
    std::uint64_t dataOffset = 0;
  };

  bool fail(int error);
  // Opens path for reading only when it is a regular file, without waiting on a pipe.
  bool openRegularFile(const std::string& path);
  bool readExact(void* buffer, std::size_t count);
  bool seekTo(std::uint64_t offset);
  bool findChunk(const char* id, Chunk& chunk);
  bool readRiffHeader();
  bool readFormat();
  std::uint32_t presentDataBytes(const Chunk& data) const;

  // The stream's buffer (kReadBufferBytes): declared before file_ so it outlives the stream.
  std::unique_ptr<char[]> streamBuffer_;
  std::unique_ptr<std::FILE, FileCloser> file_;
  std::string path_;
  std::uint64_t fileSize_ = 0;
  std::uint64_t riffEnd_ = 0;
  WaveFormat format_;
  std::vector<std::uint8_t> extra_;
  std::uint32_t dataSize_ = 0;
  std::uint32_t remaining_ = 0;
  std::uint32_t position_ = 0;
  int error_ = 0;
};

}  // namespace qp
