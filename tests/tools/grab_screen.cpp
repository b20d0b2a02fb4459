// Saves a picture of the X screen as a PNG file:
//   grab_screen <file.png> [delay-ms] [x y width height]
// Used by scripts/screenshots.sh to look at the windows under a virtual X server.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: grab_screen <file.png> [delay-ms]\n");
    return 2;
  }
  if (argc > 2) QThread::msleep(static_cast<unsigned long>(std::atol(argv[2])));
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return 1;
  if (argc > 6) {
    return screen->grabWindow(0, std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                              std::atoi(argv[6]))
                   .save(QString::fromLocal8Bit(argv[1]), "PNG")
               ? 0
               : 1;
  }
  return screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG") ? 0 : 1;
}
