// The export-format list's decisions, over fake libraries: which entries are offered, the
// credits, how Convert extends the target and picks the profile, and which extension pairs
// copy, convert or fail.
#include <gtest/gtest.h>

#include <filesystem>

#include "export/CExportFormats.h"
#include "export/WmaProfiles.h"
#include "support/ExportFakes.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::FakeTranscoder;
using test::TranscoderLog;

// Offers every entry point; each call fails, which is enough for the list's decisions.
class NullMp3Library final : public Mp3EncoderLibrary {
 public:
  bool hasEntryPoint(std::string_view) const override { return true; }
  std::uint32_t beInitStream(const std::uint8_t*, std::uint32_t&, std::uint32_t&,
                             Stream&) override {
    return 1;
  }
  std::uint32_t beEncodeChunk(Stream, std::uint32_t, const std::int16_t*, std::uint8_t*,
                              std::uint32_t&) override {
    return 1;
  }
  std::uint32_t beDeinitStream(Stream, std::uint8_t*, std::uint32_t&) override { return 1; }
  std::uint32_t beWriteInfoTag(Stream, const char*) override { return 1; }
  std::uint32_t beCloseStream(Stream) override { return 0; }
};

std::vector<std::int32_t> offered(CExportFormats& formats) {
  std::vector<std::int32_t> ids;
  ExportFormat entry;
  for (bool more = formats.first(entry); more; more = formats.next(entry)) {
    ids.push_back(entry.formatId);
  }
  return ids;
}

class CExportFormatsTest : public testing::Test {
 protected:
  std::unique_ptr<CExportFormats> make(bool mp3, bool wma) {
    return std::make_unique<CExportFormats>(strings_,
                                            mp3 ? std::make_unique<NullMp3Library>() : nullptr,
                                            std::make_unique<FakeTranscoder>(log_, wma));
  }
  StringTable strings_{1033};
  TranscoderLog log_;
  test::TempDir dir_;
};

TEST_F(CExportFormatsTest, OffersAvailableEntriesInOrderNeverTheSwitchedOffOne) {
  EXPECT_EQ(offered(*make(true, true)), (std::vector<std::int32_t>{3, 1}));
  EXPECT_EQ(offered(*make(false, true)), (std::vector<std::int32_t>{1}));
  EXPECT_EQ(offered(*make(true, false)), (std::vector<std::int32_t>{3}));
  EXPECT_TRUE(offered(*make(false, false)).empty());

  auto formats = make(true, true);
  ExportFormat entry;
  ASSERT_TRUE(formats->first(entry));
  EXPECT_EQ(entry.name, "MP3 File");
  EXPECT_EQ(entry.extension, ".mp3");
  ASSERT_TRUE(formats->next(entry));
  EXPECT_EQ(entry.name, "WMA File");
  EXPECT_EQ(entry.profile, WmaProfiles::exportProfile());
  EXPECT_FALSE(formats->next(entry));
}

TEST_F(CExportFormatsTest, CreditsNameOnlyTheAvailableLibraries) {
  EXPECT_EQ(make(true, true)->credits(), strings_.text(119) + "\n\n" + strings_.text(120));
  EXPECT_EQ(make(false, true)->credits(), strings_.text(120));
  EXPECT_EQ(make(false, false)->credits(), "");
  EXPECT_NE(strings_.text(119).find("libmp3lame"), std::string::npos);
  EXPECT_NE(strings_.text(120).find("libavcodec"), std::string::npos);
}

TEST_F(CExportFormatsTest, ConvertExtendsTheTargetAndUsesTheSpeechProfile) {
  auto formats = make(false, true);
  std::string target = "/x/Memo";
  EXPECT_TRUE(formats->convert(1, "/n/Memo.wav", target));
  EXPECT_EQ(target, "/x/Memo.wma");
  EXPECT_EQ(log_.calls, std::vector<std::string>{"wma /n/Memo.wav /x/Memo.wma"});
  EXPECT_EQ(log_.bitRate, WmaProfiles::kSpeechBitRate);

  for (std::int32_t id : {0, 2, 3, 4, -1}) {
    std::string base = "/x/Memo";
    EXPECT_FALSE(formats->convert(id, "/n/Memo.wav", base)) << id;
    EXPECT_EQ(base, "/x/Memo") << id;
  }
  EXPECT_EQ(log_.calls.size(), 1u);
}

TEST_F(CExportFormatsTest, Mp3ConvertAppendsItsExtensionAndReportsTheEncoder) {
  auto formats = make(true, false);
  std::string target = dir_.file("Memo");
  EXPECT_FALSE(formats->convert(3, dir_.file("missing.wav"), target));
  EXPECT_EQ(target, dir_.file("Memo.mp3"));
  EXPECT_EQ(formats->extensionOf(3), ".mp3");
  EXPECT_EQ(formats->extensionOf(1), "");
}

TEST_F(CExportFormatsTest, ConvertFileDecidesByExtensionsIgnoringCase) {
  auto formats = make(false, true);
  const std::string wav = dir_.file("a.WAV");
  test::writeFileBytes(wav, {1, 2, 3, 4});
  ASSERT_TRUE(formats->convertFile(wav, dir_.file("b.wav")));
  EXPECT_EQ(test::readFileBytes(dir_.file("b.wav")), test::readFileBytes(wav));
  test::writeFileBytes(dir_.file("c.wma"), {9});
  ASSERT_TRUE(formats->convertFile(dir_.file("c.wma"), dir_.file("d.WMA")));
  EXPECT_EQ(test::readFileBytes(dir_.file("d.WMA")), test::Bytes{9});
  EXPECT_TRUE(log_.calls.empty());  // copies never reach the transcoder

  EXPECT_FALSE(formats->convertFile(wav, dir_.file("b.mp3")));
  EXPECT_FALSE(formats->convertFile(dir_.file("x.txt"), dir_.file("b.wav")));
  EXPECT_TRUE(formats->convertFile(dir_.file("In.Wma"), dir_.file("out.wav")));
  EXPECT_EQ(log_.calls,
            std::vector<std::string>{"wav " + dir_.file("In.Wma") + " " + dir_.file("out.wav")});
}

}  // namespace
}  // namespace qp
