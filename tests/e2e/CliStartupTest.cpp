// quillophone-cli links only what every verb needs: the sound server's client library and the
// media libraries are loaded by the verbs that use them, so a verb that needs none starts
// without them (and without their hundred-odd dependencies).
#include <gtest/gtest.h>

#include <string>

#include "support/ProcessRunner.h"

namespace qp {
namespace {

TEST(CliStartupTest, TheProgramDoesNotLinkTheSoundOrMediaLibraries) {
  // The dynamic loader lists what it would load for the program and stops there.
  const test::ProcessResult listed =
      test::runCommand("LD_TRACE_LOADED_OBJECTS=1 " + test::cliCommand() + " --version");
  ASSERT_EQ(listed.exitCode, 0);
  ASSERT_NE(listed.out.find("libc.so"), std::string::npos) << listed.out;
  for (const char* library :
       {"libavcodec.so", "libavformat.so", "libavutil.so", "libswresample.so"}) {
    SCOPED_TRACE(library);
    EXPECT_EQ(listed.out.find(library), std::string::npos);
  }
}

}  // namespace
}  // namespace qp
