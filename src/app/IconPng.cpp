// Writes the editor's icon (icon 128) as a PNG for the desktop's icon theme,
// which not every desktop reads in XPM form.
//
//   velnar-icon-png ICON.xpm OUTPUT.png
#include <QImage>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velnar-icon-png ICON.xpm OUTPUT.png\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "velnar-icon-png: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
