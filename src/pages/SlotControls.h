#pragma once

#include <array>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

namespace velnar::controls {
class CHotButton;
}

namespace velnar::pages {

// The controls of one text row of a slot.
struct RowControls {
    QPlainTextEdit* edit = nullptr;
    QComboBox* animation = nullptr;
    QComboBox* brightness = nullptr;
    QComboBox* speed = nullptr;
};

// The controls of one slot on its page.
struct SlotControls {
    std::array<RowControls, 2> rows{};  // row 1, row 2
    QComboBox* language = nullptr;      // hidden and disabled
    QCheckBox* twoRows = nullptr;
    QCheckBox* selected = nullptr;
    QCheckBox* clock = nullptr;
    controls::CHotButton* send = nullptr;

    RowControls& Row(int row) { return rows[static_cast<std::size_t>(row - 1)]; }
    const RowControls& Row(int row) const { return rows[static_cast<std::size_t>(row - 1)]; }
};

}  // namespace velnar::pages
