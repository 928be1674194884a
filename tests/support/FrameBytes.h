#pragma once

#include <algorithm>
#include <initializer_list>

#include "link/Frame.h"

namespace velnar::testing {

// A frame as the sign receives it: leading bytes, zeros, checksum.
inline link::Frame FrameBytes(std::initializer_list<int> leading, int checksum)
{
    link::Frame frame{};
    std::copy(leading.begin(), leading.end(), frame.begin());
    frame[link::kFrameSize - 1] = static_cast<std::uint8_t>(checksum);
    return frame;
}

}  // namespace velnar::testing
