#include "app/file_chooser.h"

#include <QFileDialog>

namespace kelvo::app {

namespace {

const char* const kFilters = "Text files (*.txt *.asc *.Txt *.Asc *.TXT *.ASC);;All files (*)";

}  // namespace

QString DialogFileChooser::choose_open(QWidget* parent, const QString& start_dir) {
  return QFileDialog::getOpenFileName(parent, "Open Latin file to be Processed", start_dir,
                                      kFilters);
}

QString DialogFileChooser::choose_save(QWidget* parent, const QString& start_dir) {
  return QFileDialog::getSaveFileName(parent, "Save result as what file?", start_dir, kFilters);
}

QString DialogFileChooser::choose_folder(QWidget* parent, const QString& title,
                                         const QString& start_dir) {
  return QFileDialog::getExistingDirectory(parent, title, start_dir);
}

}  // namespace kelvo::app
