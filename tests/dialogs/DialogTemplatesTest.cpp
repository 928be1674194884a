#include <QtTest>

#include <map>
#include <set>

#include "res/Bitmaps.h"
#include "res/DialogTemplate.h"
#include "res/Icons.h"
#include "res/PageLayout.h"
#include "res/ResourceIds.h"
#include "res/Strings.h"

using namespace velnar::res;

namespace {

const DialogControl* Where(const DialogTemplate& dialog, const std::function<bool(const DialogControl&)>& matches)
{
    const auto found = std::find_if(dialog.controls.begin(), dialog.controls.end(), matches);
    return found == dialog.controls.end() ? nullptr : &*found;
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
            QVERIFY(dialog && dialog->id == id);
            std::set<int> seen;
            for (const DialogControl& control : dialog->controls)
                QVERIFY2(control.id == kNoId || seen.insert(control.id).second, qPrintable(QString::number(id)));
        }
        QVERIFY(!FindDialogTemplate(101));
    }

    // Every slot control of both pages: its identifier, column and line,
    // written out as the layouts give them. Check boxes are centred on the
    // 14-unit line of their row; a selector's height includes its list.
    void pageControlsLieInTheirColumnsAndLines()
    {
        using Ids = std::array<int, kPageSlots>;
        struct Role {
            const char* what;
            int line;  // 1 or 2
            Ids page1, page2;
            int x1, width1, x2, width2, height, drop;
        };
        const Ids rowOneEdit{1014, 19, 1025, 1036, 1047, 1058, 1069, 1080};
        const Ids rowTwoEdit{1004, 1020, 1031, 1042, 1053, 1064, 1075, 1086};
        const Ids rowOneAnimation{1007, 1016, 1027, 1038, 1049, 1060, 1071, 1082};
        const Ids twoRows{1010, 1019, 1030, 1041, 1052, 1063, 1074, 1085};
        const Ids selected{1008, 1017, 1028, 1039, 1050, 1061, 1072, 1083};
        const Ids clock{1013, 1023, 1034, 1045, 1056, 1067, 1078, 1089};
        const Ids send{1009, 1018, 1029, 1040, 1051, 1062, 1073, 1084};
        const Role roles[] = {
            {"row-1 edit", 1, rowOneEdit, rowOneEdit, 34, 131, 36, 127, 14, 0},
            {"row-2 edit", 2, rowTwoEdit, rowTwoEdit, 34, 131, 36, 127, 14, 0},
            {"row-1 animation", 1, rowOneAnimation, rowOneAnimation, 170, 79, 168, 79, 70, 0},
            {"row-2 animation", 2, {1012, 1022, 1033, 1044, 1055, 1066, 1077, 1088},
             {1123, 1021, 1103, 1104, 1105, 1106, 1107, 1108}, 170, 79, 168, 79, 70, 0},
            {"row-1 brightness", 1, {1113, 1112, 1111, 1110, 1093, 1097, 1101, 1106},
             {1102, 1033, 1046, 1065, 1077, 1090, 1094, 1098}, 254, 32, 250, 31, 48, 0},
            {"row-2 brightness", 2, {1032, 1054, 1076, 1091, 1095, 1099, 1104, 1108},
             {1024, 1043, 1055, 1068, 1087, 1092, 1096, 1100}, 254, 32, 250, 31, 48, 0},
            {"row-1 speed", 1, {1024, 1046, 1068, 1090, 1094, 1098, 1103, 1107},
             {1022, 1035, 1054, 1066, 1079, 1091, 1095, 1099}, 295, 32, 288, 31, 48, 0},
            {"row-2 speed", 2, {1116, 1115, 1114, 1092, 1096, 1100, 1105, 1109},
             {1032, 1044, 1057, 1076, 1088, 1093, 1097, 1101}, 295, 32, 288, 31, 48, 0},
            {"two-rows box", 1, twoRows, twoRows, 15, 9, 22, 8, 10, 2},
            {"selected box", 1, selected, selected, 355, 11, 362, 11, 10, 2},
            {"clock box", 2, clock, clock, 334, 11, 334, 11, 10, 2},
            {"send button", 1, send, send, 369, 50, 378, 50, 14, 0},
        };
        const int lines[2][kPageSlots][2] = {
            {{10, 24}, {40, 53}, {69, 82}, {97, 112}, {127, 141}, {157, 170}, {187, 201}, {217, 231}},
            {{11, 26}, {42, 58}, {73, 87}, {102, 117}, {132, 148}, {163, 178}, {193, 207}, {222, 238}}};
        // Widths that differ from their column's.
        const std::map<std::pair<int, int>, int> widths = {
            {{1, 1041}, 8}, {{1, 1052}, 8}, {{1, 1063}, 8}, {{1, 1074}, 8}, {{1, 1085}, 8},
            {{2, 1014}, 128}, {{2, 1100}, 32}};
        for (const int page : {1, 2}) {
            const DialogTemplate& dialog = *FindDialogTemplate(page == 1 ? kFirstPageDialog : kSecondPageDialog);
            for (const Role& role : roles) {
                for (int j = 0; j < kPageSlots; ++j) {
                    const int id = (page == 1 ? role.page1 : role.page2)[static_cast<std::size_t>(j)];
                    const DialogControl* control =
                        Where(dialog, [id](const DialogControl& c) { return c.id == id; });
                    const QString where = QStringLiteral("page %1, %2 of slot %3").arg(page).arg(role.what).arg(j);
                    QVERIFY2(control, qPrintable(where));
                    const auto exception = widths.find({page, id});
                    const int width = exception != widths.end() ? exception->second
                                      : page == 1                ? role.width1
                                                                 : role.width2;
                    const QRect expected(page == 1 ? role.x1 : role.x2,
                                         lines[page - 1][j][role.line - 1] + role.drop, width, role.height);
                    QVERIFY2(QRect(control->x, control->y, control->width, control->height) == expected,
                             qPrintable(where));
                }
            }
            const DialogControl* button = Where(dialog, [](const DialogControl& c) { return c.id == 1117; });
            QCOMPARE(QRect(button->x, button->y, button->width, button->height),
                     page == 1 ? QRect(344, 247, 81, 14) : QRect(360, 255, 76, 14));
        }
    }

    // The pages' captions and sizes, the column headings on their first line
    // and slot numbers 1 to 8 on page 1 and 9 to 16 on page 2.
    void headersAndSlotNumbersHeadTheColumns()
    {
        struct Page { int id; QList<int> headerX; int firstSlot, numberX; QSize size; const char* caption; };
        for (const Page& row : {Page{kFirstPageDialog, {14, 42, 170, 254, 302, 329, 353}, 1, 3, {439, 283}, "SAYFA1"},
                                {kSecondPageDialog, {16, 44, 170, 248, 296, 330, 356}, 9, 8, {459, 287}, "SAYFA2"}}) {
            const DialogTemplate& page = *FindDialogTemplate(row.id);
            QCOMPARE(QString::fromStdString(page.caption), QString::fromUtf8(row.caption));
            QCOMPARE(QSize(page.width, page.height), row.size);
            const auto withText = [&page](const std::string& text) {
                return Where(page, [&text](const DialogControl& c) { return c.text == text; });
            };
            const char* headers[] = {"SATIR", "MESAJ YAZISI", "ANiMASYON", "PARLAKLIK", "HIZ", "SAAT", "Static"};
            for (int i = 0; i < 7; ++i) {
                const DialogControl* header = withText(headers[i]);
                QVERIFY2(header, headers[i]);
                QCOMPARE(QPoint(header->x, header->y), QPoint(row.headerX[i], 0));
            }
            for (int slot = row.firstSlot; slot < row.firstSlot + kPageSlots; ++slot) {
                const DialogControl* number = withText(std::to_string(slot));
                QVERIFY2(number, qPrintable(QString::number(slot)));
                QVERIFY(number->kind == ControlKind::Static && number->id == kNoId);
                QCOMPARE(number->x, row.numberX);
            }
        }
    }

    void imagesAndIcon()
    {
        QCOMPARE(LoadBitmap(kPageBitmap).size(), QSize(47, 17));
        const QImage banner = LoadBitmap(kBannerBitmap);
        std::set<QRgb> colours;
        for (int x = 0; x < banner.width(); ++x)
            colours.insert(banner.pixel(x, banner.height() / 3));
        QVERIFY(colours.size() >= 3);  // lamps lit and unlit on a dark board
        QCOMPARE(LoadIconResource(kMainIcon).availableSizes().value(0), QSize(32, 32));
        QVERIFY(LoadIconResource(0).isNull());
        QVERIFY(LoadStringResource(102).isEmpty());
    }
};

QTEST_MAIN(DialogTemplatesTest)
#include "DialogTemplatesTest.moc"
