#include "shell/qt/instance_socket.h"

#include <QLocalSocket>
#include <QTimer>

namespace shell {

InstanceRequest parseInstanceRequest(const std::string& line) {
  InstanceRequest request;
  if (line == "capture") {
    request.kind = InstanceRequest::Kind::Capture;
  } else if (line.rfind("open ", 0) == 0 && line.size() > 5) {
    request.kind = InstanceRequest::Kind::Open;
    request.file = line.substr(5);
  }
  return request;
}

InstanceServer::InstanceServer(const std::filesystem::path& path,
                               std::function<void(InstanceRequest)> handle)
    : handle_(std::move(handle)) {
  const QString name = QString::fromStdString(path.string());
  QLocalServer::removeServer(name);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(name);
  QObject::connect(&server_, &QLocalServer::newConnection, this, [this] { accept(); });
}

void InstanceServer::accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
      while (socket->canReadLine()) {
        QByteArray line = socket->readLine(4096);
        if (line.endsWith('\n')) line.chop(1);
        const InstanceRequest request = parseInstanceRequest(line.toStdString());
        // Handled from the event loop, not inside the socket's signal: a
        // request may wait for windows while the socket goes away.
        if (request.kind != InstanceRequest::Kind::Unknown)
          QTimer::singleShot(0, this, [this, request] { handle_(request); });
      }
      if (socket->bytesAvailable() > 4096) socket->abort(); // not a request: dropped
    });
  }
}

bool sendInstanceRequest(const std::filesystem::path& path, const std::string& line) {
  QLocalSocket socket;
  socket.connectToServer(QString::fromStdString(path.string()));
  if (!socket.waitForConnected(1000)) return false;
  socket.write(QByteArray::fromStdString(line + "\n"));
  const bool sent = socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(1000);
  return sent;
}

} // namespace shell
