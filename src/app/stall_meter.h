// Measures how long the interface thread goes without handling events: a
// 1 ms timer notes the longest gap between its ticks while it runs.
#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace kelvo::app {

class StallMeter : public QObject {
  Q_OBJECT

 public:
  explicit StallMeter(QObject* parent = nullptr) : QObject(parent) {
    timer_.setInterval(1);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  }
  void start() {
    longest_ms_ = 0;
    clock_.start();
    timer_.start();
  }
  // Stops and returns the longest gap; call it after the last expensive step.
  int stop() {
    tick();
    timer_.stop();
    return longest_ms_;
  }
  int longest_ms() const { return longest_ms_; }

 private:
  void tick() {
    const auto gap = static_cast<int>(clock_.restart());
    if (gap > longest_ms_) longest_ms_ = gap;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  int longest_ms_ = 0;
};

}  // namespace kelvo::app
