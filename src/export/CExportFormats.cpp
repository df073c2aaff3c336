#include "export/CExportFormats.h"

#include "common/StringIds.h"
#include "export/WmaProfiles.h"

namespace qp {
namespace {

// The id the second WMA entry gets at start-up, so that no lookup matches it.
constexpr std::int32_t kSwitchedOff = 4;

}  // namespace

CExportFormats::CExportFormats(const StringTable& strings,
                               std::unique_ptr<Mp3EncoderLibrary> mp3Library,
                               std::unique_ptr<WmaTranscoder> transcoder)
    : strings_(strings) {
  table_[0] = {kFormatMp3, strings.text(StringId::kMp3File), ".mp3", StringId::kMp3Credit, Guid{}};
  table_[1] = {kFormatWma, strings.text(StringId::kWmaFile), ".wma", StringId::kWmaCredit,
               WmaProfiles::exportProfile()};
  table_[2] = {kSwitchedOff, std::string(), ".wma", 0, Guid{}};
  wma_ = std::make_unique<CWmaConverter>(std::move(transcoder));
  wmaAvailable_ = wma_->available();
  mp3_ = std::make_unique<CMp3Encoder>(std::move(mp3Library));
  mp3Available_ = mp3_->available();
}

CExportFormats::~CExportFormats() = default;

bool CExportFormats::qualifies(const ExportFormat& entry) const {
  switch (entry.formatId) {
    case kFormatWma:
    case 2:
      return wmaAvailable_;
    case kFormatMp3:
      return mp3Available_;
    default:
      return false;
  }
}

bool CExportFormats::step(ExportFormat& entry) {
  while (index_ < table_.size()) {
    const ExportFormat& candidate = table_[index_++];
    if (qualifies(candidate)) {
      entry = candidate;
      return true;
    }
  }
  return false;
}

bool CExportFormats::first(ExportFormat& entry) {
  index_ = 0;
  return step(entry);
}

bool CExportFormats::next(ExportFormat& entry) {
  return step(entry);
}

std::string CExportFormats::credits() const {
  std::string text;
  for (const ExportFormat& entry : table_) {
    if (entry.creditStringId == 0 || !qualifies(entry)) {
      continue;
    }
    if (!text.empty()) {
      text += "\n\n";
    }
    text += strings_.text(entry.creditStringId);
  }
  return text;
}

bool CExportFormats::convert(std::int32_t formatId, const std::string& sourcePath,
                             std::string& targetBase) {
  for (const ExportFormat& entry : table_) {
    if (entry.formatId != formatId || !qualifies(entry)) {
      continue;
    }
    targetBase += entry.extension;
    if (formatId == kFormatMp3) {
      return mp3_->encode(sourcePath, targetBase);
    }
    wma_->setProfile(entry.profile);
    return wma_->convert(sourcePath, targetBase);
  }
  return false;
}

bool CExportFormats::convertFile(const std::string& sourcePath, const std::string& targetPath) {
  return wma_ && wma_->convert(sourcePath, targetPath);
}

std::string CExportFormats::extensionOf(std::int32_t formatId) const {
  for (const ExportFormat& entry : table_) {
    if (entry.formatId == formatId && qualifies(entry)) {
      return entry.extension;
    }
  }
  return std::string();
}

}  // namespace qp
