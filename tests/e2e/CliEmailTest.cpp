// quillophone-cli email with a fake xdg-email on PATH that records what it was given: the
// attachments by name, present while it runs and still there afterwards for a mail program
// that reads them late (in the attachment cache, never the temporary directory), and what
// each exit of the mail program leads to.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/ProcessRunner.h"
#include "support/TempDir.h"
#include "support/WavFixtures.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using test::shellQuote;

constexpr const char* kFakeMailer = R"(#!/bin/sh
: > "$FAKE_MAIL_LOG"
while [ $# -gt 0 ]; do
  case "$1" in
    --attach) shift
      if [ -f "$1" ]; then state=present; else state=missing; fi
      echo "attach $(basename "$1") $state" >> "$FAKE_MAIL_LOG"
      echo "$1" >> "$FAKE_MAIL_LOG.paths";;
    --subject) shift; echo "subject $1" >> "$FAKE_MAIL_LOG";;
    --body) shift;;
    *) echo "arg $1" >> "$FAKE_MAIL_LOG";;
  esac
  shift
done
if [ "$FAKE_MAIL_EXIT" = int ]; then kill -INT $$; fi
exit "${FAKE_MAIL_EXIT:-0}"
)";

class CliEmailTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin_);
    std::ofstream(bin_ / "xdg-email") << kFakeMailer;
    fs::permissions(bin_ / "xdg-email", fs::perms::owner_all);
    note_ = test::writeToneWav(notes_ / "Personal" / "Memo.wav");
  }
  test::ProcessResult run(const std::string& arguments, const std::string& exitMode = "0",
                          const std::string& path = "") {
    const std::string env =
        "LC_ALL=C TMPDIR=" + shellQuote(tmp_.string()) + " " +
        test::cliHomeEnvironment((dir_.path() / "config").string(), notes_.string()) +
        "XDG_CACHE_HOME=" + shellQuote(cache_.string()) + " " +
        "FAKE_MAIL_LOG=" + shellQuote(log_) + " FAKE_MAIL_EXIT=" + exitMode +
        " PATH=" + shellQuote(path.empty() ? bin_.string() + ":/usr/bin:/bin" : path) + " ";
    return test::runCommand(env + test::cliCommand() + " " + arguments);
  }
  void setEmailFormat(int format) {
    test::writeCliSettings((dir_.path() / "config").string(),
                           "EmailFormat=" + std::to_string(format) + "\n");
  }
  // No attachment handed to the mail program is left in the temporary directory.
  void expectTemporariesGone() {
    std::istringstream paths(test::readFileText(log_ + ".paths"));
    for (std::string p; std::getline(paths, p);) {
      if (p.rfind(tmp_.string(), 0) == 0) {
        EXPECT_FALSE(fs::exists(p)) << p;
      }
    }
    EXPECT_TRUE(fs::is_empty(tmp_));
  }
  // The copies handed to the mail program, which reads them after xdg-email has returned.
  std::vector<std::string> cachedAttachments() {
    std::vector<std::string> cached;
    std::istringstream paths(test::readFileText(log_ + ".paths"));
    for (std::string p; std::getline(paths, p);) {
      if (p.rfind((cache_ / "quillophone" / "mail").string() + "/", 0) == 0) {
        cached.push_back(p);
      }
    }
    return cached;
  }

  test::TempDir dir_;
  fs::path notes_ = dir_.path() / "notes";
  fs::path bin_ = dir_.path() / "bin";
  fs::path tmp_ = [this] {
    fs::create_directories(dir_.path() / "tmp");
    return dir_.path() / "tmp";
  }();
  fs::path cache_ = dir_.path() / "cache";
  std::string log_ = (dir_.path() / "mail.log").string();
  std::string note_;
};

TEST_F(CliEmailTest, DefaultFormatAttachesConvertedCopiesThatStayForTheMailProgram) {
  const std::string other = test::writeToneWav(notes_ / "Personal" / "Call back.wav");
  const auto r = run("email " + shellQuote(note_) + " " + shellQuote(other));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(test::readFileText(log_),
            "arg --utf8\nsubject Tolvane Quillophone Message\nattach Memo.mp3 present\n"
            "attach Call back.mp3 present\n");
  expectTemporariesGone();
  const auto cached = cachedAttachments();
  ASSERT_EQ(cached.size(), 2u);
  for (const std::string& path : cached) {
    EXPECT_TRUE(fs::exists(path)) << path;
  }
}

TEST_F(CliEmailTest, WaveFormatAttachesTheNoteUnderItsPlainName) {
  setEmailFormat(0);
  const std::string automatic =
      test::writeToneWav(notes_ / "Personal" / "QP_Tue Mar  3 10.00.00 2026.wav");
  const auto r = run("email " + shellQuote(note_) + " " + shellQuote(automatic));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const std::string log = test::readFileText(log_);
  EXPECT_NE(log.find("attach Memo.wav present\n"), std::string::npos) << log;
  EXPECT_EQ(test::readFileText(log_ + ".paths").rfind(note_ + "\n", 0), 0u);  // the note itself
  EXPECT_EQ(log.find("QP_"), std::string::npos) << "the plain name of an automatic note";
  EXPECT_TRUE(fs::exists(note_));
  expectTemporariesGone();
}

TEST_F(CliEmailTest, CancelIsSilentAndARefusalShowsTheMessage) {
  auto r = run("email " + shellQuote(note_), "int");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  expectTemporariesGone();
  EXPECT_EQ(cachedAttachments().size(), 1u);  // a cancel may come after the mail program read it
  fs::remove(log_ + ".paths");
  r = run("email " + shellQuote(note_), "3");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "quillophone-cli: the mail program did not take the message (xdg-email failed); "
            "check that the desktop has a default mail program set up\n");
  expectTemporariesGone();
  for (const std::string& path : cachedAttachments()) {
    EXPECT_FALSE(fs::exists(path)) << path << " was refused, so it is not kept";
  }
}

TEST_F(CliEmailTest, WithoutXdgEmailNoMailProgramCanStart) {
  const auto r = run("email " + shellQuote(note_), "0", (dir_.path() / "empty").string());
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "quillophone-cli: no mail program could be started: xdg-email (from xdg-utils) is "
            "not on PATH\n");
  EXPECT_FALSE(fs::exists(log_));
  EXPECT_EQ(run("email " + shellQuote(note_ + ".missing")).exitCode, 1);
}

}  // namespace
}  // namespace qp
