#pragma once

#include <string>
#include <vector>

#include "link/SlotSender.h"

namespace velnar::testing {

// Notices recorded instead of shown; the equipment-error box answers as set.
class RecordingNotices final : public link::SendNotices {
public:
    bool goOnAfterEquipmentError = true;
    std::vector<std::string> shown;

    void RowNotSent(const std::string& message) override { shown.push_back(message); }
    bool EquipmentError(bool canStop) override
    {
        shown.push_back(canStop ? "Equipment Error! (OK/Cancel)" : "Equipment Error!");
        return goOnAfterEquipmentError;
    }
    void SendComplete(link::CompletionNotice kind) override
    {
        shown.push_back(kind == link::CompletionNotice::MessageBox ? "Send Complete! (message box)"
                                                                    : "Send Complete! (dialog)");
    }
};

}  // namespace velnar::testing
