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
    // Halves round up; the letters' average width rounds to the nearest
    // pixel; position and size convert each on their own.
    void dialogUnitRule()
    {
        for (const auto& [units, base, divisor, pixels] :
             {std::tuple{40, 5, 4, 50}, {34, 5, 4, 43}, {33, 5, 4, 41}, {11, 10, 8, 14}})
            QCOMPARE(dialogs::MulDiv(units, base, divisor), pixels);
        for (const auto& [width, unit] : {std::pair{273, 5}, {234, 5}, {233, 4}, {312, 6}})
            QCOMPARE(dialogs::HorizontalBaseUnit(width), unit);
        // 34 x 5 / 4 = 42.5 and 38 x 5 / 4 = 47.5 both round up, so the right
        // edge lies at 91, not at (34 + 38) x 5 / 4 = 90.
        QCOMPARE(dialogs::ToPixels(QRect(34, 3, 38, 11), BaseUnits{5, 10}), QRect(43, 4, 48, 14));
        QCOMPARE(dialogs::ToPixels(QSize(576, 375), BaseUnits{5, 10}), QSize(720, 469));
    }

    // The template's font is Arial, or the metric-compatible face fontconfig
    // puts in its place, at 7 points on a 96 dots-per-inch screen. Controls
    // lie where the rule puts them, a combo box shows only its field and a
    // check box never less than its whole box; each is made, shown and
    // enabled as its style says, unless the factory makes it.
    void builderMakesAndPlacesEveryControl()
    {
        QWidget parent;
        const dialogs::DialogControls controls =
            dialogs::BuildControls(SampleDialog(), parent, [](const res::DialogControl& control, QWidget& owner) {
                return control.id == kOther ? new QCheckBox(&owner) : nullptr;
            });
        QCOMPARE(controls.Find<QCheckBox>(kOther)->text(), QStringLiteral("Other"));
        QCOMPARE(parent.font().pixelSize(), 9);  // 7 x 96 / 72 = 9.33
        QVERIFY(QStringList({"Arial", "Liberation Sans"}).contains(QFontInfo(parent.font()).family()));
        const BaseUnits base = controls.Base();
        QCOMPARE(controls.ClientSize(), dialogs::ToPixels(QSize(200, 100), base));
        QCOMPARE(controls.Find(11)->geometry(), dialogs::ToPixels(QRect(61, 7, 40, 14), base));
        const QRect combo = controls.Find(13)->geometry(), rule = dialogs::ToPixels(QRect(110, 7, 48, 67), base);
        QVERIFY(combo.topLeft() == rule.topLeft() && combo.width() == rule.width());
        QVERIFY(combo.height() > base.y && combo.height() < rule.height());
        auto* check = controls.Find<QCheckBox>(14);
        QCOMPARE(check->text(), QStringLiteral("Check1"));
        QVERIFY(check->width() >= check->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, check));

        auto* button = controls.Find<QPushButton>(kDefault);
        QVERIFY(button->text() == "Go" && button->isDefault() && !button->isHidden() && button->isEnabled());
        QCOMPARE(controls.Find<QLineEdit>(11)->text(), QStringLiteral("line"));
        auto* many = controls.Find<QPlainTextEdit>(kNote);
        QCOMPARE(many->toPlainText(), QStringLiteral("many"));
        QCOMPARE(many->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(many->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(many->focusPolicy(), Qt::ClickFocus);  // no tab stop
        QVERIFY(!controls.Find<QComboBox>(13)->isEditable());
        QVERIFY(controls.Find<QLabel>(15)->isHidden());
        QVERIFY(controls.Find(16)->isHidden() && !controls.Find(16)->isEnabled());
        // Statics without identifier exist but are not found.
        QVERIFY(!controls.Find(res::kNoId));
        QCOMPARE(parent.findChildren<QLabel*>().size(), 2);
    }

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
