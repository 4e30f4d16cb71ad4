#include "app/glossary_window.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvo::app {

GlossaryWindow::GlossaryWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Single Word Translation");
  setAttribute(Qt::WA_DeleteOnClose);
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setObjectName("glossary_text");
  text_->setReadOnly(true);
  layout->addWidget(text_);
  auto* exit = new QPushButton("Click here to Exit", this);
  connect(exit, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(exit);
  resize(420, 300);
}

void GlossaryWindow::show_text(const QString& text, int font_size) {
  QFont f = text_->font();
  f.setPointSize(font_size);
  text_->setFont(f);
  text_->setPlainText(text.left(kGlossaryWindowLimit));
  show();
  raise();
}

QString GlossaryWindow::text() const { return text_->toPlainText(); }

}  // namespace kelvo::app
