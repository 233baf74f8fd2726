#pragma once
// The recently closed book files at the end of the File menu (at most four, newest first).
#include <QObject>
#include <QStringList>
#include <functional>

class QMenu;
class QAction;

class TRecentFiles : public QObject {
  Q_OBJECT
 public:
  TRecentFiles(QMenu* fileMenu, QObject* parent);
  void Load();   // from the settings, when the main window is created
  void Store();  // to the settings, when it is destroyed
  void Add(const QString& path);
  void Remove(const QString& path);
  const QStringList& Paths() const { return paths_; }
  std::function<void(const QString&)> OnClick;  // the entry has already left the list

 private:
  void Rebuild();
  QMenu* menu_;
  QStringList paths_;
  QList<QAction*> items_;
};
