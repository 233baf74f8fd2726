#pragma once
// One running copy per user: a later start hands its command line to the running copy over a
// local socket, waits until that copy has handled it, and ends without showing a window.
#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;
class QLocalSocket;

class TSingleInstance : public QObject {
  Q_OBJECT
 public:
  // The socket name is per user; QB_INSTANCE_NAME replaces it (tests run side by side).
  explicit TSingleInstance(QObject* parent = nullptr);
  ~TSingleInstance() override;
  static QString ServerName();

  // When another copy runs: asks it to come to the front and, with a file, to open it; returns
  // true once it has handled the request (this copy then ends). False: this is the first copy,
  // which now listens.
  bool HandOverToRunning(const QString& fileName);

  // The running copy's side: called to bring the window to the front and to open a handed-over
  // file; the second start is released when OnFile returns.
  std::function<void()> OnRestore;
  std::function<void(const QString& fileName)> OnFile;

 private:
  bool Listen();
  void Serve(QLocalSocket* socket);
  QLocalServer* server_ = nullptr;
};
