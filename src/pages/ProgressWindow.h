#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace velnar::link {
class SendRun;
struct RunProgress;
}  // namespace velnar::link

namespace velnar::pages {

// What the operator sees while a send runs: the slot being sent (k of n),
// the frame the sign keeps asking for while it repeats, a bar over the whole
// run, the time left, and Stop. It is modal to the main
// window, whose input waits until the send has ended. Escape and the close
// box mean Stop; the window goes when the run has ended, not before.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    explicit ProgressWindow(QWidget* mainWindow);

    // Shows the run and follows it until Finish; a headline, if any, says
    // what the run is ("3 slots changed, about 0:31, ...").
    void Follow(const link::SendRun& run, const QString& headline = {});
    void Finish();

    QPushButton* StopButton() const { return stop_; }
    QString HeadlineText() const;
    QString SlotText() const;
    QString RepeatText() const;
    QString TimeText() const;

    // "Slot 3 (2 of 8)" and "Time left: 1:05".
    static QString SlotLine(const link::RunProgress& progress);
    static QString TimeLine(const link::RunProgress& progress);

signals:
    void stopRequested();

public slots:
    void reject() override;
    void Refresh();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const link::SendRun* run_ = nullptr;
    QLabel* headline_;
    QLabel* slot_;
    QLabel* repeat_;
    QProgressBar* bar_;
    QLabel* time_;
    QPushButton* stop_;
    QTimer refresh_;
};

}  // namespace velnar::pages
