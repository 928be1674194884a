#pragma once

#include <string>

#include "link/Frame.h"

namespace velnar::sign {

enum class FrameKind { Text, Blank, Settings, Clock };

// A clock frame's fields as the frame carries them: date and time packed
// decimal, weekday 1 = Monday ... 7 = Sunday.
struct ClockFields {
    int year = 0;  // packed years since 2000
    int month = 0;
    int weekday = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int slotIndex = 0;
    int clockFlag = 0;
};

// What one frame says: the inverse of the frame builders. Only the fields
// of its kind are filled in.
struct DecodedFrame {
    FrameKind kind = FrameKind::Text;
    link::TextBlock text;       // Text and Blank
    link::RowSettings settings;  // Settings
    ClockFields clock;          // Clock

    // The slot the frame speaks of.
    int SlotIndex() const;
    // The characters of a text block, decoded with the character table.
    std::u16string Characters() const;
};

DecodedFrame DecodeFrame(const link::Frame& frame);

bool ChecksumMatches(const link::Frame& frame);

}  // namespace velnar::sign
