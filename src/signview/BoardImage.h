#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "sign/SignDisplay.h"

namespace velnar::signview {

// Pixels from one LED's centre to the next in a snapshot.
constexpr int kSnapshotPitch = 8;

// The board as the sign looks: round amber LEDs on a dark board, an unlit
// one faintly visible, as large as fit in `size` and centred in it.
QImage PaintBoard(const sign::Board& board, QSize size);

// Writes the board as a PNG at the snapshot pitch, whole or not at all, so a
// reader never finds half a picture. Returns the problem, or an empty text.
QString SaveSnapshot(const sign::Board& board, const QString& path);

}  // namespace velnar::signview
