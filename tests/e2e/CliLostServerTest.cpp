// quillophone-cli when the sound server goes away under it: play and record end within about
// three seconds with the program's message and exit status 1, and a recording keeps what it
// had. Each case runs its own private server (scripts/pulse-private.sh) and kills it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFiles.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

using test::shellQuote;

struct LostServerRun {
  int exitCode = -1;  // of the verb; 124 when it had to be ended after 20 s
  int msToEnd = -1;   // from the kill to the verb's end
  std::string err;
};

class CliLostServerTest : public testing::Test {
 protected:
  // Starts a private server, runs the verb in the background, waits for ready (a shell
  // condition), kills the server with SIGKILL and times how long the verb takes to end.
  LostServerRun runAndKill(const std::string& verb, const std::string& ready) {
    const char* source = std::getenv("QP_SOURCE_DIR");
    const std::string script =
        shellQuote(std::string(source != nullptr ? source : ".") + "/scripts/pulse-private.sh");
    const std::string dir = shellQuote(dir_.file("pulse"));
    const std::string err = shellQuote(dir_.file("err"));
    const auto r = test::runCommand(
        "trap '" + script + " stop " + dir +
        " >/dev/null 2>&1' EXIT; "
        "eval \"$(" +
        script + " start " + dir +
        ")\" || exit 97; "
        "timeout 20 " +
        test::cliCommand() + " " + verb + " </dev/null >/dev/null 2>" + err + " & pid=$!; " +
        ready +
        "; "
        "kill -9 $(cat " +
        dir +
        "/runtime/pulse/pid); t0=$(date +%s%N); "
        "wait $pid; rc=$?; t1=$(date +%s%N); "
        // The listeners ended with the server: their ids are no longer ours to signal.
        "rm -f " +
        dir +
        "/listeners.pid; "
        "echo $rc $(( (t1 - t0) / 1000000 ))");
    LostServerRun run;
    std::istringstream(r.out) >> run.exitCode >> run.msToEnd;
    run.err = test::readFileText(dir_.file("err"));
    return run;
  }
  test::TempDir dir_;
};

TEST_F(CliLostServerTest, PlayEndsWithinThreeSecondsAndExitsWithOne) {
  const std::string note = test::writeToneWav(dir_.file("long.wav"), 30.0, 22050);
  const auto run = runAndKill("play " + shellQuote(note), "sleep 1.5");
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_GE(run.msToEnd, 0);
  EXPECT_LT(run.msToEnd, 4500);
  EXPECT_NE(run.err.find("The speakers stopped taking sound; playback was ended."),
            std::string::npos)
      << run.err;
}

TEST_F(CliLostServerTest, RecordEndsWithinThreeSecondsExitsWithOneAndKeepsTheSound) {
  const std::string path = dir_.file("rec.wav");
  const auto run = runAndKill("record " + shellQuote(path) + " --seconds 30",
                              test::shellWaitForFileGrowth(path, 46 + 44100));
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_GE(run.msToEnd, 0);
  EXPECT_LT(run.msToEnd, 4500);
  EXPECT_NE(run.err.find("The microphone stopped delivering sound; the recording was ended."),
            std::string::npos)
      << run.err;
  EXPECT_GE(test::readWavSamples(path).size(), 22050u);  // at least the second waited for
}

}  // namespace
}  // namespace qp
