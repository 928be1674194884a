#pragma once

#include "link/SendRun.h"

class QDialog;
class QWidget;

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::pages {

// What a page shows the operator when a send ends: rows too long to send,
// the equipment error with what the sign did and the port's problem, the
// completion notice (the page's dialog, or a message box for slot 2), or
// the one report of a run that did not get everything onto the sign.
class PageNotices final : public link::SendNotices {
public:
    PageNotices(QWidget& page, dialogs::ModalRunner& modal, QDialog& completionDialog);

    void RowNotSent(const std::string& message) override;
    void EquipmentError(const std::string& details) override;
    void SendComplete(link::CompletionNotice kind) override;
    void RunReport(const std::string& report) override;

private:
    QWidget& page_;
    dialogs::ModalRunner& modal_;
    QDialog& completionDialog_;
};

}  // namespace velnar::pages
