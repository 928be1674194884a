#include "link/SignLink.h"

#include <utility>

#include "link/Pacer.h"
#include "link/SerialLibrary.h"
#include "model/MessageTable.h"

namespace velnar::link {

namespace {

constexpr int kSpeedCode9600 = 12;
constexpr int kLineMode8N1 = 3;

bool TriggersResend(ResendTrigger trigger, int reply)
{
    return trigger == ResendTrigger::AnythingButAccept ? reply != kAcceptByte : reply == kResendByte;
}

}  // namespace

SignLink::SignLink(SerialLibrary& library, Pacer& pacer, model::MessageTable& table)
    : library_(library), pacer_(pacer), table_(table)
{
}

int SignLink::LibraryPort() const
{
    return table_.portIndex + 1;
}

void SignLink::OpenLink(int newPortIndex)
{
    library_.ClosePort(LibraryPort());
    table_.portIndex = newPortIndex;
    const int port = LibraryPort();
    library_.OpenPort(port);
    library_.ConfigurePort(port, kSpeedCode9600, kLineMode8N1);
    library_.SetLineControlA(port, 0);
    library_.SetLineControlB(port, 0);
}

void SignLink::Wait(int milliseconds)
{
    pacer_.WaitMilliseconds(milliseconds);
}

void SignLink::Pause(int milliseconds)
{
    if (!Halted())
        Wait(milliseconds);
}

std::string SignLink::PortProblem() const
{
    return library_.PortProblem(LibraryPort());
}

bool SignLink::Halted() const
{
    return (halt_ && halt_()) || !PortProblem().empty();
}

void SignLink::SetExchangeObserver(ExchangeObserver observer)
{
    observer_ = std::move(observer);
}

void SignLink::SetHalt(Halt halt)
{
    halt_ = std::move(halt);
}

void SignLink::WriteSync(int waitMs)
{
    library_.WriteByte(LibraryPort(), kSyncByte);
    Wait(waitMs);
}

void SignLink::WriteFrame(const Frame& frame, int byteWaitMs, int checksumWaitMs)
{
    for (int i = 0; i < kFrameSize; ++i) {
        library_.WriteByte(LibraryPort(), frame[static_cast<std::size_t>(i)]);
        Wait(i + 1 < kFrameSize ? byteWaitMs : checksumWaitMs);
    }
}

int SignLink::ReadByte()
{
    return library_.ReadByte(LibraryPort());
}

ExchangeResult SignLink::ExchangeFrame(const Frame& frame, ExchangeKind kind)
{
    if (Halted()) {
        if (observer_)
            observer_(kind, frame, ExchangeResult::NotSent);
        return ExchangeResult::NotSent;
    }

    const ExchangeParameters& p = ParametersOf(kind);
    bool accepted = false;
    bool replied = false;

    Wait(p.quietMs);
    WriteSync(p.syncWaitMs);
    // A port that fails on the way (the adapter pulled out) takes no more
    // attempts: nothing can reach the sign any more.
    for (int attempt = 0; attempt < p.syncAttempts && !accepted && PortProblem().empty(); ++attempt) {
        if (ReadByte() != kReadyByte) {
            WriteSync(p.syncWaitMs);
            continue;
        }
        WriteFrame(frame, p.byteWaitMs, p.checksumWaitMs);
        // A reply later than the polls is read by the next attempt as "not
        // ready": the sign then gets a fresh sync byte and the frame again.
        for (int poll = 0; poll < p.replyPolls; ++poll) {
            Wait(p.pollWaitMs);
            const int reply = ReadByte();
            if (reply == kAcceptByte) {
                accepted = true;
                break;
            }
            replied = replied || reply != SerialLibrary::kNoByte;
            if (TriggersResend(p.resendTrigger, reply)) {
                WriteSync(p.resendSyncWaitMs);
                if (ReadByte() == kReadyByte)
                    WriteFrame(frame, p.byteWaitMs, p.resendChecksumWaitMs);
            }
        }
    }

    const ExchangeResult result = accepted  ? ExchangeResult::Accepted
                                  : replied ? ExchangeResult::Refused
                                            : ExchangeResult::NoAnswer;
    if (!accepted)
        table_.equipmentError = 1;
    if (observer_)
        observer_(kind, frame, result);
    return result;
}

}  // namespace velnar::link
