// Start-up: the welcome text, the parse log's banner, the options' defaults
// and settings file, and a clean end when the data is missing.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_fixture.h"
#include "app/window_texts.h"
#include "shell/pane_text.h"
#include "text/translation_run.h"

namespace kelvo::apptest {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void shows_the_welcome_text_and_the_banner() {
    QElapsedTimer clock;
    clock.start();
    TestWindow w;
    QVERIFY(w.started);
    qInfo("start-up with the data load: %lld ms", static_cast<long long>(clock.elapsed()));
    QCOMPARE(w->latin_pane()->toPlainText(), QString(shell::kWelcomeText) + "\n");
    const QString log = w->translation_pane()->toPlainText();
    QVERIFY2(log.contains("version 2.30A"), qPrintable(log));
    QVERIFY(log.contains("Date/time = "));
    QVERIFY(w->translation_pane()->isReadOnly());
    QCOMPARE(w->lower_pane()->toPlainText(), QString());
    QVERIFY(w->translate_button()->isEnabled());
    QVERIFY(read_all(w.user_file("parser.txt")).find("version 2.30A") != std::string::npos);
    QVERIFY2(w.messages.isEmpty(), qPrintable(w.messages.join("|")));
  }

  void refused_user_lines_reach_the_parse_log() {
    QTemporaryDir home;
    write_all(QDir(home.path()).filePath("Userfile.txt"),
              "bad entry without its fields\nnouus novi / N 2 1 M T / new thing\n");
    TestWindow w(home.path());
    QVERIFY(w.started);
    QVERIFY(w.messages.size() <= 2);  // at most two boxes in a program run
    const std::string log = read_all(w.user_file("parser.txt"));
    QVERIFY2(log.find("rejected") != std::string::npos, log.c_str());
  }

  void a_parse_log_that_cannot_be_written_stops_the_start() {
    QTemporaryDir home;
    QVERIFY(QDir(home.path()).mkdir("parser.txt"));  // a folder in its place
    TestWindow w(home.path());
    QVERIFY(!w.started);
    QCOMPARE(w.messages, QStringList{text::kCannotOpenParseLog});
  }

  void a_missing_data_folder_ends_the_start_with_its_message() {
    QTemporaryDir empty;
    TestWindow w({}, empty.path().toStdString());
    QVERIFY(!w.started);
    QCOMPARE(w.messages.size(), 1);
    QVERIFY2(w.messages[0].startsWith(app::kLoadFailed), qPrintable(w.messages[0]));
  }
};

KELVO_APP_TEST("startup", StartupTest);

}  // namespace kelvo::apptest

#include "startup_test.moc"
