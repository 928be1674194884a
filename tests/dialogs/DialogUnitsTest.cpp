#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
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

// The dialog-unit rule written out with floating point, rounding halves up.
int Scaled(int units, int base, int divisor)
{
    return static_cast<int>(std::floor(units * static_cast<double>(base) / divisor + 0.5));
}

res::DialogTemplate SampleDialog()
{
    using namespace res;
    const std::uint32_t shown = StyleChild | StyleVisible;
    return {
        900, "Sample", StylePopup | StyleCaption | StyleSysMenu | DialogModalFrame, 0, "Arial", 7, 200, 100,
        {
            {10, ControlKind::PushButton, shown | StyleTabStop | ButtonDefPush, 5, 7, 50, 14, "Go"},
            {11, ControlKind::Edit, shown | StyleBorder | StyleTabStop | EditAutoHScroll, 61, 7, 40, 14, "line"},
            {12, ControlKind::Edit, shown | StyleBorder | StyleVScroll | EditMultiLine, 5, 25, 96, 30, "many"},
            {13, ControlKind::ComboBox, shown | StyleVScroll | ComboDropDown, 110, 7, 48, 67, ""},
            {14, ControlKind::CheckBox, shown | StyleTabStop | ButtonAutoCheckBox, 110, 30, 8, 10, "Check1"},
            {kNoId, ControlKind::Static, shown | StaticLeft, 110, 45, 60, 8, "label"},
            {15, ControlKind::Static, StyleChild | StaticLeft, 110, 55, 60, 8, "hidden"},
            {16, ControlKind::Edit, StyleChild | StyleDisabled | StyleBorder, 5, 60, 30, 14, ""},
        },
    };
}

}  // namespace

class DialogUnitsTest : public QObject {
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

    void templateFontIsArialAtSevenPointsOnA96DpiScreen()
    {
        res::DialogTemplate dialog;
        dialog.fontName = "Arial";
        dialog.fontPoints = 7;
        const QFont font = dialogs::TemplateFont(dialog);
        QCOMPARE(font.pixelSize(), 9);  // 7 x 96 / 72 = 9.33
        // Arial itself or the metric-compatible face fontconfig puts in its place.
        const QString family = QFontInfo(font).family();
        QVERIFY2(family == QStringLiteral("Arial") || family == QStringLiteral("Liberation Sans"), qPrintable(family));
    }

    void baseUnitsAreTheAverageLetterAndTheFontHeight()
    {
        for (int pixels : {9, 11, 18}) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(pixels);
            const BaseUnits base = dialogs::BaseUnitsOf(font);
            const double average =
                QFontMetricsF(font).horizontalAdvance(
                    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                52.0;
            // The average rounded, give or take the rounding of the total width.
            QVERIFY2(std::abs(base.x - average) <= 0.5 + 1.0 / 26, qPrintable(QString::number(average)));
            QCOMPARE(base.y, QFontMetrics(font).height());
        }
    }

    void builderPlacesEveryControlByTheRule()
    {
        QWidget parent;
        const res::DialogTemplate dialog = SampleDialog();
        const dialogs::DialogControls controls = dialogs::BuildControls(dialog, parent);
        const BaseUnits base = controls.Base();
        QCOMPARE(base.y, QFontMetrics(parent.font()).height());
        QCOMPARE(controls.ClientSize(), QSize(Scaled(200, base.x, 4), Scaled(100, base.y, 8)));
        for (const res::DialogControl& control : dialog.controls) {
            if (control.id == res::kNoId || control.kind == ControlKind::ComboBox ||
                control.kind == ControlKind::CheckBox)
                continue;
            const QRect expected(Scaled(control.x, base.x, 4), Scaled(control.y, base.y, 8),
                                 Scaled(control.width, base.x, 4), Scaled(control.height, base.y, 8));
            QCOMPARE(controls.Find(control.id)->geometry(), expected);
        }
    }

    void aComboBoxShowsItsFieldAndACheckBoxItsWholeBox()
    {
        QWidget parent;
        const dialogs::DialogControls controls = dialogs::BuildControls(SampleDialog(), parent);
        const BaseUnits base = controls.Base();
        const QRect combo = controls.Find(13)->geometry();
        QCOMPARE(combo.topLeft(), QPoint(Scaled(110, base.x, 4), Scaled(7, base.y, 8)));
        QCOMPARE(combo.width(), Scaled(48, base.x, 4));
        QVERIFY(combo.height() < Scaled(67, base.y, 8));  // the list is not part of the field
        QVERIFY(combo.height() > base.y);

        QWidget* box = controls.Find(14);
        QCOMPARE(box->pos(), QPoint(Scaled(110, base.x, 4), Scaled(30, base.y, 8)));
        QVERIFY(box->width() >= box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box));
    }

    void builderMakesEachKindAsItsStyleSays()
    {
        QWidget parent;
        const dialogs::DialogControls controls = dialogs::BuildControls(SampleDialog(), parent);
        QCOMPARE(parent.font().pixelSize(), 9);

        auto* button = controls.Find<QPushButton>(10);
        QCOMPARE(button->text(), QStringLiteral("Go"));
        QVERIFY(button->isDefault());
        QCOMPARE(controls.Find<QLineEdit>(11)->text(), QStringLiteral("line"));
        auto* many = controls.Find<QPlainTextEdit>(12);
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
                return control.id == 10 ? new QCheckBox(&owner) : nullptr;
            });
        QCOMPARE(asked.size(), static_cast<qsizetype>(SampleDialog().controls.size()));
        auto* made = controls.Find<QCheckBox>(10);
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
        QVERIFY(maximisable.maximumSize().width() > 250);
        QVERIFY(maximisable.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(maximisable.windowFlags() & Qt::WindowMinimizeButtonHint);
    }
};

QTEST_MAIN(DialogUnitsTest)
#include "DialogUnitsTest.moc"
