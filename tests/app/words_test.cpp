// A word on its own: the click, the one-word selection, the Single Word
// Mode choices, the underscore mark and an over-long word.
#include <QAction>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolTip>

#include "app/app_fixture.h"

namespace kelvo::apptest {

class WordsTest : public QObject {
  Q_OBJECT

 private slots:
  void a_click_translates_the_word_into_the_lower_pane() {
    TestWindow w;
    w->latin_pane()->setPlainText("Gallia est omnis divisa ; amo.");
    // Before any run the word is found by its letters.
    QTest::mouseClick(w->latin_pane()->viewport(), Qt::LeftButton, {},
                      w->latin_pane()->cursorRect(cursor_at(w, 13)).center());
    QVERIFY(QTest::qWaitFor([&] { return !w->lower_pane()->toPlainText().isEmpty(); }, 2000));
    const QString lower = w->lower_pane()->toPlainText();
    QVERIFY2(lower.startsWith("'omnis': "), qPrintable(lower));
    QVERIFY(lower.size() <= 200);
    QVERIFY(w->glossary_window() == nullptr);
    // A click on a stop between blanks finds no word and leaves the pane.
    w->click_at(w->latin_pane(), 24);
    QCOMPARE(w->lower_pane()->toPlainText(), lower);
  }

  void a_selection_can_still_be_dragged_from_a_click() {
    TestWindow w;
    w->latin_pane()->setPlainText("Gallia est omnis divisa in partes tres.");
    QWidget* view = w->latin_pane()->viewport();
    const QPoint from = w->latin_pane()->cursorRect(cursor_at(w, 0)).center();
    const QPoint to = w->latin_pane()->cursorRect(cursor_at(w, 16)).center();
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    QTest::qWait(20);  // the click's word reading runs in between
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    QCOMPARE(w->latin_pane()->textCursor().selectedText(), QString("Gallia est omnis"));
    QVERIFY(w->lower_pane()->toPlainText().startsWith("'Gallia': "));
  }

  void the_choice_decides_where_the_glossary_goes() {
    TestWindow w;
    w->latin_pane()->setPlainText("amo");
    // 1: the glossary in the lower pane, no window.
    const_cast<TranslationOptions&>(w->settings().options).single_word_choice = 1;
    w->click_at(w->latin_pane(), 1);
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'amo':\n"),
             qPrintable(w->lower_pane()->toPlainText()));
    QVERIFY(w->glossary_window() == nullptr);
    // 2: the glossary in its own window, the translation below.
    const_cast<TranslationOptions&>(w->settings().options).single_word_choice = 2;
    w->click_at(w->latin_pane(), 1);
    QVERIFY(w->lower_pane()->toPlainText().startsWith("'amo': "));
    QVERIFY(w->glossary_window() != nullptr);
    QVERIFY(w->glossary_window()->text().startsWith("'amo':\n"));
    QVERIFY(w->glossary_window()->text().contains("love"));
  }

  void hovering_a_word_shows_its_readings() {
    TestWindow w;
    w->latin_pane()->setPlainText("Caesar legiones duxit.");
    w->translate();
    QVERIFY(w.wait_for_run());
    QTextCursor c = cursor_at(w, 9);
    const QPoint at = w->latin_pane()->cursorRect(c).center();
    QHelpEvent hover(QEvent::ToolTip, at, w->latin_pane()->viewport()->mapToGlobal(at));
    QApplication::sendEvent(w->latin_pane()->viewport(), &hover);
    QVERIFY(QToolTip::isVisible());
    QVERIFY2(QToolTip::text().startsWith("legiones\n"), qPrintable(QToolTip::text()));
    QVERIFY(QToolTip::text().contains("legion"));
  }

  void a_click_in_the_translation_pane_reads_that_word() {
    TestWindow w;
    w->translation_pane()->setPlainText("The girl amat.");
    w->click_at(w->translation_pane(), 10);
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'amat': "),
             qPrintable(w->lower_pane()->toPlainText()));
  }

  void underscore_marks_the_clicked_word() {
    TestWindow w;
    w->latin_pane()->setPlainText("Marcus venit.");
    w->command("single_word_underscore")->trigger();
    w->click_at(w->latin_pane(), 2);
    QCOMPARE(w->latin_pane()->toPlainText(), QString("_Marcus_ venit."));
    QVERIFY(w->lower_pane()->toPlainText().startsWith("'_Marcus_': "));
  }

  void ligatures_and_long_words() {
    TestWindow w;
    w->translate_word(QString::fromUtf8("Æneas"), true);
    QVERIFY2(w->lower_pane()->toPlainText().startsWith("'aeneas': "),
             qPrintable(w->lower_pane()->toPlainText()));
    w->translate_word(QString(120, 'a'), true);
    QVERIFY(w.messages.value(0).startsWith("More than 100 characters in word"));
    QVERIFY(w.messages.value(0).endsWith("Truncated at 95 chars."));
    QVERIFY(w->lower_pane()->toPlainText().startsWith("'" + QString(95, 'a') + "': "));
  }

 private:
  static QTextCursor cursor_at(TestWindow& w, int position) {
    QTextCursor c(w->latin_pane()->document());
    c.setPosition(position);
    return c;
  }
};

KELVO_APP_TEST("words", WordsTest);

}  // namespace kelvo::apptest

#include "words_test.moc"
