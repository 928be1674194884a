#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

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

// The dialog-unit rule written out with floating point, rounding halves up.
int Scaled(int units, int base, int divisor)
{
    return static_cast<int>(std::floor(units * static_cast<double>(base) / divisor + 0.5));
}

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
    // Halves round away from zero; the letters' average width rounds to the
    // nearest pixel; position and size convert each on their own.
    void dialogUnitRule()
    {
        struct Row { int number, numerator, denominator, expected; };
        for (const Row& row : {Row{40, 5, 4, 50}, {34, 5, 4, 43}, {33, 5, 4, 41}, {11, 10, 8, 14}, {-34, 5, 4, -43},
                               {34, 5, -4, -43}, {0, 7, 3, 0}})
            QCOMPARE(dialogs::MulDiv(row.number, row.numerator, row.denominator), row.expected);
        for (const auto& [width, unit] : {std::pair{273, 5}, {234, 5}, {233, 4}, {312, 6}})
            QCOMPARE(dialogs::HorizontalBaseUnit(width), unit);
        // 34 x 5 / 4 = 42.5 and 38 x 5 / 4 = 47.5 both round up, so the right
        // edge lies at 91, not at (34 + 38) x 5 / 4 = 90.
        QCOMPARE(dialogs::ToPixels(QRect(34, 3, 38, 11), BaseUnits{5, 10}), QRect(43, 4, 48, 14));
        QCOMPARE(dialogs::ToPixels(QSize(576, 375), BaseUnits{5, 10}), QSize(720, 469));
    }

    // The template's font is Arial at 7 points on a 96 dots-per-inch screen;
    // the base units are its average letter and its height. Every control
    // lies where the rule puts it, a combo box shows only its field and a
    // check box never less than its whole box; each kind is made, shown and
    // enabled as its style says, unless the factory makes it.
    void builderMakesAndPlacesEveryControl()
    {
        QWidget parent;
        const res::DialogTemplate dialog = SampleDialog();
        int asked = 0;
        const dialogs::DialogControls controls =
            dialogs::BuildControls(dialog, parent, [&asked](const res::DialogControl& control, QWidget& owner) {
                ++asked;
                return control.id == kOther ? new QCheckBox(&owner) : nullptr;
            });
        QCOMPARE(asked, int(dialog.controls.size()));
        QCOMPARE(controls.Find<QCheckBox>(kOther)->text(), QStringLiteral("Other"));
        QCOMPARE(parent.font().pixelSize(), 9);  // 7 x 96 / 72 = 9.33
        // Arial itself or the metric-compatible face fontconfig puts in its place.
        const QString family = QFontInfo(parent.font()).family();
        QVERIFY2(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"), qPrintable(family));
        const BaseUnits base = controls.Base();
        const double average = QFontMetricsF(parent.font()).horizontalAdvance(
                                   QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0;
        // The average rounded, give or take the rounding of the total width.
        QVERIFY2(std::abs(base.x - average) <= 0.5 + 1.0 / 26, qPrintable(QString::number(average)));
        QCOMPARE(base.y, QFontMetrics(parent.font()).height());
        QCOMPARE(controls.ClientSize(), QSize(Scaled(200, base.x, 4), Scaled(100, base.y, 8)));
        for (const res::DialogControl& control : dialog.controls) {
            if (control.id == res::kNoId)
                continue;
            const QRect expected(Scaled(control.x, base.x, 4), Scaled(control.y, base.y, 8),
                                 Scaled(control.width, base.x, 4), Scaled(control.height, base.y, 8));
            const QWidget* widget = controls.Find(control.id);
            const QRect placed = widget->geometry();
            if (control.kind == ControlKind::ComboBox) {
                QCOMPARE(placed.topLeft(), expected.topLeft());
                QCOMPARE(placed.width(), expected.width());
                QVERIFY(placed.height() < expected.height() && placed.height() > base.y);
            } else if (control.kind == ControlKind::CheckBox) {
                QCOMPARE(placed.topLeft(), expected.topLeft());
                QVERIFY(placed.width() >= widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget));
            } else {
                QCOMPARE(placed, expected);
            }
        }

        auto* button = controls.Find<QPushButton>(kDefault);
        QCOMPARE(button->text(), QStringLiteral("Go"));
        QVERIFY(button->isDefault() && !button->isHidden() && button->isEnabled());
        QCOMPARE(controls.Find<QLineEdit>(11)->text(), QStringLiteral("line"));
        auto* many = controls.Find<QPlainTextEdit>(kNote);
        QCOMPARE(many->toPlainText(), QStringLiteral("many"));
        QCOMPARE(many->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(many->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(many->focusPolicy(), Qt::ClickFocus);  // no tab stop
        QVERIFY(!controls.Find<QComboBox>(13)->isEditable());
        QCOMPARE(controls.Find<QCheckBox>(14)->text(), QStringLiteral("Check1"));
        QVERIFY(controls.Find<QLabel>(15)->isHidden());
        QVERIFY(controls.Find(16)->isHidden() && !controls.Find(16)->isEnabled());
        // Statics without identifier exist but are not found.
        QVERIFY(!controls.Find(res::kNoId));
        const QList<QLabel*> labels = parent.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* l) { return l->text() == "label"; }));
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
