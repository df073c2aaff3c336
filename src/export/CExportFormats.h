#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "common/StringTable.h"
#include "export/CMp3Encoder.h"
#include "export/CWmaConverter.h"
#include "export/Guid.h"

namespace qp {

// One conversion target of the export-format list.
struct ExportFormat {
  std::int32_t formatId = 0;
  std::string name;        // shown in the preferences; empty when the entry has none
  std::string extension;   // ".mp3", ".wma"
  int creditStringId = 0;  // 0 when the entry has no credit line
  Guid profile;            // the WMA profile, or all zero
};

// The formats notes can be converted to, in the order MP3 (id 3), WMA (id 1), and a second
// WMA entry (id 2) that is switched off at construction and never offered. Owns the MP3
// encoder and the WMA converter and dispatches conversions to them. Built once at start;
// conversions block the caller until the target is written. Not thread-safe.
class CExportFormats {
 public:
  static constexpr std::int32_t kFormatWave = 0;
  static constexpr std::int32_t kFormatWma = 1;
  static constexpr std::int32_t kFormatMp3 = 3;

  // mp3Library / transcoder: the loaded libraries, each null when absent.
  CExportFormats(const StringTable& strings, std::unique_ptr<Mp3EncoderLibrary> mp3Library,
                 std::unique_ptr<WmaTranscoder> transcoder);
  virtual ~CExportFormats();
  CExportFormats(const CExportFormats&) = delete;
  CExportFormats& operator=(const CExportFormats&) = delete;

  bool mp3Available() const { return mp3Available_; }
  bool wmaAvailable() const { return wmaAvailable_; }

  // Step through the available entries in list order, copying each out; false past the end.
  bool first(ExportFormat& entry);
  bool next(ExportFormat& entry);

  // Credit lines of the available entries (those that have one), a blank line between them.
  std::string credits() const;

  // Converts sourcePath into targetBase + the format's extension; targetBase is extended in
  // place. False for an unknown id, an unavailable format, or a failed conversion.
  bool convert(std::int32_t formatId, const std::string& sourcePath, std::string& targetBase);
  // Wave/WMA conversion or copy by the extensions of the two paths (dropped WMA files).
  bool convertFile(const std::string& sourcePath, const std::string& targetPath);

  // The extension of an available format id; empty otherwise.
  std::string extensionOf(std::int32_t formatId) const;

 private:
  bool qualifies(const ExportFormat& entry) const;
  bool step(ExportFormat& entry);

  const StringTable& strings_;
  std::array<ExportFormat, 3> table_;
  std::unique_ptr<CWmaConverter> wma_;
  std::unique_ptr<CMp3Encoder> mp3_;
  bool mp3Available_ = false;
  bool wmaAvailable_ = false;
  std::size_t index_ = 0;
};

}  // namespace qp
