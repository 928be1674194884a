#include <QtTest>

#include "controls/ColorMath.h"
#include "controls/MenuItemMetrics.h"
#include "controls/MenuSettings.h"
#include "controls/PlatformInfo.h"

using namespace velnar::controls;

// The decision tables, colour rules and measures the controls are drawn by.
class ControlRulesTest : public QObject {
    Q_OBJECT

private slots:
    void windowsKindAndLook()
    {
        struct Row { bool known, nt; int major, minor, kind; bool modern; };
        for (const Row& row : {Row{false, false, 0, 0, 1, false}, {true, false, 3, 10, 0, false},
                               {true, false, 4, 0, 2, true}, {true, false, 4, 10, 3, true},
                               {true, false, 4, 90, 4, true}, {true, false, 5, 0, 2, true},
                               {true, true, 3, 51, 1, false}, {true, true, 4, 0, 5, true},
                               {true, true, 5, 0, 6, true}, {true, true, 5, 1, 7, true},
                               {true, true, 5, 2, 1, false}, {true, true, 10, 0, 1, false}}) {
            const int kind = DetectWindowsKind({row.known, row.nt, row.major, row.minor});
            QCOMPARE(QPoint(kind, IsModernShell(kind)), QPoint(row.kind, row.modern));
        }

        // The XP look only on themed XP, never on a palette display, with the
        // look settings the program keeps.
        const auto xpLook = [](int kind, const std::optional<QString>& theme, bool paletteDevice) {
            const bool themed = IsXpThemed(kind, IsClassicThemeSelected(theme));
            const bool useXp = UseXpLook(themed, kMenuSettings.XpLookMode, kMenuSettings.ClassicLookMode);
            return PaintsXpLook(paletteDevice, useXp);
        };
        const QString classic = QStringLiteral("C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme");
        QVERIFY(xpLook(7, std::nullopt, false));
        for (const char* theme : {"Luna.theme", "", "indows Classic.theme", "Windows Classic.theme.bak"})
            QVERIFY2(xpLook(7, QString::fromUtf8(theme), false), theme);
        for (const QString& theme : {classic, classic.toUpper(), QStringLiteral("windows classic.theme")})
            QVERIFY2(!xpLook(7, theme, false), qPrintable(theme));
        QVERIFY(!xpLook(7, QStringLiteral("Luna.theme"), true));
        for (int kind : {1, 3, 6})
            QVERIFY(!xpLook(kind, QStringLiteral("Luna.theme"), false));
    }

    void colourRules()
    {
        const QRgb colour = qRgb(0, 100, 255);
        QCOMPARE(BlendToWhite(colour, 0.5), qRgb(127, 177, 255));
        QCOMPARE(BlendToWhite(colour, 1.0), qRgb(255, 255, 255));
        for (double outside : {0.0, -0.5, 1.5})
            QCOMPARE(BlendToWhite(colour, outside), colour);

        // Shifted by as much as the channel with the least room allows.
        struct Row { QRgb colour; int offset; QRgb shifted; };
        for (const Row& row : {Row{qRgb(236, 233, 216), 30, qRgb(255, 252, 235)},
                               {qRgb(192, 192, 192), 30, qRgb(222, 222, 222)},
                               {qRgb(255, 255, 255), 30, qRgb(255, 255, 255)},
                               {qRgb(10, 50, 200), -30, qRgb(0, 40, 190)},
                               {qRgb(100, 100, 100), -255, qRgb(0, 0, 0)}})
            QCOMPARE(ShiftWithoutClipping(row.colour, row.offset), row.shifted);
    }

    // With 15-pixel icons: a separator, an item with a 50-pixel text.
    void menuMeasures()
    {
        struct Row { bool xp, raised; int bar, separator, height, beyondText; };
        for (const Row& row : {Row{false, true, 20, 10, 20, 2 * 16 + 1}, {true, true, 20, 11, 22, 16 + 7 + 8},
                               {true, false, 20, 10, 20, 16 + 4 + 8}, {false, true, 30, 15, 30, 2 * 16 + 1}}) {
            const MenuMetrics metrics{16, 15, row.bar, row.xp, row.raised};
            QCOMPARE(MeasureSeparator(metrics), QSize(0, row.separator));
            QCOMPARE(MeasureItem(metrics, 50), QSize(50 + row.beyondText, row.height));
        }
    }
};

QTEST_MAIN(ControlRulesTest)
#include "ControlRulesTest.moc"
