#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "controls/CHotButton.h"
#include "file/MessageFileWriter.h"
#include "model/MessageTable.h"
#include "pages/PageSheet.h"
#include "res/Bitmaps.h"
#include "tests/pages/PageFixture.h"
#include "tests/pages/TemplatePixels.h"

using namespace velnar;
using pages::MessagePage;
using testing::Pages;

namespace {

const QColor kFace(192, 192, 192);

QStringList Items(const QComboBox* selector)
{
    QStringList items;
    for (int i = 0; i < selector->count(); ++i)
        items << selector->itemText(i);
    return items;
}

// The selected item's text; empty when nothing is selected.
QString Shown(const QComboBox* selector)
{
    return selector->currentIndex() < 0 ? QString() : selector->currentText();
}

}  // namespace

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    // A button face that +30 lifts without clipping.
    void initTestCase()
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Button, kFace);
        QApplication::setPalette(palette);
    }

    // Each page's controls with their lists and captions, on their first
    // items and nothing ticked; the language list is there but hidden. The
    // send buttons light up to the face shifted by 30 and show bitmap 129
    // centred, its magenta letting the face through. Creating writes nothing.
    void aFreshPageShowsAnEmptyTable()
    {
        const QStringList animations = {QStringLiteral("SOLDAN SAĞA"), QStringLiteral("SAĞDAN SOLA"),
                                        QStringLiteral("YUKARIDAN AŞAĞIYA"), QStringLiteral("AŞAĞIDAN YUKARIYA"),
                                        QStringLiteral("PERDELE")};
        const QStringList levels = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
        for (const int page : {1, 2}) {
            Pages pages;
            MessagePage& p = pages.Page(page);
            p.Create();
            for (int j = 0; j < MessagePage::kSlots; ++j) {
                const pages::SlotControls& slot = p.Slot(j);
                for (const pages::RowControls& row : slot.rows) {
                    QVERIFY(row.edit->toPlainText().isEmpty());
                    QCOMPARE(Items(row.animation), animations);
                    QCOMPARE(Items(row.brightness), levels);
                    QCOMPARE(Items(row.speed), levels);
                    QCOMPARE(Shown(row.animation) + Shown(row.brightness) + Shown(row.speed),
                             QStringLiteral("SOLDAN SAĞA11"));
                }
                QVERIFY(!slot.twoRows->isChecked() && !slot.selected->isChecked() && !slot.clock->isChecked());
                QCOMPARE(Items(slot.language), (QStringList{QStringLiteral("ENGLISH"), QStringLiteral("TÜRKÇE")}));
                QCOMPARE(Shown(slot.language), QStringLiteral("TÜRKÇE"));
                QVERIFY(slot.language->isHidden() && !slot.language->isEnabled());
                QCOMPARE(slot.send->Color(controls::CHotButton::ColorNormalBack), kFace.rgb());
                QCOMPARE(slot.send->Color(controls::CHotButton::ColorHotBack), qRgb(222, 222, 222));
            }
            QVERIFY(p.Control(1119)->isHidden());
            const std::pair<int, const char*> captions[] = {{1119, "DİL"}, {1121, "ANİMASYON"}, {1120, "SEÇİM"}};
            for (const auto& [id, caption] : captions)
                QCOMPARE(qobject_cast<QLabel*>(p.Control(id))->text(), QString::fromUtf8(caption));
            QCOMPARE(p.ShowInTurnButton()->text(), QStringLiteral("SIRAYLA GÖSTER"));
            QCOMPARE(p.Caption(), QStringLiteral("SAYFA%1").arg(page));

            // The face may be narrower than the bitmap.
            const QImage face = p.Slot(7).send->grab().toImage();
            const QImage bitmap = res::LoadBitmap(129);
            const QPoint origin((face.width() - bitmap.width()) / 2, (face.height() - bitmap.height()) / 2);
            for (int y = 0; y < bitmap.height(); ++y) {
                for (int x = 0; x < bitmap.width(); ++x) {
                    const QRgb pixel = bitmap.pixel(x, y) | 0xFF000000;
                    if (face.rect().contains(origin + QPoint(x, y)))
                        QCOMPARE(face.pixel(origin + QPoint(x, y)) | 0xFF000000,
                                 pixel == qRgb(255, 0, 255) ? kFace.rgb() : pixel);
                }
            }
            QCOMPARE(p.findChildren<controls::CHotButton*>().size(), 8);
            QCOMPARE(p.findChildren<QPlainTextEdit*>().size(), 16);
            QCOMPARE(p.findChildren<QCheckBox*>().size(), 24);
            QCOMPARE(p.findChildren<QComboBox*>().size(), 56);
            QCOMPARE(p.Timer().interval(), 50);
            QVERIFY(p.Timer().isActive());
            QCOMPARE(file::MessageFileBytes(pages.table), file::MessageFileBytes(model::MessageTable()));
        }
    }

    void identifier1024IsADifferentControlOnEachPage()
    {
        Pages pages;
        pages.first.Create();
        pages.second.Create();
        QCOMPARE(pages.first.Control(1024), static_cast<QWidget*>(pages.first.Slot(0).Row(1).speed));
        QCOMPARE(pages.second.Control(1024), static_cast<QWidget*>(pages.second.Slot(0).Row(2).brightness));
        QCOMPARE(pages.second.Control(1123), static_cast<QWidget*>(pages.second.Slot(0).Row(2).animation));
        QVERIFY(!pages.first.Control(1123));
        QCOMPARE(pages.first.Control(19), static_cast<QWidget*>(pages.first.Slot(1).Row(1).edit));
    }

    // A stored level shows as its item, an unknown value as no item; the
    // slot's other row keeps the first item, and the table is only read.
    void selectorsShowTheStoredValues()
    {
        const struct {
            int slot;
            int row;
            char field;  // b(rightness), s(peed), a(nimation)
            int stored;
            const char* shown;
        } cases[] = {{1, 1, 'b', 0, "1"},      {3, 2, 'b', 4, "2"},  {16, 2, 'b', 8, "3"},
                     {9, 1, 'b', 6, "2"},      {6, 1, 'b', 12, ""},  {12, 2, 'b', -4, ""},
                     {8, 2, 's', 8, "3"},      {13, 1, 's', 6, "2"}, {10, 2, 's', 12, ""},
                     {1, 1, 's', -4, ""},      {2, 2, 'a', 1, "SAĞDAN SOLA"},
                     {15, 1, 'a', 3, "AŞAĞIDAN YUKARIYA"}, {9, 2, 'a', 4, "PERDELE"},
                     {5, 1, 'a', 5, ""},       {11, 2, 'a', -1, ""}};
        for (const auto& c : cases) {
            Pages pages;
            auto& values = c.field == 'b' ? pages.table.rowBrightness
                           : c.field == 's' ? pages.table.rowSpeed : pages.table.rowAnimation;
            values[model::RowNumber(c.slot, c.row)] = c.stored;
            const std::string before = file::MessageFileBytes(pages.table);
            MessagePage& p = pages.Page(c.slot <= 8 ? 1 : 2);
            p.Create();
            const auto selectorOf = [&](int row) {
                const pages::RowControls& controls = p.Slot((c.slot - 1) % 8).Row(row);
                return c.field == 'b' ? controls.brightness : c.field == 's' ? controls.speed : controls.animation;
            };
            QCOMPARE(Shown(selectorOf(c.row)), QString::fromUtf8(c.shown));
            QCOMPARE(selectorOf(3 - c.row)->currentIndex(), 0);
            QCOMPARE(file::MessageFileBytes(pages.table), before);
        }
    }

    // Page 2 comes into being when first brought to the front, showing
    // what the table stored meanwhile, and only once.
    void theSecondPageIsCreatedWhenFirstActivated()
    {
        Pages pages;
        pages::PageSheet sheet;
        auto* first = new pages::CFirstPage(pages.seams);
        auto* second = new pages::CSecondPage(pages.seams);
        sheet.AddPage(first);
        sheet.AddPage(second);
        QCOMPARE(sheet.tabText(0) + sheet.tabText(1), QStringLiteral("SAYFA1SAYFA2"));
        QVERIFY(first->IsCreated() && first->Slot(0).Row(1).edit);
        QVERIFY(!second->IsCreated() && !second->Control(1024) && !second->Timer().isActive());
        QVERIFY(second->findChildren<QPlainTextEdit*>().isEmpty());

        pages.table.rowAnimation[model::RowNumber(9, 2)] = 4;
        sheet.SetActivePage(1);
        QVERIFY(second->IsCreated() && second->Timer().isActive());
        QCOMPARE(Shown(second->Slot(0).Row(2).animation), QStringLiteral("PERDELE"));
        sheet.SetActivePage(0);
        sheet.SetActivePage(1);
        QCOMPARE(second->findChildren<QPlainTextEdit*>().size(), 16);
    }

    // Row strings reach the edits with plain line breaks and come back with
    // CR LF, without counting as the operator's edit; a write leaves an edit
    // that already holds its text alone, cursor and undo history included.
    void dataExchangeCarriesRowsBothWays()
    {
        Pages pages;
        MessagePage& p = pages.second;
        p.Create();
        QPlainTextEdit* edit = p.Slot(2).Row(2).edit;
        QSignalSpy operatorEdits(edit, &QPlainTextEdit::textChanged);
        QCOMPARE(MessagePage::PageRow(2, 2), 5);
        p.SetRowString(5, u"İKİ\r\nSATIR");
        p.WriteEdits();
        QCOMPARE(edit->toPlainText(), QStringLiteral("İKİ\nSATIR"));
        QCOMPARE(operatorEdits.count(), 0);
        edit->setPlainText(QStringLiteral("YENİ"));
        QTextCursor typing = edit->textCursor();
        typing.movePosition(QTextCursor::End);
        typing.insertBlock();
        typing.insertText(QStringLiteral("MESAJ"));
        p.ReadEdits();
        QCOMPARE(p.RowString(5), std::u16string(u"YENİ\r\nMESAJ"));
        for (int other = 0; other < MessagePage::kRows; ++other)
            QCOMPARE(p.RowString(other).empty(), other != 5);

        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(1);
        edit->setTextCursor(cursor);
        p.WriteEdits();
        QCOMPARE(edit->textCursor().position(), 1);
        QVERIFY(edit->document()->isUndoAvailable());
    }

    // Each page from its own template in the template's font, every control
    // within the template's size.
    void controlsArePlacedByTheDialogUnitRule()
    {
        const std::tuple<int, int, QRect> cases[] = {{1, 1014, QRect(34, 10, 131, 14)},
                                                     {1, 1084, QRect(369, 217, 50, 14)},
                                                     {1, 1117, QRect(344, 247, 81, 14)},
                                                     {2, 1014, QRect(36, 11, 128, 14)},
                                                     {2, 1084, QRect(378, 222, 50, 14)}};
        for (const auto& [page, id, units] : cases) {
            Pages pages;
            MessagePage& p = pages.Page(page);
            p.Create();
            QCOMPARE(p.font().family(), QStringLiteral("Arial"));
            QCOMPARE(p.Control(id)->geometry(), testing::TemplatePixels(p.font(), units));
            for (const QWidget* child : p.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY(child->isWindow() || QRect(QPoint(0, 0), p.sizeHint()).contains(child->geometry()));
        }
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
