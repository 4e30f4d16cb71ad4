// What survives a restart: the options and fonts saved to UserSettings.txt,
// the window's placement and the recent files in its own settings file.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QPlainTextEdit>
#include <QSettings>

#include "app/app_fixture.h"
#include "app/window_placement.h"
#include "app/window_texts.h"

namespace kelvo::apptest {

class SettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void options_and_fonts_survive_a_restart() {
    QTemporaryDir home;
    {
      TestWindow w(home.path());
      QVERIFY(w.started);
      w->command("plautus")->trigger();
      w->command("order_svoe")->trigger();
      w->command("age_all")->trigger();
      shell::WindowSettings font;
      font.font_type = shell::FontType::courier;
      font.font_size = 14;
      font.font_bold = true;
      font.background = shell::Background::grey;
      w->apply_window_settings(font);
      // One font for all three panes; the lower pane keeps its light blue.
      for (QPlainTextEdit* p : {w->latin_pane(), w->translation_pane(), w->lower_pane()}) {
        QCOMPARE(p->font().pointSize(), 14);
        QVERIFY(p->font().bold());
      }
      QCOMPARE(w->latin_pane()->palette().color(QPalette::Base), QColor(240, 240, 240));
      QCOMPARE(w->lower_pane()->palette().color(QPalette::Base), QColor(192, 192, 240));
      w->save_user_settings();
      QCOMPARE(w.messages.value(1), QString(shell::kSettingsSaved));
      w->move(120, 80);
      w->resize(700, 500);
      w->close();
    }
    TestWindow again(home.path());
    QVERIFY(again.started);
    const auto& o = again->settings().options;
    QVERIFY(o.plautus);
    QCOMPARE(o.best_order, WordOrder::svoe);
    QCOMPARE(o.age, Age::all);
    QVERIFY(again->command("plautus")->isChecked());
    QVERIFY(again->command("order_svoe")->isChecked());
    QCOMPARE(again->settings().window.font_type, shell::FontType::courier);
    QCOMPARE(again->latin_pane()->font().pointSize(), 14);
    QCOMPARE(again->translation_pane()->palette().color(QPalette::Base), QColor(240, 240, 240));
    // The window reopens where it was left.
    QSettings store(QDir(home.path()).filePath(app::kWindowSettingsName), QSettings::IniFormat);
    QCOMPARE(app::read_placement(store).rect.size(), QSize(700, 500));
  }

  void the_font_and_single_word_dialogs() {
    TestWindow w;
    answer_next_dialog([](QDialog* d) {
      d->findChild<QSpinBox*>("font_size")->setValue(12);
      d->findChild<QListWidget*>("font_type")->setCurrentRow(1);
      d->findChild<QListWidget*>("background")->setCurrentRow(0);
      d->findChild<QCheckBox*>("bold")->setChecked(true);
    });
    w->command("font")->trigger();
    QCOMPARE(w->settings().window.font_type, shell::FontType::roman);
    QCOMPARE(w->lower_pane()->font().pointSize(), 12);
    QVERIFY(w->translation_pane()->font().bold());
    QCOMPARE(w->latin_pane()->palette().color(QPalette::Base), QColor(255, 255, 255));
    answer_next_dialog([](QDialog* d) {
      d->findChild<QRadioButton*>("single_word_choice_2")->setChecked(true);
    });
    w->command("single_word_mode")->trigger();
    QCOMPARE(w->settings().options.single_word_choice, 2);
  }

  void placement_entries_read_as_written() {
    QTemporaryDir dir;
    QSettings store(dir.filePath("p.ini"), QSettings::IniFormat);
    // No entry: 10, 10, 500, 400.
    app::Placement p = app::read_placement(store);
    QCOMPARE(p.rect, QRect(QPoint(10, 10), QPoint(499, 399)));
    QVERIFY(!p.minimised && !p.maximised);
    p.rect = QRect(QPoint(5, 6), QPoint(804, 605));
    p.maximised = true;
    app::write_placement(store, p);
    QCOMPARE(store.value("Placement/Rect").toString(), QString("0005 0006 0805 0606"));
    app::Placement back = app::read_placement(store);
    QCOMPARE(back.rect, p.rect);
    QVERIFY(back.maximised);
    store.setValue("Placement/Rect", "garbage");
    QCOMPARE(app::read_placement(store).rect, QRect(QPoint(10, 10), QPoint(499, 399)));
  }
};

KELVO_APP_TEST("settings", SettingsTest);

}  // namespace kelvo::apptest

#include "settings_test.moc"
