#pragma once

namespace velnar::link {

// How a frame is delivered. The settings frame of a page-1 slot is paced more
// slowly than that of a page-2 slot, so the two count as kinds of their own.
enum class ExchangeKind {
    TextFrame,
    BlankFrame,
    SettingsFramePage1,
    SettingsFramePage2,
    ClockFrame,
};

enum class ResendTrigger {
    ResendByte,         // only 0xFD asks for the frame again
    AnythingButAccept,  // any reply but 0xFE, silence included
};

// The pacing and retry limits of one kind; all times in whole milliseconds.
struct ExchangeParameters {
    int quietMs;               // before the first sync byte
    int syncWaitMs;            // after each sync byte of an attempt
    int resendSyncWaitMs;      // after the sync byte that answers a resend request
    int byteWaitMs;            // after each of frame bytes 1 to 19
    int checksumWaitMs;        // after the checksum, first sending
    int resendChecksumWaitMs;  // after the checksum, when sent again
    int syncAttempts;
    int replyPolls;            // per attempt
    int pollWaitMs;            // before each reply poll
    ResendTrigger resendTrigger;
};

const ExchangeParameters& ParametersOf(ExchangeKind kind);

// A working sign takes a frame at its first or second sending. One that asks
// for it again and again (a bad cable, a half-broken sign) gets it at most
// this often within one exchange, the first sending included.
constexpr int kMaxSendings = 20;

// What one more sending of a frame costs at most, from the sync byte that
// asks for it to the end of its reply polls: a repeating frame's time left.
int SendingMs(ExchangeKind kind);

// Duration of one exchange with a sign that answers every byte at once.
int NominalDurationMs(ExchangeKind kind);

// The bytes of one sending that each take a byte margin: the sync byte that
// asks for it and the frame's 20 bytes.
constexpr int kMarginedBytesPerSending = 21;

}  // namespace velnar::link
