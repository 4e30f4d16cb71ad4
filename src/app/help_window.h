// The program's help: its own HTML pages, shown in a browser window.
#pragma once
#include <QDialog>

class QTextBrowser;

namespace kelvo::app {

// The folder of the help pages: installed, else the source tree's; "" when
// neither holds them.
QString help_folder();

class HelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace kelvo::app
