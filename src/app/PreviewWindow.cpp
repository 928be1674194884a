#include "app/PreviewWindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/CommandTexts.h"
#include "model/MessageTable.h"
#include "pages/MessagePage.h"
#include "sign/SlotPreview.h"
#include "signview/BoardView.h"

namespace velnar::app {

namespace {

// Each row's length and at most three warnings about it.
constexpr int kMostNoteLines = 8;

}  // namespace

PreviewWindow::PreviewWindow(const model::MessageTable& table, const link::LocalClock& clock, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window), table_(table), clock_(clock),
      board_(sign::ShowBoard(sign::SignState{}, sign::kDefaultBoardColumns, 0)),
      view_(new signview::BoardView(sign::kDefaultBoardColumns)), slotLabel_(new QLabel),
      inTurn_(new QCheckBox(QStringLiteral("SIRAYLA"))), notes_(new QLabel)
{
    setWindowTitle(PreviewCaption());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view_, 1);
    auto* line = new QHBoxLayout;
    line->addWidget(slotLabel_, 1);
    line->addWidget(inTurn_);
    layout->addLayout(line);
    notes_->setWordWrap(true);
    notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for the most a slot's two rows can be told, whether told or
    // not, so that the board keeps its size while notes come and go.
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * kMostNoteLines);
    layout->addWidget(notes_);
    time_.start();
    connect(&timer_, &QTimer::timeout, this, &PreviewWindow::Tick);
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    timer_.start(kFrameIntervalMs);
    Tick();
}

void PreviewWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timer_.stop();
}

void PreviewWindow::Follow(const pages::MessagePage& page, int j)
{
    page_ = &page;
    slot_ = j;
    Tick();
}

std::vector<link::SlotSnapshot> PreviewWindow::Inputs() const
{
    std::vector<link::SlotSnapshot> inputs;
    if (!page_)
        return inputs;
    const model::PageState& state = page_->State();
    for (int j = 0; j < model::kSlotsPerPage; ++j) {
        if (inTurn_->isChecked() || j == slot_)
            inputs.push_back(link::SnapshotOfPage(state, j));
    }
    return inputs;
}

void PreviewWindow::Rebuild(const std::vector<link::SlotSnapshot>& inputs)
{
    std::vector<int> levels;
    for (const link::SlotSnapshot& slot : inputs) {
        for (int row = 1; row <= 2; ++row) {
            const auto k = static_cast<std::size_t>(model::RowNumber(slot.slot, row));
            levels.push_back(table_.rowBrightness[k]);
            levels.push_back(table_.rowSpeed[k]);
        }
    }
    if (inputs == inputs_ && levels == levels_)
        return;
    sign::SignState state = sign::PreviewSign(inputs, table_, clock_);
    const std::int64_t nowMs = time_.elapsed();
    // A change the sign would show starts the entry again, as a send would.
    if (state.slotStates != state_.slotStates || inputs.size() != inputs_.size())
        entryMs_ = nowMs;
    // The show starts with the page's first slot, or the one slot; the
    // sign's clock reads the PC's time of this moment, not that of the
    // virtual send.
    if (!inputs.empty())
        state.showFromSlot = model::SlotIndex(inputs.front().slot);
    state.clockSetAtMs = state.showSinceMs + (nowMs - entryMs_);
    state_ = std::move(state);
    inputs_ = inputs;
    levels_ = std::move(levels);
    notes_->clear();
}

void PreviewWindow::Tick()
{
    Rebuild(Inputs());
    board_ = sign::ShowBoard(state_, sign::kDefaultBoardColumns, state_.showSinceMs + time_.elapsed() - entryMs_);
    view_->Show(board_);
    const int shown = board_.slotIndex >= 0 ? board_.slotIndex + 1 : (inputs_.empty() ? 0 : inputs_.front().slot);
    const QString slotText = QStringLiteral("MESAJ %1").arg(shown);
    if (slotLabel_->text() != slotText) {
        slotLabel_->setText(slotText);
        notes_->clear();
    }
    if (notes_->text().isEmpty()) {
        for (const link::SlotSnapshot& slot : inputs_) {
            if (slot.slot != shown)
                continue;
            QStringList lines;
            for (const std::string& note : sign::RowNotes(slot, table_, sign::kDefaultBoardColumns))
                lines << QString::fromStdString(note);
            notes_->setText(lines.join(QLatin1Char('\n')));
        }
    }
}

QString PreviewWindow::Notes() const
{
    return notes_->text();
}

QString PreviewWindow::SlotText() const
{
    return slotLabel_->text();
}

}  // namespace velnar::app
