// The menu commands that need no file dialog, their check marks and greyed
// items, and the rules that tie the options together.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>

#include "app/app_fixture.h"
#include "app/help_window.h"
#include "shell/option_rules.h"
#include "shell/user_settings.h"

namespace kelvo::apptest {

class MenusTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TestWindow> w;

  bool checked(const char* name) const { return (*w)->command(name)->isChecked(); }
  bool enabled(const char* name) const { return (*w)->command(name)->isEnabled(); }
  void trigger(const char* name) const { (*w)->command(name)->trigger(); }

 private slots:
  void init() {
    w = std::make_unique<TestWindow>();
    QVERIFY(w->started);
  }
  void cleanup() { w.reset(); }

  void the_defaults_show_as_check_marks() {
    const char* on[] = {"area_general", "age_medieval", "order_auto", "user_phrases_allowed",
                        "user_phrases_show", "medieval_tricks", "ablative_absolute",
                        "single_word_error", "neural", "toolbar", "status_bar"};
    for (const char* name : on) QVERIFY2(checked(name), name);
    const char* off[] = {"translate_option", "details", "joint", "inscriptions", "easy_latin",
                         "plautus", "medieval_phonetics", "abbreviations", "force_proper",
                         "single_word_underscore", "auto_adjusting", "long_listing"};
    for (const char* name : off) QVERIFY2(!checked(name), name);
    // Greyed until Translate is on, or without their conditions.
    for (const char* name : {"details", "joint", "auto_adjusting", "area_neolatin",
                             "area_botany"})
      QVERIFY2(!enabled(name), name);
    for (const char* name : {"medieval_phonetics", "area_medieval", "open", "empty_latin",
                             "search_dictionary", "spell_check", "create_file_list",
                             "search_file_list", "find_medieval"})
      QVERIFY2(enabled(name), name);
  }

  void toggles_and_their_dependents() {
    trigger("translate_option");
    QVERIFY(checked("translate_option"));
    QVERIFY((*w)->settings().options.translate);
    for (const char* name : {"details", "joint", "auto_adjusting"}) QVERIFY2(enabled(name), name);
    trigger("details");
    QVERIFY((*w)->settings().options.details);
    trigger("medieval_tricks");
    QVERIFY(!enabled("medieval_phonetics"));
    // A key with no menu item: the long stored-word listing.
    QTest::keyClick(w->window.get(), Qt::Key_M, Qt::AltModifier | Qt::ShiftModifier);
    QVERIFY((*w)->settings().options.long_listing);
    QVERIFY(checked("long_listing"));
    // Every flag item flips its own option and nothing else.
    const char* flags[] = {"plautus", "abbreviations", "inscriptions", "force_proper", "neural",
                           "single_word_error", "single_word_underscore", "ablative_absolute"};
    for (const char* name : flags) {
      const bool before = checked(name);
      trigger(name);
      QVERIFY2(checked(name) != before, name);
    }
  }

  void area_age_and_order_follow_their_rules() {
    // A specific area turns Auto-adjusting off; Auto-adjusting returns to General.
    trigger("translate_option");
    trigger("auto_adjusting");
    QVERIFY((*w)->settings().options.auto_adjusting);
    trigger("area_legal");
    QCOMPARE((*w)->settings().options.area, 'L');
    QVERIFY(!checked("auto_adjusting"));
    QVERIFY(checked("area_legal") && !checked("area_general"));
    trigger("auto_adjusting");
    QCOMPARE((*w)->settings().options.area, '\0');
    // Medieval meanings need the medieval age, NeoLatin all ages.
    trigger("area_medieval");
    QCOMPARE((*w)->settings().options.area, 'M');
    QVERIFY((*w)->settings().options.medieval_meanings);
    trigger("age_all");
    QVERIFY(checked("age_all") && !checked("age_medieval"));
    QVERIFY(enabled("area_neolatin") && !enabled("area_medieval"));
    // The Area menu's refresh under all ages: an area other than 'Z' returns
    // to General.
    emit (*w)->menu("area")->aboutToShow();
    QCOMPARE((*w)->settings().options.area, '\0');
    trigger("area_neolatin");
    QCOMPARE((*w)->settings().options.area, 'Z');
    trigger("order_svoe");
    QCOMPARE((*w)->settings().options.best_order, WordOrder::svoe);
    QVERIFY(checked("order_svoe") && !checked("order_auto"));
  }

