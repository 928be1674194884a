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

// How an exchange ended. The sign refused a frame when it replied with
// anything but the accept byte; it did not answer when it never said it was
// ready or said nothing after the frame (nothing connected, or the sign is
// off). A frame is not sent at all once the run is halted.
enum class ExchangeResult { Accepted, Refused, NoAnswer, NotSent };

// The handshake with the sign over the serial library. It keeps no port
// handle: every call names the port by the table's portIndex + 1.
class SignLink {
public:
    // Told of every finished exchange: what went out and how it ended.
    using ExchangeObserver = std::function<void(ExchangeKind, const Frame&, ExchangeResult)>;
    // Asked before every frame and pause: true ends the run there.
    using Halt = std::function<bool()>;

    SignLink(SerialLibrary& library, Pacer& pacer, model::MessageTable& table);

    // Closes the port in force so far, even when it is the same one, then
    // opens and configures the new one (9600 bit/s, 8N1). Results are not
    // checked: a port that does not work shows in the exchanges that follow.
    void OpenLink(int newPortIndex);

    void Wait(int milliseconds);

    // Delivers one frame with the pacing and retry limits of its kind: quiet
    // time, sync byte, ready byte, the 20 bytes, then the sign's reply. An
    // exchange that ends without the accept byte raises equipmentError. A
    // frame is never cut: once halted, or while the port has a problem (it
    // could not be opened, or is gone), no further frame is begun and the
    // exchange ends at once as NotSent.
    ExchangeResult ExchangeFrame(const Frame& frame, ExchangeKind kind);

    // A pause between frames, skipped once the run is halted.
    void Pause(int milliseconds);

    // Whether the run must end before its next frame, and why the port does
    // not work (empty while it does).
    bool Halted() const;
    std::string PortProblem() const;

    void SetExchangeObserver(ExchangeObserver observer);
    void SetHalt(Halt halt);

    SerialLibrary& Library() { return library_; }
    int LibraryPort() const;

private:
    void WriteSync(int waitMs);
    void WriteFrame(const Frame& frame, int byteWaitMs, int checksumWaitMs);
    int ReadByte();

    SerialLibrary& library_;
    Pacer& pacer_;
    model::MessageTable& table_;
    ExchangeObserver observer_;
    Halt halt_;
};

}  // namespace velnar::link
