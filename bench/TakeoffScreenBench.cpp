// "集計開始" on a drawing of 200,000 markers in the real results dialog, on
// Qt's offscreen platform: the time from the click until the fitting table
// is painted with its rows, the switch to the pipe table, scrolling to the
// end of the tables, the longest time the progress bar and the status label
// went unpainted while the tally ran, and the process's peak memory. Times
// are given as the wall clock saw them and in processor time, which is what
// the wall clock shows when the machine has nothing else to do.
//
//   ninja -C build takeoff_screen_bench && build/bench/takeoff_screen_bench
#include <sys/resource.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <ctime>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/TakeoffDrive.h"
#include "takeoff/ResultsDialog.h"
#include "ui/headless/HeadlessServices.h"
#include "ui/qt/QtDialog.h"

namespace fs = std::filesystem;
using namespace takeoff;

namespace {

// Milliseconds on the wall clock and of processor time since the start.
struct Moment {
  double wall, processor;
};

class Clock {
 public:
  Clock() { wall_.start(); }
  Moment Now() const {
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return {wall_.nsecsElapsed() / 1e6, cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6};
  }

 private:
  QElapsedTimer wall_;
};

Moment Since(const Moment& start, const Moment& end) { return {end.wall - start.wall, end.processor - start.processor}; }

// Remembers when the watched widgets were painted.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(const Clock& clock) : clock_(clock) {}
  void Watch(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints.push_back(clock_.Now());
    return QObject::eventFilter(watched, event);
  }
  std::vector<Moment> paints;

 private:
  const Clock& clock_;
};

// The time an action and the painting it causes take.
template <class Action>
Moment Painted(const Clock& clock, QWidget& window, Action action) {
  const Moment start = clock.Now();
  action();
  window.repaint();
  QApplication::processEvents();
  return Since(start, clock.Now());
}

// The longest time between two moments, on either clock.
Moment LongestGap(const std::vector<Moment>& moments) {
  Moment longest{0, 0};
  for (size_t i = 1; i < moments.size(); ++i) {
    longest.wall = std::max(longest.wall, moments[i].wall - moments[i - 1].wall);
    longest.processor = std::max(longest.processor, moments[i].processor - moments[i - 1].processor);
  }
  return longest;
}

void ScrollToEnd(QWidget* table) {
  QScrollBar* bar = static_cast<QAbstractScrollArea*>(table)->verticalScrollBar();
  bar->setValue(bar->maximum());
}

}  // namespace

int main(int argc, char** argv) {
  const fs::path root = fs::temp_directory_path() / "tavrin-takeoff-screen-bench";
  // The drive is written by a process of its own, so that the memory it
  // takes is not counted here.
  if (argc == 2 && std::string(argv[1]) == "write") return bench::WriteTakeoffDrive(root, 200000) > 0 ? 0 : 1;
  if (std::system(("'" + std::string(argv[0]) + "' write").c_str()) != 0) return 1;
  const double fileMegabytes = fs::file_size(ui::Drive(root).Locate(settings::HaikanFile("Toridasi.txt"))) / 1048576.0;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);

  ui::Drive drive(root);
  ui::HeadlessServices services;
  ResultsDialog dialog(ui::Env{drive, services});
  ui::qt::QtDialog window(dialog, nullptr);
  dialog.UserInit();
  window.show();
  QApplication::processEvents();

  Clock clock;
  PaintWatch watch(clock);
  watch.Watch(window.widget(kProgressBar));
  watch.Watch(window.widget(kStatus));
  const Moment clicked = clock.Now();
  const Moment tally = Painted(clock, window, [&] { dialog.UserClick(kTallyStart); });
  std::vector<Moment> moments = {clicked};
  moments.insert(moments.end(), watch.paints.begin(), watch.paints.end());
  moments.push_back(clock.Now());
  const Moment unpainted = LongestGap(moments);
  const Moment toPipes = Painted(clock, window, [&] { dialog.UserClick(kShowPipes); });
  const Moment scrollPipes = Painted(clock, window, [&] { ScrollToEnd(window.widget(kPipeTable)); });
  const Moment toFittings = Painted(clock, window, [&] { dialog.UserClick(kShowFittings); });
  const Moment scrollFittings = Painted(clock, window, [&] { ScrollToEnd(window.widget(kFittingTable)); });

  const bool told = services.messages.size() == 1 && services.messages[0].text == "集計終了しました。";
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto line = [](const char* what, const Moment& time) {
    std::printf("  %-34s %7.1f ms, %7.1f ms of processor time\n", what, time.wall, time.processor);
  };
  std::printf("200000 markers, %.1f MB extract, offscreen; wall clock and processor time\n", fileMegabytes);
  line("click to the fitting table shown", tally);
  line("switch to the pipe table", toPipes);
  line("  and scroll to its end", scrollPipes);
  line("click to both tables shown", {tally.wall + toPipes.wall, tally.processor + toPipes.processor});
  line("back to the fittings", toFittings);
  line("  and scroll to its end", scrollFittings);
  line("progress longest unpainted", unpainted);
  std::printf("  progress painted %zu times%s\n", watch.paints.size(), told ? "" : "; no closing message!");
  std::printf("  peak memory %.1f MB, %.1f MB above the extract\n", usage.ru_maxrss / 1024.0,
              usage.ru_maxrss / 1024.0 - fileMegabytes);
  fs::remove_all(root);
  return told ? 0 : 1;
}
