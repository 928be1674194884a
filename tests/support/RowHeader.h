#pragma once

#include "link/Frame.h"

namespace velnar::testing {

// The header every block of a row carries.
inline link::TextBlock RowHeader(int animation, int slotIndex, int row, int twoRowFlag, int notSelected)
{
    link::TextBlock header;
    header.animation = animation;
    header.slotIndex = slotIndex;
    header.row = row;
    header.twoRowFlag = twoRowFlag;
    header.notSelected = notSelected;
    return header;
}

}  // namespace velnar::testing
