#include "signview/BoardView.h"

#include <QPainter>

#include "signview/BoardImage.h"

namespace velnar::signview {

namespace {

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

}  // namespace velnar::signview
