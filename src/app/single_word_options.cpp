#include "app/single_word_options.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kelvo::app {

SingleWordOptions::SingleWordOptions(shell::SingleWordChoice current, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Single Word Options");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel("Select how Kelvo should interpret a mouse-click on a single Latin word.", this));
  auto* frame = new QGroupBox("Options:", this);
  auto* inner = new QVBoxLayout(frame);
  group_ = new QButtonGroup(this);
  const char* texts[] = {"English Translation lower window (default)",
                         "Latin Glossary lower window", "Latin Glossary modeless dialog box"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QRadioButton(texts[i], frame);
    b->setObjectName(QString("single_word_choice_%1").arg(i));
    group_->addButton(b, i);
    inner->addWidget(b);
  }
  group_->button(static_cast<int>(current))->setChecked(true);
  layout->addWidget(frame);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

shell::SingleWordChoice SingleWordOptions::choice() const {
  return static_cast<shell::SingleWordChoice>(std::max(0, group_->checkedId()));
}

}  // namespace kelvo::app
