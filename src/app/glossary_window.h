// "Single Word Translation": a window beside the main one that shows the
// glossary of the last word; closing it destroys it, the next glossary opens
// a new one.
#pragma once
#include <QDialog>

class QPlainTextEdit;

namespace kelvo::app {

inline constexpr int kGlossaryWindowLimit = 4'404;

class GlossaryWindow : public QDialog {
  Q_OBJECT

 public:
  explicit GlossaryWindow(QWidget* parent = nullptr);
  void show_text(const QString& text, int font_size);
  QString text() const;

 private:
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace kelvo::app
