#include "app/window_placement.h"

#include <QSettings>

namespace kelvo::app {

Placement read_placement(QSettings& store) {
  Placement p;
  const QString rect = store.value("Placement/Rect").toString();
  // Four numbers at character offsets 0, 5, 10 and 15.
  if (rect.size() >= 19) {
    bool ok[4] = {};
    const int left = rect.mid(0, 4).toInt(&ok[0]);
    const int top = rect.mid(5, 4).toInt(&ok[1]);
    const int right = rect.mid(10, 4).toInt(&ok[2]);
    const int bottom = rect.mid(15, 4).toInt(&ok[3]);
    if (ok[0] && ok[1] && ok[2] && ok[3] && right > left && bottom > top)
      p.rect = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
  }
  p.minimised = store.value("Placement/icon", 0).toInt() == 1;
  p.maximised = store.value("Placement/max", 0).toInt() == 1;
  return p;
}

void write_placement(QSettings& store, const Placement& p) {
  const QRect& r = p.rect;
  store.setValue("Placement/Rect", QString::asprintf("%04d %04d %04d %04d", r.left(), r.top(),
                                                     r.right() + 1, r.bottom() + 1));
  store.setValue("Placement/icon", p.minimised ? 1 : 0);
  store.setValue("Placement/max", p.maximised ? 1 : 0);
  store.sync();
}

QStringList read_recent_files(QSettings& store) {
  QStringList files;
  for (int i = 1; i <= kRecentFiles; ++i) {
    QString f = store.value(QString("Recent File List/File%1").arg(i)).toString();
    if (!f.isEmpty()) files << f;
  }
  return files;
}

QStringList add_recent_file(QSettings& store, const QString& path) {
  QStringList files = read_recent_files(store);
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentFiles) files.removeLast();
  for (int i = 1; i <= kRecentFiles; ++i) {
    const QString key = QString("Recent File List/File%1").arg(i);
    if (i <= files.size()) {
      store.setValue(key, files[i - 1]);
    } else {
      store.remove(key);
    }
  }
  store.sync();
  return files;
}

}  // namespace kelvo::app
