// velnar-grab: saves a window of the display, or the whole screen, as a PNG,
// for scripts/screenshot.
//
//   velnar-grab OUTPUT.png [WINDOW-ID]
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

#include "desktop/RuntimeFolderNotice.h"

int main(int argc, char* argv[])
{
    velnar::desktop::DropRuntimeFolderNotice();
    QGuiApplication application(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: velnar-grab OUTPUT.png [WINDOW-ID]\n");
        return 2;
    }
    bool valid = true;
    const WId window = argc == 3 ? QString::fromLocal8Bit(argv[2]).toULongLong(&valid, 0) : 0;
    if (!valid) {
        std::fprintf(stderr, "velnar-grab: not a window id: %s\n", argv[2]);
        return 2;
    }
    const QPixmap pixmap = QGuiApplication::primaryScreen()->grabWindow(window);
    if (pixmap.isNull() || !pixmap.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "velnar-grab: could not grab or save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
