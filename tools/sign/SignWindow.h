#pragma once

#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "sign/SignDisplay.h"

class QLabel;

namespace velnar::signview {
class BoardView;
}

namespace velnar::tools {

// The virtual sign's window: the board as the sign shows it, 30 times a
// second, over a status line with the slot shown and the last frame.
class SignWindow final : public QWidget {
    Q_OBJECT
public:
    using Clock = std::function<std::int64_t()>;  // the milliseconds the sign's frames are timed in

    SignWindow(const QString& port, int columns, Clock nowMs);

    // What the sign holds after a frame, and that frame's report line.
    void TakeFrame(const sign::SignState& state, const QString& frameLine);

private:
    void Tick();

    int columns_;
    Clock nowMs_;
    sign::SignState state_;
    QString lastFrame_;
    signview::BoardView* view_;
    QLabel* status_;
    QTimer timer_;
};

}  // namespace velnar::tools
