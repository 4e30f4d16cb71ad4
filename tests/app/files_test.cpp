// The output files as the window uses them: Rename File, Reload Translation,
// printing the parse log, the recent files and Save Search Results.
#include <QAction>
#include <QMenu>
#include <QPdfWriter>
#include <QPlainTextEdit>

#include "app/app_fixture.h"
#include "app/window_texts.h"
#include "shell/pane_text.h"

namespace kelvo::apptest {

class FilesTest : public QObject {
  Q_OBJECT

 private slots:
  void save_and_reload_a_translation() {
    TestWindow w;
    w->latin_pane()->setPlainText("Puella rosam amat.");
    w->translate();
    QVERIFY(w.wait_for_run());
    // A read-only pane: Rename File copies parser.txt as it is.
    w.files->save_path = w.home.filePath("saved.txt");
    w->command("rename_file")->trigger();
    const std::string saved = read_all(w.files->save_path);
    QCOMPARE(saved, read_all(w.user_file("parser.txt")));
    QVERIFY(saved.find("Puella") != std::string::npos);
    // Reloaded, it is editable, and becomes the parse log.
    w.files->open_path = w.files->save_path;
    w->empty_latin();
    w->command("reload_translation")->trigger();
    QCOMPARE(w->translation_pane()->toPlainText().toStdString(), saved);
    QVERIFY(!w->translation_pane()->isReadOnly());
    QCOMPARE(read_all(w.user_file("parser.txt")), saved);
    // An edited pane is saved as shown, carriage returns as line feeds.
    w->translation_pane()->setPlainText("The girl loves the rose.\rEdited.");
    w.files->save_path = w.home.filePath("edited.txt");
    w->rename_file();
    QCOMPARE(read_all(w.files->save_path), std::string("The girl loves the rose.\nEdited."));
    QVERIFY(w.messages.isEmpty());
  }

  void a_reloaded_file_is_cut_at_its_limit() {
    TestWindow w;
    const QString big = w.home.filePath("big.txt");
    write_all(big, std::string(199'998, 'x'));
    w.files->open_path = big;
    w->reload_translation();
    QVERIFY(!w->translation_pane()->isReadOnly());
    QVERIFY(w.messages.isEmpty());
    write_all(big, std::string(199'999, 'x'));
    w->reload_translation();
    QVERIFY(w->translation_pane()->isReadOnly());
    QVERIFY(w->translation_pane()->toPlainText().endsWith(shell::kTruncatedMark));
    QCOMPARE(w.messages.value(0), QString::fromStdString(shell::long_reload_message()));
    w.files->open_path = w.home.filePath("missing.txt");
    w->reload_translation();
    QVERIFY(w.messages.value(1).startsWith("Cannot open input file"));
  }

  void the_parse_log_prints_in_pages() {
    TestWindow w;
    // Long lines break at blanks before column 76: more printed lines than
    // log lines.
    std::string log;
    for (int i = 0; i < 150; ++i) log += std::string(40, 'a') + " " + std::string(60, 'b') + "\n";
    write_all(w.user_file("parser.txt"), log);
    const QString pdf = w.home.filePath("log.pdf");
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const int pages = w->print_parse_log(&writer);
    QVERIFY2(pages >= 4, qPrintable(QString::number(pages)));
    QVERIFY(read_all(pdf).rfind("%PDF", 0) == 0);
  }

  void recent_files_and_search_results() {
    TestWindow w;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
      const QString path = w.home.filePath(name);
      write_all(path, "Veni, vidi, vici.\n");
      w->open_file(path);
      QVERIFY(w.wait_for_run());
    }
    QMenu* recent = w->menu("recent");
    QCOMPARE(recent->actions().size(), 4);
    QVERIFY(recent->actions()[0]->text().endsWith("e.txt"));
    QVERIFY(recent->actions()[3]->text().endsWith("b.txt"));
    QVERIFY(w->latin_pane()->toPlainText().startsWith("Veni"));
    // Without fails.txt: the chosen file stays empty, with the message.
    w.files->save_path = w.home.filePath("results.txt");
    w->save_search_results();
    QCOMPARE(w.messages.value(0), QString(app::kCannotCopyFails));
    write_all(w.user_file("fails.txt"), "{\\rtf1 {SPELL-CHECK\\par}\n");
    w->save_search_results();
    QCOMPARE(read_all(w.files->save_path), std::string("{\\rtf1 {SPELL-CHECK\\par}\n"));
  }
};

KELVO_APP_TEST("files", FilesTest);

}  // namespace kelvo::apptest

#include "files_test.moc"
