// How the window speaks to the user: message boxes with the program's title.
// Tests put a recorder in its place, so no box ever waits for a click there.
#pragma once
#include <QString>

class QWidget;

namespace kelvo::app {

class Prompter {
 public:
  virtual ~Prompter() = default;
  virtual void inform(const QString& text) = 0;
  virtual bool ask_yes_no(const QString& text) = 0;  // true for Yes
  virtual bool ask_ok_cancel(const QString& text) = 0;  // true for OK
  virtual void about(const QString& title, const QString& text) = 0;
};

class BoxPrompter : public Prompter {
 public:
  explicit BoxPrompter(QWidget* parent) : parent_(parent) {}
  void inform(const QString& text) override;
  bool ask_yes_no(const QString& text) override;
  bool ask_ok_cancel(const QString& text) override;
  void about(const QString& title, const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace kelvo::app
