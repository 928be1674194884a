#pragma once

#include <string>
#include <vector>

#include "link/SendRun.h"

namespace velnar::testing {

// Notices recorded instead of shown.
class RecordingNotices final : public link::SendNotices {
public:
    std::vector<std::string> shown;

    void RowNotSent(const std::string& message) override { shown.push_back(message); }
    void EquipmentError(const std::string& details) override { shown.push_back("Equipment Error! " + details); }
    void SendComplete(link::CompletionNotice kind) override
    {
        shown.push_back(kind == link::CompletionNotice::MessageBox ? "Send Complete! (message box)"
                                                                    : "Send Complete! (dialog)");
    }
    void RunReport(const std::string& report) override { shown.push_back(report); }
};

}  // namespace velnar::testing
