#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "dialogs/DialogBuilder.h"
#include "link/LocalClock.h"
#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"
#include "model/PageState.h"
#include "pages/PageConfig.h"
#include "pages/PageNotices.h"
#include "pages/PageSeams.h"
#include "pages/SendCompleteDialog.h"
#include "pages/SlotControls.h"

class QLabel;
class QPushButton;

namespace velnar::pages {
class ProgressLabel;
}

namespace velnar::pages {

// A page of eight message slots in the main window's sheet. Both pages are
// this one implementation, configured by their PageConfig.
//
// The page's controls, its initialisation and its timer come into being when
// the page is first activated in the sheet (Create); until then the page is
// an empty widget and its row strings are all it holds.
class MessagePage : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSlots = res::kPageSlots;
    static constexpr int kRows = model::kRowsPerPage;
    static constexpr int kTimerPeriodMs = 50;

    MessagePage(const PageConfig& config, const PageSeams& seams, QWidget* parent = nullptr);
    ~MessagePage() override;

    QString Caption() const;  // the tab's text
    // The slot number of page-relative slot j (0..7).
    int SlotNumber(int j) const { return config_.layout.firstSlot + j; }
    // The table's row number of a page-relative slot's row 1 or 2.
    int TableRow(int j, int row) const { return state_.TableRow(j, row); }

    // Builds the controls and initialises the page the first time; later
    // calls do nothing.
    void Create();
    bool IsCreated() const { return created_; }

    // The controls, bound by identifier; all null before Create.
    const SlotControls& Slot(int j) const { return slots_[static_cast<std::size_t>(j)]; }
    QPushButton* ShowInTurnButton() const { return showInTurn_; }
    QWidget* Control(int id) const { return controls_.Find(id); }
    // The page-relative slot that `widget` is a control of, or -1.
    int SlotOf(const QWidget* widget) const;

    // The sixteen row strings, by page row (PageRow). They are what a send
    // transmits; line breaks are CR LF.
    static int PageRow(int j, int row) { return model::PageState::PageRow(j, row); }
    const std::u16string& RowString(int pageRow) const
    {
        return state_.rowStrings[static_cast<std::size_t>(pageRow)];
    }
    void SetRowString(int pageRow, std::u16string text);

    // Data exchange between the row strings and the edits. Writing leaves an
    // edit that already shows its string untouched, and no write counts as
    // the operator's edit: the edits' signals are blocked while the page
    // writes.
    void ReadEdits();
    void WriteEdits();

    // The controls' values as of the last tick or send: what the preview shows.
    const model::PageState& State() const { return state_; }

    QTimer& Timer() { return timer_; }

    // The slot as its controls hold it now, after reading the edits.
    link::SlotSnapshot Snapshot(int j);
    // Sends page-relative slot j alone (its send button) and shows what it
    // calls for.
    void SendSlot(int j);
    // The page's eight slots in order ("SIRAYLA GÖSTER").
    void SendPageBatch();
    // For a run across both pages (the changed slots), driven by the
    // window: page-relative slot j as it would go out now, the controls
    // made and a file opened just before taken up first; slot `slot` of
    // this page sent in the session's run as its own button sends it,
    // false once the run has been halted; the labels taken away, and the
    // page's notices.
    link::SlotSnapshot SnapshotToSend(int j);
    bool SendInRun(int slot);
    void HideProgress();
    link::SendNotices& Notices() { return notices_; }
    // Where "Sending Data!" is painted for slot j, and the label itself.
    QPoint ProgressPosition(int j) const;
    QLabel* ProgressIndicator(int j) const;

    QSize sizeHint() const override { return templateSize_; }

public slots:
    // Timer 1: the page's periodic work on the table and its controls, in
    // this order: a loaded file, its share of SEND ALL, the edits and boxes
    // into the table, the clock rows, row 2 by the two-rows box, the
    // language filter, the edits written back.
    void OnTimer();

private:
    void ConnectHandlers();
    void OnTextChanged(int j, int row);
    link::SendOneSlot SlotSending();
    // Runs `send` in the run the session has `begun`; it returns once the
    // send has ended, and the window lives on meanwhile.
    void RunSend(bool begun, const std::function<void()>& send);
    std::vector<int> PageSlots() const;
    void TakeUpSendAll();
    void ShowProgress(int j);
    void TakeUpLoadedFile();
    // The controls into the page state, and the state's boxes and
    // selections into the controls.
    void ReadControls();
    void RefreshEditsHold();
    void WriteSelections();
    void EnableRowTwo();
    void ShowRowLimits();

    QWidget* MakeControl(const res::DialogControl& control, QWidget& parent) const;
    void BindControls();
    void Initialise();
    void FillAnimationSelectors();
    void FillLanguageSelectors();
    void FillLevelSelectors();

    const PageConfig& config_;
    PageSeams seams_;
    QSize templateSize_;
    bool created_ = false;

    dialogs::DialogControls controls_;
    std::array<SlotControls, kSlots> slots_{};
    QPushButton* showInTurn_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QLabel* animationLabel_ = nullptr;
    QLabel* selectionLabel_ = nullptr;

    model::PageState state_;
    // What the edits hold, as row texts, as of the page's last read or
    // write; an operator's edit marks them to be read again. An idle tick
    // then costs no trip through the edits' documents.
    std::array<std::u16string, kRows> editsHold_{};
    bool editsChanged_ = false;
    SendCompleteDialog completion_;
    PageNotices notices_;
    // One label per slot: a batch paints each slot's in turn, and all of
    // them go together when the send has ended.
    std::array<ProgressLabel*, kSlots> progress_{};
    QTimer timer_;
};

}  // namespace velnar::pages
