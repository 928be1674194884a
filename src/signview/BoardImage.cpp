#include "signview/BoardImage.h"

#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <array>

namespace velnar::signview {

namespace {

const QColor kBoardColour(16, 12, 8);

// Unlit, then the three brightness levels.
const std::array<QColor, 4> kLedColours = {QColor(58, 36, 14), QColor(150, 84, 0), QColor(210, 124, 0),
                                           QColor(255, 178, 36)};

// One LED of each look, drawn once per pitch and stamped across the board.
std::array<QImage, 4> LedStamps(int pitch)
{
    std::array<QImage, 4> stamps;
    const qreal margin = std::max<qreal>(0.5, pitch * 0.1);
    for (std::size_t level = 0; level < stamps.size(); ++level) {
        QImage stamp(pitch, pitch, QImage::Format_RGB32);
        stamp.fill(kBoardColour);
        QPainter painter(&stamp);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLedColours[level]);
        painter.drawEllipse(QRectF(margin, margin, pitch - 2 * margin, pitch - 2 * margin));
        stamps[level] = stamp;
    }
    return stamps;
}

}  // namespace

QImage PaintBoard(const sign::Board& board, QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(kBoardColour);
    const int pitch = std::max(1, std::min(image.width() / board.columns, image.height() / sign::kBoardRows));
    const auto stamps = LedStamps(pitch);
    const int left = (image.width() - pitch * board.columns) / 2;
    const int top = (image.height() - pitch * sign::kBoardRows) / 2;
    QPainter painter(&image);
    for (int r = 0; r < sign::kBoardRows; ++r) {
        for (int c = 0; c < board.columns; ++c)
            painter.drawImage(left + c * pitch, top + r * pitch, stamps[std::min<std::size_t>(board.At(c, r), 3)]);
    }
    return image;
}

QString SaveSnapshot(const sign::Board& board, const QString& path)
{
    const QImage image = PaintBoard(board, QSize(board.columns, sign::kBoardRows) * kSnapshotPitch);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit())
        return file.errorString();
    return {};
}

}  // namespace velnar::signview
