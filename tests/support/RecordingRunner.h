#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "dialogs/ModalRunner.h"

namespace velnar::testing {

// Records modal dialogs instead of showing them and answers from a script.
class RecordingRunner final : public dialogs::ModalRunner {
public:
    struct Shown {
        QString title;
        QStringList labels;   // the texts the dialog shows
        QStringList buttons;  // its buttons' captions
        QString defaultButton;  // the caption of the button Enter presses, if any
    };

    std::vector<Shown> shown;
    std::deque<int> answers;

    int Run(QDialog& dialog) override;

    // Every label text of every dialog shown, in order.
    QStringList Texts() const;
};

}  // namespace velnar::testing
