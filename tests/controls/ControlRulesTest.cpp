#include <QtTest>

#include "controls/ColorMath.h"
#include "controls/MenuItemMetrics.h"
#include "controls/MenuItemText.h"
#include "controls/MenuSettings.h"
#include "controls/MenuTemplateParser.h"
#include "controls/PlatformInfo.h"
#include "res/MenuFlags.h"
#include "res/MenuTemplates.h"

using namespace velnar::controls;
using namespace velnar::res;

using OptionalName = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalName)

namespace {

QString Describe(const std::vector<MenuTemplateItem>& items)
{
    QStringList parts;
    for (const MenuTemplateItem& item : items) {
        QString part = item.text;
        part += item.flags & MenuPopup ? '[' + Describe(item.items) + ']' : '#' + QString::number(item.commandId);
        if (item.flags & ~MenuPopup)
            part += '+' + QString::number(item.flags & ~MenuPopup, 16);
        parts << part;
    }
    return parts.join(',');
}

QFont FixedTestFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    return font;
}

}  // namespace

// The decision tables, colour rules, measures and text rules the controls
// are drawn by, each as a plain function.
class ControlRulesTest : public QObject {
    Q_OBJECT

private slots:
    void windowsKind_data()
    {
        QTest::addColumn<bool>("known");
        QTest::addColumn<bool>("nt");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("modern");

        QTest::newRow("no answer") << false << false << 0 << 0 << 1 << false;
        QTest::newRow("Win32s 3.10") << true << false << 3 << 10 << 0 << false;
        QTest::newRow("95 4.0") << true << false << 4 << 0 << 2 << true;
        QTest::newRow("98 4.10") << true << false << 4 << 10 << 3 << true;
        QTest::newRow("Me 4.90") << true << false << 4 << 90 << 4 << true;
        QTest::newRow("non-NT 5.0") << true << false << 5 << 0 << 2 << true;
        QTest::newRow("NT 3.51") << true << true << 3 << 51 << 1 << false;
        QTest::newRow("NT 4.0") << true << true << 4 << 0 << 5 << true;
        QTest::newRow("2000 5.0") << true << true << 5 << 0 << 6 << true;
        QTest::newRow("XP 5.1") << true << true << 5 << 1 << 7 << true;
        QTest::newRow("2003 5.2") << true << true << 5 << 2 << 1 << false;
        QTest::newRow("Vista 6.0") << true << true << 6 << 0 << 1 << false;
        QTest::newRow("10 10.0") << true << true << 10 << 0 << 1 << false;
    }

