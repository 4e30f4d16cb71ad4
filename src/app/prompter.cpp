#include "app/prompter.h"

#include <QMessageBox>

#include "app/window_texts.h"

namespace kelvo::app {

void BoxPrompter::inform(const QString& text) {
  QMessageBox::information(parent_, kAppTitle, text);
}

bool BoxPrompter::ask_yes_no(const QString& text) {
  return QMessageBox::question(parent_, kAppTitle, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

bool BoxPrompter::ask_ok_cancel(const QString& text) {
  return QMessageBox::question(parent_, kAppTitle, text, QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Ok) == QMessageBox::Ok;
}

void BoxPrompter::about(const QString& title, const QString& text) {
  QMessageBox::about(parent_, title, text);
}

}  // namespace kelvo::app
