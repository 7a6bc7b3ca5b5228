#include "ui/qt/QtApplication.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <clocale>

#include "ui/qt/QtCanvas.h"
#include "ui/qt/QtServices.h"

namespace ui::qt {

int RunApplication(int& argc, char** argv, const Picture& icon, const std::function<int(Services&)>& body) {
  QApplication application(argc, argv);
  // Numbers in files are always written and read in the "C" notation.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setWindowIcon(QIcon(RenderPicture(icon)));
  QtServices services;
  return body(services);
}

}  // namespace ui::qt
