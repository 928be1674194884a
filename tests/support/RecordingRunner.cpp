#include "tests/support/RecordingRunner.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace velnar::testing {

int RecordingRunner::Run(QDialog& dialog)
{
    Shown record{dialog.windowTitle(), {}, {}, {}};
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            record.labels << label->text();
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        record.buttons << button->text();
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->isDefault())
            record.defaultButton = button->text();
    }
    shown.push_back(record);

    if (answers.empty())
        return qobject_cast<QMessageBox*>(&dialog) ? int(QMessageBox::Ok) : int(QDialog::Accepted);
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QStringList RecordingRunner::Texts() const
{
    QStringList texts;
    for (const Shown& record : shown)
        texts << record.labels;
    return texts;
}

}  // namespace velnar::testing
