// The Dictionary and Search menus' tools in the window: their dialogs, what
// they write, and the long ones on the worker thread with progress and
// Escape, measured on a tree of 10,000 files.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextEdit>

#include "app/app_fixture.h"
#include "shell/directory_list.h"
#include "shell/medieval_dictionary.h"

namespace kelvo::apptest {

namespace {

// The texts of the pane that are underlined.
QStringList underlined(QPlainTextEdit* pane) {
  QStringList out;
  for (QTextBlock b = pane->document()->begin(); b.isValid(); b = b.next())
    for (auto it = b.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().fontUnderline()) out << it.fragment().text();
  return out;
}

// `files` small Latin texts in folders of 100.
void make_tree(const QString& root, int files) {
  for (int i = 0; i < files; ++i) {
    const QString dir = QString("%1/part%2/sub%3").arg(root).arg(i / 1000).arg(i / 100 % 10);
    QDir().mkpath(dir);
    write_all(QString("%1/text%2.txt").arg(dir).arg(i),
              i % 10 == 0 ? "Rex regem amat. Gallia est omnis divisa.\n" : "Puella rosam amat.\n");
  }
}

template <typename T>
T* child(QWidget* dialog, const char* name) {
  return dialog->findChild<T*>(name);
}

}  // namespace

class ToolsTest : public QObject {
  Q_OBJECT

