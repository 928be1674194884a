#include <QtTest>

#include <set>

#include "res/Bitmaps.h"
#include "res/DialogIds.h"
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
    void everyWindowHasItsTemplate()
    {
        for (int id : {kAboutDialog, kMainDialog, kFirstPageDialog, kSecondPageDialog, kSendCompleteDialog,
                       kHelpDialog}) {
            const DialogTemplate* dialog = FindDialogTemplate(id);
            QVERIFY(dialog);
            QCOMPARE(dialog->id, id);
        }
        QVERIFY(!FindDialogTemplate(101));
        QVERIFY(!FindDialogTemplate(0));
    }

    void identifiersAreUniqueWithinATemplate()
    {
        for (int id : {kAboutDialog, kMainDialog, kFirstPageDialog, kSecondPageDialog, kSendCompleteDialog,
                       kHelpDialog}) {
            std::set<int> seen;
            for (const DialogControl& control : FindDialogTemplate(id)->controls) {
                if (control.id != kNoId)
                    QVERIFY2(seen.insert(control.id).second, qPrintable(QString::number(control.id)));
            }
        }
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
        const std::uint32_t edit = shown | StyleBorder | StyleVScroll | StyleTabStop | EditMultiLine;
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
        QTest::newRow("page 1 slot 1 row-1 edit") << kFirstPageDialog << 1014 << QRect(34, 10, 131, 14);
        QTest::newRow("page 1 slot 2 row-1 edit") << kFirstPageDialog << 19 << QRect(34, 40, 131, 14);
        QTest::newRow("page 1 slot 8 row-2 edit") << kFirstPageDialog << 1086 << QRect(34, 231, 131, 14);
        QTest::newRow("page 1 slot 1 row-1 speed") << kFirstPageDialog << 1024 << QRect(295, 10, 32, 48);
        QTest::newRow("page 1 slot 3 row-2 animation") << kFirstPageDialog << 1033 << QRect(170, 82, 79, 70);
        QTest::newRow("page 1 slot 1 send") << kFirstPageDialog << 1009 << QRect(369, 10, 50, 14);
        QTest::newRow("page 1 button 1117") << kFirstPageDialog << 1117 << QRect(344, 247, 81, 14);
        QTest::newRow("page 2 slot 9 row-1 edit") << kSecondPageDialog << 1014 << QRect(36, 11, 128, 14);
        QTest::newRow("page 2 slot 10 row-1 edit") << kSecondPageDialog << 19 << QRect(36, 42, 127, 14);
        QTest::newRow("page 2 slot 9 row-2 brightness") << kSecondPageDialog << 1024 << QRect(250, 26, 31, 48);
        QTest::newRow("page 2 slot 16 row-2 brightness") << kSecondPageDialog << 1100 << QRect(250, 238, 32, 48);
        QTest::newRow("page 2 slot 16 row-2 speed") << kSecondPageDialog << 1101 << QRect(288, 238, 31, 48);
        QTest::newRow("page 2 slot 16 send") << kSecondPageDialog << 1084 << QRect(378, 222, 50, 14);
        QTest::newRow("page 2 button 1117") << kSecondPageDialog << 1117 << QRect(360, 255, 76, 14);
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

    void boxesSitOnTheirLines_data()
    {
        QTest::addColumn<int>("templateId");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("lineY");
        QTest::newRow("page 1 slot 3 two rows") << kFirstPageDialog << 1030 << 15 << 9 << 69;
        QTest::newRow("page 1 slot 4 two rows") << kFirstPageDialog << 1041 << 15 << 8 << 97;
        QTest::newRow("page 1 slot 4 clock") << kFirstPageDialog << 1045 << 334 << 11 << 112;
        QTest::newRow("page 1 slot 4 selected") << kFirstPageDialog << 1039 << 355 << 11 << 97;
        QTest::newRow("page 2 slot 9 two rows") << kSecondPageDialog << 1010 << 22 << 8 << 11;
        QTest::newRow("page 2 slot 14 clock") << kSecondPageDialog << 1067 << 334 << 11 << 178;
        QTest::newRow("page 2 slot 14 selected") << kSecondPageDialog << 1061 << 362 << 11 << 163;
    }

    void boxesSitOnTheirLines()
    {
        QFETCH(int, templateId);
        QFETCH(int, id);
        QFETCH(int, x);
        QFETCH(int, width);
        QFETCH(int, lineY);
        const DialogControl* box = ControlOf(*FindDialogTemplate(templateId), id);
        QCOMPARE(box->x, x);
        QCOMPARE(box->width, width);
        // Centred on the 14-unit line of its row.
        QVERIFY(box->y >= lineY && box->y + box->height <= lineY + 14);
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

    void mainWindowTemplate_data()
    {
        using namespace main_window;
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        const auto button = static_cast<int>(ControlKind::PushButton);
        const auto label = static_cast<int>(ControlKind::Static);
        const auto edit = static_cast<int>(ControlKind::Edit);
        QTest::newRow("1124") << kOpenButton << button << QRect(0, 0, 33, 11) << "AC..";
        QTest::newRow("1125") << kSaveButton << button << QRect(34, 0, 38, 11) << "KAYDET..";
        QTest::newRow("1126") << kSendAllButton << button << QRect(73, 0, 70, 11) << "HEPSINI GONDER";
        QTest::newRow("1127") << kHelpButton << button << QRect(143, 0, 38, 11) << "YARDIM";
        QTest::newRow("1119") << kPortLabel << label << QRect(297, 33, 58, 8) << "PORT SECIMI";
        QTest::newRow("1017") << kPortList << static_cast<int>(ControlKind::ComboBox) << QRect(295, 43, 48, 67) << "";
        QTest::newRow("1121") << kDateLabel << label << QRect(369, 33, 68, 8) << "TARIH (Gn-Ay-Yil)";
        QTest::newRow("1022") << kDateField << edit << QRect(367, 41, 57, 14) << "";
        QTest::newRow("1122") << kTimeLabel << label << QRect(446, 33, 58, 8) << "SAAT(Sa-Dk-Sn)";
        QTest::newRow("1023") << kTimeField << edit << QRect(446, 41, 49, 14) << "";
        QTest::newRow("1123") << kDayLabel << label << QRect(506, 33, 28, 8) << "WEEK";
        QTest::newRow("1024") << kDayField << edit << QRect(506, 41, 42, 14) << "";
        QTest::newRow("1003") << kHiddenEdit << edit << QRect(304, 0, 56, 15) << "";
    }

    void mainWindowTemplate()
    {
        QFETCH(int, id);
        QFETCH(int, kind);
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        const DialogTemplate& dialog = *FindDialogTemplate(kMainDialog);
        QCOMPARE(dialog.controls.size(), std::size_t{13});
        const DialogControl* control = ControlOf(dialog, id);
        QVERIFY(control);
        QCOMPARE(static_cast<int>(control->kind), kind);
        QCOMPARE(RectOf(*control), rect);
        QCOMPARE(QString::fromStdString(control->text), text);
        QCOMPARE(bool(control->style & StyleVisible), id != main_window::kHiddenEdit);
        QCOMPARE(bool(control->style & StyleDisabled), id == main_window::kHiddenEdit);
    }

    void mainWindowFrame()
    {
        const DialogTemplate& dialog = *FindDialogTemplate(kMainDialog);
        QCOMPARE(dialog.caption, std::string("VELNAR MESSAGES"));
        QCOMPARE(QSize(dialog.width, dialog.height), QSize(576, 375));
        QCOMPARE(dialog.fontName, std::string("Arial"));
        QCOMPARE(dialog.fontPoints, 7);
        for (std::uint32_t bit : {StylePopup, StyleCaption, StyleSysMenu, StyleMinimizeBox, StyleMaximizeBox,
                                  DialogModalFrame})
            QVERIFY(dialog.style & bit);
        QVERIFY(!(dialog.style & StyleThickFrame));
        QVERIFY(dialog.exStyle & ExStyleAppWindow);
    }

    void aboutAndHelpTemplates()
    {
        const DialogTemplate& about = *FindDialogTemplate(kAboutDialog);
        QCOMPARE(about.caption, std::string("HELP VELNAR MESSAGES"));
        QCOMPARE(QSize(about.width, about.height), QSize(235, 55));
        QCOMPARE(about.controls.size(), std::size_t{3});
        QCOMPARE(about.controls[0].kind, ControlKind::Icon);
        QCOMPARE(about.controls[0].imageId, kMainIcon);
        QCOMPARE(QPoint(about.controls[0].x, about.controls[0].y), QPoint(11, 17));
        QCOMPARE(about.controls[1].text, std::string("VELNAR MESSAGES 1.0 "));
        QCOMPARE(RectOf(about.controls[1]), QRect(39, 23, 119, 8));
        const DialogControl* ok = ControlOf(about, kIdOk);
        QCOMPARE(ok->text, std::string("OK"));
        QCOMPARE(RectOf(*ok), QRect(178, 17, 50, 14));
        QCOMPARE(ok->style & ButtonTypeMask, ButtonDefPush);

        const DialogTemplate& help = *FindDialogTemplate(kHelpDialog);
        QCOMPARE(help.caption, std::string("HELP"));
        QCOMPARE(help.fontPoints, 8);
        QCOMPARE(QSize(help.width, help.height), QSize(291, 202));
        QCOMPARE(help.controls.size(), std::size_t{1});
        const DialogControl& text = help.controls[0];
        QCOMPARE(text.id, help_window::kText);
        QCOMPARE(RectOf(text), QRect(7, 7, 277, 188));
        QVERIFY(text.style & EditMultiLine);
        QVERIFY(text.style & StyleVScroll);
        QVERIFY(text.style & StyleBorder);
        QVERIFY(!(text.style & EditReadOnly));

        const DialogTemplate& complete = *FindDialogTemplate(kSendCompleteDialog);
        QCOMPARE(complete.caption, std::string("VELNAR MESSAGES"));
        QVERIFY(std::any_of(complete.controls.begin(), complete.controls.end(),
                            [](const DialogControl& c) { return c.text == "Send Complete!"; }));
        QCOMPARE(ControlOf(complete, kIdOk)->text, std::string("OK"));
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
