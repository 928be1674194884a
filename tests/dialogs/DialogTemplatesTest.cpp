#include <QtTest>

#include <set>

#include "res/Bitmaps.h"
#include "res/DialogStyles.h"
#include "res/DialogTemplate.h"
#include "res/Icons.h"
#include "res/PageLayout.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

using namespace velnar::res;

Q_DECLARE_METATYPE(const PageLayout*)

namespace {

const DialogControl* ControlOf(const DialogTemplate& dialog, int id)
{
    for (const DialogControl& control : dialog.controls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

QRect RectOf(const DialogControl& control)
{
    return {control.x, control.y, control.width, control.height};
}

int Count(const DialogTemplate& dialog, ControlKind kind)
{
    return static_cast<int>(std::count_if(dialog.controls.begin(), dialog.controls.end(),
                                          [kind](const DialogControl& control) { return control.kind == kind; }));
}

void AddPages()
{
    QTest::addColumn<const PageLayout*>("layout");
    QTest::newRow("page 1") << &kFirstPageLayout;
    QTest::newRow("page 2") << &kSecondPageLayout;
}

}  // namespace

class DialogTemplatesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasItsTemplateWithUniqueIdentifiers()
    {
        for (int id : {kAboutDialog, kMainDialog, kFirstPageDialog, kSecondPageDialog, kSendCompleteDialog,
                       kHelpDialog}) {
            const DialogTemplate* dialog = FindDialogTemplate(id);
            QVERIFY(dialog);
            QCOMPARE(dialog->id, id);
            // Identifiers are unique within a template.
            std::set<int> seen;
            for (const DialogControl& control : dialog->controls) {
                if (control.id != kNoId)
                    QVERIFY2(seen.insert(control.id).second, qPrintable(QString::number(control.id)));
            }
        }
        QVERIFY(!FindDialogTemplate(101));
    }

    void pageHoldsEveryControlOfItsTable_data() { AddPages(); }
    void pageHoldsEveryControlOfItsTable()
    {
        QFETCH(const PageLayout*, layout);
        const DialogTemplate& page = *FindDialogTemplate(layout->templateId);
        QCOMPARE(page.fontName, std::string("Arial"));
        QCOMPARE(page.fontPoints, 7);
        QCOMPARE(Count(page, ControlKind::Edit), 16);
        QCOMPARE(Count(page, ControlKind::ComboBox), 16 * 3 + 8);
        QCOMPARE(Count(page, ControlKind::CheckBox), 24);
        QCOMPARE(Count(page, ControlKind::PushButton), 9);
        QCOMPARE(Count(page, ControlKind::Static), 7 + 8 + 1);  // headers, slot numbers, 1119

        constexpr std::uint32_t shown = StyleChild | StyleVisible;
        // Row edits keep Enter for line breaks (want-return).
        const std::uint32_t edit = shown | StyleBorder | StyleVScroll | StyleTabStop | EditMultiLine | EditWantReturn;
        const std::uint32_t animation = shown | StyleVScroll | StyleTabStop | ComboDropDown;
        const std::uint32_t level = animation | ComboSort;
        const PageIds& ids = layout->ids;
        for (std::size_t j = 0; j < kPageSlots; ++j) {
            for (const PageRowIds& row : ids.rows) {
                QCOMPARE(ControlOf(page, row.edit[j])->style, edit);
                QCOMPARE(ControlOf(page, row.animation[j])->style, animation);
                QCOMPARE(ControlOf(page, row.brightness[j])->style, level);
                QCOMPARE(ControlOf(page, row.speed[j])->style, level);
            }
            const DialogControl* language = ControlOf(page, ids.language[j]);
            QCOMPARE(language->kind, ControlKind::ComboBox);
            QVERIFY(!(language->style & StyleVisible));
            QVERIFY(language->style & StyleDisabled);
            QCOMPARE(QPoint(language->x, language->y), QPoint(layout->languageSelectors.x, layout->languageSelectors.y));
            for (int box : {ids.twoRows[j], ids.selected[j], ids.clock[j]}) {
                QCOMPARE(ControlOf(page, box)->kind, ControlKind::CheckBox);
                QCOMPARE(ControlOf(page, box)->style & ButtonTypeMask, ButtonAutoCheckBox);
            }
            QCOMPARE(ControlOf(page, ids.twoRows[j])->text, std::string("Check2"));
            QCOMPARE(ControlOf(page, ids.selected[j])->text, std::string("Check1"));
            QCOMPARE(ControlOf(page, ids.clock[j])->text, std::string("Check1"));
            const DialogControl* send = ControlOf(page, ids.send[j]);
            QCOMPARE(send->style, 0x50010000u);
            QCOMPARE(send->text, std::string());
            QCOMPARE(QSize(send->width, send->height), QSize(50, 14));
        }
        const DialogControl* hiddenLabel = ControlOf(page, ids.languageLabel);
        QCOMPARE(hiddenLabel->text, std::string("DiL"));
        QVERIFY(!(hiddenLabel->style & StyleVisible));
        QCOMPARE(ControlOf(page, ids.animationLabel)->text, std::string("ANiMASYON"));
        QCOMPARE(ControlOf(page, ids.selectionLabel)->text, std::string("Static"));
        QCOMPARE(ControlOf(page, ids.showInTurnButton)->text, std::string());
    }

    void pageControlsLieInTheirColumnsAndLines_data()
    {
        QTest::addColumn<int>("templateId");
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("page 1 slot 2 row-1 edit") << kFirstPageDialog << 19 << QRect(34, 40, 131, 14);
        QTest::newRow("page 1 slot 8 row-2 edit") << kFirstPageDialog << 1086 << QRect(34, 231, 131, 14);
        QTest::newRow("page 1 slot 1 row-1 speed") << kFirstPageDialog << 1024 << QRect(295, 10, 32, 48);
        QTest::newRow("page 1 slot 3 row-2 animation") << kFirstPageDialog << 1033 << QRect(170, 82, 79, 70);
        QTest::newRow("page 1 button 1117") << kFirstPageDialog << 1117 << QRect(344, 247, 81, 14);
        QTest::newRow("page 2 slot 9 row-1 edit") << kSecondPageDialog << 1014 << QRect(36, 11, 128, 14);
        QTest::newRow("page 2 slot 10 row-1 edit") << kSecondPageDialog << 19 << QRect(36, 42, 127, 14);
        QTest::newRow("page 2 slot 9 row-2 brightness") << kSecondPageDialog << 1024 << QRect(250, 26, 31, 48);
        QTest::newRow("page 2 slot 16 row-2 brightness") << kSecondPageDialog << 1100 << QRect(250, 238, 32, 48);
        QTest::newRow("page 2 slot 16 send") << kSecondPageDialog << 1084 << QRect(378, 222, 50, 14);
        QTest::newRow("page 2 button 1117") << kSecondPageDialog << 1117 << QRect(360, 255, 76, 14);
        // Check boxes are centred on the 14-unit line of their row.
        QTest::newRow("page 1 slot 3 two rows") << kFirstPageDialog << 1030 << QRect(15, 71, 9, 10);
        QTest::newRow("page 1 slot 4 two rows") << kFirstPageDialog << 1041 << QRect(15, 99, 8, 10);
        QTest::newRow("page 1 slot 4 clock") << kFirstPageDialog << 1045 << QRect(334, 114, 11, 10);
        QTest::newRow("page 2 slot 14 selected") << kSecondPageDialog << 1061 << QRect(362, 165, 11, 10);
    }

    void pageControlsLieInTheirColumnsAndLines()
    {
        QFETCH(int, templateId);
        QFETCH(int, id);
        QFETCH(QRect, expected);
        const DialogControl* control = ControlOf(*FindDialogTemplate(templateId), id);
        QVERIFY(control);
        QCOMPARE(RectOf(*control), expected);
    }

    void headersAndSlotNumbersHeadTheColumns_data() { AddPages(); }
    void headersAndSlotNumbersHeadTheColumns()
    {
        QFETCH(const PageLayout*, layout);
        const DialogTemplate& page = *FindDialogTemplate(layout->templateId);
        const bool first = layout == &kFirstPageLayout;
        const std::vector<std::pair<std::string, int>> headers =
            first ? std::vector<std::pair<std::string, int>>{{"SATIR", 14}, {"MESAJ YAZISI", 42}, {"ANiMASYON", 170},
                                                             {"PARLAKLIK", 254}, {"HIZ", 302}, {"SAAT", 329},
                                                             {"Static", 353}}
                  : std::vector<std::pair<std::string, int>>{{"SATIR", 16}, {"MESAJ YAZISI", 44}, {"ANiMASYON", 170},
                                                             {"PARLAKLIK", 248}, {"HIZ", 296}, {"SAAT", 330},
                                                             {"Static", 356}};
        for (const auto& [text, x] : headers) {
            const auto found = std::find_if(page.controls.begin(), page.controls.end(),
                                            [&](const DialogControl& control) { return control.text == text; });
            QVERIFY2(found != page.controls.end(), text.c_str());
            QCOMPARE(QPoint(found->x, found->y), QPoint(x, 0));
        }
        for (int j = 0; j < kPageSlots; ++j) {
            const std::string number = std::to_string((first ? 1 : 9) + j);
            const auto found = std::find_if(page.controls.begin(), page.controls.end(), [&](const DialogControl& c) {
                return c.kind == ControlKind::Static && c.text == number;
            });
            QVERIFY2(found != page.controls.end(), number.c_str());
            QCOMPARE(found->x, first ? 3 : 8);
            QCOMPARE(found->id, kNoId);
        }
        QCOMPARE(QSize(page.width, page.height), first ? QSize(439, 283) : QSize(459, 287));
        QCOMPARE(page.caption, std::string(first ? "SAYFA1" : "SAYFA2"));
    }

    void imagesIconAndString()
    {
        QCOMPARE(LoadBitmap(kBannerBitmap).size(), QSize(349, 48));
        QCOMPARE(LoadBitmap(kPageBitmap).size(), QSize(47, 17));
        const QImage banner = LoadBitmap(kBannerBitmap);
        std::set<QRgb> colours;
        for (int x = 0; x < banner.width(); ++x)
            colours.insert(banner.pixel(x, banner.height() / 3));
        QVERIFY(colours.size() >= 3);  // lamps lit and unlit on a dark board
        const QIcon icon = LoadIconResource(kMainIcon);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes().value(0), QSize(32, 32));
        QVERIFY(LoadIconResource(0).isNull());
        QCOMPARE(LoadStringResource(kAboutString), QStringLiteral("ABOUT VELNAR MESSAGES(&A)..."));
        QVERIFY(LoadStringResource(102).isEmpty());
    }
};

QTEST_MAIN(DialogTemplatesTest)
#include "DialogTemplatesTest.moc"