  void easy_latin_sets_its_companions_and_says_so() {
    trigger("medieval_phonetics");
    trigger("easy_latin");
    const auto& o = (*w)->settings().options;
    QVERIFY(o.easy_latin);
    QCOMPARE(o.age, Age::classical);
    QVERIFY(!o.medieval_tricks && !o.medieval_phonetics);
    QVERIFY(checked("age_classical") && !checked("medieval_tricks"));
    QCOMPARE(w->messages.value(0), QString(shell::kEasyLatinOnMessage));
    trigger("easy_latin");
    QVERIFY(o.medieval_tricks);
    QCOMPARE(w->messages.value(1), QString(shell::kEasyLatinOffMessage));
  }

  void empty_latin_and_the_clipboard_commands() {
    auto* latin = (*w)->latin_pane();
    latin->setPlainText("arma virumque cano");
    latin->setFocus();
    latin->selectAll();
    trigger("copy");
    QCOMPARE(QApplication::clipboard()->text(), QString("arma virumque cano"));
    trigger("cut");
    QCOMPARE(latin->toPlainText(), QString());
    trigger("paste");
    QCOMPARE(latin->toPlainText(), QString("arma virumque cano"));
    trigger("empty_latin");
    QCOMPARE(latin->toPlainText(), QString(" \n"));
    QVERIFY((*w)->translation_pane()->toPlainText().contains("version 2.30A"));
  }

  void status_prompts_and_keys_come_from_the_tables() {
    QCOMPARE((*w)->command("open")->statusTip(), QString("Opens a Latin Text File."));
    QCOMPARE((*w)->command("open")->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE((*w)->command("translate_option")->shortcut(), QKeySequence("Ctrl+T"));
    QCOMPARE((*w)->command("single_word_mode")->shortcut(), QKeySequence("Ctrl+G"));
    QCOMPARE((*w)->command("exit")->shortcut(), QKeySequence("Alt+F4"));
    QCOMPARE((*w)->command("medieval_phonetics")->statusTip(),
             QString("Phonetic search of medieval words."));
    // Hovering an item puts its prompt in the status bar.
    QStatusTipEvent tip((*w)->command("rename_file")->statusTip());
    QApplication::sendEvent(w->window.get(), &tip);
    QCOMPARE((*w)->statusBar()->currentMessage(),
             QString("Renames and saves Parser.txt to a new name."));
    // Ctrl+E from the keyboard empties the Latin pane.
    (*w)->latin_pane()->setPlainText("Gallia");
    (*w)->activateWindow();
    QTest::keyClick((*w)->latin_pane(), Qt::Key_E, Qt::ControlModifier);
    QCOMPARE((*w)->latin_pane()->toPlainText(), QString(" \n"));
  }

  void view_help_and_settings_commands() {
    trigger("toolbar");
    QVERIFY(!(*w)->findChild<QToolBar*>("tool_bar")->isVisible());
    trigger("status_bar");
    QVERIFY(!(*w)->statusBar()->isVisible());
    trigger("about");
    QVERIFY(w->messages.value(0).contains("Kelvo 2.30A (LSP)"));
    QVERIFY(w->messages.value(0).contains("2001-2025"));
    trigger("help");
    auto* browser = (*w)->findChild<QTextBrowser*>("help_browser");
    QVERIFY(browser && browser->isVisible());
    QVERIFY2(browser->toPlainText().contains("Kelvo"), qPrintable(browser->toPlainText()));
    // Save User Settings asks first; Cancel saves nothing.
    w->messages.clear();
    w->prompter->ok = false;
    trigger("plautus");
    trigger("save_settings");
    QCOMPARE(w->messages, QStringList{shell::kSaveSettingsQuestion});
    w->prompter->ok = true;
    trigger("save_settings");
    QCOMPARE(w->messages.value(2), QString(shell::kSettingsSaved));
    QVERIFY(read_all(w->user_file("UserSettings.txt")).find("PLAUTUS=TRUE") != std::string::npos);
    trigger("exit");
    QVERIFY(!(*w)->isVisible());
  }
};

KELVO_APP_TEST("menus", MenusTest);

}  // namespace kelvo::apptest

#include "menus_test.moc"
