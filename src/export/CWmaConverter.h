#pragma once

#include <memory>
#include <string>

#include "export/Guid.h"
#include "export/WmaTranscoder.h"

namespace qp {

// Converts between wave and WMA files, choosing the work by the two file extensions (case
// ignored): .wav to .wma encodes with the current profile, .wma to .wav decodes, .wav to .wav
// and .wma to .wma copy the file (overwriting), anything else does nothing and fails. The
// conversions run on the calling thread until the target is complete. Not thread-safe.
class CWmaConverter {
 public:
  enum Mode { kModeNone = 0, kModeWavToWma = 6, kModeWmaToWav = 8 };

  // transcoder: the media library; null when there is none (then only copies work).
  explicit CWmaConverter(std::unique_ptr<WmaTranscoder> transcoder);
  virtual ~CWmaConverter();
  CWmaConverter(const CWmaConverter&) = delete;
  CWmaConverter& operator=(const CWmaConverter&) = delete;

  // Whether the media library has every component both directions need.
  bool available() const;

  void setProfile(const Guid& profile) { profile_ = profile; }
  const Guid& profile() const { return profile_; }
  // The mode of the last conversion (kModeNone before the first or after a copy).
  Mode mode() const { return mode_; }

  bool convert(const std::string& sourcePath, const std::string& targetPath);

 private:
  std::unique_ptr<WmaTranscoder> transcoder_;
  Guid profile_;
  Mode mode_ = kModeNone;
};

}  // namespace qp
