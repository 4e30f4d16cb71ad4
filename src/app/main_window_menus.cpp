// The menus, the tool bar and the check marks and greyed items that follow
// the options.
#include <QActionGroup>
#include <QApplication>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/main_window.h"
#include "app/window_placement.h"
#include "shell/option_rules.h"

namespace kelvo::app {

namespace {

// Flag options that a menu item simply flips.
struct Toggle {
  const char* name;
  bool TranslationOptions::*flag;
};

// One item of a menu that chooses a value (area, age, word order).
template <typename V>
struct Choice {
  const char* name;
  const char* text;
  V value;
  const char* tip;
};

constexpr Choice<char> kAreas[] = {
    {"area_general", "&General", 0, "Prefer general meanings."},
    {"area_biological", "&Biological, Medical, Cookery", 'B',
     "Prefer biological, medical and cookery meanings."},
    {"area_botany", "Botany, Horticultural", 'H',
     "Prefer botanical meanings (only with the Botany data accepted)."},
    {"area_ecclesiastical", "&Ecclesiastical", 'E', "Prefer ecclesiastical meanings."},
    {"area_grammatical", "G&rammatical, of Poetic meter", 'G',
     "Prefer grammatical and metrical meanings."},
    {"area_legal", "&Legal", 'L', "Prefer legal meanings."},
    {"area_military", "&Military", 'W', "Prefer military meanings."},
    {"area_medieval", "&Prefer Medieval Meanings", 'M',
     "Prefer medieval meanings (only with medieval Latin chosen)."},
    {"area_neolatin", "&Prefer NeoLatin Meanings", 'Z',
     "Prefer NeoLatin meanings (only with Latin of all ages chosen)."},
    {"area_scientific", "&Scientific, Technical", 'S', "Prefer scientific and technical meanings."},
    {"area_theatre", "&Theatre, Music, Poetry", 'D', "Prefer theatre, music and poetry meanings."},
};

constexpr Choice<Age> kAges[] = {
    {"age_all", "Latin from &all ages", Age::all, "Accept words of every age."},
    {"age_classical", "&Classical Latin to 500AD", Age::classical,
     "Accept classical words only (ends Botany mode)."},
    {"age_medieval", "&Medieval Latin to 1500AD", Age::medieval,
     "Accept classical and medieval words (ends Botany mode)."},
};

constexpr Choice<WordOrder> kOrders[] = {
    {"order_none", "No word ordering", WordOrder::none, "Keep the Latin word order."},
    {"order_nomverb", "Verb after Nom (Medieval)", WordOrder::nomverb,
     "Put the verb after the nominatives."},
    {"order_auto", "Auto word ordering (Default)", WordOrder::automatic,
     "Choose the English word order automatically."},
    {"order_svoe", "SVOE order", WordOrder::svoe, "Subject, verb, object, then the rest."},
};

constexpr Toggle kToggles[] = {
    {"single_word_underscore", &TranslationOptions::single_word_underscore},
    {"user_phrases_allowed", &TranslationOptions::allow_user_phrase},
    {"user_phrases_show", &TranslationOptions::show_user_phrase},
    {"plautus", &TranslationOptions::plautus},
    {"medieval_tricks", &TranslationOptions::medieval_tricks},
    {"medieval_phonetics", &TranslationOptions::medieval_phonetics},
    {"ablative_absolute", &TranslationOptions::ablative_absolute},
    {"abbreviations", &TranslationOptions::abbreviation},
    {"inscriptions", &TranslationOptions::inscriptions},
    {"details", &TranslationOptions::details},
    {"joint", &TranslationOptions::joint},
    {"translate_option", &TranslationOptions::translate},
    {"single_word_error", &TranslationOptions::single_word_error},
    {"allow_hash", &TranslationOptions::hash_in_use},
    {"neural", &TranslationOptions::neural},
    {"force_proper", &TranslationOptions::force_proper},
    {"long_listing", &TranslationOptions::long_listing},
    {"easy_latin", &TranslationOptions::easy_latin},
};

}  // namespace

QAction* MainWindow::command(const char* name) const {
  return findChild<QAction*>(QString("action_") + name);
}

QMenu* MainWindow::menu(const char* name) const {
  return findChild<QMenu*>(QString("menu_") + name);
}

QAction* MainWindow::add_command(QMenu* menu, const char* name, const QString& text,
                                 const QString& tip, const QKeySequence& keys) {
  auto* a = new QAction(text, this);
  a->setObjectName(QString("action_") + name);
  a->setStatusTip(tip);
  if (!keys.isEmpty()) a->setShortcut(keys);
  if (menu) {
    menu->addAction(a);
  } else {
    addAction(a);  // a key with no menu item
  }
  return a;
}

QAction* MainWindow::add_toggle(QMenu* menu, const char* name, const QString& text,
                                const QString& tip, bool TranslationOptions::*flag,
                                const QKeySequence& keys) {
  QAction* a = add_command(menu, name, text, tip, keys);
  a->setCheckable(true);
  connect(a, &QAction::triggered, this, [this, flag] {
    settings_.options.*flag = !(settings_.options.*flag);
    options_changed();
  });
  return a;
}

void MainWindow::build_actions() {
  build_file_menu();
  build_edit_menu();
  build_other_menus();
  build_tool_bar();
  // Menus read the options afresh whenever they open.
  for (QMenu* m : findChildren<QMenu*>())
    connect(m, &QMenu::aboutToShow, this, [this] { refresh_actions(); });
}

void MainWindow::build_file_menu() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("menu_file");
  connect(add_command(file, "open", "&Open", "Opens a Latin Text File.", QKeySequence("Ctrl+O")),
          &QAction::triggered, this, [this] {
            QString path = chooser_->choose_open(this, start_dir_);
            if (!path.isEmpty()) open_file(path);
          });
  connect(add_command(file, "rename_file", "&Rename File",
                      "Renames and saves Parser.txt to a new name.", QKeySequence("Ctrl+R")),
          &QAction::triggered, this, [this] { rename_file(); });
  connect(add_command(file, "reload_translation", "Reload &Translation",
                      "Reloads a saved translation for further editing."),
          &QAction::triggered, this, [this] { reload_translation(); });
  file->addSeparator();
  connect(add_command(file, "print", "&Print...", "Print the translation.", QKeySequence("Ctrl+P")),
          &QAction::triggered, this, [this] { print_with_dialog(); });
  connect(add_command(file, "print_preview", "Print Pre&view", "Display full pages."),
          &QAction::triggered, this, [this] { print_preview(); });
  connect(add_command(file, "print_setup", "P&rint Setup...",
                      "Change the printer and printing options."),
          &QAction::triggered, this, [this] { print_setup(); });
  file->addSeparator();
  recent_menu_ = file->addMenu("Recent &Files");
  recent_menu_->setObjectName("menu_recent");
  file->addSeparator();
  connect(add_command(file, "exit", "E&xit", "Exits the application.", QKeySequence("Alt+F4")),
          &QAction::triggered, this, [this] { close(); });
}

