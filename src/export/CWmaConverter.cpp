#include "export/CWmaConverter.h"

#include <filesystem>

#include "export/WmaProfiles.h"

namespace qp {
namespace {

namespace fs = std::filesystem;

enum class Kind { Wav, Wma, Other };

Kind kindOf(const std::string& path) {
  std::string ext = fs::path(path).extension().string();
  for (char& c : ext) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  if (ext == ".wav") {
    return Kind::Wav;
  }
  return ext == ".wma" ? Kind::Wma : Kind::Other;
}

bool copyFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

}  // namespace

CWmaConverter::CWmaConverter(std::unique_ptr<WmaTranscoder> transcoder)
    : transcoder_(std::move(transcoder)), profile_(WmaProfiles::initialProfile()) {}

CWmaConverter::~CWmaConverter() = default;

bool CWmaConverter::available() const {
  return transcoder_ && transcoder_->available();
}

bool CWmaConverter::convert(const std::string& sourcePath, const std::string& targetPath) {
  const Kind from = kindOf(sourcePath);
  const Kind to = kindOf(targetPath);
  if (from == Kind::Other || to == Kind::Other) {
    return false;
  }
  if (from == to) {
    mode_ = kModeNone;
    return copyFile(sourcePath, targetPath);
  }
  if (!transcoder_) {
    return false;
  }
  if (from == Kind::Wav) {
    mode_ = kModeWavToWma;
    return transcoder_->wavToWma(sourcePath, targetPath, WmaProfiles::bitRateOf(profile_));
  }
  mode_ = kModeWmaToWav;
  return transcoder_->wmaToWav(sourcePath, targetPath);
}

}  // namespace qp
