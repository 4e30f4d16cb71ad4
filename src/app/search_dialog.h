// "Search Dialogue": what Search File List looks for. OK checks the settings
// and stays open with a message while they cannot be used.
#pragma once
#include <QDialog>

#include "shell/file_list_search.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kelvo::app {

class Prompter;

class SearchDialog : public QDialog {
  Q_OBJECT

 public:
  SearchDialog(const shell::SearchSettings& settings, Prompter& prompter,
               QWidget* parent = nullptr);
  shell::SearchSettings settings() const;
  void accept() override;

 private:
  Prompter& prompter_;
  QLineEdit* item_ = nullptr;
  QLineEdit* exclude_ = nullptr;
  QLineEdit* and_item_ = nullptr;
  QRadioButton* text_ = nullptr;
  QRadioButton* word_ = nullptr;
  QComboBox* speech_ = nullptr;
  QComboBox* case_tense_ = nullptr;
};

}  // namespace kelvo::app
