#include "tests/support/SignOnLine.h"

namespace velnar::testing {

SignOnLine::SignOnLine(sign::SignFaults faults) : sign_(faults), peer_(line_.Fd(), sign_)
{
    peer_.OnFrame([this](const sign::VirtualSign::FrameEvent& event) { frames_.push_back(event); });
    thread_ = std::thread([this] { peer_.Serve(stop_); });
}

SignOnLine::~SignOnLine()
{
    Stop();
}

void SignOnLine::Stop()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

}  // namespace velnar::testing
