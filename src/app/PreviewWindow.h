#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

#include "link/SlotSnapshot.h"
#include "sign/SignDisplay.h"

class QCheckBox;
class QLabel;

namespace velnar::link {
class LocalClock;
}

namespace velnar::model {
struct MessageTable;
}

namespace velnar::pages {
class MessagePage;
}

namespace velnar::signview {
class BoardView;
}

namespace velnar::app {

// "ÖNİZLEME": the sign's board as the sign will show the slot the operator
// works on, animated, with what will not arrive under it; or, with its box
// ticked, the page's eight slots in turn as the sign cycles through them.
// It reads the page's state and the table, never a control, and makes the
// board anew only when what a send would put on the line has changed.
class PreviewWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFrameIntervalMs = 1000 / 30;

    PreviewWindow(const model::MessageTable& table, const link::LocalClock& clock, QWidget* mainWindow);

    // The slot to show: page-relative slot j of `page`.
    void Follow(const pages::MessagePage& page, int j);

    QCheckBox* InTurnBox() const { return inTurn_; }
    const sign::Board& Board() const { return board_; }
    QString Notes() const;
    QString SlotText() const;

public slots:
    void Tick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::vector<link::SlotSnapshot> Inputs() const;
    void Rebuild(const std::vector<link::SlotSnapshot>& inputs);

    const model::MessageTable& table_;
    const link::LocalClock& clock_;
    QPointer<const pages::MessagePage> page_;
    int slot_ = 0;  // page-relative
    std::vector<link::SlotSnapshot> inputs_;
    std::vector<int> levels_;  // the table's levels of the slots shown
    sign::SignState state_;
    sign::Board board_;
    QElapsedTimer time_;
    std::int64_t entryMs_ = 0;  // when the shown slots began to enter

    signview::BoardView* view_;
    QLabel* slotLabel_;
    QCheckBox* inTurn_;
    QLabel* notes_;
    QTimer timer_;
};

}  // namespace velnar::app
