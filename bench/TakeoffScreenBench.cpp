// "集計開始" on a drawing of 200,000 markers in the real results dialog, on
// Qt's offscreen platform: the time from the click until the fitting table
// is painted with its rows, the switch to the pipe table, scrolling to the
// end of the tables, the longest time the progress bar and the status label
// went unpainted while the tally ran, and the process's peak memory. Times
// are wall-clock, as the user sees them.
//
//   ninja -C build takeoff_screen_bench && build/bench/takeoff_screen_bench
#include <sys/resource.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
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

// Remembers when the watched widgets were painted.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(const QElapsedTimer& clock) : clock_(clock) {}
  void Watch(QWidget* widget) { widget->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) paints.push_back(clock_.nsecsElapsed() / 1e6);
    return QObject::eventFilter(watched, event);
  }
  std::vector<double> paints;  // milliseconds

 private:
  const QElapsedTimer& clock_;
};

// Milliseconds that an action and the painting it causes take.
template <class Action>
double Painted(QWidget& window, Action action) {
  QElapsedTimer timer;
  timer.start();
  action();
  window.repaint();
  QApplication::processEvents();
  return timer.nsecsElapsed() / 1e6;
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

  QElapsedTimer clock;
  clock.start();
  PaintWatch watch(clock);
  watch.Watch(window.widget(kProgressBar));
  watch.Watch(window.widget(kStatus));
  const double clicked = clock.nsecsElapsed() / 1e6;
  const double tally = Painted(window, [&] { dialog.UserClick(kTallyStart); });
  const double done = clock.nsecsElapsed() / 1e6;
  const double toPipes = Painted(window, [&] { dialog.UserClick(kShowPipes); });
  const double scrollPipes = Painted(window, [&] { ScrollToEnd(window.widget(kPipeTable)); });
  const double toFittings = Painted(window, [&] { dialog.UserClick(kShowFittings); });
  const double scrollFittings = Painted(window, [&] { ScrollToEnd(window.widget(kFittingTable)); });

  std::vector<double> moments = {clicked};
  for (double paint : watch.paints)
    if (paint <= done) moments.push_back(paint);
  moments.push_back(done);
  double longest = 0;
  for (size_t i = 1; i < moments.size(); ++i) longest = std::max(longest, moments[i] - moments[i - 1]);

  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const bool told = services.messages.size() == 1 && services.messages[0].text == "集計終了しました。";
  std::printf("200000 markers, %.1f MB extract, offscreen\n", fileMegabytes);
  std::printf("  click to the fitting table shown   %7.0f ms%s\n", tally, told ? "" : "  (no closing message!)");
  std::printf("  switch to the pipe table           %7.1f ms, then scrolled to its end %.1f ms\n", toPipes,
              scrollPipes);
  std::printf("  click to both tables shown         %7.0f ms\n", tally + toPipes);
  std::printf("  back to the fittings               %7.1f ms, then scrolled to its end %.1f ms\n", toFittings,
              scrollFittings);
  std::printf("  progress painted %zu times; longest time unpainted %.0f ms\n", moments.size() - 2, longest);
  std::printf("  peak memory %.1f MB, %.1f MB above the extract\n", usage.ru_maxrss / 1024.0,
              usage.ru_maxrss / 1024.0 - fileMegabytes);
  fs::remove_all(root);
  return told ? 0 : 1;
}
