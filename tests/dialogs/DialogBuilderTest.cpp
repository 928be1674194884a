#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/DialogBuilder.h"
#include "dialogs/DialogUnits.h"
#include "res/DialogStyles.h"

using namespace velnar;
using dialogs::BaseUnits;
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
            {11, ControlKind::Edit, shown | StyleBorder | StyleTabStop | EditAutoHScroll, 61, 7, 40, 14, "line"},
            {kNote, ControlKind::Edit, shown | StyleBorder | StyleVScroll | EditMultiLine, 5, 25, 96, 30, "many"},
            {13, ControlKind::ComboBox, shown | StyleVScroll | ComboDropDown, 110, 7, 48, 67, ""},
            {14, ControlKind::CheckBox, shown | StyleTabStop | ButtonAutoCheckBox, 110, 30, 8, 10, "Check1"},
            {kNoId, ControlKind::Static, shown | StaticLeft, 110, 45, 60, 8, "label"},
            {15, ControlKind::Static, StyleChild | StaticLeft, 110, 55, 60, 8, "hidden"},
            {16, ControlKind::Edit, StyleChild | StyleDisabled | StyleBorder, 5, 60, 30, 14, ""},
            {kLetter, ControlKind::Edit, shown | StyleTabStop | EditMultiLine | EditWantReturn, 110, 65, 80, 30, ""},
            {kOther, ControlKind::PushButton, shown | StyleTabStop, 40, 80, 50, 14, "Other"},
        },
    };
}

}  // namespace

class DialogBuilderTest : public QObject {
    Q_OBJECT

private slots:
    void aWindowWithoutSizingBorderKeepsTheTemplatesSize()
    {
        QWidget fixed;
        res::DialogTemplate dialog = SampleDialog();
        dialogs::ApplyWindowFrame(dialog, fixed, QSize(250, 160));
        QCOMPARE(fixed.windowTitle(), QStringLiteral("Sample"));
        QVERIFY(fixed.minimumSize() == QSize(250, 160) && fixed.maximumSize() == QSize(250, 160));
        QVERIFY(!(fixed.windowFlags() & Qt::WindowMaximizeButtonHint));

        QWidget maximisable;
        dialog.style |= res::StyleMinimizeBox | res::StyleMaximizeBox;
        dialogs::ApplyWindowFrame(dialog, maximisable, QSize(250, 160));
        QVERIFY(maximisable.size() == QSize(250, 160) && maximisable.minimumSize() == QSize(250, 160));
        QCOMPARE(maximisable.maximumSize() == QSize(250, 160), !dialogs::kMaximiseWithoutSizingBorder);
        QVERIFY(maximisable.windowFlags().testFlags(Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint));
    }

    // Enter in an edit that leaves it to the dialog clicks the template's
    // default button, not one that only had the focus before, and without a
    // default button closes the dialog with OK. A focused button clicks
    // itself; an edit that wants Enter takes a line break.
    void enterFollowsTheTemplate()
    {
        struct Row { bool withDefault; QList<int> pressedIn; int key; QList<int> clicked; bool closed; int lines; };
        const int enter = Qt::Key_Return, keypad = Qt::Key_Enter;
        for (const Row& row : {Row{false, {kNote}, enter, {}, true, 1}, {false, {kNote}, keypad, {}, true, 1},
                               {false, {kLetter}, enter, {}, false, 2},  // lines in the edit that wants Enter
                               {true, {kOther, kNote}, enter, {kOther, kDefault}, false, 1},
                               {false, {kOther, kNote}, enter, {kOther}, true, 1}}) {
            const res::DialogTemplate layout = SampleDialog(row.withDefault);
            QDialog dialog;
            const dialogs::DialogControls controls = dialogs::BuildControls(layout, dialog);
            dialogs::ApplyWindowFrame(layout, dialog, controls.ClientSize());
            QList<int> clicked;
            for (int id : {kDefault, kOther})
                connect(controls.Find<QPushButton>(id), &QPushButton::clicked, [&clicked, id] { clicked << id; });
            dialog.show();
            dialog.activateWindow();
            for (int id : row.pressedIn) {
                controls.Find(id)->setFocus();
                const Qt::KeyboardModifiers modifiers = row.key == keypad ? Qt::KeypadModifier : Qt::NoModifier;
                QTest::keyClick(controls.Find(id), Qt::Key(row.key), modifiers);
            }
            QCOMPARE(clicked, row.clicked);
            QCOMPARE(dialog.isVisible(), !row.closed);
            QCOMPARE(dialog.result(), row.closed ? int(QDialog::Accepted) : 0);
            QCOMPARE(controls.Find<QPlainTextEdit>(kLetter)->blockCount(), row.lines);
        }
    }
};

QTEST_MAIN(DialogBuilderTest)
#include "DialogBuilderTest.moc"
