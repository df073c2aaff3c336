// The sound server's client library is loaded by the first connection and not before, and
// then completely.
#include "platform/PulseLibrary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/PulseContext.h"

namespace qp {
namespace {

bool mapped(const std::string& prefix) {
  std::ifstream maps("/proc/self/maps");
  std::string line;
  while (std::getline(maps, line)) {
    const auto slash = line.rfind('/');
    if (slash != std::string::npos && line.compare(slash + 1, prefix.size(), prefix) == 0) {
      return true;
    }
  }
  return false;
}

TEST(PulseLibraryTest, NothingIsLoadedUntilAConnectionIsTriedAndThenEveryFunctionIsThere) {
  EXPECT_FALSE(mapped("libpulse.so"));
  EXPECT_FALSE(PulseLibrary::loaded());
  {
    PulseContext context;
    // Whether a server answers does not matter here: the attempt loads the library.
    context.connect("quillophone-test");
  }
  EXPECT_TRUE(PulseLibrary::loaded());
  EXPECT_TRUE(mapped("libpulse.so"));
  const PulseLibrary::Functions* functions = PulseLibrary::get();
  ASSERT_NE(functions, nullptr);
#define QP_EXPECT_FOUND(name) EXPECT_NE(functions->name, nullptr) << #name;
  QP_PULSE_FUNCTIONS(QP_EXPECT_FOUND)
#undef QP_EXPECT_FOUND
  EXPECT_EQ(PulseLibrary::get(), functions);
}

}  // namespace
}  // namespace qp
