#include "pages/SendSession.h"

#include "link/ComPorts.h"
#include "link/SignLink.h"
#include "pages/ProgressWindow.h"

namespace velnar::pages {

SendSession::SendSession(link::SignLink& link, link::SlotSender& sender, const model::MessageTable& table, Clock now,
                         std::function<QString()> portProblem)
    : link_(link), sender_(sender), table_(table), now_(std::move(now)), portProblem_(std::move(portProblem))
{
    link_.SetHalt([this] { return run_ && run_->Halted(); });
}

SendSession::~SendSession()
{
    link_.SetHalt({});
}

bool SendSession::Begin(const std::vector<int>& slotNumbers, QWidget* window, const QString& headline)
{
    if (Busy())
        return false;
    link_.ReopenIfFailed();
    run_ = std::make_unique<link::SendRun>(slotNumbers, table_, now_, link_.ByteMargin());
    if (!window_ || window_->parentWidget() != window) {
        delete window_;
        window_ = new ProgressWindow(window);
        connect(window_, &ProgressWindow::stopRequested, this, &SendSession::Stop);
    }
    window_->Follow(*run_, headline);
    return true;
}

bool SendSession::TakeOver()
{
    return run_ && run_->FirstHalfDone();
}

bool SendSession::SendSlot(const link::SlotSnapshot& snapshot, const link::SlotSender::Progress& progress)
{
    return run_ && run_->SendSlot(sender_, snapshot, progress);
}

void SendSession::End(link::SendNotices& notices)
{
    // SEND ALL's first half hands the run over to page 2, unless it was
    // halted: then the run ends here.
    if (!run_ || (run_->FirstHalfDone() && !run_->Halted()))
        return;
    // The run is over before its notices, so that closing the window in a
    // notice's own event loop finds no send to stop; still none begins
    // until the notices are gone.
    const std::unique_ptr<link::SendRun> run = std::move(run_);
    if (window_)
        window_->Finish();
    const std::string problem = portProblem_ ? portProblem_().toStdString() : std::string();
    const std::string afterword = keep_ ? keep_(*run) : std::string();
    presenting_ = true;
    run->Present(notices, problem.empty() ? problem : link::ExplainPortProblem(problem), afterword);
    presenting_ = false;
    emit ended();
}

ProgressWindow* SendSession::Window() const
{
    return window_;
}

void SendSession::Stop()
{
    if (run_)
        run_->Stop();
}

}  // namespace velnar::pages