    void windowsKind()
    {
        QFETCH(bool, known);
        QFETCH(bool, nt);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, kind);
        QFETCH(bool, modern);
        const int detected = DetectWindowsKind({known, nt, major, minor});
        QCOMPARE(detected, kind);
        QCOMPARE(IsModernShell(detected), modern);
    }

    void themeCheck_data()
    {
        QTest::addColumn<OptionalName>("theme");
        QTest::addColumn<bool>("classic");

        QTest::newRow("no key") << OptionalName() << false;
        QTest::newRow("classic path")
            << OptionalName(QStringLiteral("C:\\WINDOWS\\Resources\\Themes\\Windows Classic.theme")) << true;
        QTest::newRow("other case")
            << OptionalName(QStringLiteral("c:\\windows\\resources\\themes\\WINDOWS CLASSIC.THEME")) << true;
        QTest::newRow("name alone") << OptionalName(QStringLiteral("Windows Classic.theme")) << true;
        QTest::newRow("shorter") << OptionalName(QStringLiteral("indows Classic.theme")) << false;
        QTest::newRow("Luna") << OptionalName(QStringLiteral("C:\\WINDOWS\\Resources\\Themes\\Luna.theme")) << false;
        QTest::newRow("classic, then more") << OptionalName(QStringLiteral("Windows Classic.theme.bak")) << false;
        QTest::newRow("empty value") << OptionalName(QString()) << false;
    }

    void themeCheck()
    {
        QFETCH(OptionalName, theme);
        QFETCH(bool, classic);
        QCOMPARE(IsClassicThemeSelected(theme), classic);
    }

    // With the look settings the program keeps.
    void lookPerPlatform_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<OptionalName>("theme");
        QTest::addColumn<bool>("paletteDevice");
        QTest::addColumn<bool>("xpLook");

        const OptionalName luna(QStringLiteral("Luna.theme"));
        const OptionalName classic(QStringLiteral("Windows Classic.theme"));
        QTest::newRow("XP, Luna") << 7 << luna << false << true;
        QTest::newRow("XP, no theme key") << 7 << OptionalName() << false << true;
        QTest::newRow("XP, classic theme") << 7 << classic << false << false;
        QTest::newRow("XP, Luna, palette display") << 7 << luna << true << false;
        QTest::newRow("2000") << 6 << luna << false << false;
        QTest::newRow("98") << 3 << OptionalName() << false << false;
        QTest::newRow("later NT") << 1 << luna << false << false;
    }

    void lookPerPlatform()
    {
        QFETCH(int, kind);
        QFETCH(OptionalName, theme);
        QFETCH(bool, paletteDevice);
        QFETCH(bool, xpLook);
        const bool xpThemed = IsXpThemed(kind, IsClassicThemeSelected(theme));
        const bool useXp = UseXpLook(xpThemed, kMenuSettings.XpLookMode, kMenuSettings.ClassicLookMode);
        QCOMPARE(PaintsXpLook(paletteDevice, useXp), xpLook);
    }

    void blendToWhite()
    {
        const QRgb colour = qRgb(0, 100, 255);
        QCOMPARE(BlendToWhite(colour, 0.5), qRgb(127, 177, 255));
        QCOMPARE(BlendToWhite(colour, 1.0), qRgb(255, 255, 255));
        QCOMPARE(BlendToWhite(colour, 0.0), colour);
        QCOMPARE(BlendToWhite(colour, -0.5), colour);
        QCOMPARE(BlendToWhite(colour, 1.5), colour);
    }

    void shiftWithoutClipping_data()
    {
        QTest::addColumn<QRgb>("colour");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QRgb>("shifted");

        QTest::newRow("XP face +30, red has room for 19") << qRgb(236, 233, 216) << 30 << qRgb(255, 252, 235);
        QTest::newRow("classic face +30") << qRgb(192, 192, 192) << 30 << qRgb(222, 222, 222);
        QTest::newRow("white +30") << qRgb(255, 255, 255) << 30 << qRgb(255, 255, 255);
        QTest::newRow("-30, red has room for 10") << qRgb(10, 50, 200) << -30 << qRgb(0, 40, 190);
        QTest::newRow("-255 to black") << qRgb(100, 100, 100) << -255 << qRgb(0, 0, 0);
        QTest::newRow("zero") << qRgb(1, 2, 3) << 0 << qRgb(1, 2, 3);
    }

    void shiftWithoutClipping()
    {
        QFETCH(QRgb, colour);
        QFETCH(int, offset);
        QFETCH(QRgb, shifted);
        QCOMPARE(ShiftWithoutClipping(colour, offset), shifted);
    }

    void menuMeasures_data()
    {
        QTest::addColumn<bool>("xpLook");
        QTest::addColumn<bool>("raised");
        QTest::addColumn<int>("barHeight");
        QTest::addColumn<int>("separatorHeight");
        QTest::addColumn<int>("itemHeight");
        QTest::addColumn<int>("imageColumn");  // item width beyond its text

        QTest::newRow("classic") << false << true << 20 << 10 << 20 << 2 * 16 + 1;
        QTest::newRow("XP, raised images") << true << true << 20 << 11 << 22 << 16 + 7 + 8;
        QTest::newRow("XP, flat images") << true << false << 20 << 10 << 20 << 16 + 4 + 8;
        QTest::newRow("classic, tall bar") << false << true << 30 << 15 << 30 << 2 * 16 + 1;
    }

    void menuMeasures()
    {
        QFETCH(bool, xpLook);
        QFETCH(bool, raised);
        QFETCH(int, barHeight);
        QFETCH(int, separatorHeight);
        QFETCH(int, itemHeight);
        QFETCH(int, imageColumn);
        const MenuMetrics metrics{16, 15, barHeight, xpLook, raised};
        QCOMPARE(MeasureSeparator(metrics), QSize(0, separatorHeight));
        QCOMPARE(MeasureItem(metrics, 50), QSize(50 + imageColumn, itemHeight));
    }

    void mnemonicLookup_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QChar>("key");
        QTest::addColumn<int>("position");

        const QStringList menu{QStringLiteral("&Open"), QStringLiteral("Save &file"), QStringLiteral("&Find")};
        QTest::newRow("lower case") << menu << QChar('f') << 1;
        QTest::newRow("upper case") << menu << QChar('F') << 1;
        QTest::newRow("first item") << menu << QChar('o') << 0;
        QTest::newRow("no match") << menu << QChar('x') << -1;
        QTest::newRow("letter without ampersand") << QStringList{QStringLiteral("Fish")} << QChar('f') << -1;
        QTest::newRow("doubled ampersand")
            << QStringList{QStringLiteral("Open"), QStringLiteral("Salt &&fish")} << QChar('F') << 1;
    }

    void mnemonicLookup()
    {
        QFETCH(QStringList, texts);
        QFETCH(QChar, key);
        QFETCH(int, position);
        QCOMPARE(FindMnemonicPosition(texts, key), position);
    }

    void itemTextSplitsAtTheTabs()
    {
        for (const auto& [text, label, accelerator] : {std::tuple{"&Open\tCtrl+O", "&Open", "Ctrl+O"},
                                                        std::tuple{"A\tB\tC", "A", "C"}, std::tuple{"Plain", "Plain", ""}}) {
            const ItemTextParts parts = SplitItemText(QString::fromUtf8(text));
            QCOMPARE(parts.label, QString::fromUtf8(label));
            QCOMPARE(parts.accelerator, QString::fromUtf8(accelerator));
        }
    }

    void acceleratorsLineUp()
    {
        const QFontMetrics metrics(FixedTestFont());
        const QStringList texts{QStringLiteral("&Open\tCtrl+O"), QStringLiteral("Save &As...\tCtrl+Shift+S"),
                                QStringLiteral("E&xit"), QStringLiteral("&Go\tF5")};
        const QStringList aligned = AlignAccelerators(texts, metrics);
        QCOMPARE(aligned.size(), texts.size());
        QCOMPARE(aligned[2], texts[2]);

        int widest = 0;
        for (const QString& text : texts) {
            if (text.contains('\t'))
                widest = std::max(widest, metrics.horizontalAdvance(SplitItemText(text).label + ' '));
        }
        for (int i : {0, 1, 3}) {
            const ItemTextParts before = SplitItemText(texts[i]);
            const ItemTextParts after = SplitItemText(aligned[i]);
            QCOMPARE(after.accelerator, before.accelerator);
            QVERIFY(after.label.startsWith(before.label));
            QCOMPARE(after.label.mid(before.label.size()).trimmed(), QString());
            // Padded just enough: one blank less would fall short.
            QVERIFY(metrics.horizontalAdvance(after.label) >= widest);
            QVERIFY(after.label == before.label || metrics.horizontalAdvance(after.label.chopped(1)) < widest);
        }
    }

    // The parse in one line: text#id for a command, text[items] for a
    // pop-up, then any flag kept besides the pop-up one; "-" for no parse.
    void menuTemplate_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("parsed");

        QTest::newRow("last top-level item a pop-up") << EncodeMenuTemplate({
            {MenuPopup, 0, QStringLiteral("&File")},
            {MenuString, 1, QStringLiteral("&Open")},
            {MenuEnd, 2, QStringLiteral("&Save")},
            {MenuPopup | MenuEnd, 0, QStringLiteral("&Edit")},
            {MenuPopup, 0, QStringLiteral("&Insert")},
            {MenuEnd | MenuGrayed, 3, QStringLiteral("&Row")},
            {MenuEnd, 4, QStringLiteral("&Copy")},
            {MenuEnd, 99, QStringLiteral("never read")},
        }) << QStringLiteral("&File[&Open#1,&Save#2],&Edit[&Insert[&Row#3+1],&Copy#4]");

        QByteArray padded = EncodeMenuTemplate({{MenuEnd, 5, QStringLiteral("X")}});
        padded.insert(4, QByteArray(4, '\x7F'));
        padded[2] = 4;
        QTest::newRow("items after the header's offset") << padded << QStringLiteral("X#5");
        QByteArray extended = EncodeMenuTemplate({{MenuEnd, 5, QStringLiteral("X")}});
        extended[0] = 1;
        QTest::newRow("extended template") << extended << QStringLiteral("-");
    }

    void menuTemplate()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, parsed);
        const auto items = ParseMenuTemplate(bytes);
        QCOMPARE(items ? Describe(*items) : QStringLiteral("-"), parsed);
    }

    void templateCutShortDoesNotParse()
    {
        const QByteArray bytes = EncodeMenuTemplate({
            {MenuPopup | MenuEnd, 0, QStringLiteral("&File")},
            {MenuEnd, 1, QStringLiteral("&Open")},
        });
        QVERIFY(ParseMenuTemplate(bytes));
        for (int size = 0; size < bytes.size(); ++size)
            QVERIFY2(!ParseMenuTemplate(bytes.left(size)), qPrintable(QString::number(size)));
    }
};

QTEST_MAIN(ControlRulesTest)
#include "ControlRulesTest.moc"
