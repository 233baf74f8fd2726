#include "RecentFiles.h"

#include <QFontMetrics>
#include <QMenu>

#include "AppSettings.h"

TRecentFiles::TRecentFiles(QMenu* fileMenu, QObject* parent) : QObject(parent), menu_(fileMenu) {}

void TRecentFiles::Load() {
  paths_ = ReadRecentFiles();
  Rebuild();
}

void TRecentFiles::Store() { WriteRecentFiles(paths_); }

void TRecentFiles::Add(const QString& path) {
  paths_.removeAll(path);
  paths_.prepend(path);
  while (paths_.size() > 4) paths_.removeLast();
  Rebuild();
}

void TRecentFiles::Remove(const QString& path) {
  paths_.removeAll(path);
  Rebuild();
}

void TRecentFiles::Rebuild() {
  for (QAction* a : items_) {
    menu_->removeAction(a);
    a->deleteLater();
  }
  items_.clear();
  if (paths_.isEmpty()) return;
  items_ << menu_->addSeparator();
  const QFontMetrics fm(menu_->font());
  for (int i = 0; i < paths_.size(); ++i) {
    QString shown = paths_[i];
    if (shown.endsWith(QStringLiteral(".qbk"), Qt::CaseInsensitive)) shown.chop(4);
    // Leading folders give way to ".../" until the entry fits 200 pixels.
    QStringList parts = shown.split(QLatin1Char('/'));
    while (fm.horizontalAdvance(shown) > 200 && parts.size() > 2) {
      parts.removeAt(parts.first() == QStringLiteral("...") ? 1 : 0);
      if (parts.first() != QStringLiteral("...")) parts.prepend(QStringLiteral("..."));
      shown = parts.join(QLatin1Char('/'));
    }
    const QString path = paths_[i];
    QAction* a = menu_->addAction(QStringLiteral("&%1  %2").arg(i + 1).arg(shown.replace(QLatin1Char('&'), QStringLiteral("&&"))));
    a->setData(path);
    connect(a, &QAction::triggered, this, [this, path] {
      Remove(path);
      if (OnClick) OnClick(path);
    });
    items_ << a;
  }
}
