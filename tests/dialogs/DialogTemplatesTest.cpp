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

    void pageControlsLieInTheirColumnsAndLines_data()
    {
        QTest::addColumn<int>("templateId");
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("page 1 slot 8 row-2 edit") << kFirstPageDialog << 1086 << QRect(34, 231, 131, 14);
        QTest::newRow("page 2 slot 10 row-1 edit") << kSecondPageDialog << 19 << QRect(36, 42, 127, 14);
        QTest::newRow("page 2 slot 9 row-2 brightness") << kSecondPageDialog << 1024 << QRect(250, 26, 31, 48);
        QTest::newRow("page 2 slot 16 row-2 brightness") << kSecondPageDialog << 1100 << QRect(250, 238, 32, 48);
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

    // Slot numbers 1 to 8 on page 1 and 9 to 16 on page 2, and the column
    // headings on the pages' first line.
    void headersAndSlotNumbersHeadTheColumns_data()
    {
        QTest::addColumn<int>("templateId");
        QTest::addColumn<QList<int>>("headerX");
        QTest::addColumn<int>("firstSlot");
        QTest::addColumn<int>("numberX");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("caption");
        QTest::newRow("page 1") << kFirstPageDialog << QList<int>{14, 42, 170, 254, 302, 329, 353} << 1 << 3
                                << QSize(439, 283) << "SAYFA1";
        QTest::newRow("page 2") << kSecondPageDialog << QList<int>{16, 44, 170, 248, 296, 330, 356} << 9 << 8
                                << QSize(459, 287) << "SAYFA2";
    }

    void headersAndSlotNumbersHeadTheColumns()
    {
        QFETCH(int, templateId);
        QFETCH(QList<int>, headerX);
        QFETCH(int, firstSlot);
        QFETCH(int, numberX);
        QFETCH(QSize, size);
        QFETCH(QString, caption);
        const DialogTemplate& page = *FindDialogTemplate(templateId);
        auto withText = [&page](const std::string& text) -> const DialogControl* {
            for (const DialogControl& control : page.controls) {
                if (control.text == text)
                    return &control;
            }
            return nullptr;
        };
        const char* headers[] = {"SATIR", "MESAJ YAZISI", "ANiMASYON", "PARLAKLIK", "HIZ", "SAAT", "Static"};
        for (int i = 0; i < 7; ++i) {
            const DialogControl* header = withText(headers[i]);
            QVERIFY2(header, headers[i]);
            QCOMPARE(QPoint(header->x, header->y), QPoint(headerX[i], 0));
        }
        for (int j = 0; j < kPageSlots; ++j) {
            const DialogControl* number = withText(std::to_string(firstSlot + j));
            QVERIFY2(number, qPrintable(QString::number(firstSlot + j)));
            QCOMPARE(number->kind, ControlKind::Static);
            QCOMPARE(number->x, numberX);
            QCOMPARE(number->id, kNoId);
        }
        QCOMPARE(QSize(page.width, page.height), size);
        QCOMPARE(QString::fromStdString(page.caption), caption);
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
