// What the window keeps between runs in its own settings file (beside
// UserSettings.txt): where it was and how, and the last files opened.
#pragma once
#include <QRect>
#include <QStringList>

class QSettings;

namespace kelvo::app {

struct Placement {
  QRect rect{QPoint(10, 10), QPoint(499, 399)};  // left 10, top 10, right 500, bottom 400
  bool minimised = false;
  bool maximised = false;
};

// "Placement/Rect" as "%04d %04d %04d %04d" (left, top, right, bottom of the
// normal position), "icon" and "max" as 0 or 1; a missing or unreadable entry
// gives the default.
Placement read_placement(QSettings& store);
void write_placement(QSettings& store, const Placement& placement);

inline constexpr int kRecentFiles = 4;
QStringList read_recent_files(QSettings& store);
// Puts `path` first; the list keeps four.
QStringList add_recent_file(QSettings& store, const QString& path);

}  // namespace kelvo::app
