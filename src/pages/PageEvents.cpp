// The message page's reactions: the operator's edits and selections, and the
// timer tick through which the page meets the rest of the program. The
// page's rules work on its state; here the controls are read and written.
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/CHotButton.h"
#include "link/SlotSender.h"
#include "model/Selectors.h"
#include "pages/MessagePage.h"
#include "pages/SendSession.h"

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
            connect(controls.edit, &QPlainTextEdit::textChanged, this, [this, j, row] {
                editsChanged_ = true;
                OnTextChanged(j, row);
            });
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
    // A tick inside a run's waits neither loads a file nor begins SEND ALL:
    // both wait for the run's end. Page 2 goes on with its own half.
    if (!seams_.session.Busy())
        TakeUpLoadedFile();
    TakeUpSendAll();
    // A file not yet taken up owns this page's part of the table: the
    // controls' older values must not overwrite it.
    if (seams_.table.*config_.fileLoaded)
        return;
    ReadControls();
    model::PollBoxes(state_, seams_.table);
    model::ShowClockRows(state_, seams_.table, link::ClockRowText(seams_.clock.Now()));
    EnableRowTwo();
    model::FilterLanguage(state_);
    WriteEdits();
    ShowRowLimits();
}

// A row over its limit says so where it is typed, not only in the preview:
// "131/106: will not be sent". Rows that do not go out at all (row 2 of a
// one-row slot, or under a ticked clock box) have no limit.
void MessagePage::ShowRowLimits()
{
    for (int j = 0; j < kSlots; ++j) {
        const model::PageState::Slot& slot = state_.slotStates[static_cast<std::size_t>(j)];
        for (int row = 1; row <= 2; ++row) {
            const int limit = row == 1 && !slot.twoRows ? link::kOneRowLimit : link::kTwoRowLimit;
            const auto length = static_cast<int>(RowString(PageRow(j, row)).size());
            const bool sent = row == 1 || (slot.twoRows && !slot.clock);
            const QString tip = sent && length > limit
                                    ? QStringLiteral("%1/%2: will not be sent").arg(length).arg(limit)
                                    : QString();
            QPlainTextEdit* edit = Slot(j).Row(row).edit;
            if (edit->toolTip() != tip)
                edit->setToolTip(tip);
        }
    }
}

// Each page takes a loaded file into its controls once, on its first tick
// after the load (for a page not yet shown: its first tick at all).
void MessagePage::TakeUpLoadedFile()
{
    std::uint8_t& loaded = seams_.table.*config_.fileLoaded;
    if (!loaded)
        return;
    ReadControls();
    model::LoadPage(seams_.table, state_);
    WriteSelections();
    WriteEdits();
    loaded = 0;
}

void MessagePage::ReadControls()
{
    if (!created_)
        return;
    ReadEdits();
    for (int j = 0; j < kSlots; ++j) {
        const SlotControls& controls = Slot(j);
        model::PageState::Slot& slot = state_.slotStates[static_cast<std::size_t>(j)];
        slot.twoRows = controls.twoRows->isChecked();
        slot.selected = controls.selected->isChecked();
        slot.clock = controls.clock->isChecked();
        slot.language = controls.language->currentIndex();
        for (int row = 1; row <= 2; ++row) {
            model::PageState::Row& values = slot.rows[static_cast<std::size_t>(row - 1)];
            values.animation = controls.Row(row).animation->currentIndex();
            values.brightness = controls.Row(row).brightness->currentIndex();
            values.speed = controls.Row(row).speed->currentIndex();
        }
    }
}

void MessagePage::WriteSelections()
{
    for (int j = 0; j < kSlots; ++j) {
        const SlotControls& controls = Slot(j);
        const model::PageState::Slot& slot = state_.slotStates[static_cast<std::size_t>(j)];
        controls.clock->setChecked(slot.clock);
        controls.selected->setChecked(slot.selected);
        controls.twoRows->setChecked(slot.twoRows);
        for (int row = 1; row <= 2; ++row) {
            const model::PageState::Row& values = slot.rows[static_cast<std::size_t>(row - 1)];
            controls.Row(row).animation->setCurrentIndex(values.animation);
            controls.Row(row).brightness->setCurrentIndex(values.brightness);
            controls.Row(row).speed->setCurrentIndex(values.speed);
        }
    }
}

// A one-row slot has no row 2 to edit; its text stays for when the box is
// ticked again. The animation selector and the clock box stay enabled.
void MessagePage::EnableRowTwo()
{
    for (int j = 0; j < kSlots; ++j) {
        const bool twoRows = state_.slotStates[static_cast<std::size_t>(j)].twoRows;
        const RowControls& row = Slot(j).Row(2);
        row.brightness->setEnabled(twoRows);
        row.speed->setEnabled(twoRows);
        row.edit->setEnabled(twoRows);
    }
}

}  // namespace velnar::pages