void MainWindow::build_edit_menu() {
  QMenu* edit = menuBar()->addMenu("&Edit");
  edit->setObjectName("menu_edit");
  connect(add_command(edit, "empty_latin", "&Empty Latin", "Empties the Latin window text.",
                      QKeySequence("Ctrl+E")),
          &QAction::triggered, this, [this] { empty_latin(); });
  // Copy, Cut and Paste act on the pane that has the keyboard focus.
  auto focused_pane = [this]() -> QPlainTextEdit* {
    QWidget* f = QApplication::focusWidget();
    for (QPlainTextEdit* p : {latin_, translation_, lower_})
      if (f == p) return p;
    return nullptr;
  };
  connect(add_command(edit, "copy", "&Copy", "Copy the selection and put it on the Clipboard.",
                      QKeySequence("Ctrl+C")),
          &QAction::triggered, this, [focused_pane] {
            if (auto* p = focused_pane()) p->copy();
          });
  connect(add_command(edit, "cut", "C&ut", "Cut the selection and put it on the Clipboard.",
                      QKeySequence("Ctrl+X")),
          &QAction::triggered, this, [focused_pane] {
            if (auto* p = focused_pane()) p->cut();
          });
  connect(add_command(edit, "paste", "Pa&ste", "Insert Clipboard contents.",
                      QKeySequence("Ctrl+V")),
          &QAction::triggered, this, [focused_pane] {
            if (auto* p = focused_pane()) p->paste();
          });
  edit->addSeparator();
  add_toggle(edit, "single_word_underscore", "Single Word Underscore",
             "Disables translation of word.", &TranslationOptions::single_word_underscore);

  QMenu* area = edit->addMenu("&Area Preferred");
  area->setObjectName("menu_area");
  for (const auto& item : kAreas) {
    QAction* a = add_command(area, item.name, item.text, item.tip);
    a->setCheckable(true);
    const char letter = item.value;
    connect(a, &QAction::triggered, this, [this, letter] {
      shell::choose_area(settings_.options, letter);
      options_changed();
    });
  }
  area->addSeparator();
  QAction* autoadj = add_command(area, "auto_adjusting", "&Auto-adjusting",
                                 "Choose the subject area automatically for each translation.");
  autoadj->setCheckable(true);
  connect(autoadj, &QAction::triggered, this, [this] {
    shell::set_auto_adjusting(settings_.options, !settings_.options.auto_adjusting);
    options_changed();
  });
  // The Area menu's refresh applies the rules that tie the area to the age
  // and to Botany mode.
  connect(area, &QMenu::aboutToShow, this, [this] {
    shell::refresh_area_flags(settings_.options, engine_ && engine_->has_botany());
  });

  QMenu* age = edit->addMenu("A&ge Preferred");
  age->setObjectName("menu_age");
  for (const auto& item : kAges) {
    QAction* a = add_command(age, item.name, item.text, item.tip);
    a->setCheckable(true);
    const Age value = item.value;
    connect(a, &QAction::triggered, this, [this, value] {
      shell::set_age(settings_.options, value);
      options_changed();
    });
  }
  QMenu* order = edit->addMenu("&Best Order");
  order->setObjectName("menu_order");
  for (const auto& item : kOrders) {
    QAction* a = add_command(order, item.name, item.text, item.tip);
    a->setCheckable(true);
    const WordOrder value = item.value;
    connect(a, &QAction::triggered, this, [this, value] {
      settings_.options.best_order = value;
      options_changed();
    });
  }
  QMenu* phrases = edit->addMenu("&User Phrases");
  phrases->setObjectName("menu_user_phrases");
  add_toggle(phrases, "user_phrases_allowed", "Allowed", "Allow user phrases",
             &TranslationOptions::allow_user_phrase);
  add_toggle(phrases, "user_phrases_show", "Show <...>", "Show <...> around User Phrases",
             &TranslationOptions::show_user_phrase);
  edit->addSeparator();

  QAction* easy = add_command(edit, "easy_latin", "EASY &LATIN",
                              "Teaching mode uses only common Latin words from classical Latin.",
                              QKeySequence("Ctrl+L"));
  easy->setCheckable(true);
  connect(easy, &QAction::triggered, this, [this] {
    std::string message = shell::set_easy_latin(settings_.options, !settings_.options.easy_latin);
    options_changed();
    inform(QString::fromStdString(message));
  });
  add_toggle(edit, "plautus", "&Plautus Elisions", "Allows Plautus 'wordst'->'word'+'est'.",
             &TranslationOptions::plautus);
  add_toggle(edit, "medieval_tricks", "&Medieval Tricks", "Allow tricks for medieval searches.",
             &TranslationOptions::medieval_tricks);
  add_toggle(edit, "medieval_phonetics", "Medieval P&honetics", "Phonetic search of medieval words.",
             &TranslationOptions::medieval_phonetics);
  add_toggle(edit, "ablative_absolute", "Ablative Absolute",
             "Translates ablative absolutes adverbially", &TranslationOptions::ablative_absolute);
  add_toggle(edit, "abbreviations", "Abb&reviations", "Expand abbreviations such as 'coss.'",
             &TranslationOptions::abbreviation);
  add_toggle(edit, "inscriptions", "&Inscriptions", "Allow processing of inscriptions.",
             &TranslationOptions::inscriptions, QKeySequence("Ctrl+I"));
  add_toggle(edit, "details", "&Details", "Details of translation.", &TranslationOptions::details,
             QKeySequence("Ctrl+D"));
  add_toggle(edit, "joint", "&Joint Latin/English",
             "Provides alternative sentences of Latin and Translation.",
             &TranslationOptions::joint, QKeySequence("Ctrl+J"));
  add_toggle(edit, "translate_option", "&Translate", "Allow translation of sentences.",
             &TranslationOptions::translate, QKeySequence("Ctrl+T"));
  connect(add_command(edit, "single_word_mode", "Single &Word Mode",
                      "Choose how to handle click on single word.", QKeySequence("Ctrl+G")),
          &QAction::triggered, this, [this] { choose_single_word_mode(); });
  add_toggle(edit, "single_word_error", "Si&ngle Word in Sentence",
             "Show complaint if sentence has only a single word in it.",
             &TranslationOptions::single_word_error);
  // No menu item: the long form of the stored-word listing written with Details.
  add_toggle(nullptr, "long_listing", "Long stored-word listing",
             "Each stored word shows all three link numbers.", &TranslationOptions::long_listing,
             QKeySequence("Alt+Shift+M"));
}

