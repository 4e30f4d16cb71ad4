// The file dialogs of the window (open a Latin text, save a result). Tests
// give the paths themselves.
#pragma once
#include <QString>

class QWidget;

namespace kelvo::app {

class FileChooser {
 public:
  virtual ~FileChooser() = default;
  // An existing file to read, or "" when the user cancelled.
  virtual QString choose_open(QWidget* parent, const QString& start_dir) = 0;
  // A file to write (the dialog asks before overwriting), or "".
  virtual QString choose_save(QWidget* parent, const QString& start_dir) = 0;
  // A folder, or "" when the user cancelled.
  virtual QString choose_folder(QWidget* parent, const QString& title, const QString& start_dir) = 0;
};

class DialogFileChooser : public FileChooser {
 public:
  QString choose_open(QWidget* parent, const QString& start_dir) override;
  QString choose_save(QWidget* parent, const QString& start_dir) override;
  QString choose_folder(QWidget* parent, const QString& title, const QString& start_dir) override;
};

}  // namespace kelvo::app
