#include "app/dictionary_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kelvo::app {

DictionaryDialog::DictionaryDialog(const QString& stem, const QString& results,
                                   std::function<QString(const QString&)> search, QWidget* parent)
    : QDialog(parent), search_(std::move(search)) {
  setWindowTitle("Search Dictionary");
  // The result lines are columns: a fixed-pitch font keeps them aligned.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSize(10);
  setFont(fixed);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Enter stem to search:", this));
  stem_ = new QLineEdit(stem, this);
  stem_->setObjectName("stem");
  layout->addWidget(stem_);
  results_ = new QTextEdit(this);
  results_->setObjectName("results");
  results_->setReadOnly(true);
  results_->setLineWrapMode(QTextEdit::NoWrap);
  results_->setPlainText(results);
  results_->setMinimumSize(700, 300);
  layout->addWidget(results_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &DictionaryDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  stem_->setFocus();
  stem_->selectAll();
}

QString DictionaryDialog::stem() const { return stem_->text(); }
QString DictionaryDialog::results() const { return results_->toPlainText(); }

void DictionaryDialog::accept() {
  if (stem_->text().trimmed().isEmpty()) {
    QDialog::accept();
    return;
  }
  results_->setPlainText(search_(stem_->text().trimmed()));
  stem_->setFocus();
  stem_->selectAll();
}

}  // namespace kelvo::app
