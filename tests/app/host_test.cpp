// The window's host for the core: questions from the worker thread wait for
// the interface thread's answer; warning boxes are counted over the whole
// program run; Escape ends a run.
#include <QThread>

#include "app/app_fixture.h"
#include "app/run_host.h"
#include "text/translation_run.h"

namespace kelvo::apptest {

class HostTest : public QObject {
  Q_OBJECT

 private slots:
  void two_warning_boxes_a_program_run_but_escape_always() {
    QStringList shown;
    RecordingPrompter prompter(&shown);
    auto boxes = std::make_shared<std::atomic<int>>(0);
    app::RunHost runs(&prompter, boxes), words(&prompter, boxes);
    runs.warning("first");
    words.warning("second");
    runs.warning("third");
    words.warning(text::kEscapeMessage);
    QCOMPARE(shown, (QStringList{"first", "second", "Escape Pressed. Ending translation."}));
  }

  void a_question_from_a_worker_waits_for_the_answer() {
    QStringList shown;
    RecordingPrompter prompter(&shown);
    prompter.yes = true;
    app::RunHost host(&prompter, std::make_shared<std::atomic<int>>(0));
    bool answer = false;
    QThread* worker = QThread::create([&] { answer = host.ask_yes_no("Use the Botany data?"); });
    worker->start();
    QVERIFY(QTest::qWaitFor([&] { return worker->isFinished(); }, 5000));
    delete worker;
    QVERIFY(answer);
    QCOMPARE(shown, QStringList{"Use the Botany data?"});
    // While the window closes, no box opens and the safe answers are given.
    host.set_closing();
    QVERIFY(!host.ask_yes_no("again?"));
    QVERIFY(host.ask_ok_cancel("go on?"));
    QCOMPARE(shown.size(), 1);
  }

  void stop_is_seen_at_the_next_sentence() {
    QStringList shown;
    RecordingPrompter prompter(&shown);
    app::RunHost host(&prompter, std::make_shared<std::atomic<int>>(0));
    host.begin_run();
    QVERIFY(!host.escape_pressed());
    host.request_stop();
    QVERIFY(host.escape_pressed());
    QCOMPARE(host.sentences_done(), 2);
    host.begin_run();
    QVERIFY(!host.escape_pressed());
  }
};

KELVO_APP_TEST("host", HostTest);

}  // namespace kelvo::apptest

#include "host_test.moc"
