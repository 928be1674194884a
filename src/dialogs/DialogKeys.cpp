#include "dialogs/DialogKeys.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace velnar::dialogs {

namespace {

bool IsPlainEnter(const QEvent& event)
{
    if (event.type() != QEvent::KeyPress)
        return false;
    const auto& key = static_cast<const QKeyEvent&>(event);
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

class EnterToWindow final : public QObject {
public:
    explicit EnterToWindow(QPlainTextEdit& edit) : QObject(&edit), edit_(edit) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!IsPlainEnter(*event))
            return false;
        QCoreApplication::sendEvent(edit_.window(), event);
        return true;
    }

private:
    QPlainTextEdit& edit_;
};

class EnterAsTab final : public QObject {
public:
    explicit EnterAsTab(QPlainTextEdit& edit) : QObject(&edit), edit_(edit) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!key.matches(QKeySequence::InsertParagraphSeparator) && !key.matches(QKeySequence::InsertLineSeparator))
            return false;
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(&edit_, &tab);
        return true;
    }

private:
    QPlainTextEdit& edit_;
};

class EnterClosesDialog final : public QObject {
public:
    explicit EnterClosesDialog(QDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &dialog_ || !IsPlainEnter(*event))
            return false;
        // A button that only had the focus stays marked default after it
        // lost it; the template's own default button is no auto-default one.
        for (QPushButton* button : dialog_.findChildren<QPushButton*>()) {
            if (button->isDefault() && !button->autoDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return true;
            }
        }
        dialog_.accept();
        return true;
    }

private:
    QDialog& dialog_;
};

}  // namespace

void HandEnterToDialog(QPlainTextEdit& edit)
{
    edit.installEventFilter(new EnterToWindow(edit));
}

void CloseOnEnter(QDialog& dialog)
{
    dialog.installEventFilter(new EnterClosesDialog(dialog));
}

void EnterMovesFocus(QPlainTextEdit& edit)
{
    edit.installEventFilter(new EnterAsTab(edit));
}

}  // namespace velnar::dialogs
