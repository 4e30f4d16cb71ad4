#include "app/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace kelvo::app {

QString help_folder() {
  const QString exe_dir = QCoreApplication::applicationDirPath();
  for (const QString& dir : {QString(KELVO_HELP_INSTALL_DIR), exe_dir + "/../share/kelvo/help",
                             QString(KELVO_HELP_BUILD_DIR)}) {
    if (QFileInfo::exists(dir + "/index.html")) return QDir(dir).absolutePath();
  }
  return {};
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Kelvo Help");
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* back = new QPushButton("Back", this);
  auto* home = new QPushButton("Contents", this);
  bar->addWidget(back);
  bar->addWidget(home);
  bar->addStretch();
  layout->addLayout(bar);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("help_browser");
  browser_->setOpenExternalLinks(true);
  layout->addWidget(browser_);
  connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(home, &QPushButton::clicked, browser_, &QTextBrowser::home);
  const QString folder = help_folder();
  if (folder.isEmpty()) {
    browser_->setHtml("<p>The help pages are not installed.</p>");
  } else {
    browser_->setSearchPaths({folder});
    browser_->setSource(QUrl::fromLocalFile(folder + "/index.html"));
  }
  resize(640, 560);
}

}  // namespace kelvo::app
