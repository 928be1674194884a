#include "SignWindow.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "BoardImage.h"

namespace velnar::tools {

namespace {

constexpr int kFrameIntervalMs = 1000 / 30;
constexpr int kHintPitch = 6;

}  // namespace

BoardView::BoardView(int columns, QWidget* parent)
    : QWidget(parent), board_(sign::ShowBoard(sign::SignState{}, columns, 0))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(board_.columns * 2, sign::kBoardRows * 2);
}

void BoardView::Show(const sign::Board& board)
{
    if (board.columns == board_.columns && board.leds == board_.leds)
        return;
    board_ = board;
    picture_ = QImage();
    update();
}

QSize BoardView::sizeHint() const
{
    return QSize(board_.columns, sign::kBoardRows) * kHintPitch;
}

void BoardView::paintEvent(QPaintEvent*)
{
    if (picture_.size() != size())
        picture_ = PaintBoard(board_, size());
    QPainter(this).drawImage(0, 0, picture_);
}

SignWindow::SignWindow(const QString& port, int columns, Clock nowMs)
    : columns_(columns), nowMs_(std::move(nowMs)), view_(new BoardView(columns)), status_(new QLabel)
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
