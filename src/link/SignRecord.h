#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"

namespace velnar::link {

class SendRun;

// What the sign on one port holds, as far as this computer knows: for each
// slot, the content the sign last took whole (every frame of it accepted),
// or nothing when it may hold anything. It is wrong when the sign lost its
// memory or another computer programmed it, so it only ever spares sends.
struct SignRecord {
    std::string device;  // the port's device or address
    std::array<std::optional<SlotSnapshot>, model::kSlotCount> held{};

    // Each slot of the run that the sign took whole now holds its content;
    // every other slot of the run, begun or not, is held no more.
    void TakeRun(const SendRun& run);
};

// What of a slot reaches the sign: a one-row slot sends no row 2 and no
// clock, and a ticked clock box makes row 2 the sign's own clock row, so
// what the edit shows there (the computer's time) never goes out.
SlotSnapshot SentContent(const SlotSnapshot& snapshot);

// The slots, in order, whose content now differs from what the record says
// the sign holds, or that it does not hold. `now` is slot 1 to 16.
std::vector<int> ChangedSlots(const SignRecord& record, const std::array<SlotSnapshot, model::kSlotCount>& now);

// What a send of the changed slots is about to do, as the progress window
// and velnar-send say it: "3 slots changed, about 0:31, as far as this
// computer knows", or that nothing changed.
std::string DescribeChanged(const std::vector<int>& changed, const std::array<SlotSnapshot, model::kSlotCount>& now);

// The record as the bytes of its file, and back. Reading refuses bytes of
// another version, cut short or damaged: `problem` then says why.
std::string EncodeSignRecord(const SignRecord& record);
std::optional<SignRecord> DecodeSignRecord(const std::string& bytes, std::string& problem);

}  // namespace velnar::link
