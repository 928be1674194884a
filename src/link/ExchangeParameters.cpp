#include "link/ExchangeParameters.h"

#include "link/Frame.h"

namespace velnar::link {

namespace {

// One row per kind, in the order of ExchangeKind.
constexpr ExchangeParameters kParameters[] = {
    // quiet sync resendSync byte checksum resendChecksum attempts polls pollWait trigger
    {100, 50, 50, 50, 50, 50, 20, 10, 1, ResendTrigger::ResendByte},           // TextFrame
    {100, 50, 50, 50, 50, 50, 100, 100, 0, ResendTrigger::AnythingButAccept},  // BlankFrame
    {100, 100, 50, 100, 50, 100, 20, 10, 0, ResendTrigger::ResendByte},        // SettingsFramePage1
    {100, 50, 50, 50, 50, 50, 20, 10, 0, ResendTrigger::ResendByte},           // SettingsFramePage2
    {100, 50, 50, 50, 50, 50, 20, 10, 0, ResendTrigger::ResendByte},           // ClockFrame
};

}  // namespace

const ExchangeParameters& ParametersOf(ExchangeKind kind)
{
    return kParameters[static_cast<int>(kind)];
}

int NominalDurationMs(ExchangeKind kind)
{
    const ExchangeParameters& p = ParametersOf(kind);
    return p.quietMs + p.syncWaitMs + (kFrameSize - 1) * p.byteWaitMs + p.checksumWaitMs + p.pollWaitMs;
}

int SendingMs(ExchangeKind kind)
{
    const ExchangeParameters& p = ParametersOf(kind);
    return p.resendSyncWaitMs + (kFrameSize - 1) * p.byteWaitMs + p.resendChecksumWaitMs +
           p.replyPolls * p.pollWaitMs;
}

}  // namespace velnar::link
