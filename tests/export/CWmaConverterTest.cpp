// The WMA converter: it starts with the higher profile and records which way it converted.
#include "export/CWmaConverter.h"

#include <gtest/gtest.h>

#include "export/WmaProfiles.h"
#include "support/ExportFakes.h"

namespace qp {
namespace {

using test::FakeTranscoder;
using test::TranscoderLog;

TEST(CWmaConverterTest, ConverterStartsWithTheHigherProfileAndRecordsItsMode) {
  TranscoderLog log;
  CWmaConverter converter(std::make_unique<FakeTranscoder>(log, true));
  EXPECT_EQ(converter.profile(), WmaProfiles::initialProfile());
  EXPECT_EQ(converter.mode(), CWmaConverter::kModeNone);
  converter.convert("a.wav", "b.wma");
  EXPECT_EQ(log.bitRate, WmaProfiles::kHigherBitRate);
  EXPECT_EQ(converter.mode(), CWmaConverter::kModeWavToWma);
  converter.convert("b.wma", "c.wav");
  EXPECT_EQ(converter.mode(), CWmaConverter::kModeWmaToWav);
}

}  // namespace
}  // namespace qp
