#pragma once

#include <QImage>

namespace velnar::res {

// The bitmap resource with this id, 32 bits per pixel, or a null image when
// there is no such bitmap.
QImage LoadBitmap(int id);

}  // namespace velnar::res
