#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "link/SendRun.h"
#include "link/SlotSender.h"

class QWidget;

namespace velnar::link {
class SignLink;
}

namespace velnar::pages {

class ProgressWindow;

// The send the operator started, across the pages: a slot, a page batch,
// or SEND ALL, whose two halves run in the two pages' timer ticks. It shows
// the progress window, takes its Stop, counts each slot into the run and,
// when the run ends, gives its notices once. One run at a time: while a run
// is on, or its notices are shown, no other begins.
class SendSession : public QObject {
    Q_OBJECT

public:
    using Clock = link::SendRun::Clock;

    SendSession(link::SignLink& link, link::SlotSender& sender, const model::MessageTable& table, Clock now,
                std::function<QString()> portProblem);
    ~SendSession() override;

    // A run of the slots `slotNumbers` begins, with the progress window
    // over `window`, `headline` above its lines; false, and nothing begins,
    // while another is on. A port that failed in an earlier send is opened
    // again first.
    bool Begin(const std::vector<int>& slotNumbers, QWidget* window, const QString& headline = {});
    // Page 2 goes on with the SEND ALL that page 1 handed over; false when
    // no run waits for it.
    bool TakeOver();
    // Sends one slot of the run; false once the run has been halted.
    bool SendSlot(const link::SlotSnapshot& snapshot, const link::SlotSender::Progress& progress);
    // The run ends, unless it waits for its second half; the notices it
    // calls for go to `notices`.
    void End(link::SendNotices& notices);

    // Told of every run as it ends, before its notices: keeps what the sign
    // now holds and returns the lines the run's report ends with.
    void KeepRunsWith(std::function<std::string(const link::SendRun&)> keep) { keep_ = std::move(keep); }

    bool Active() const { return run_ != nullptr; }
    // A run is on, or the notices of one are being shown.
    bool Busy() const { return run_ != nullptr || presenting_; }
    void Stop();
    ProgressWindow* Window() const;

signals:
    // The run has ended and its notices were given.
    void ended();

private:
    link::SignLink& link_;
    link::SlotSender& sender_;
    const model::MessageTable& table_;
    Clock now_;
    std::function<QString()> portProblem_;
    std::function<std::string(const link::SendRun&)> keep_;
    std::unique_ptr<link::SendRun> run_;
    bool presenting_ = false;
    QPointer<ProgressWindow> window_;  // a child of the window it is modal to
};

}  // namespace velnar::pages
