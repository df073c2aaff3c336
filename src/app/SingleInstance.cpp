#include "app/SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcessEnvironment>

namespace qp::app {
namespace {

QString displayTag() {
  const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  QString display = env.value(QStringLiteral("DISPLAY"));
  if (display.isEmpty()) {
    display = env.value(QStringLiteral("WAYLAND_DISPLAY"));
  }
  for (QChar& c : display) {
    if (!c.isLetterOrNumber()) {
      c = QLatin1Char('_');
    }
  }
  return display.isEmpty() ? QStringLiteral("none") : display;
}

}  // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::defaultSocketPath() {
  QString dir = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_RUNTIME_DIR"));
  if (dir.isEmpty() || !QDir(dir).exists()) {
    dir = QDir::tempPath();
  }
  return QStringLiteral("%1/quillophone-%2-%3.socket")
      .arg(dir)
      .arg(static_cast<qulonglong>(getuid()))
      .arg(displayTag());
}

bool SingleInstance::sendToRunning(const InstanceMessage& message) const {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) {
    return false;
  }
  const auto bytes = message.encode();
  socket.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::otherIsRunning() const {
  QLocalSocket socket;
  socket.connectToServer(socketPath_);
  const bool connected = socket.waitForConnected(kConnectTimeoutMs);
  socket.abort();
  return connected;
}

bool SingleInstance::listen() {
  if (listening()) {
    return true;
  }
  if (otherIsRunning()) {
    return false;
  }
  // Nobody answers: whatever file is there was left by an instance that did not end cleanly.
  QLocalServer::removeServer(socketPath_);
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(socketPath_)) {
    delete server_;
    server_ = nullptr;
    return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
  return true;
}

bool SingleInstance::listening() const {
  return server_ != nullptr && server_->isListening();
}

void SingleInstance::acceptConnections() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readFrom(socket); });
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    readFrom(socket);
  }
}

void SingleInstance::readFrom(QLocalSocket* socket) {
  while (socket->bytesAvailable() >= static_cast<qint64>(InstanceMessage::kSize)) {
    const QByteArray bytes = socket->read(InstanceMessage::kSize);
    const auto message =
        InstanceMessage::decode(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                static_cast<std::size_t>(bytes.size()));
    if (message) {
      emit messageReceived(*message);
    }
  }
}

}  // namespace qp::app
