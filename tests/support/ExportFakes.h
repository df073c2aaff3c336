#pragma once

// A WMA transcoder for the library tests that writes recognisable files and counts its work;
// an export-format list over it (WMA only, no MP3).

#include <memory>
#include <string>
#include <vector>

#include "export/CExportFormats.h"
#include "support/TempDir.h"

namespace qp::test {

class CountingTranscoder final : public WmaTranscoder {
 public:
  explicit CountingTranscoder(std::vector<std::string>& calls, bool succeed = true)
      : calls_(calls), succeed_(succeed) {}
  bool available() const override { return true; }
  bool wavToWma(const std::string& s, const std::string& t, std::uint32_t) override {
    calls_.push_back("wma " + s);
    if (succeed_) {
      writeFileBytes(t, {'W', 'M', 'A'});
    }
    return succeed_;
  }
  bool wmaToWav(const std::string& s, const std::string& t) override {
    calls_.push_back("wav " + s);
    if (succeed_) {
      writeFileBytes(t, {'W', 'A', 'V'});
    }
    return succeed_;
  }

 private:
  std::vector<std::string>& calls_;
  bool succeed_;
};

inline std::unique_ptr<CExportFormats> wmaOnlyFormats(const StringTable& strings,
                                                      std::vector<std::string>& calls,
                                                      bool succeed = true) {
  return std::make_unique<CExportFormats>(strings, nullptr,
                                          std::make_unique<CountingTranscoder>(calls, succeed));
}

}  // namespace qp::test
