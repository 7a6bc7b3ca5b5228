// Writes the program's icon as PNG files of the hicolor theme, for the Linux
// desktop entry: OUTDIR/hicolor/<n>x<n>/apps/tavrin.png. The larger sizes
// double its pixels, so that the lines stay as sharp as the window icon's.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <iostream>

#include "app/Startup.h"
#include "ui/qt/QtCanvas.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: render_icons OUTDIR\n";
    return 2;
  }
  QGuiApplication application(argc, argv);
  QImage icon = ui::qt::RenderPicture(app::AppIcon()).toImage();
  for (int size : {32, 64, 128}) {
    QString folder = QString("%1/hicolor/%2x%2/apps").arg(argv[1]).arg(size);
    QDir().mkpath(folder);
    if (!icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(folder + "/tavrin.png")) {
      std::cerr << "render_icons: cannot write " << folder.toStdString() << "\n";
      return 1;
    }
  }
  return 0;
}
