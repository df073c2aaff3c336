// One instance per user and display: both ends of the instance socket in one process, a
// stale socket file taken over, and the socket's name.
#include "app/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocalSocket>
#include <filesystem>
#include <vector>

#include "support/ScopedEnvironment.h"
#include "support/TempDir.h"
#include "support/WaitUntil.h"

namespace qp::app {
namespace {

class SingleInstanceTest : public testing::Test {
 protected:
  QString socketPath() const { return QString::fromStdString(dir_.file("instance.socket")); }
  // Waits (running the event loop) until count messages arrived.
  bool receive(std::size_t count) {
    return test::waitUntil([&] {
      QCoreApplication::processEvents();
      return received_.size() >= count;
    });
  }
  void collect(SingleInstance& first) {
    QObject::connect(&first, &SingleInstance::messageReceived,
                     [this](const InstanceMessage& message) { received_.push_back(message); });
  }

  test::TempDir dir_;
  std::vector<InstanceMessage> received_;
};

TEST_F(SingleInstanceTest, LaterStartsHandTheirRequestsToTheFirst) {
  SingleInstance first(socketPath());
  SingleInstance second(socketPath());
  EXPECT_FALSE(second.otherIsRunning());
  EXPECT_FALSE(second.sendToRunning(InstanceMessage::openRequest(false)));
  ASSERT_TRUE(first.listen());
  collect(first);
  EXPECT_TRUE(second.otherIsRunning());
  EXPECT_FALSE(second.listen()) << "the name is taken";

  const std::vector<InstanceMessage> sent = {
      InstanceMessage::openRequest(false), InstanceMessage::openRequest(true),
      InstanceMessage::trayClick(InstanceMessage::kLeftClick), InstanceMessage::exitRequest()};
  for (const auto& message : sent) {
    EXPECT_TRUE(second.sendToRunning(message));
  }
  ASSERT_TRUE(receive(sent.size()));
  EXPECT_EQ(received_, sent);
}

TEST_F(SingleInstanceTest, GarbageOnTheSocketIsIgnored) {
  SingleInstance first(socketPath());
  ASSERT_TRUE(first.listen());
  collect(first);
  {
    QLocalSocket raw;
    raw.connectToServer(socketPath());
    ASSERT_TRUE(raw.waitForConnected(1000));
    const char junk[12] = {'n', 'o', 't', ' ', 'a', ' ', 'm', 'e', 's', 's', 'a', 'g'};
    raw.write(junk, sizeof junk);
    raw.write("\x65\x80", 2);  // a message cut short
    raw.waitForBytesWritten(1000);
  }
  SingleInstance(socketPath()).sendToRunning(InstanceMessage::exitRequest());
  ASSERT_TRUE(receive(1));
  EXPECT_EQ(received_.size(), 1U);
  EXPECT_EQ(received_.front(), InstanceMessage::exitRequest());
}

TEST_F(SingleInstanceTest, AStaleSocketFromAKilledInstanceIsReplaced) {
  // A bound socket nobody listens on any more: what a killed instance leaves behind.
  const std::string path = socketPath().toStdString();
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  path.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  ASSERT_TRUE(std::filesystem::exists(path));

  SingleInstance first(socketPath());
  EXPECT_FALSE(first.otherIsRunning());
  ASSERT_TRUE(first.listen());
  collect(first);
  EXPECT_TRUE(SingleInstance(socketPath()).sendToRunning(InstanceMessage::openRequest(false)));
  EXPECT_TRUE(receive(1));
}

TEST_F(SingleInstanceTest, TheDefaultNameHoldsUserAndDisplay) {
  test::ScopedEnvironment env;
  env.set("XDG_RUNTIME_DIR", dir_.path().string());
  env.set("DISPLAY", ":7.0");
  const QString expected = QStringLiteral("%1/quillophone-%2-_7_0.socket")
                               .arg(QString::fromStdString(dir_.path().string()))
                               .arg(getuid());
  EXPECT_EQ(SingleInstance::defaultSocketPath(), expected);
  env.unset("DISPLAY");
  env.set("WAYLAND_DISPLAY", "wayland-1");
  EXPECT_TRUE(SingleInstance::defaultSocketPath().endsWith(QStringLiteral("-wayland_1.socket")));
  env.unset("WAYLAND_DISPLAY");
  env.set("XDG_RUNTIME_DIR", dir_.file("missing"));
  EXPECT_TRUE(SingleInstance::defaultSocketPath().endsWith(QStringLiteral("-none.socket")));
  EXPECT_FALSE(SingleInstance::defaultSocketPath().contains(QStringLiteral("missing")));
}

}  // namespace
}  // namespace qp::app