 private slots:
  void the_dictionary_dialog_searches_until_closed() {
    TestWindow w;
    QStringList shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->windowTitle(), QString("Search Dictionary"));
      auto* stem = child<QLineEdit>(dialog, "stem");
      auto* results = child<QTextEdit>(dialog, "results");
      for (const char* s : {"rex", "xqzt", "vir"}) {
        stem->setText(s);
        dialog->accept();  // OK searches and the dialog stays
        QVERIFY(dialog->isVisible());
        shown << results->toPlainText();
      }
      stem->clear();
      dialog->accept();  // OK with no stem closes
    });
    w->command("search_dictionary")->trigger();
    QCOMPARE(shown.size(), 3);
    QVERIFY2(shown[0].contains("rex                  NOUN  3 1 MASC      A:0 king"), qPrintable(shown[0]));
    QCOMPARE(shown[1], QString("No matching stems found."));
    QVERIFY(shown[2].startsWith("uir"));  // v read as u
    // The next opening shows the last stem and its results.
    QString stem_again, results_again;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      stem_again = child<QLineEdit>(dialog, "stem")->text();
      results_again = child<QTextEdit>(dialog, "results")->toPlainText();
      dialog->reject();
    });
    w->search_dictionary();
    QCOMPARE(stem_again, QString(""));
    QCOMPARE(results_again, shown[2]);
  }

  void a_spell_check_underlines_the_unread_words() {
    TestWindow w;
    const QString file = w.home.filePath("check.txt");
    write_all(file, "Rex xqzt amat.\n3a pqrwv. (uiuus),\n");
    w.files->open_path = file;
    w->command("spell_check")->trigger();
    QVERIFY(w->run_in_progress());
    QVERIFY(w->command("spell_check")->isChecked());
    QVERIFY(!w->command("search_file_list")->isEnabled());
    QVERIFY(w.wait_for_run());
    QVERIFY(!w->command("spell_check")->isChecked());
    QCOMPARE(w->latin_pane()->toPlainText(), QString("Rex xqzt amat.\n3a pqrwv. (uiuus),\n"));
    QCOMPARE(w->translation_pane()->toPlainText(), w->latin_pane()->toPlainText());
    QCOMPARE(underlined(w->translation_pane()), (QStringList{"xqzt", "3a", "pqrwv."}));
    QVERIFY(!w->translation_pane()->isReadOnly());
    const std::string fails = read_all(w.user_file("fails.txt"));
    QVERIFY(fails.starts_with("{\\rtf1 {SPELL-CHECK\\par}\n{Rex  \\ul xqzt}{ amat. \\par }\n"));
    QCOMPARE(read_all(w.user_file("parser.txt")), std::string("Successful spell-check."));
    QVERIFY2(w.messages.isEmpty(), qPrintable(w.messages.join("|")));
  }

  void a_spell_check_refuses_what_it_cannot_check() {
    TestWindow w;
    const QString big = w.home.filePath("big.txt");
    write_all(big, std::string(199'984, 'a'));
    w.files->open_path = big;
    w->spell_check();
    QVERIFY(w.wait_for_run());
    QVERIFY(w.messages.isEmpty());
    write_all(big, std::string(199'985, 'a'));
    w->spell_check();
    QVERIFY(!w->run_in_progress());
    QCOMPARE(w.messages.value(0), QString("File is too long"));
    w.files->open_path = w.home.filePath("absent.txt");
    w->spell_check();
    QVERIFY(w.messages.value(1).startsWith("Cannot open input file"));
    w.files->open_path.clear();  // cancelled
    w->spell_check();
    QCOMPARE(w.messages.size(), 2);
  }

  void a_file_list_and_its_searches() {
    TestWindow w;
    QTemporaryDir texts;  // not in Kelvo's own folder
    const QString root = texts.filePath("texts");
    make_tree(root, 30);
    write_all(root + "/NOTES.TXT", "Reges Romani.\n");
    // Kelvo's own folder is refused.
    w.files->folder_path = w->user_folder();
    w->create_file_list();
    QCOMPARE(w.messages.value(0), QString(shell::kProgramFolderRefused));
    w.files->folder_path = root;
    w->command("create_file_list")->trigger();
    QVERIFY(w.wait_for_run());
    QCOMPARE(w.messages.value(1), QString::fromStdString(shell::directory_list_done(31)));
    QCOMPARE(w->list_folder(), root);
    const std::string list = read_all(root + "/DIRKelvo.TXT");
    QVERIFY(list.starts_with(root.toStdString() + "\n"));
    QVERIFY(list.ends_with("31 = No. of files\n"));

    // A word search keeps its dialog open while the settings cannot be used.
    QStringList kept_open;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      QCOMPARE(dialog->windowTitle(), QString("Search Dialogue"));
      child<QRadioButton>(dialog, "word_search")->setChecked(true);
      child<QLineEdit>(dialog, "search_item")->setText("reg");
      child<QLineEdit>(dialog, "exclude_item")->setText("am");
      dialog->accept();
      if (dialog->isVisible()) kept_open << "exclude";
      child<QLineEdit>(dialog, "exclude_item")->setText("regi");
      auto* speech = child<QComboBox>(dialog, "speech_type");
      speech->setCurrentIndex(speech->findText("Noun"));
      dialog->accept();
    });
    w->command("search_file_list")->trigger();
    QVERIFY(w.wait_for_run());
    QCOMPARE(kept_open, QStringList{"exclude"});
    QVERIFY(w.messages.value(2).startsWith("For a word-search:"));
    QVERIFY2(w.messages.value(3).startsWith("Search complete.\nNo. of files searched was 31.\n"
                                            "No. of search-hits found was 4."),
             qPrintable(w.messages.value(3)));
    const std::string fails = read_all(w.user_file("fails.txt"));
    QVERIFY(fails.starts_with("--Search items = reg Exclude = regi (Speechtype = Noun."));
    QVERIFY(fails.find("*** regem: Rex regem amat .") != std::string::npos);
    QVERIFY(fails.find("regina") == std::string::npos);
    QCOMPARE(w->translation_pane()->toPlainText().toStdString(), fails);

    // A text search, the settings kept from the last.
    answer_next_dialog([](QDialog* dialog) {
      QCOMPARE(child<QLineEdit>(dialog, "search_item")->text(), QString("reg"));
      child<QRadioButton>(dialog, "text_search")->setChecked(true);
      child<QLineEdit>(dialog, "search_item")->setText("Reges");
      child<QLineEdit>(dialog, "exclude_item")->clear();
    });
    w->search_file_list();
    QVERIFY(w.wait_for_run());
    QVERIFY(read_all(w.user_file("fails.txt")).find("NOTES.TXT\n1***Reges Romani.") != std::string::npos);

    // A list made for another folder is not searched.
    write_all(root + "/DIRKelvo.TXT", "/elsewhere\n0 = No. of files\n");
    answer_next_dialog([](QDialog*) {});
    w->search_file_list();
    QVERIFY(!w->run_in_progress());
    QCOMPARE(w.messages.last(),
             QString("Header for 'DIRKelvo.TXT' (/elsewhere) does not match subdirectory you selected."));
  }

  void without_a_list_the_search_offers_to_make_one() {
    TestWindow w;
    answer_next_dialog([](QDialog* dialog) { child<QLineEdit>(dialog, "search_item")->setText("rex"); });
    w->search_file_list();
    QCOMPARE(w.messages.value(0), QString("Cannot open 'dirkelvo.txt'.\nShall I create it?"));
    QCOMPARE(w.messages.size(), 1);  // answered No
    w.prompter->yes = true;
    answer_next_dialog([](QDialog*) {});
    w->search_file_list();
    QCOMPARE(w.messages.value(2), QString(shell::kNoFolderChosen));
  }

  void the_medieval_dictionary_is_found_only_when_asked() {
    QTemporaryDir elsewhere;
    const QString deep = elsewhere.filePath("a/b/c");
    QDir().mkpath(deep);
    std::string table(50 * 36, '\0');
    table[908] = static_cast<char>(34382 & 0xFF);
    table[909] = static_cast<char>(34382 >> 8);
    {
      TestWindow w({}, KELVO_TEST_DATA_DIR, {elsewhere.path()});
      w->find_medieval_dictionary();
      QVERIFY(w.wait_for_run());
      QVERIFY(w.messages.value(1).startsWith("The program cannot find your free copy of 'meddict.dat'"));
      QVERIFY(!QFile::exists(w.user_file("meddict.dat")));
    }
    write_all(deep + "/MEDDICT.DAT", table);
    write_all(deep + "/userphrases.txt", "medieval\n");
    TestWindow w({}, KELVO_TEST_DATA_DIR, {elsewhere.path()});
    const std::string own = read_all(w.user_file("userphrases.txt"));
    w->command("find_medieval")->trigger();
    QVERIFY(w.wait_for_run());
    QCOMPARE(w.messages.value(0), QString(shell::kMedievalSearching));
    QVERIFY2(w.messages.value(1).startsWith("The medieval dictionary " + deep + "/MEDDICT.DAT was copied"),
             qPrintable(w.messages.value(1)));
    QCOMPARE(read_all(w.user_file("meddict.dat")), table);
    QCOMPARE(read_all(w.user_file("userphrases.txt")), std::string("medieval\n"));
    QCOMPARE(read_all(w.user_file("userphrases_bak.txt")), own);
    w->find_medieval_dictionary();
    QCOMPARE(w.messages.value(2), QString("The medieval dictionary (meddict.dat) is in place."));
  }

  // Not a timed test: it reports how long the list and the searches of a
  // tree of 10,000 files took on the worker, and the longest time the
  // interface thread went without handling events meanwhile.
  void ten_thousand_files_without_blocking_the_window() {
    TestWindow w;
    QTemporaryDir tree;
    const QString root = tree.filePath("tree");
    QElapsedTimer made;
    made.start();
    make_tree(root, 10'000);
    qInfo("tree of 10,000 files made in %lld ms", static_cast<long long>(made.elapsed()));
    w.files->folder_path = root;
    w->create_file_list();
    QVERIFY(w.wait_for_run(600'000));
    QCOMPARE(w.messages.value(0), QString(shell::kTooManyToSort));
    QCOMPARE(w.messages.value(1), QString::fromStdString(shell::directory_list_done(10'000)));
    qInfo("list: %lld ms on the worker, longest stall of the interface thread %d ms",
          static_cast<long long>(w->last_run_worker_ms()), w->longest_stall_ms());
    for (const char* kind : {"text_search", "word_search"}) {
      answer_next_dialog([kind](QDialog* dialog) {
        child<QRadioButton>(dialog, kind)->setChecked(true);
        child<QLineEdit>(dialog, "search_item")->setText(QString(kind) == "text_search" ? "Rex" : "reg");
      });
      w->search_file_list();
      QVERIFY(w.wait_for_run(600'000));
      QVERIFY2(w.messages.last().contains("No. of files searched was 10000.\nNo. of search-hits found "
                                          "was 1000."),
               qPrintable(w.messages.last()));
      qInfo("%s: %lld ms on the worker, longest stall of the interface thread %d ms", kind,
            static_cast<long long>(w->last_run_worker_ms()), w->longest_stall_ms());
    }
    // Escape ends the search after the file in hand: the progress bar counts
    // files meanwhile.
    answer_next_dialog([](QDialog* dialog) { child<QRadioButton>(dialog, "word_search")->setChecked(true); });
    w->search_file_list();
    QVERIFY(w->run_in_progress());
    // The key reaches the window's shortcut once the window is active again
    // after the dialog (the offscreen platform leaves that to the test).
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
    QCOMPARE(w->findChild<QProgressBar*>("run_progress")->maximum(), 10'000);
    QTest::keyClick(w->latin_pane(), Qt::Key_Escape);
    QVERIFY(w.wait_for_run());
    QVERIFY2(w.messages.last().startsWith("Escape pressed. Only "), qPrintable(w.messages.last()));
    QVERIFY(!w.messages.last().contains("Only 10000"));
    qInfo("%s", qPrintable(w.messages.last()));
  }
};

KELVO_APP_TEST("tools", ToolsTest);

}  // namespace kelvo::apptest

#include "tools_test.moc"
