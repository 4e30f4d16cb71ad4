// One program for the window's test classes: `test_app NAME [QTest args]`
// runs the class registered as NAME, `test_app` runs them all.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/app_fixture.h"
#include "app/run_worker.h"

namespace kelvo::apptest {

std::map<std::string, Factory>& registry() {
  static std::map<std::string, Factory> r;
  return r;
}

TestWindow::TestWindow(const QString& home_dir, const std::string& data_dir,
                       const QStringList& medieval_roots) {
  app::AppConfig config;
  config.data_dir = data_dir;
  config.medieval_roots = medieval_roots;
  config.home_dir = (home_dir.isEmpty() ? home.path() : home_dir).toStdString();
  window = std::make_unique<app::MainWindow>(config);
  auto p = std::make_unique<RecordingPrompter>(&messages);
  prompter = p.get();
  window->set_prompter(std::move(p));
  auto f = std::make_unique<GivenFiles>();
  files = f.get();
  window->set_file_chooser(std::move(f));
  started = window->start();
  if (started) {
    window->resize(900, 600);
    window->show();
    // Keys reach the menus' shortcuts, and focus the panes, only in the
    // active window.
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window.get());
  }
}

// A real event loop, as the user's: QTest::qWaitFor would sleep between its
// rounds and show as stalls of the interface thread.
bool TestWindow::wait_for_run(int timeout_ms) const {
  if (!window->run_in_progress()) return true;
  QSignalSpy finished(window.get(), &app::MainWindow::run_finished);
  return finished.wait(timeout_ms) || !window->run_in_progress();
}

QString TestWindow::user_file(const QString& name) const {
  return QDir(window->user_folder()).filePath(name);
}

std::string read_all(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void write_all(const QString& path, const std::string& text) {
  std::ofstream out(path.toStdString(), std::ios::binary);
  out << text;
}

std::string long_corpus_text() {
  namespace fs = std::filesystem;
  const fs::path corpus = fs::path(KELVO_SHARED_DIR) / "corpus";
  std::error_code ec;
  if (!fs::is_directory(corpus, ec)) return {};
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(corpus, ec))
    if (e.path().extension() == ".txt") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  std::string once;
  for (const auto& f : files) once += read_all(QString::fromStdString(f.string())) + "\n";
  return once + once + once + once;
}

}  // namespace kelvo::apptest

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  auto& tests = kelvo::apptest::registry();
  std::vector<char*> args(argv, argv + argc);
  std::string only;
  if (args.size() > 1 && tests.count(args[1])) {
    only = args[1];
    args.erase(args.begin() + 1);
  }
  int failed = 0;
  for (auto& [name, make] : tests) {
    if (!only.empty() && name != only) continue;
    auto test = make();
    failed += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return failed == 0 ? 0 : 1;
}
