#include "res/Bitmaps.h"

#include <QString>

#include "res/ResourceIds.h"

namespace velnar::res {
namespace {

struct BitmapEntry {
    int id;
    const char* path;
};

constexpr BitmapEntry kBitmaps[] = {
    {kSendButtonBitmap, ":/velnar/images/send_button.xpm"},
    {kBannerBitmap, ":/velnar/images/banner.xpm"},
    {kPageBitmap, ":/velnar/images/page_board.xpm"},
};

}  // namespace

QImage LoadBitmap(int id)
{
    for (const BitmapEntry& entry : kBitmaps) {
        if (entry.id == id)
            return QImage(QString::fromLatin1(entry.path)).convertToFormat(QImage::Format_RGB32);
    }
    return {};
}

}  // namespace velnar::res
