#pragma once

#include <QString>
#include <functional>

#include "link/SlotSender.h"

class QDialog;
class QWidget;

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::pages {

// What a page shows the operator after a slot: rows too long to send, the
// equipment error with the port's problem and, inside a batch, the choice to
// stop the run, and the completion notice (the page's dialog, or a message
// box for slot 2).
class PageNotices final : public link::SendNotices {
public:
    PageNotices(QWidget& page, dialogs::ModalRunner& modal, QDialog& completionDialog,
                std::function<QString()> portProblem);

    void RowNotSent(const std::string& message) override;
    bool EquipmentError(bool canStop) override;
    void SendComplete(link::CompletionNotice kind) override;

private:
    QWidget& page_;
    dialogs::ModalRunner& modal_;
    QDialog& completionDialog_;
    std::function<QString()> portProblem_;
};

}  // namespace velnar::pages
