#include <QtTest>

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/DialogBuilder.h"
#include "res/DialogStyles.h"

using namespace velnar;
using namespace velnar::res;

namespace {

constexpr int kNote = 10;
constexpr int kLetter = 11;
constexpr int kOther = 12;

// A dialog with a plain multi-line edit, one that wants Enter, a push
// button and, when asked, a default button.
DialogTemplate Template(bool withDefault)
{
    constexpr std::uint32_t shown = StyleChild | StyleVisible | StyleTabStop;
    DialogTemplate dialog{900, "KEYS", StyleSysMenu, 0, "Arial", 8, 200, 100, {}};
    dialog.controls.push_back({kNote, ControlKind::Edit, shown | EditMultiLine, 5, 5, 90, 40, "", 0});
    dialog.controls.push_back({kLetter, ControlKind::Edit, shown | EditMultiLine | EditWantReturn, 100, 5, 90, 40, "", 0});
    dialog.controls.push_back({kOther, ControlKind::PushButton, shown, 5, 60, 50, 14, "Other", 0});
    if (withDefault)
        dialog.controls.push_back({kIdOk, ControlKind::PushButton, shown | ButtonDefPush, 100, 60, 50, 14, "OK", 0});
    return dialog;
}

struct KeysDialog {
    explicit KeysDialog(bool withDefault) : layout(Template(withDefault))
    {
        controls = dialogs::BuildControls(layout, dialog);
        dialogs::ApplyWindowFrame(layout, dialog, controls.ClientSize());
        for (int id : {kIdOk, kOther}) {
            if (auto* button = controls.Find<QPushButton>(id))
                QObject::connect(button, &QPushButton::clicked, [this, id] { clicked << id; });
        }
        dialog.show();
        dialog.activateWindow();
    }

    void Enter(int id)
    {
        QWidget* widget = controls.Find(id);
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
    }

    DialogTemplate layout;
    QDialog dialog;
    dialogs::DialogControls controls;
    QList<int> clicked;
};

}  // namespace

class DialogKeysTest : public QObject {
    Q_OBJECT

private slots:
    void enterInAPlainEditClosesTheDialogWithOk()
    {
        KeysDialog keys(false);
        keys.Enter(kNote);
        QVERIFY(!keys.dialog.isVisible());
        QCOMPARE(keys.dialog.result(), int(QDialog::Accepted));
        QVERIFY(keys.clicked.isEmpty());
    }

    void anEditThatWantsEnterTakesALineBreak()
    {
        KeysDialog keys(false);
        keys.Enter(kLetter);
        QVERIFY(keys.dialog.isVisible());
        QCOMPARE(keys.controls.Find<QPlainTextEdit>(kLetter)->blockCount(), 2);
    }

    void enterGoesToTheTemplatesDefaultButtonNotToOneThatHadTheFocus()
    {
        KeysDialog keys(true);
        keys.Enter(kOther);  // a focused button clicks itself
        QCOMPARE(keys.clicked, QList<int>{kOther});
        keys.Enter(kNote);
        QCOMPARE(keys.clicked, (QList<int>{kOther, kIdOk}));

        KeysDialog noDefault(false);
        noDefault.Enter(kOther);
        noDefault.Enter(kNote);
        QCOMPARE(noDefault.clicked, QList<int>{kOther});
        QVERIFY(!noDefault.dialog.isVisible());
    }
};

QTEST_MAIN(DialogKeysTest)
#include "DialogKeysTest.moc"
