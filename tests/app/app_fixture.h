// What the window tests share: a recorder in place of the message boxes,
// given paths in place of the file dialogs, a temporary user folder, and the
// registry that lets one program run each test class on its own.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/file_chooser.h"
#include "app/main_window.h"
#include "app/prompter.h"

namespace kelvo::apptest {

class RecordingPrompter : public app::Prompter {
 public:
  QStringList* shown;
  bool yes = false;
  bool ok = true;
  explicit RecordingPrompter(QStringList* out) : shown(out) {}
  void inform(const QString& text) override { shown->append(text); }
  bool ask_yes_no(const QString& text) override {
    shown->append(text);
    return yes;
  }
  bool ask_ok_cancel(const QString& text) override {
    shown->append(text);
    return ok;
  }
  void about(const QString& title, const QString& text) override {
    shown->append(title + ": " + text);
  }
};

class GivenFiles : public app::FileChooser {
 public:
  QString open_path, save_path, folder_path;
  QString choose_open(QWidget*, const QString&) override { return open_path; }
  QString choose_save(QWidget*, const QString&) override { return save_path; }
  QString choose_folder(QWidget*, const QString&, const QString&) override { return folder_path; }
};

// A window over the built data and a fresh user folder, started.
struct TestWindow {
  QTemporaryDir home;
  QStringList messages;
  GivenFiles* files = nullptr;
  RecordingPrompter* prompter = nullptr;
  std::unique_ptr<app::MainWindow> window;
  bool started = false;

  explicit TestWindow(const QString& home_dir = {}, const std::string& data_dir = KELVO_TEST_DATA_DIR,
                      const QStringList& medieval_roots = {});
  app::MainWindow* operator->() const { return window.get(); }
  // Waits for the run in progress to end.
  bool wait_for_run(int timeout_ms = 120'000) const;
  QString user_file(const QString& name) const;
};

std::string read_all(const QString& path);
void write_all(const QString& path, const std::string& text);

// The corpus four times over, or "" when ../shared is not there.
std::string long_corpus_text();

// Test classes register under a name; `test_app NAME` runs one.
using Factory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, Factory>& registry();
struct Register {
  Register(const char* name, Factory f) { registry().emplace(name, std::move(f)); }
};

}  // namespace kelvo::apptest

#define KELVO_APP_TEST(name, Class) \
  static ::kelvo::apptest::Register register_##Class(name, [] { return std::make_unique<Class>(); })

// Without the shared folder a test skips; in CI it fails.
#define KELVO_REQUIRE_SHARED_QT(present, what)                     \
  if (!(present)) {                                                \
    if (!qEnvironmentVariableIsEmpty("CI")) QFAIL("missing in CI: " what); \
    QSKIP("skipped, missing: " what);                              \
  }

namespace kelvo::apptest {

// Fills in the next modal dialog as the user would, then presses OK.
template <typename Fill>
void answer_next_dialog(Fill fill) {
  QTimer::singleShot(0, [fill] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    fill(dialog);
    dialog->accept();
  });
}

}  // namespace kelvo::apptest
