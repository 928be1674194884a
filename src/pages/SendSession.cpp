#include "pages/SendSession.h"

#include "link/ComPorts.h"
#include "link/SignLink.h"
#include "pages/ProgressWindow.h"

namespace velnar::pages {

SendSession::SendSession(link::SignLink& link, link::SlotSender& sender, const model::MessageTable& table, Clock now,
                         std::function<QString()> portProblem)
    : link_(link), sender_(sender), table_(table), now_(std::move(now)), portProblem_(std::move(portProblem))
{
    link_.SetHalt([this] { return run_ && run_->Stopped(); });
    sender_.frameEnded = [this] {
        if (run_)
            run_->FrameEnded();
    };
}

SendSession::~SendSession()
{
    link_.SetHalt({});
    sender_.frameEnded = {};
}

void SendSession::Begin(const std::vector<int>& slotNumbers, QWidget* window)
{
    if (run_)
        return;
    run_ = std::make_unique<link::SendRun>(slotNumbers, table_, now_);
    if (!window_ || window_->parentWidget() != window) {
        delete window_;
        window_ = new ProgressWindow(window);
        connect(window_, &ProgressWindow::stopRequested, this, &SendSession::Stop);
    }
    window_->Follow(*run_);
}

bool SendSession::SendSlot(const link::SlotSnapshot& snapshot, const link::SlotSender::Progress& progress)
{
    return run_ && run_->SendSlot(sender_, snapshot, progress);
}

void SendSession::End(bool handedOver, link::SendNotices& notices)
{
    if (!run_ || handedOver)
        return;
    // The run is over before its notices: a notice's own event loop must
    // find no send under way.
    const std::unique_ptr<link::SendRun> run = std::move(run_);
    if (window_)
        window_->Finish();
    const std::string problem = portProblem_ ? portProblem_().toStdString() : std::string();
    run->Present(notices, problem.empty() ? problem : link::ExplainPortProblem(problem));
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
