// The xdg-email composer over a fake launcher: what xdg-email is given, the named copies of
// the attachments (left in the attachment cache), and how its end becomes the result.
#include "platform/XdgEmailComposer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "support/FakeProcessLauncher.h"
#include "support/TempDir.h"

namespace qp {
namespace {

namespace fs = std::filesystem;
using Kind = ProcessExit::Kind;

// PATH set to one directory for the life of the object.
class ScopedPath {
 public:
  explicit ScopedPath(const std::string& value) {
    if (const char* old = std::getenv("PATH")) {
      old_ = old;
    }
    ::setenv("PATH", value.c_str(), 1);
  }
  ~ScopedPath() { ::setenv("PATH", old_.c_str(), 1); }
  ScopedPath(const ScopedPath&) = delete;
  ScopedPath& operator=(const ScopedPath&) = delete;

 private:
  std::string old_;
};

class XdgEmailComposerTest : public testing::Test {
 protected:
  XdgEmailComposerTest() {
    fs::create_directories(dir_.path() / "bin");
    test::writeFileBytes(tool_, {'#', '!'});
    ::chmod(tool_.c_str(), 0755);
    test::writeFileBytes(dir_.file("QP_1.wav"), {1, 2, 3});
    test::writeFileBytes(dir_.file("Memo.wav"), {4, 5});
  }
  test::TempDir dir_;
  const std::string tool_ = dir_.file("bin/xdg-email");
  ScopedPath path_{dir_.file("none") + ":" + dir_.file("bin")};
  test::FakeProcessLauncher launcher_;
  AttachmentCache cache_{dir_.file("cache")};
  XdgEmailComposer composer_{launcher_, cache_};
};

TEST_F(XdgEmailComposerTest, RunsXdgEmailWithSubjectBodyAndNamedAttachments) {
  const MailMessage message{
      "Subject line",
      "\n\n\nBody \"text\"",
      {{dir_.file("QP_1.wav"), "Lunch plans.wav"}, {dir_.file("Memo.wav"), "Memo.wav"}}};
  std::string copy;
  launcher_.whileRunning = [&](const std::vector<std::string>& arguments) {
    ASSERT_EQ(arguments.size(), 9u);
    copy = arguments[6];
    EXPECT_EQ(fs::path(copy).filename(), "Lunch plans.wav");
    EXPECT_EQ(test::readFileBytes(copy), (std::vector<std::uint8_t>{1, 2, 3}));
  };
  ASSERT_TRUE(composer_.available());
  EXPECT_EQ(composer_.send(message), MailComposer::Result::Sent);
  ASSERT_EQ(launcher_.calls.size(), 1u);
  const auto& call = launcher_.calls[0];
  EXPECT_TRUE(call.waited);
  EXPECT_EQ(call.program, tool_);
  const std::vector<std::string> expected = {
      "--utf8", "--subject", "Subject line",       "--body", "\n\n\nBody \"text\"", "--attach",
      copy,     "--attach",  dir_.file("Memo.wav")};
  EXPECT_EQ(call.arguments, expected);
  // The mail program reads the copy after xdg-email has returned: it stays in the cache.
  EXPECT_EQ(fs::path(copy).parent_path().parent_path().parent_path(), fs::path(dir_.file("cache")));
  EXPECT_EQ(test::readFileBytes(copy), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_TRUE(fs::exists(dir_.file("QP_1.wav")));
}

TEST_F(XdgEmailComposerTest, HowXdgEmailEndedGivesTheResult) {
  struct Row {
    ProcessExit ended;
    MailComposer::Result result;
  };
  const Row rows[] = {
      {{Kind::Exited, 0}, MailComposer::Result::Sent},
      {{Kind::Exited, 1}, MailComposer::Result::Failed},
      {{Kind::Exited, 3}, MailComposer::Result::Failed},
      {{Kind::Signalled, SIGINT}, MailComposer::Result::Cancelled},
      {{Kind::NotStarted, 0}, MailComposer::Result::Failed},
  };
  for (const Row& row : rows) {
    launcher_.runResult = row.ended;
    EXPECT_EQ(composer_.send({"s", "b", {}}), row.result)
        << static_cast<int>(row.ended.kind) << " " << row.ended.code;
  }
}

TEST_F(XdgEmailComposerTest, WithoutXdgEmailOnPathNothingRuns) {
  fs::remove(tool_);
  EXPECT_FALSE(composer_.available());
  EXPECT_EQ(composer_.send({"s", "b", {}}), MailComposer::Result::Failed);
  EXPECT_TRUE(launcher_.calls.empty());
}

}  // namespace
}  // namespace qp
