#include "SignWindow.h"

#include <QLabel>
#include <QVBoxLayout>

#include "signview/BoardView.h"

namespace velnar::tools {

namespace {

constexpr int kFrameIntervalMs = 1000 / 30;

}  // namespace

SignWindow::SignWindow(const QString& port, int columns, Clock nowMs)
    : columns_(columns), nowMs_(std::move(nowMs)), view_(new signview::BoardView(columns)), status_(new QLabel)
{
    setWindowTitle(QStringLiteral("velnar-sign: %1").arg(port));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(view_, 1);
    layout->addWidget(status_);
    status_->setContentsMargins(6, 0, 6, 0);
    lastFrame_ = QStringLiteral("no frame yet");
    connect(&timer_, &QTimer::timeout, this, &SignWindow::Tick);
    timer_.start(kFrameIntervalMs);
    Tick();
}

void SignWindow::TakeFrame(const sign::SignState& state, const QString& frameLine)
{
    state_ = state;
    lastFrame_ = frameLine;
    Tick();
}

void SignWindow::Tick()
{
    const sign::Board board = sign::ShowBoard(state_, columns_, nowMs_());
    view_->Show(board);
    const QString shown =
        board.slotIndex < 0 ? QStringLiteral("nothing to show") : QStringLiteral("slot %1").arg(board.slotIndex + 1);
    const QString status = QStringLiteral("%1 | last frame: %2").arg(shown, lastFrame_);
    if (status_->text() != status)
        status_->setText(status);
}

}  // namespace velnar::tools
