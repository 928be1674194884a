#pragma once

#include <functional>

#include "link/ExchangeParameters.h"
#include "link/Frame.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

class Pacer;
class SerialLibrary;

// The handshake with the sign over the serial library. It keeps no port
// handle: every call names the port by the table's portIndex + 1.
class SignLink {
public:
    // Told of every finished exchange: what went out and whether the sign took it.
    using ExchangeObserver = std::function<void(ExchangeKind, const Frame&, bool accepted)>;

    SignLink(SerialLibrary& library, Pacer& pacer, model::MessageTable& table);

    // Closes the port in force so far, even when it is the same one, then
    // opens and configures the new one (9600 bit/s, 8N1). Results are not
    // checked: a port that does not work shows in the exchanges that follow.
    void OpenLink(int newPortIndex);

    void Wait(int milliseconds);

    // Delivers one frame with the pacing and retry limits of its kind: quiet
    // time, sync byte, ready byte, the 20 bytes, then the sign's reply. An
    // exchange that ends without the accept byte raises equipmentError.
    bool ExchangeFrame(const Frame& frame, ExchangeKind kind);

    void SetExchangeObserver(ExchangeObserver observer);

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
};

}  // namespace velnar::link
