#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <unistd.h>

#include "AppSettings.h"

namespace {
// Messages are lines: "R" restore, "F <file>" open a file; the reply "D" means done.
constexpr int ConnectTimeout = 2000;
}

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent) {}

TSingleInstance::~TSingleInstance() = default;

QString TSingleInstance::ServerName() {
  const QString own = qEnvironmentVariable("QB_INSTANCE_NAME");
  if (!own.isEmpty()) return own;
  const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  const QString name = QStringLiteral("QuimbelBooks2-%1").arg(getuid());
  return runtime.isEmpty() ? name : runtime + QLatin1Char('/') + name;
}

bool TSingleInstance::HandOverToRunning(const QString& fileName) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (socket.waitForConnected(ConnectTimeout)) {
      QByteArray message = "R\n";
      if (!fileName.isEmpty()) {
        // The value stays behind after use, as the running copy's record of the last hand-over.
        WriteAppString(QStringLiteral("FileMessageInfo"), fileName);
        message += "F " + fileName.toUtf8() + '\n';
      }
      socket.write(message);
      socket.flush();
      if (fileName.isEmpty()) {
        socket.waitForBytesWritten(ConnectTimeout);
        return true;
      }
      // Wait as long as the running copy needs (it may be asking the user questions).
      while (socket.state() == QLocalSocket::ConnectedState) {
        if (socket.canReadLine() || socket.waitForReadyRead(1000))
          if (socket.readLine().startsWith('D')) return true;
      }
      return true;  // the running copy went away: nothing more this copy can do
    }
    if (Listen()) return false;
    // Someone else began listening in between: hand over to them.
  }
  return false;
}

bool TSingleInstance::Listen() {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(ServerName())) {
    // A socket file left by a copy that crashed: nobody answered it, so take it over.
    QLocalSocket probe;
    probe.connectToServer(ServerName());
    if (probe.waitForConnected(200)) {
      delete server_;
      server_ = nullptr;
      return false;
    }
    QLocalServer::removeServer(ServerName());
    if (!server_->listen(ServerName())) {
      delete server_;
      server_ = nullptr;
      return true;  // no single-instance guard possible; run anyway
    }
  }
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      connect(s, &QLocalSocket::readyRead, this, [this, s] { Serve(s); });
      if (s->bytesAvailable() > 0) Serve(s);
    }
  });
  return true;
}

void TSingleInstance::Serve(QLocalSocket* socket) {
  QPointer<QLocalSocket> s(socket);
  while (s && s->canReadLine()) {
    const QByteArray line = s->readLine().trimmed();
    if (line == "R") {
      if (OnRestore) OnRestore();
    } else if (line.startsWith("F ")) {
      const QString file = QString::fromUtf8(line.mid(2));
      if (OnFile) OnFile(file);
      if (s) {
        s->write("D\n");
        s->flush();
      }
    }
  }
}
