#include <QApplication>
#include <QFont>
#include <QIcon>
#include <clocale>

#include "ui/FrontEnd.h"
#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtPlay.h"

namespace ui {

int RunFrontEnd(int& argc, char** argv, const Picture& icon, Player* player,
                const std::function<int(Services&)>& body) {
  QApplication application(argc, argv);
  // Numbers in files are always written and read in the "C" notation.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(qt::RenderPicture(icon)));
  if (player) {
    qt::QtPlayServices services(*player);
    return body(services);
  }
  qt::QtServices services;
  return body(services);
}

}  // namespace ui
