#pragma once

// WMA transcoders for tests: one that logs each call with its bit rate and writes nothing, one
// that writes recognisable files and counts its work; an export-format list over the latter
// (WMA only, no MP3).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "export/CExportFormats.h"
#include "support/TempDir.h"

namespace qp::test {

struct TranscoderLog {
  std::vector<std::string> calls;  // "wma SOURCE TARGET" or "wav SOURCE TARGET"
  std::uint32_t bitRate = 0;       // of the last WMA made
};

// Every conversion succeeds without touching a file; available as told.
class FakeTranscoder final : public WmaTranscoder {
 public:
  FakeTranscoder(TranscoderLog& log, bool available) : log_(log), available_(available) {}
  bool available() const override { return available_; }
  bool wavToWma(const std::string& s, const std::string& t, std::uint32_t bitRate) override {
    log_.calls.push_back("wma " + s + " " + t);
    log_.bitRate = bitRate;
    return true;
  }
  bool wmaToWav(const std::string& s, const std::string& t) override {
    log_.calls.push_back("wav " + s + " " + t);
    return true;
  }

 private:
  TranscoderLog& log_;
  bool available_;
};

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
