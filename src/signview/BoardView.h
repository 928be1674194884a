#pragma once

#include <QImage>
#include <QWidget>

#include "sign/SignDisplay.h"

namespace velnar::signview {

// Paints a board from a cached picture, made anew only when an LED changed
// or the view was resized, so a held or dark board costs nearly nothing.
class BoardView final : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(int columns, QWidget* parent = nullptr);

    void Show(const sign::Board& board);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    sign::Board board_;
    QImage picture_;
};

}  // namespace velnar::signview
