#pragma once

#include <QObject>
#include <QString>

#include "app/InstanceMessage.h"

class QLocalServer;
class QLocalSocket;

namespace qp::app {

// One running program per user and display: the first instance listens on a local socket whose
// name holds the user id and the display; a later start sends its request there and ends.
// A socket file left by an instance that was killed answers nobody: listen() notices that,
// removes it and takes the name. UI thread only.
class SingleInstance final : public QObject {
  Q_OBJECT

 public:
  // How long a second start waits for the running instance to take a connection, in ms. The
  // whole hand-over has to stay well under 200 ms.
  static constexpr int kConnectTimeoutMs = 100;

  // socketPath: the socket's full path (tests pass one of their own).
  explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);
  ~SingleInstance() override;
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // $XDG_RUNTIME_DIR (else the temporary directory)/quillophone-<uid>-<display>.socket; the
  // display is $DISPLAY, else $WAYLAND_DISPLAY, with anything but letters and digits as '_'.
  static QString defaultSocketPath();
  const QString& socketPath() const { return socketPath_; }

  // Sends message to the instance that listens; false when none took the connection.
  bool sendToRunning(const InstanceMessage& message) const;
  // True when an instance takes connections on the socket now.
  bool otherIsRunning() const;

  // Starts listening, replacing a stale socket file; false when another instance listens.
  bool listen();
  bool listening() const;

 signals:
  void messageReceived(qp::app::InstanceMessage message);

 private:
  void acceptConnections();
  void readFrom(QLocalSocket* socket);

  QString socketPath_;
  QLocalServer* server_ = nullptr;
};

}  // namespace qp::app
