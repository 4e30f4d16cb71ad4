// "Select font and size.": the panes' font, size, boldness and background.
#pragma once
#include <QDialog>

#include "shell/user_settings.h"

class QCheckBox;
class QListWidget;
class QSpinBox;

namespace kelvo::app {

class FontDialog : public QDialog {
  Q_OBJECT

 public:
  FontDialog(const shell::WindowSettings& current, QWidget* parent = nullptr);
  shell::WindowSettings chosen() const;

 private:
  QSpinBox* size_ = nullptr;
  QListWidget* font_ = nullptr;
  QListWidget* background_ = nullptr;
  QCheckBox* bold_ = nullptr;
};

}  // namespace kelvo::app
