// Translate: the text goes to a run on the worker thread and the parse log
// comes back into the Translation pane; clicks and hovers read the words
// through the run's token offsets; Escape ends a long run.
#include <QAction>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTextCursor>

#include "app/app_fixture.h"
#include "app/text_codec.h"
#include "app/window_texts.h"
#include "shell/pane_text.h"
#include "text/translation_run.h"

namespace kelvo::apptest {

class TranslateTest : public QObject {
  Q_OBJECT

 private slots:
  void translate_fills_the_translation_pane() {
    TestWindow w;
    QVERIFY(w.started);
    w->latin_pane()->setPlainText("Gallia est omnis divisa in partes tres.");
    QTest::mouseClick(w->translate_button(), Qt::LeftButton);
    QVERIFY(w.wait_for_run());
    const QString shown = w->translation_pane()->toPlainText();
    QVERIFY2(shown.contains("Gallia"), qPrintable(shown));
    QVERIFY(shown.contains("Done. No. of words translated in file = 7."));
    QVERIFY(shown.contains("Time taken = "));
    // The pane shows parser.txt as written, and the pane stays read-only
    // with Translate off.
    QCOMPARE(app::decode_text(read_all(w.user_file("parser.txt"))), shown);
    QVERIFY(w->translation_pane()->isReadOnly());
    QCOMPARE(w->latin_pane()->toPlainText(), QString("Gallia est omnis divisa in partes tres."));
    QVERIFY2(w.messages.isEmpty(), qPrintable(w.messages.join("|")));
    QVERIFY(!w->token_index().empty());
  }

  // With the Translate option on, the pane shows the English of each sentence,
  // and the Latin words are still found by their places.
  void translate_on_shows_the_english() {
    TestWindow w;
    QVERIFY(w.started);
    w->command("translate_option")->trigger();
    w->latin_pane()->setPlainText("Puella rosam amat. Caesar venit.");
    QTest::mouseClick(w->translate_button(), Qt::LeftButton);
    QVERIFY(w.wait_for_run());
    const QString shown = w->translation_pane()->toPlainText();
    QVERIFY2(shown.contains("loves"), qPrintable(shown));
    QVERIFY2(shown.contains("comes"), qPrintable(shown));
    QVERIFY(!w->token_index().empty());
  }

