// kelvo-gui: the Kelvo window. Options: --data DIR, --home DIR, and an
// optional Latin file to translate at once.
#include <QApplication>
#include <QCommandLineParser>

#include "app/main_window.h"
#include "app/window_texts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kelvo-gui");
  QApplication::setApplicationDisplayName(kelvo::app::kAppTitle);
  QCommandLineParser parser;
  parser.setApplicationDescription("Kelvo: Latin to English, in a window.");
  parser.addHelpOption();
  QCommandLineOption data(QStringList{"data"}, "Folder of the data files.", "DIR");
  QCommandLineOption home(QStringList{"home"}, "Your folder for your own files and settings.", "DIR");
  parser.addOption(data);
  parser.addOption(home);
  parser.addPositionalArgument("file", "A Latin text file to translate at once.", "[file]");
  parser.process(app);

  kelvo::app::AppConfig config;
  config.data_dir = parser.value(data).toStdString();
  config.home_dir = parser.value(home).toStdString();
  if (!parser.positionalArguments().isEmpty()) config.open_file = parser.positionalArguments()[0];
  kelvo::app::MainWindow window(config);
  if (!window.start()) return 2;
  window.show();
  return QApplication::exec();
}
