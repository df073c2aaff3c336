#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/wave/OutputFile.h"
#include "audio/wave/WaveFormat.h"

namespace qp {

// Creates a note file (RIFF/WAVE with an 18-byte "fmt " chunk and one "data" chunk) and
// appends sample bytes to it. Both size fields are rewritten after every second of audio or
// less, so a crash costs at most the last second of sound. A failed write is reported by a
// short count and failed(); the file is then cut back to the whole sample frames it holds and
// the size fields say exactly that, and later writes take nothing. The size fields are
// rewritten in place (one positioned write of the header's last 42 bytes); the wait for the
// disk runs on the sink's helper thread, except at close. Not thread-safe.
class WaveFileWriter {
 public:
  // Largest number of sample bytes a note may hold: the RIFF size field is 32 bits.
  static constexpr std::uint32_t kMaxDataBytes = 0xFFFFFF00u;
  static constexpr std::uint32_t kHeaderBytes = 46;
  // Bytes gathered before they go to the sink when buffered (setBuffered).
  static constexpr std::uint32_t kBufferBytes = 1u << 16;

  WaveFileWriter();
  // Writes through the given sink instead of a file on disk (tests).
  explicit WaveFileWriter(std::unique_ptr<OutputFile> sink);
  ~WaveFileWriter();
  WaveFileWriter(const WaveFileWriter&) = delete;
  WaveFileWriter& operator=(const WaveFileWriter&) = delete;

  // Creates (or truncates) the file and writes the header; false when it cannot be created.
  bool open(const std::string& path, const WaveFormat& format);
  // Appends sample bytes; returns how many were written. Short when the disk refused bytes
  // (failed() becomes true; a partial frame it left is removed and not counted) or the note
  // reached kMaxDataBytes (full() becomes true). When an earlier write ended inside a frame
  // and the disk then refuses the rest of it, the bytes cut were counted by that earlier
  // write: after a failure the sum of the counts may exceed dataBytes() by less than a frame,
  // and dataBytes() is what the file holds.
  std::uint32_t write(const void* buffer, std::uint32_t count);
  // Pads an odd data chunk, writes the final sizes and closes; safe to call twice. False if
  // anything failed since open.
  bool close();

  // When set (the default), size updates also wait for the data to reach the disk, so that a
  // power loss keeps all but the last second. Copies of existing notes may turn it off.
  void setDurable(bool durable) { durable_ = durable; }
  // When set, writes are gathered into pieces of kBufferBytes (always handed on before the
  // size fields are rewritten and at close), for copies that write many small blocks. A
  // refused byte then shows in a later write's count or only in close(); the counts returned
  // before may include bytes that never reached the disk, but the file still ends with whole
  // frames that its size fields describe exactly. Set it before the first write.
  void setBuffered(bool buffered) { buffered_ = buffered; }
  bool isOpen() const { return open_; }
  bool failed() const { return failed_; }
  bool full() const { return dataBytes_ >= kMaxDataBytes; }
  std::uint32_t dataBytes() const { return dataBytes_; }
  const std::string& path() const { return path_; }
  const WaveFormat& format() const { return format_; }

 private:
  std::uint32_t writePiece(const std::uint8_t* data, std::uint32_t count);
  // Hands the bytes to the sink (or the buffer); returns how many bytes already counted in
  // dataBytes_ the sink refused.
  std::uint32_t store(const std::uint8_t* data, std::uint32_t count);
  // Hands the gathered bytes to the sink; returns how many it refused.
  std::uint32_t drain();
  // After refused bytes: forgets them, cuts a partial frame, writes the sizes; returns the
  // bytes dropped in all.
  std::uint32_t settleRefusal(std::uint32_t refused);
  // After a refused write: cuts a partial sample frame off the file; returns the bytes cut.
  std::uint32_t dropPartialFrame();
  // Rewrites both size fields; waitForDisk syncs on this thread, else (durable) in background.
  bool updateSizes(std::uint32_t padBytes, bool waitForDisk);

  std::unique_ptr<OutputFile> sink_;
  std::uint8_t header_[kHeaderBytes] = {};
  std::vector<std::uint8_t> pending_;  // gathered bytes, when buffered
  std::string path_;
  WaveFormat format_;
  std::uint32_t dataBytes_ = 0;
  std::uint32_t sinceUpdate_ = 0;
  bool open_ = false;
  bool failed_ = false;
  bool durable_ = true;
  bool buffered_ = false;
};

}  // namespace qp