void MainWindow::build_other_menus() {
  QMenu* view = menuBar()->addMenu("&View");
  view->setObjectName("menu_view");
  QAction* bar = add_command(view, "toolbar", "&Toolbar", "Show or hide the toolbar.");
  bar->setCheckable(true);
  bar->setChecked(true);
  connect(bar, &QAction::toggled, this, [this](bool on) { tool_bar_->setVisible(on); });
  QAction* status = add_command(view, "status_bar", "&Status Bar", "Show or hide the status bar.");
  status->setCheckable(true);
  status->setChecked(true);
  connect(status, &QAction::toggled, this, [this](bool on) { statusBar()->setVisible(on); });
  connect(add_command(view, "font", "Select &Font and Background Colour...",
                      "Change type/size of font and background colour."),
          &QAction::triggered, this, [this] { choose_font(); });
  connect(add_command(view, "save_settings", "Save User Settings", "Saves current user settings"),
          &QAction::triggered, this, [this] { save_user_settings(); });

  QMenu* dict = menuBar()->addMenu("&Dictionary");
  dict->setObjectName("menu_dictionary");
  add_toggle(dict, "allow_hash", "&Allow high-speed hash",
             "Toggle to turn high speed hash ON/OFF. Only if high speed hash file loaded.",
             &TranslationOptions::hash_in_use);
  add_toggle(dict, "neural", "Allow &Neural Network", "Toggles use of Neural network on/off.",
             &TranslationOptions::neural);
  add_toggle(dict, "force_proper", "&Force Proper Names",
             "Force all words with initial capital letter to be proper names.",
             &TranslationOptions::force_proper);
  dict->addSeparator();
  connect(add_command(dict, "search_dictionary", "&Search Dictionary",
                      "Search for stems in the dictionary.", QKeySequence("Ctrl+S")),
          &QAction::triggered, this, [this] { search_dictionary(); });
  QAction* spell = add_command(dict, "spell_check", "Spell &Check", "Spell checks a user input file.");
  spell->setCheckable(true);  // checked while the check runs
  connect(spell, &QAction::triggered, this, [this] { spell_check(); });
  connect(add_command(dict, "find_medieval", "Find &Medieval Dictionary...",
                      "Search your folders for meddict.dat and copy it into place."),
          &QAction::triggered, this, [this] { find_medieval_dictionary(); });

  QMenu* search = menuBar()->addMenu("&Search");
  search->setObjectName("menu_search");
  connect(add_command(search, "create_file_list", "&Create File List...",
                      "Create a list of all files in a sub-directory."),
          &QAction::triggered, this, [this] { create_file_list(); });
  connect(add_command(search, "search_file_list", "&Search File List...",
                      "Search list of text files."),
          &QAction::triggered, this, [this] { search_file_list(); });
  connect(add_command(search, "save_search_results", "Save Search &Results...",
                      "Save your search results."),
          &QAction::triggered, this, [this] { save_search_results(); });

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName("menu_help");
  connect(add_command(help, "about", "&About Kelvo...",
                      "Display program information, version number and copyright."),
          &QAction::triggered, this, [this] { show_about(); });
  connect(add_command(help, "help", "&Help", "Provides Help text.", QKeySequence("Ctrl+H")),
          &QAction::triggered, this, [this] { show_help(); });
}

