#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <ctime>

#include "common/TimeFormat.h"
#include "support/ScopedTimeZone.h"

namespace qp {
namespace {

class TimeFormatTest : public ::testing::Test {
 protected:
  void SetUp() override { std::setlocale(LC_TIME, "C"); }

  test::ScopedTimeZone utc_{"UTC"};
};

// 2026-12-07 14:05:09 UTC, a Monday.
constexpr std::int64_t kTime = 1796652309;

TEST_F(TimeFormatTest, FormatsLocalTimeWithStrftime) {
  EXPECT_EQ(TimeFormat::formatLocal(kTime, "%d %b %y - %X"), "07 Dec 26 - 14:05:09");
  EXPECT_EQ(TimeFormat::formatLocal(kTime, "%c"), "Mon Dec  7 14:05:09 2026");
}

TEST_F(TimeFormatTest, HashCIsTheLongFormWithFullNames) {
  EXPECT_EQ(TimeFormat::formatLocal(kTime, "%#c"), "Monday December  7 14:05:09 2026");
  EXPECT_EQ(TimeFormat::formatLocal(kTime, "[%#c]"), "[Monday December  7 14:05:09 2026]");
}

TEST_F(TimeFormatTest, FollowsAnotherTimeZone) {
  setenv("TZ", "Europe/Berlin", 1);
  tzset();
  EXPECT_EQ(TimeFormat::formatLocal(kTime, "%H:%M"), "15:05");
}

}  // namespace
}  // namespace qp
