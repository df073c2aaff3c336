// Profile identifiers in their braced text form: printed and parsed back, a short one refused.
#include "export/Guid.h"

#include <gtest/gtest.h>

#include "export/WmaProfiles.h"

namespace qp {
namespace {

TEST(GuidTest, ParsesWhatItPrintsAndRefusesAShortText) {
  EXPECT_EQ(Guid::parse(WmaProfiles::exportProfile().toString()), WmaProfiles::exportProfile());
  EXPECT_EQ(WmaProfiles::exportProfile().toString(), "{C012A833-A03B-44A5-96DC-ED95CC65582D}");
  EXPECT_FALSE(Guid::parse("{C012A833-A03B-44A5-96DC-ED95CC65582}"));
}

}  // namespace
}  // namespace qp