  // A click on an English word marks the Latin word it renders and shows
  // that word's readings; an edit of the English ends the link.
  void a_click_on_the_english_marks_its_latin_word() {
    TestWindow w;
    w->command("translate_option")->trigger();
    const QString latin = QString::fromUtf8("Rōma magna est. Puella rosam amat.");
    w->latin_pane()->setPlainText(latin);
    w->translate();
    QVERIFY(w.wait_for_run());
    QVERIFY(!w->english_index().empty());
    const QString shown = w->translation_pane()->toPlainText();
    const int loves = static_cast<int>(shown.indexOf("loves"));
    QVERIFY2(loves >= 0, qPrintable(shown));
    w->click_at(w->translation_pane(), loves + 2);
    const auto marks = w->latin_pane()->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks[0].cursor.selectedText(), QString("amat"));
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'amat': "),
             qPrintable(w->lower_pane()->toPlainText()));
    // A word of the first sentence, found past the macron's two bytes.
    int great = static_cast<int>(shown.indexOf("great"));
    if (great < 0) great = static_cast<int>(shown.indexOf("large"));
    QVERIFY2(great >= 0, qPrintable(shown));
    w->click_at(w->translation_pane(), great);
    QCOMPARE(w->latin_pane()->extraSelections().value(0).cursor.selectedText(), QString("magna"));
    // The run's closing lines render no Latin word: no mark is made for them.
    w->click_at(w->translation_pane(), static_cast<int>(shown.indexOf("Done.")) + 1);
    QCOMPARE(w->latin_pane()->extraSelections().value(0).cursor.selectedText(), QString("magna"));
    w->translation_pane()->appendPlainText("more");
    QVERIFY(w->english_index().empty());
    w->latin_pane()->appendPlainText("amo");
    QVERIFY(w->latin_pane()->extraSelections().isEmpty());
  }

  void a_word_is_found_by_its_offsets_after_a_run() {
    TestWindow w;
    // Macrons take two bytes each: the pane's positions are not byte offsets.
    const QString text = QString::fromUtf8("Rōma in Italiā est. Puellae cantant.");
    w->latin_pane()->setPlainText(text);
    w->translate();
    QVERIFY(w.wait_for_run());
    const int at = static_cast<int>(text.indexOf("cantant")) + 2;
    const Token* t = w->token_index().token_at(at);
    QVERIFY(t != nullptr);
    QCOMPARE(QString::fromStdString(t->text), QString("cantant"));
    QVERIFY(w->token_index().token_at(static_cast<int>(text.indexOf(" in"))) == nullptr);
    w->click_at(w->latin_pane(), at);
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'cantant': "),
             qPrintable(w->lower_pane()->toPlainText()));
    QVERIFY(w->tooltip_at(static_cast<int>(text.indexOf("Italiā")) + 1).startsWith("Italia"));
    // An edit ends the offsets; a click then finds the word by its letters.
    w->latin_pane()->appendPlainText("amo");
    QVERIFY(w->token_index().empty());
    w->click_at(w->latin_pane(), static_cast<int>(w->latin_pane()->toPlainText().indexOf("amo")));
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'amo': "),
             qPrintable(w->lower_pane()->toPlainText()));
  }

  void selections_and_limits() {
    TestWindow w;
    // A selection of 1,999 characters is refused, 1,998 accepted.
    w->latin_pane()->setPlainText(QString(1999, 'a'));
    QTextCursor c = w->latin_pane()->textCursor();
    c.select(QTextCursor::Document);
    w->latin_pane()->setTextCursor(c);
    w->translate();
    QCOMPARE(w.messages.value(0), QString(shell::kSelectionTooLong));
    QVERIFY(!w->run_in_progress());
    c.setPosition(1);
    c.setPosition(1999, QTextCursor::KeepAnchor);
    w->latin_pane()->setTextCursor(c);
    w->translate();
    QVERIFY(w->run_in_progress());
    QVERIFY(w.wait_for_run());
    // The whole pane: 199,998 characters are refused.
    w.messages.clear();
    w->latin_pane()->setPlainText(QString(199'998, 'a'));
    w->translate();
    QCOMPARE(w.messages.value(0), QString(shell::kLatinTooLong));
    QVERIFY(!w->run_in_progress());
  }

  void one_selected_word_with_translate_on_is_a_single_word() {
    TestWindow w;
    w->latin_pane()->setPlainText("Puella amat.");
    QTextCursor c = w->latin_pane()->textCursor();
    c.setPosition(7);
    c.setPosition(11, QTextCursor::KeepAnchor);
    w->latin_pane()->setTextCursor(c);
    w->command("translate_option")->trigger();
    w->translate();
    QVERIFY(!w->run_in_progress());
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'amat': "),
             qPrintable(w->lower_pane()->toPlainText()));
    // A selection is a glossary request: under the default choice the
    // glossary goes to its own window.
    QVERIFY(w->glossary_window() != nullptr);
    QVERIFY(w->glossary_window()->text().startsWith("'amat':\n"));
    // With Translate off the same selection is a run of one word.
    w->command("translate_option")->trigger();
    w->latin_pane()->setTextCursor(c);
    w->translate();
    QVERIFY(w->run_in_progress());
    QVERIFY(w.wait_for_run());
  }

  void escape_ends_a_long_run_and_the_window_keeps_answering() {
    const std::string text = long_corpus_text();
    KELVO_REQUIRE_SHARED_QT(!text.empty(), "../shared/corpus");
    TestWindow w;
    const QString file = w.home.filePath("corpus4.txt");
    write_all(file, text);
    w.files->open_path = file;
    w->command("open")->trigger();
    QVERIFY(w->run_in_progress());
    auto* progress = w->findChild<QProgressBar*>("run_progress");
    QVERIFY(progress->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return progress->value() > 20; }, 60'000));
    QTest::keyClick(w->latin_pane(), Qt::Key_Escape);
    QVERIFY(w.wait_for_run());
    QVERIFY(!progress->isVisible());
    QCOMPARE(w.messages.value(0), QString(text::kEscapeMessage).trimmed());
    // The pane shows the start of the file, cut, and says so once the run ends.
    QVERIFY(w.messages.contains(app::kLatinTruncated));
    // The pane may show only the log's start; parser.txt holds it all.
    const std::string log = read_all(w.user_file("parser.txt"));
    QVERIFY(log.find(text::kEscapeMessage) != std::string::npos);
    QVERIFY(log.find("Time taken = ") > log.find(text::kEscapeMessage));
    QVERIFY(w->latin_pane()->toPlainText().endsWith(shell::kTruncatedMark));
  }

  void closing_during_a_run_waits_for_its_end() {
    TestWindow w;
    QString text;
    for (int i = 0; i < 2000; ++i) text += "Gallia est omnis divisa in partes tres. ";
    w->latin_pane()->setPlainText(text);
    w->translate();
    QVERIFY(w->run_in_progress());
    w->close();
    QVERIFY(w->isVisible());  // not while the worker is busy
    QVERIFY(w.wait_for_run());
    QVERIFY(QTest::qWaitFor([&] { return !w->isVisible(); }, 5000));
  }

  // Not a timed test: it reports how long the interface thread went without
  // handling events during a whole run of the corpus four times over.
  void a_long_run_leaves_the_interface_thread_free() {
    const std::string text = long_corpus_text();
    KELVO_REQUIRE_SHARED_QT(!text.empty(), "../shared/corpus");
    TestWindow w;
    const QString file = w.home.filePath("corpus4.txt");
    write_all(file, text);
    w->open_file(file);
    QVERIFY(w.wait_for_run(600'000));
    qInfo("corpus x4: %zu bytes, run on the worker %lld ms, longest stall of the interface "
          "thread %d ms",
          text.size(), static_cast<long long>(w->last_run_worker_ms()), w->longest_stall_ms());
    QVERIFY(w->translation_pane()->toPlainText().endsWith(shell::kTruncatedMark));
    QVERIFY(w.messages.join("|").contains("Long translation truncated to 199999 chars."));
  }
};

KELVO_APP_TEST("translate", TranslateTest);

}  // namespace kelvo::apptest

#include "translate_test.moc"
