// Pictures of the window for review, kept under build/screenshots: after a
// translation, with a menu open, and with a word in the lower pane.
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

#include "app/app_fixture.h"

namespace kelvo::apptest {

class ScreenshotsTest : public QObject {
  Q_OBJECT

  QString folder_ = QString(KELVO_BINARY_DIR) + "/screenshots";

  void save(QWidget* widget, const char* name) {
    QDir().mkpath(folder_);
    const QString path = folder_ + "/" + name;
    QVERIFY(widget->grab().save(path));
    qInfo("screenshot %s", qPrintable(path));
  }

 private slots:
  void the_window_after_a_translation_a_menu_and_a_word() {
    TestWindow w;
    w->resize(1000, 640);
    w->latin_pane()->setPlainText(
        "Gallia est omnis divisa in partes tres, quarum unam incolunt Belgae, aliam Aquitani, "
        "tertiam qui ipsorum lingua Celtae, nostra Galli appellantur.");
    w->translate();
    QVERIFY(w.wait_for_run());
    save(w.window.get(), "main_window.png");

    QMenu* edit = w->menu("edit");
    edit->popup(w->mapToGlobal(QPoint(60, w->menuBar()->height())));
    QVERIFY(QTest::qWaitForWindowExposed(edit));
    // The window with the menu drawn over it where it opened: a grab of the
    // screen would cut the window at the offscreen screen's edge.
    QPixmap picture = w->grab();
    {
      QPainter painter(&picture);
      painter.drawPixmap(w->mapFromGlobal(edit->mapToGlobal(QPoint(0, 0))), edit->grab());
    }
    QDir().mkpath(folder_);
    QVERIFY(picture.save(folder_ + "/menu_open.png"));
    edit->hide();

    w->click_at(w->latin_pane(), static_cast<int>(w->latin_pane()->toPlainText().indexOf("incolunt")));
    QVERIFY(w->lower_pane()->toPlainText().startsWith("'incolunt'"));
    save(w.window.get(), "single_word.png");
  }
};

KELVO_APP_TEST("screenshots", ScreenshotsTest);

}  // namespace kelvo::apptest

#include "screenshots_test.moc"
