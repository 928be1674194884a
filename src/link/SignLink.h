#pragma once

#include <functional>
#include <string>

#include "link/ExchangeParameters.h"
#include "link/Frame.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

class Pacer;
class SerialLibrary;

// How an exchange ended. The sign refused a frame when it replied with the
// resend byte or any other byte but the accept byte; it did not answer when
// it never said it was ready or said nothing after the frame (a ready byte
// among the replies is no reply). A frame is not sent at all once the run is
// halted.
enum class ExchangeResult { Accepted, Refused, NoAnswer, NotSent };

// The last exchange as the line saw it: its verdict, how often the 20 bytes
// went out, and whether the sign said anything at all (a sign switched off
// or not connected says nothing).
struct ExchangeTally {
    ExchangeResult result = ExchangeResult::NotSent;
    int sendings = 0;
    bool heard = false;
};

// The handshake with the sign over the serial library. It keeps no port
// handle: every call names the port by the table's portIndex + 1.
class SignLink {
public:
    // Told of every finished exchange: what went out and how it ended.
    using ExchangeObserver = std::function<void(ExchangeKind, const Frame&, ExchangeResult)>;
    // Asked before every sync byte and pause: true ends the run there.
    using Halt = std::function<bool()>;
    // Told when the sign asks for a frame again: how often it went out so far.
    using RepeatObserver = std::function<void(ExchangeKind, int sendings)>;

    SignLink(SerialLibrary& library, Pacer& pacer, model::MessageTable& table);

    // Closes the port in force so far, even when it is the same one, then
    // opens and configures the new one (9600 bit/s, 8N1). Results are not
    // checked: a port that does not work shows in the exchanges that follow.
    // Returns what opening the port returned, for a caller that refuses a
    // port named wrongly before it sends anything.
    int OpenLink(int newPortIndex);

    void Wait(int milliseconds);

    // Added to the wait after every byte the link writes: a byte held up on
    // a network still reaches the sign no sooner than its minimum after the
    // one before. 0 (a cable) leaves every wait as the sign's table has it.
    void SetByteMargin(int milliseconds) { byteMarginMs_ = milliseconds; }
    int ByteMargin() const { return byteMarginMs_; }

    // Delivers one frame with the pacing and retry limits of its kind: quiet
    // time, sync byte, ready byte, the 20 bytes, then the sign's reply. The
    // frame goes out at most kMaxSendings times. An exchange that ends
    // without the accept byte raises equipmentError. A frame is never cut:
    // once halted, or while the port has a problem (it could not be opened,
    // or is gone), no further sync byte is written, between the sendings of
    // one frame too; an exchange halted before its first sync byte ends as
    // NotSent.
    ExchangeResult ExchangeFrame(const Frame& frame, ExchangeKind kind);
    const ExchangeTally& LastExchange() const { return last_; }

    // A port that failed once (a write that timed out, an adapter that was
    // back before the next send) is opened again before a run gives up on it.
    void ReopenIfFailed();

    // A pause between frames, skipped once the run is halted.
    void Pause(int milliseconds);

    // Whether the run must end before its next frame, and why the port does
    // not work (empty while it does).
    bool Halted() const;
    std::string PortProblem() const;

    void SetExchangeObserver(ExchangeObserver observer);
    void SetHalt(Halt halt);
    void SetRepeatObserver(RepeatObserver observer);

    SerialLibrary& Library() { return library_; }
    int LibraryPort() const;

private:
    void WriteSync(int waitMs);
    void WriteFrame(const Frame& frame, int byteWaitMs, int checksumWaitMs);
    int ReadByte();
    bool MayWriteSync() const;

    SerialLibrary& library_;
    Pacer& pacer_;
    model::MessageTable& table_;
    ExchangeObserver observer_;
    Halt halt_;
    RepeatObserver repeated_;
    ExchangeTally last_;
    int byteMarginMs_ = 0;
};

}  // namespace velnar::link
