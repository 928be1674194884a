#include "pages/ProgressWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/SendRun.h"

namespace velnar::pages {

namespace {

constexpr int kRefreshMs = 200;

}  // namespace

ProgressWindow::ProgressWindow(QWidget* mainWindow)
    : QDialog(mainWindow), headline_(new QLabel(this)), slot_(new QLabel(this)), repeat_(new QLabel(this)), bar_(new QProgressBar(this)), time_(new QLabel(this)),
      stop_(new QPushButton(QStringLiteral("Stop"), this))
{
    setWindowTitle(QStringLiteral("VELNAR MESSAGES"));
    setWindowModality(Qt::WindowModal);
    if (mainWindow)
        setFont(mainWindow->font());
    bar_->setRange(0, 100);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headline_);
    layout->addWidget(slot_);
    layout->addWidget(repeat_);
    layout->addWidget(bar_);
    layout->addWidget(time_);
    layout->addWidget(stop_, 0, Qt::AlignRight);
    setMinimumWidth(320);
    connect(stop_, &QPushButton::clicked, this, &ProgressWindow::reject);
    connect(&refresh_, &QTimer::timeout, this, &ProgressWindow::Refresh);
}

QString ProgressWindow::SlotLine(const link::RunProgress& progress)
{
    if (progress.position == 0)
        return QStringLiteral("Sending Data!");
    return QStringLiteral("Slot %1 (%2 of %3)").arg(progress.slot).arg(progress.position).arg(progress.count);
}

QString ProgressWindow::TimeLine(const link::RunProgress& progress)
{
    return QStringLiteral("Time left: ") + QString::fromStdString(link::MinutesSeconds(progress.leftMs));
}

void ProgressWindow::Follow(const link::SendRun& run, const QString& headline)
{
    run_ = &run;
    headline_->setText(headline);
    headline_->setVisible(!headline.isEmpty());
    stop_->setEnabled(true);
    Refresh();
    show();
    refresh_.start(kRefreshMs);
}

void ProgressWindow::Finish()
{
    refresh_.stop();
    run_ = nullptr;
    hide();
}

void ProgressWindow::Refresh()
{
    if (!run_)
        return;
    const link::RunProgress progress = run_->Progress();
    slot_->setText(SlotLine(progress));
    repeat_->setText(QString::fromStdString(progress.repeat));
    bar_->setValue(progress.percent);
    time_->setText(run_->Stopped() ? QStringLiteral("Stopping after the frame on the line") : TimeLine(progress));
}

QString ProgressWindow::HeadlineText() const
{
    return headline_->text();
}

QString ProgressWindow::SlotText() const
{
    return slot_->text();
}

QString ProgressWindow::RepeatText() const
{
    return repeat_->text();
}

QString ProgressWindow::TimeText() const
{
    return time_->text();
}

// Escape and Stop: the run ends after the frame on the line.
void ProgressWindow::reject()
{
    stop_->setEnabled(false);
    emit stopRequested();
    Refresh();
}

void ProgressWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    reject();
}

}  // namespace velnar::pages
