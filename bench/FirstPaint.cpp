// Linked into the panel program for the start-up benchmark: when the first
// paint of a window is done, prints the milliseconds since the launch time
// the benchmark passed in TAVRIN_BENCH_LAUNCH (CLOCK_MONOTONIC nanoseconds)
// and ends the process.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace {

long long NowNanoseconds() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow() &&
        !seen_) {
      seen_ = true;
      // Once this paint is done.
      QTimer::singleShot(0, [] {
        const char* launch = std::getenv("TAVRIN_BENCH_LAUNCH");
        std::printf("%.1f\n", (NowNanoseconds() - std::atoll(launch ? launch : "0")) / 1e6);
        std::fflush(stdout);
        _exit(0);
      });
    }
    return false;
  }

 private:
  bool seen_ = false;
};

void WatchForTheFirstPaint() { QCoreApplication::instance()->installEventFilter(new FirstPaint); }

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForTheFirstPaint)
