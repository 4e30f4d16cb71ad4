#include "app/search_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/prompter.h"

namespace kelvo::app {

namespace {

QComboBox* filter_list(std::span<const shell::NamedCode> items, int current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (const auto& item : items) {
    box->addItem(item.name, item.code);
    if (item.code == current) box->setCurrentIndex(box->count() - 1);
  }
  return box;
}

}  // namespace

SearchDialog::SearchDialog(const shell::SearchSettings& s, Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Search Dialogue");
  auto* layout = new QVBoxLayout(this);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  auto edit = [&](const char* name, const std::string& text, std::size_t limit) {
    auto* e = new QLineEdit(QString::fromStdString(text), this);
    e->setObjectName(name);
    e->setMaxLength(static_cast<int>(limit));
    e->setFont(fixed);
    return e;
  };
  item_ = edit("search_item", s.item, shell::kSearchItemLimit);
  exclude_ = edit("exclude_item", s.exclude, shell::kExcludeItemLimit);
  and_item_ = edit("and_item", s.and_item, shell::kAndItemLimit);
  auto* items = new QFormLayout;
  items->setRowWrapPolicy(QFormLayout::WrapAllRows);
  items->addRow("Search Item", item_);
  items->addRow("Exclude Item", exclude_);
  items->addRow("And Item (Text Search only)", and_item_);
  layout->addLayout(items);

  auto* kind = new QGroupBox("Text- Search- Word", this);
  auto* kinds = new QHBoxLayout(kind);
  text_ = new QRadioButton("Text", kind);
  text_->setObjectName("text_search");
  word_ = new QRadioButton("Word", kind);
  word_->setObjectName("word_search");
  (s.kind == shell::SearchKind::word ? word_ : text_)->setChecked(true);
  kinds->addWidget(text_);
  kinds->addWidget(word_);
  layout->addWidget(kind);

  speech_ = filter_list(shell::speech_filters(), s.speech, this);
  speech_->setObjectName("speech_type");
  case_tense_ = filter_list(shell::case_filters(), s.case_tense, this);
  case_tense_->setObjectName("case_tense");
  auto* filters = new QFormLayout;
  filters->setRowWrapPolicy(QFormLayout::WrapAllRows);
  filters->addRow("Speech-type (Word search)", speech_);
  filters->addRow("Case/Tense (Word search)", case_tense_);
  layout->addLayout(filters);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &SearchDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

shell::SearchSettings SearchDialog::settings() const {
  shell::SearchSettings s;
  s.item = item_->text().toStdString();
  s.exclude = exclude_->text().toStdString();
  s.and_item = and_item_->text().toStdString();
  s.kind = word_->isChecked() ? shell::SearchKind::word : shell::SearchKind::text;
  s.speech = speech_->currentData().toInt();
  s.case_tense = case_tense_->currentData().toInt();
  return s;
}

void SearchDialog::accept() {
  const std::string problem = shell::validate_search(settings());
  if (!problem.empty()) {
    prompter_.inform(QString::fromStdString(problem));
    return;
  }
  QDialog::accept();
}

}  // namespace kelvo::app
