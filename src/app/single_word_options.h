// "Single Word Options": how a click on a Latin word is shown.
#pragma once
#include <QDialog>

#include "shell/single_word.h"

class QButtonGroup;

namespace kelvo::app {

class SingleWordOptions : public QDialog {
  Q_OBJECT

 public:
  SingleWordOptions(shell::SingleWordChoice current, QWidget* parent = nullptr);
  shell::SingleWordChoice choice() const;

 private:
  QButtonGroup* group_ = nullptr;
};

}  // namespace kelvo::app
