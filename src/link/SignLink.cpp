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

int SignLink::OpenLink(int newPortIndex)
{
    library_.ClosePort(LibraryPort());
    table_.portIndex = newPortIndex;
    const int port = LibraryPort();
    const int opened = library_.OpenPort(port);
    library_.ConfigurePort(port, kSpeedCode9600, kLineMode8N1);
    library_.SetLineControlA(port, 0);
    library_.SetLineControlB(port, 0);
    return opened;
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

void SignLink::SetRepeatObserver(RepeatObserver observer)
{
    repeated_ = std::move(observer);
}

void SignLink::ReopenIfFailed()
{
    if (!PortProblem().empty())
        OpenLink(table_.portIndex);
}

void SignLink::WriteSync(int waitMs)
{
    library_.WriteByte(LibraryPort(), kSyncByte);
    Wait(waitMs + byteMarginMs_);
}

void SignLink::WriteFrame(const Frame& frame, int byteWaitMs, int checksumWaitMs)
{
    for (int i = 0; i < kFrameSize; ++i) {
        library_.WriteByte(LibraryPort(), frame[static_cast<std::size_t>(i)]);
        Wait((i + 1 < kFrameSize ? byteWaitMs : checksumWaitMs) + byteMarginMs_);
    }
}

int SignLink::ReadByte()
{
    return library_.ReadByte(LibraryPort());
}

// A sync byte asks the sign for a sending, so none is written once the run
// is halted or the frame has gone out as often as it may.
bool SignLink::MayWriteSync() const
{
    return last_.sendings < kMaxSendings && !Halted();
}

ExchangeResult SignLink::ExchangeFrame(const Frame& frame, ExchangeKind kind)
{
    const ExchangeParameters& p = ParametersOf(kind);
    last_ = ExchangeTally{};
    bool accepted = false;
    bool replied = false;

    if (!Halted())
        Wait(p.quietMs);
    if (Halted()) {
        if (observer_)
            observer_(kind, frame, ExchangeResult::NotSent);
        return ExchangeResult::NotSent;
    }
    WriteSync(p.syncWaitMs);
    const auto read = [this] {
        const int byte = ReadByte();
        last_.heard = last_.heard || byte != SerialLibrary::kNoByte;
        return byte;
    };
    const auto send = [&](int checksumWaitMs) {
        if (last_.sendings > 0 && repeated_)
            repeated_(kind, last_.sendings);
        WriteFrame(frame, p.byteWaitMs, checksumWaitMs);
        ++last_.sendings;
    };
    bool givenUp = false;
    for (int attempt = 0; attempt < p.syncAttempts && !accepted && !givenUp; ++attempt) {
        if (read() != kReadyByte) {
            if (!MayWriteSync())
                break;
            WriteSync(p.syncWaitMs);
            continue;
        }
        send(p.checksumWaitMs);
        // A reply later than the polls is read by the next attempt as "not
        // ready": the sign then gets a fresh sync byte and the frame again.
        for (int poll = 0; poll < p.replyPolls; ++poll) {
            Wait(p.pollWaitMs);
            const int reply = read();
            if (reply == kAcceptByte) {
                accepted = true;
                break;
            }
            // A ready byte here answers an earlier sync byte, not the frame.
            replied = replied || (reply != SerialLibrary::kNoByte && reply != kReadyByte);
            if (TriggersResend(p.resendTrigger, reply)) {
                if (!MayWriteSync()) {
                    givenUp = true;
                    break;
                }
                WriteSync(p.resendSyncWaitMs);
                if (read() == kReadyByte)
                    send(p.resendChecksumWaitMs);
            }
        }
        // A port that fails on the way (the adapter pulled out) takes no
        // more attempts: nothing can reach the sign any more.
        givenUp = givenUp || !PortProblem().empty();
    }

    last_.result = accepted  ? ExchangeResult::Accepted
                   : replied ? ExchangeResult::Refused
                             : ExchangeResult::NoAnswer;
    if (!accepted)
        table_.equipmentError = 1;
    if (observer_)
        observer_(kind, frame, last_.result);
    return last_.result;
}

}  // namespace velnar::link
