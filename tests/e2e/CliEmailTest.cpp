// quillophone-cli email with a fake xdg-email on PATH that records what it was given: the
// attachments by name, present while it runs and gone afterwards, and what each exit of the
// mail program leads to.
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

  test::TempDir dir_;
  fs::path notes_ = dir_.path() / "notes";
  fs::path bin_ = dir_.path() / "bin";
  fs::path tmp_ = [this] {
    fs::create_directories(dir_.path() / "tmp");
    return dir_.path() / "tmp";
  }();
  std::string log_ = (dir_.path() / "mail.log").string();
  std::string note_;
};

TEST_F(CliEmailTest, DefaultFormatAttachesConvertedCopiesThatAreRemovedAfterwards) {
  const std::string other = test::writeToneWav(notes_ / "Personal" / "Call back.wav");
  const auto r = run("email " + shellQuote(note_) + " " + shellQuote(other));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(test::readFileText(log_),
            "arg --utf8\nsubject Tolvane Quillophone Message\nattach Memo.mp3 present\n"
            "attach Call back.mp3 present\n");
  expectTemporariesGone();
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
  r = run("email " + shellQuote(note_), "3");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err,
            "Sending e-mail from Quillophone is not supported by your e-mail program, or your "
            "e-mail needs to be configured to work with Quillophone.\n\nPress the \"Help\" button "
            "if you want help configuring your e-mail to work with Quillophone.\n");
  expectTemporariesGone();
}

TEST_F(CliEmailTest, WithoutXdgEmailNothingHappens) {
  const auto r = run("email " + shellQuote(note_), "0", (dir_.path() / "empty").string());
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_FALSE(fs::exists(log_));
  EXPECT_EQ(run("email " + shellQuote(note_ + ".missing")).exitCode, 1);
}

}  // namespace
}  // namespace qp
