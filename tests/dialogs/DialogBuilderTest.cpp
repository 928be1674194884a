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
    void mulDivRoundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::addColumn<int>("expected");
        QTest::newRow("exact") << 40 << 5 << 4 << 50;
        QTest::newRow("half up") << 34 << 5 << 4 << 43;       // 42.5
        QTest::newRow("below half") << 33 << 5 << 4 << 41;    // 41.25
        QTest::newRow("above half") << 11 << 10 << 8 << 14;   // 13.75
        QTest::newRow("negative half") << -34 << 5 << 4 << -43;
        QTest::newRow("negative divisor") << 34 << 5 << -4 << -43;
        QTest::newRow("zero") << 0 << 7 << 3 << 0;
    }

    void mulDivRoundsHalvesAwayFromZero()
    {
        QFETCH(int, number);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        QFETCH(int, expected);
        QCOMPARE(dialogs::MulDiv(number, numerator, denominator), expected);
    }

    void horizontalBaseUnitIsTheRoundedAverageOfTheLetters_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("5.25 per letter") << 273 << 5;
        QTest::newRow("4.5 per letter rounds up") << 234 << 5;
        QTest::newRow("4.48 per letter rounds down") << 233 << 4;
        QTest::newRow("exactly 6") << 312 << 6;
    }

    void horizontalBaseUnitIsTheRoundedAverageOfTheLetters()
    {
        QFETCH(int, width);
        QFETCH(int, expected);
        QCOMPARE(dialogs::HorizontalBaseUnit(width), expected);
    }

    void positionAndSizeConvertEachOnTheirOwn()
    {
        const BaseUnits base{5, 10};
        // 34 x 5 / 4 = 42.5 and 38 x 5 / 4 = 47.5: both round up, so the
        // right edge lies at 91, not at (34 + 38) x 5 / 4 = 90.
        QCOMPARE(dialogs::ToPixels(QRect(34, 0, 38, 11), base), QRect(43, 0, 48, 14));
        QCOMPARE(dialogs::ToPixels(QSize(576, 375), base), QSize(720, 469));
    }

    // The template's font is Arial at 7 points on a 96 dots-per-inch screen;
    // the base units are its average letter and its height. A combo box shows
    // only its field, and a check box never less than its whole box.
    void builderPlacesEveryControlByTheRule()
    {
        QWidget parent;
        const res::DialogTemplate dialog = SampleDialog();
        const dialogs::DialogControls controls = dialogs::BuildControls(dialog, parent);
        QCOMPARE(parent.font().pixelSize(), 9);  // 7 x 96 / 72 = 9.33
        // Arial itself or the metric-compatible face fontconfig puts in its place.
        const QString family = QFontInfo(parent.font()).family();
        QVERIFY2(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"), qPrintable(family));
        const BaseUnits base = controls.Base();
        const double average =
            QFontMetricsF(parent.font())
                .horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
            52.0;
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
                QVERIFY(placed.height() < expected.height());  // the list is not part of the field
                QVERIFY(placed.height() > base.y);
            } else if (control.kind == ControlKind::CheckBox) {
                QCOMPARE(placed.topLeft(), expected.topLeft());
                QVERIFY(placed.width() >= widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget));
            } else {
                QCOMPARE(placed, expected);
            }
        }
    }

    void builderMakesEachKindAsItsStyleSays()
    {
        QWidget parent;
        const dialogs::DialogControls controls = dialogs::BuildControls(SampleDialog(), parent);
        auto* button = controls.Find<QPushButton>(kDefault);
        QCOMPARE(button->text(), QStringLiteral("Go"));
        QVERIFY(button->isDefault());
        QCOMPARE(controls.Find<QLineEdit>(11)->text(), QStringLiteral("line"));
        auto* many = controls.Find<QPlainTextEdit>(kNote);
        QCOMPARE(many->toPlainText(), QStringLiteral("many"));
        QCOMPARE(many->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(many->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(many->focusPolicy(), Qt::ClickFocus);  // no tab stop
        QVERIFY(!controls.Find<QComboBox>(13)->isEditable());
        QCOMPARE(controls.Find<QCheckBox>(14)->text(), QStringLiteral("Check1"));

        // Shown and enabled as the style says.
        QVERIFY(!button->isHidden() && button->isEnabled());
        QVERIFY(controls.Find<QLabel>(15)->isHidden());
        QVERIFY(controls.Find(16)->isHidden() && !controls.Find(16)->isEnabled());

        // Statics without identifier exist but are not found.
        QVERIFY(!controls.Find(res::kNoId));
        const QList<QLabel*> labels = parent.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const QLabel* label) { return label->text() == QStringLiteral("label"); }));
    }

    void theFactoryMakesTheControlsItChooses()
    {
        QWidget parent;
        QList<int> asked;
        const dialogs::DialogControls controls =
            dialogs::BuildControls(SampleDialog(), parent, [&](const res::DialogControl& control, QWidget& owner) {
                asked << control.id;
                return control.id == kDefault ? new QCheckBox(&owner) : nullptr;
            });
        QCOMPARE(asked.size(), static_cast<qsizetype>(SampleDialog().controls.size()));
        auto* made = controls.Find<QCheckBox>(kDefault);
        QVERIFY(made);
        QCOMPARE(made->text(), QStringLiteral("Go"));
        QCOMPARE(made->pos(), QPoint(Scaled(5, controls.Base().x, 4), Scaled(7, controls.Base().y, 8)));
        QVERIFY(controls.Find<QLineEdit>(11));
    }

    void aWindowWithoutSizingBorderKeepsTheTemplatesSize()
    {
        QWidget fixed;
        res::DialogTemplate dialog = SampleDialog();
        dialogs::ApplyWindowFrame(dialog, fixed, QSize(250, 160));
        QCOMPARE(fixed.windowTitle(), QStringLiteral("Sample"));
        QCOMPARE(fixed.minimumSize(), QSize(250, 160));
        QCOMPARE(fixed.maximumSize(), QSize(250, 160));
        QVERIFY(!(fixed.windowFlags() & Qt::WindowMaximizeButtonHint));

        QWidget maximisable;
        dialog.style |= res::StyleMinimizeBox | res::StyleMaximizeBox;
        dialogs::ApplyWindowFrame(dialog, maximisable, QSize(250, 160));
        QCOMPARE(maximisable.size(), QSize(250, 160));
        QCOMPARE(maximisable.minimumSize(), QSize(250, 160));
        QCOMPARE(maximisable.maximumSize() == QSize(250, 160), !dialogs::kMaximiseWithoutSizingBorder);
        QVERIFY(maximisable.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(maximisable.windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    // Enter in an edit that leaves it to the dialog clicks the template's
    // default button, not one that only had the focus before, and without a
    // default button closes the dialog with OK. A focused button clicks
    // itself; an edit that wants Enter takes a line break.
    void enterFollowsTheTemplate_data()
    {
        QTest::addColumn<bool>("withDefault");
        QTest::addColumn<QList<int>>("pressedIn");
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<int>("lines");  // in the edit that wants Enter
        const int enter = Qt::Key_Return;
        QTest::newRow("plain edit") << false << QList<int>{kNote} << enter << QList<int>{} << true << 1;
        QTest::newRow("keypad Enter") << false << QList<int>{kNote} << int(Qt::Key_Enter) << QList<int>{} << true << 1;
        QTest::newRow("edit that wants Enter") << false << QList<int>{kLetter} << enter << QList<int>{} << false << 2;
        QTest::newRow("default button") << true << QList<int>{kOther, kNote} << enter << QList<int>{kOther, kDefault}
                                        << false << 1;
        QTest::newRow("no default button") << false << QList<int>{kOther, kNote} << enter << QList<int>{kOther}
                                           << true << 1;
    }

    void enterFollowsTheTemplate()
    {
        QFETCH(bool, withDefault);
        QFETCH(QList<int>, pressedIn);
        QFETCH(int, key);
        QFETCH(QList<int>, clicked);
        QFETCH(bool, closed);
        QFETCH(int, lines);
        const res::DialogTemplate layout = SampleDialog(withDefault);
        QDialog dialog;
        const dialogs::DialogControls controls = dialogs::BuildControls(layout, dialog);
        dialogs::ApplyWindowFrame(layout, dialog, controls.ClientSize());
        QList<int> clickedNow;
        for (int id : {kDefault, kOther})
            connect(controls.Find<QPushButton>(id), &QPushButton::clicked, [&clickedNow, id] { clickedNow << id; });
        dialog.show();
        dialog.activateWindow();
        for (int id : pressedIn) {
            QWidget* widget = controls.Find(id);
            widget->setFocus();
            QTest::keyClick(widget, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        }
        QCOMPARE(clickedNow, clicked);
        QCOMPARE(dialog.isVisible(), !closed);
        if (closed)
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(controls.Find<QPlainTextEdit>(kLetter)->blockCount(), lines);
    }
};

QTEST_MAIN(DialogBuilderTest)
#include "DialogBuilderTest.moc"
