#include "app/font_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>

namespace kelvo::app {

FontDialog::FontDialog(const shell::WindowSettings& current, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Select font and size.");
  auto* grid = new QGridLayout(this);
  auto* warning = new QLabel(
      "WARNING:\nUse of this option may truncate lengthy text in the Latin and Translation boxes. "
      "Spell-checking will also be lost.",
      this);
  warning->setWordWrap(true);
  grid->addWidget(warning, 0, 0, 1, 3);
  grid->addWidget(new QLabel("Font Size", this), 1, 0);
  size_ = new QSpinBox(this);
  size_->setObjectName("font_size");
  size_->setRange(8, 14);
  size_->setValue(current.font_size);
  grid->addWidget(size_, 2, 0);
  grid->addWidget(new QLabel("Font", this), 1, 1);
  font_ = new QListWidget(this);
  font_->setObjectName("font_type");
  font_->addItems({"Arial (non-Serif)", "Roman (Serif)", "Courier (fixed-width)"});
  font_->setCurrentRow(static_cast<int>(current.font_type));
  grid->addWidget(font_, 2, 1);
  grid->addWidget(new QLabel("Background", this), 1, 2);
  background_ = new QListWidget(this);
  background_->setObjectName("background");
  background_->addItems({"White", "Yellow", "Grey"});
  background_->setCurrentRow(static_cast<int>(current.background));
  grid->addWidget(background_, 2, 2);
  bold_ = new QCheckBox("Bold?", this);
  bold_->setObjectName("bold");
  bold_->setChecked(current.font_bold);
  grid->addWidget(bold_, 3, 0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 4, 0, 1, 3);
}

shell::WindowSettings FontDialog::chosen() const {
  shell::WindowSettings w;
  w.font_size = size_->value();
  w.font_type = static_cast<shell::FontType>(std::max(0, font_->currentRow()));
  w.background = static_cast<shell::Background>(std::max(0, background_->currentRow()));
  w.font_bold = bold_->isChecked();
  return w;
}

}  // namespace kelvo::app
