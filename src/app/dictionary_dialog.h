// "Search Dictionary": a stem in, every matching dictionary record out. The
// dialog stays open for the next stem; OK with an empty stem, or Cancel,
// closes it.
#pragma once
#include <QDialog>
#include <functional>

class QLineEdit;
class QTextEdit;

namespace kelvo::app {

class DictionaryDialog : public QDialog {
  Q_OBJECT

 public:
  // `search` gives the results text for a stem.
  DictionaryDialog(const QString& stem, const QString& results,
                   std::function<QString(const QString& stem)> search, QWidget* parent = nullptr);
  QString stem() const;
  QString results() const;

  // OK: searches, or closes when the stem is empty.
  void accept() override;

 private:
  std::function<QString(const QString&)> search_;
  QLineEdit* stem_ = nullptr;
  QTextEdit* results_ = nullptr;
};

}  // namespace kelvo::app
