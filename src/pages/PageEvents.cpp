// The message page's reactions: the operator's edits and selections, and the
// timer tick through which the page meets the rest of the program.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/CHotButton.h"
#include "model/Selectors.h"
#include "pages/MessagePage.h"

namespace velnar::pages {

namespace {

// Only the operator's choice from a list counts, never the page's own
// selections: `activated` is emitted for the operator alone.
template <class Store>
void OnOperatorChoice(QComboBox* selector, MessagePage* page, Store store)
{
    QObject::connect(selector, &QComboBox::activated, page, store);
}

}  // namespace

void MessagePage::ConnectHandlers()
{
    model::MessageTable& table = seams_.table;
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            const RowControls& controls = Slot(j).Row(row);
            const auto entry = static_cast<std::size_t>(TableRow(j, row));
            // The page blocks its edits' signals while it writes them.
            connect(controls.edit, &QPlainTextEdit::textChanged, this, [this, j, row] { OnTextChanged(j, row); });
            OnOperatorChoice(controls.animation, this, [&table, entry](int item) { table.rowAnimation[entry] = item; });
            OnOperatorChoice(controls.brightness, this,
                             [&table, entry](int item) { table.rowBrightness[entry] = model::StoredLevel(item); });
            OnOperatorChoice(controls.speed, this,
                             [&table, entry](int item) { table.rowSpeed[entry] = model::StoredLevel(item); });
        }
        connect(Slot(j).send, &QPushButton::clicked, this, [this, j] { SendSlot(j); });
    }
    connect(showInTurn_, &QPushButton::clicked, this, &MessagePage::SendPageBatch);
}

void MessagePage::OnTextChanged(int j, int row)
{
    ReadEdits();
    seams_.table.rowText[static_cast<std::size_t>(TableRow(j, row))] = RowString(PageRow(j, row));
}

void MessagePage::OnTimer()
{
    ApplyLoadedFile();
    config_.takeUpSendAll(seams_.table, SlotSending());
    ReadEdits();
    PollBoxes();
    ShowClockRows(seams_.clock.Now());
    EnableRowTwo();
    FilterLanguage();
    WriteEdits();
}

// Each page takes a loaded file into its controls once, on its first tick
// after the load (for a page not yet shown: its first tick at all).
void MessagePage::ApplyLoadedFile()
{
    model::MessageTable& table = seams_.table;
    std::uint8_t& loaded = table.*config_.fileLoaded;
    if (!loaded)
        return;
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row)
            SetRowString(PageRow(j, row), table.rowText[static_cast<std::size_t>(TableRow(j, row))]);
    }
    for (int j = 0; j < kSlots; ++j)
        Slot(j).clock->setChecked(table.slotClock[static_cast<std::size_t>(SlotNumber(j) - 1)] != 0);
    for (int j = 0; j < kSlots; ++j)
        Slot(j).selected->setChecked(table.slotSelected[static_cast<std::size_t>(SlotNumber(j) - 1)] != 0);
    for (int j = 0; j < kSlots; ++j)
        Slot(j).twoRows->setChecked(table.slotTwoRows[static_cast<std::size_t>(SlotNumber(j) - 1)] != 0);
    for (int j = 0; j < kSlots; ++j) {
        for (int row = 1; row <= 2; ++row) {
            const auto entry = static_cast<std::size_t>(TableRow(j, row));
            Slot(j).Row(row).brightness->setCurrentIndex(model::LevelItemOf(table.rowBrightness[entry]));
            Slot(j).Row(row).speed->setCurrentIndex(model::LevelItemOf(table.rowSpeed[entry]));
        }
    }
    for (int row = 1; row <= 2; ++row) {
        for (int j = 0; j < kSlots; ++j) {
            const auto entry = static_cast<std::size_t>(TableRow(j, row));
            Slot(j).Row(row).animation->setCurrentIndex(model::AnimationItemOf(table.rowAnimation[entry]));
        }
    }
    WriteEdits();
    loaded = 0;
}

void MessagePage::PollBoxes()
{
    model::MessageTable& table = seams_.table;
    for (int j = 0; j < kSlots; ++j)
        table.slotTwoRows[static_cast<std::size_t>(SlotNumber(j) - 1)] = Slot(j).twoRows->isChecked() ? 1 : 0;
    for (int j = 0; j < kSlots; ++j)
        table.slotClock[static_cast<std::size_t>(SlotNumber(j) - 1)] = Slot(j).clock->isChecked() ? 1 : 0;
    for (int j = 0; j < kSlots; ++j)
        table.slotSelected[static_cast<std::size_t>(SlotNumber(j) - 1)] = Slot(j).selected->isChecked() ? 1 : 0;
}

// A ticked clock box makes row 2 a live date and time, over whatever was
// typed; clearing the box empties the row once, and later typing stays.
void MessagePage::ShowClockRows(const link::LocalDateTime& now)
{
    const std::u16string clockRow = link::ClockRowText(now);
    for (int j = 0; j < kSlots; ++j) {
        std::uint8_t& shown = seams_.table.clockRowShown[static_cast<std::size_t>(SlotNumber(j) - 1)];
        const bool ticked = Slot(j).clock->isChecked();
        if (ticked) {
            SetRowString(PageRow(j, 2), clockRow);
            WriteEdits();
            shown = 1;
        }
        if (!ticked && shown) {
            SetRowString(PageRow(j, 2), std::u16string());
            WriteEdits();
            shown = 0;
        }
    }
}

// A one-row slot has no row 2 to edit; its text stays for when the box is
// ticked again. The animation selector and the clock box stay enabled.
void MessagePage::EnableRowTwo()
{
    for (const SlotControls& slot : slots_) {
        const bool twoRows = slot.twoRows->isChecked();
        const RowControls& row = slot.Row(2);
        row.brightness->setEnabled(twoRows);
        row.speed->setEnabled(twoRows);
        row.edit->setEnabled(twoRows);
    }
}

// With "ENGLISH" chosen a slot keeps only the characters below U+0080.
void MessagePage::FilterLanguage()
{
    constexpr int kEnglishItem = 0;
    for (int j = 0; j < kSlots; ++j) {
        if (Slot(j).language->currentIndex() != kEnglishItem)
            continue;
        for (int row = 1; row <= 2; ++row) {
            std::u16string kept;
            for (char16_t unit : RowString(PageRow(j, row))) {
                if (unit < 0x80)
                    kept.push_back(unit);
            }
            SetRowString(PageRow(j, row), std::move(kept));
        }
    }
}

}  // namespace velnar::pages