void MainWindow::build_tool_bar() {
  tool_bar_ = addToolBar("Toolbar");
  tool_bar_->setObjectName("tool_bar");
  tool_bar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QStyle* s = style();
  command("open")->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
  command("empty_latin")->setIcon(s->standardIcon(QStyle::SP_DialogResetButton));
  command("print")->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
  command("about")->setIcon(s->standardIcon(QStyle::SP_MessageBoxInformation));
  const char* items[] = {"open", nullptr, "empty_latin", "translate_option", "details", "joint",
                         nullptr, "auto_adjusting", nullptr, "single_word_mode", nullptr, "print",
                         nullptr, "about"};
  for (const char* name : items) {
    if (name) {
      tool_bar_->addAction(command(name));
    } else {
      tool_bar_->addSeparator();
    }
  }
  connect(tool_bar_, &QToolBar::visibilityChanged, this,
          [this](bool on) { command("toolbar")->setChecked(on); });
}

void MainWindow::options_changed() {
  if (word_translator_) word_translator_->set_options(settings_.options);
  refresh_actions();
}

// Check marks and greyed items, from the options.
void MainWindow::refresh_actions() {
  const TranslationOptions& o = settings_.options;
  for (const Toggle& t : kToggles) command(t.name)->setChecked(o.*(t.flag));
  for (const auto& item : kAreas) {
    QAction* a = command(item.name);
    a->setChecked(!o.auto_adjusting && o.area == item.value);
    TranslationOptions probe = o;
    a->setEnabled(item.value == 0 || shell::choose_area(probe, item.value));
  }
  command("auto_adjusting")->setChecked(o.auto_adjusting);
  command("auto_adjusting")->setEnabled(shell::auto_adjusting_enabled(o));
  for (const auto& item : kAges) command(item.name)->setChecked(o.age == item.value);
  for (const auto& item : kOrders) command(item.name)->setChecked(o.best_order == item.value);
  command("medieval_phonetics")->setEnabled(shell::phonetics_enabled(o));
  command("details")->setEnabled(shell::translate_dependents_enabled(o));
  command("joint")->setEnabled(shell::translate_dependents_enabled(o));
  command("allow_hash")->setEnabled(hash_loaded_);
  command("neural")->setEnabled(true);
  // A run in progress: nothing may start another or replace the panes.
  for (const char* name : {"open", "reload_translation", "empty_latin", "rename_file",
                           "search_dictionary", "create_file_list", "search_file_list",
                           "find_medieval"})
    command(name)->setEnabled(!running_);
  // Checked while it runs, so it stays enabled then; another tool's run greys it.
  command("spell_check")->setEnabled(!running_ || command("spell_check")->isChecked());
  recent_menu_->setEnabled(!running_ && !recent_menu_->isEmpty());
  translate_button_->setEnabled(!running_ && engine_ != nullptr);
}

void MainWindow::refresh_recent_files() {
  recent_menu_->clear();
  if (!store_) return;
  int n = 0;
  for (const QString& path : read_recent_files(*store_)) {
    QAction* a = recent_menu_->addAction(QString("&%1 %2").arg(++n).arg(path));
    a->setStatusTip("Opens this document.");
    connect(a, &QAction::triggered, this, [this, path] { open_file(path); });
  }
  recent_menu_->setEnabled(!running_ && n > 0);
}

}  // namespace kelvo::app
