#pragma once

#include <functional>
#include <string>

#include "link/ExchangeParameters.h"
#include "link/Frame.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

class LocalClock;
class SignLink;
enum class ExchangeResult;

// Builds the frames of one row or slot and delivers them over the link.
class FrameSender {
public:
    // Called after each text or blank frame that the sign accepted.
    using AcceptedNotice = std::function<void()>;
    // Told how each frame ended, with the row it belongs to (0 for the clock).
    using FrameEnded = std::function<void(ExchangeKind, int row, ExchangeResult)>;

    FrameSender(SignLink& link, const LocalClock& clock, model::MessageTable& table);

    // Sends a row of 1 or more characters as blocks of 12, one text frame
    // each; `row` gives the animation, slot index, notSelected, row and
    // two-row flag that every block carries. The block number and the
    // short-block test follow blockCounter, which counts accepted blocks
    // only: after a lost block, later blocks carry a number one lower and
    // the last one is announced as full.
    void SendRowText(const std::u16string& text, const TextBlock& row, const AcceptedNotice& onAccepted = {});

    void SendBlankRow(const TextBlock& row, const AcceptedNotice& onAccepted = {});

    // The sign accepting a settings frame is what completes a send: it sets
    // sendComplete. Slots 1 to 8 use the slower page-1 pacing.
    void SendRowSettings(const RowSettings& settings);

    // The PC's local date and time, read once, and the slot's clock flag.
    void SendClock(int clockFlag, int slotIndex);

    FrameEnded frameEnded;
    int blockCounter = 0;

private:
    ExchangeResult Exchange(const Frame& frame, ExchangeKind kind, int row);

    SignLink& link_;
    const LocalClock& clock_;
    model::MessageTable& table_;
};

}  // namespace velnar::link
