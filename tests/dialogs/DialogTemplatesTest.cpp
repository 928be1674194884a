#include <QtTest>

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

    // Edits, selectors and buttons in their columns and lines; check boxes
    // centred on the 14-unit line of their row.
    void pageControlsLieInTheirColumnsAndLines()
    {
        struct Row { int page, id; QRect rect; };
        const int one = kFirstPageDialog, two = kSecondPageDialog;
        for (const Row& row : {Row{one, 1086, {34, 231, 131, 14}}, {two, 19, {36, 42, 127, 14}},
                               {two, 1024, {250, 26, 31, 48}}, {two, 1100, {250, 238, 32, 48}},
                               {two, 1117, {360, 255, 76, 14}}, {one, 1030, {15, 71, 9, 10}},
                               {one, 1041, {15, 99, 8, 10}}, {one, 1045, {334, 114, 11, 10}},
                               {two, 1061, {362, 165, 11, 10}}}) {
            const DialogControl* control =
                Where(*FindDialogTemplate(row.page), [&row](const DialogControl& c) { return c.id == row.id; });
            QVERIFY2(control, qPrintable(QString::number(row.id)));
            QCOMPARE(QRect(control->x, control->y, control->width, control->height), row.rect);
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
