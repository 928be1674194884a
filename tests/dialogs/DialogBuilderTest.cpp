#include <QtTest>

#include <QDialog>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/DialogBuilder.h"
#include "res/DialogStyles.h"

using namespace velnar;
using res::ControlKind;

namespace {

constexpr int kDefault = 10;  // the template's default button
constexpr int kNote = 12;     // a multi-line edit that leaves Enter to the dialog
constexpr int kLetter = 17;   // a multi-line edit that wants Enter
constexpr int kOther = 18;    // a push button

res::DialogTemplate SampleDialog(bool withDefault = true)
{
    using namespace res;
    const std::uint32_t shown = StyleChild | StyleVisible;
    const std::uint32_t push = withDefault ? ButtonDefPush : ButtonPush;
    return {
        900, "Sample", StylePopup | StyleCaption | StyleSysMenu | DialogModalFrame, 0, "Arial", 7, 200, 100,
        {
            {kDefault, ControlKind::PushButton, shown | StyleTabStop | push, 5, 7, 50, 14, "Go"},
            {kNote, ControlKind::Edit, shown | StyleBorder | StyleVScroll | EditMultiLine, 5, 25, 96, 30, "many"},
            {kLetter, ControlKind::Edit, shown | StyleTabStop | EditMultiLine | EditWantReturn, 110, 65, 80, 30, ""},
            {kOther, ControlKind::PushButton, shown | StyleTabStop, 40, 80, 50, 14, "Other"},
        },
    };
}

}  // namespace

class DialogBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void enterFollowsTheTemplate_data()
    {
        QTest::addColumn<bool>("withDefault");
        QTest::addColumn<QList<int>>("pressedIn");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("lines");
        QTest::newRow("Enter in a note, no default button: OK")
            << false << QList<int>{kNote} << QList<int>{} << true << 1;
        QTest::newRow("Enter in an edit that wants it: a line break")
            << false << QList<int>{kLetter} << QList<int>{} << false << 2;
        QTest::newRow("Enter on a button, then in a note: the default button")
            << true << QList<int>{kOther, kNote} << QList<int>{kOther, kDefault} << false << 1;
        QTest::newRow("Enter on a button, then in a note, no default button: OK")
            << false << QList<int>{kOther, kNote} << QList<int>{kOther} << true << 1;
    }

    // Enter clicks the template's default button (or OK); an edit that wants Enter takes a line break.
    void enterFollowsTheTemplate()
    {
        QFETCH(bool, withDefault);
        QFETCH(QList<int>, pressedIn);
        QFETCH(QList<int>, clicked);
        QFETCH(bool, closed);
        QFETCH(int, lines);
        const res::DialogTemplate layout = SampleDialog(withDefault);
        QDialog dialog;
        const dialogs::DialogControls controls = dialogs::BuildControls(layout, dialog);
        dialogs::ApplyWindowFrame(layout, dialog, controls.ClientSize());
        QList<int> seen;
        for (int id : {kDefault, kOther})
            connect(controls.Find<QPushButton>(id), &QPushButton::clicked, [&seen, id] { seen << id; });
        dialog.show();
        dialog.activateWindow();
        for (int id : pressedIn) {
            controls.Find(id)->setFocus();
            QTest::keyClick(controls.Find(id), Qt::Key_Return);
        }
        QCOMPARE(seen, clicked);
        QCOMPARE(dialog.isVisible(), !closed);
        QCOMPARE(dialog.result(), closed ? int(QDialog::Accepted) : 0);
        QCOMPARE(controls.Find<QPlainTextEdit>(kLetter)->blockCount(), lines);
    }
};

QTEST_MAIN(DialogBuilderTest)
#include "DialogBuilderTest.moc"
