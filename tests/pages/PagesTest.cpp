#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>

#include "tests/pages/PageFixture.h"
#include "controls/CHotButton.h"
#include "model/MessageTable.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/Bitmaps.h"

using namespace velnar;
using pages::MessagePage;
using testing::Pages;

namespace {

const QStringList kAnimations = {
    QStringLiteral("SOLDAN SAĞA"),       QStringLiteral("SAĞDAN SOLA"), QStringLiteral("YUKARIDAN AŞAĞIYA"),
    QStringLiteral("AŞAĞIDAN YUKARIYA"), QStringLiteral("PERDELE"),
};
const QStringList kLevels = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
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

// The dialog-unit rule in floating point, independent of the builder.
int Scaled(int units, int base, int divisor)
{
    return static_cast<int>(std::floor(units * static_cast<double>(base) / divisor + 0.5));
}

QRect Pixels(const QFont& font, QRect units)
{
    const QFontMetrics metrics(font);
    const int x = static_cast<int>(std::lround(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0));
    const int y = metrics.height();
    return {Scaled(units.x(), x, 4), Scaled(units.y(), y, 8), Scaled(units.width(), x, 4),
            Scaled(units.height(), y, 8)};
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

    void aFreshPageShowsAnEmptyTable_data() { testing::AddBothPages(); }
    void aFreshPageShowsAnEmptyTable()
    {
        QFETCH(int, page);
        Pages pages;
        MessagePage& p = pages.Page(page);
        p.Create();
        for (int j = 0; j < MessagePage::kSlots; ++j) {
            const pages::SlotControls& slot = p.Slot(j);
            for (int row = 1; row <= 2; ++row) {
                QVERIFY(slot.Row(row).edit->toPlainText().isEmpty());
                QCOMPARE(Items(slot.Row(row).animation), kAnimations);
                QCOMPARE(Shown(slot.Row(row).animation), kAnimations[0]);
                QCOMPARE(Items(slot.Row(row).brightness), kLevels);
                QCOMPARE(Items(slot.Row(row).speed), kLevels);
                QCOMPARE(Shown(slot.Row(row).brightness), QStringLiteral("1"));
                QCOMPARE(Shown(slot.Row(row).speed), QStringLiteral("1"));
            }
            QVERIFY(!slot.twoRows->isChecked());
            QVERIFY(!slot.selected->isChecked());
            QVERIFY(!slot.clock->isChecked());
            QCOMPARE(Items(slot.language), (QStringList{QStringLiteral("ENGLISH"), QStringLiteral("TÜRKÇE")}));
            QCOMPARE(Shown(slot.language), QStringLiteral("TÜRKÇE"));
            QVERIFY(slot.language->isHidden());
            QVERIFY(!slot.language->isEnabled());
        }
        QVERIFY(qobject_cast<QLabel*>(p.Control(1119))->isHidden());
        QCOMPARE(qobject_cast<QLabel*>(p.Control(1119))->text(), QStringLiteral("DİL"));
        QCOMPARE(qobject_cast<QLabel*>(p.Control(1121))->text(), QStringLiteral("ANİMASYON"));
        QCOMPARE(qobject_cast<QLabel*>(p.Control(1120))->text(), QStringLiteral("SEÇİM"));
        QCOMPARE(p.ShowInTurnButton()->text(), QStringLiteral("SIRAYLA GÖSTER"));
        QCOMPARE(p.Caption(), page == 1 ? QStringLiteral("SAYFA1") : QStringLiteral("SAYFA2"));
        const model::MessageTable untouched;
        QVERIFY(pages.table.rowAnimation == untouched.rowAnimation);
        QVERIFY(pages.table.rowBrightness == untouched.rowBrightness);
        QVERIFY(pages.table.rowSpeed == untouched.rowSpeed);
        QVERIFY(pages.table.rowText == untouched.rowText);
    }

    void everyControlIsBoundOnceWithItsKind_data() { testing::AddBothPages(); }
    void everyControlIsBoundOnceWithItsKind()
    {
        QFETCH(int, page);
        Pages pages;
        MessagePage& p = pages.Page(page);
        p.Create();
        for (int j = 0; j < MessagePage::kSlots; ++j) {
            const pages::SlotControls& slot = p.Slot(j);
            for (const pages::RowControls& row : slot.rows) {
                QCOMPARE(row.edit->lineWrapMode(), QPlainTextEdit::WidgetWidth);
                QCOMPARE(row.edit->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            }
            // The send buttons light up to the face shifted by 30.
            QCOMPARE(slot.send->Color(controls::CHotButton::ColorNormalBack), kFace.rgb());
            QCOMPARE(slot.send->Color(controls::CHotButton::ColorHotBack), qRgb(222, 222, 222));
        }
        // Bitmap 129 centred on the face, which its magenta lets through;
        // the face may be narrower than the bitmap.
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
        QVERIFY(p.Timer().isActive());
        QCOMPARE(p.Timer().interval(), 50);
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

    void selectorsShowTheStoredValues_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("j");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("brightness 0") << 1 << 0 << 1 << "brightness" << 0 << "1";
        QTest::newRow("brightness 4") << 1 << 2 << 2 << "brightness" << 4 << "2";
        QTest::newRow("brightness 8") << 2 << 7 << 2 << "brightness" << 8 << "3";
        QTest::newRow("brightness 6") << 2 << 0 << 1 << "brightness" << 6 << "2";
        QTest::newRow("brightness 12") << 1 << 5 << 1 << "brightness" << 12 << "";
        QTest::newRow("brightness -4") << 2 << 3 << 2 << "brightness" << -4 << "";
        QTest::newRow("speed 8") << 1 << 7 << 2 << "speed" << 8 << "3";
        QTest::newRow("speed 6") << 2 << 4 << 1 << "speed" << 6 << "2";
        QTest::newRow("speed 12") << 2 << 1 << 2 << "speed" << 12 << "";
        QTest::newRow("speed -4") << 1 << 0 << 1 << "speed" << -4 << "";
        QTest::newRow("animation 1") << 1 << 1 << 2 << "animation" << 1 << "SAĞDAN SOLA";
        QTest::newRow("animation 3") << 2 << 6 << 1 << "animation" << 3 << "AŞAĞIDAN YUKARIYA";
        QTest::newRow("animation 4") << 2 << 0 << 2 << "animation" << 4 << "PERDELE";
        QTest::newRow("animation 5") << 1 << 4 << 1 << "animation" << 5 << "";
        QTest::newRow("animation -1") << 2 << 2 << 2 << "animation" << -1 << "";
    }

    void selectorsShowTheStoredValues()
    {
        QFETCH(int, page);
        QFETCH(int, j);
        QFETCH(int, row);
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(QString, shown);

        Pages pages;
        const int slot = (page - 1) * 8 + j + 1;
        const auto entry = static_cast<std::size_t>(model::RowNumber(slot, row));
        auto& values = field == QLatin1String("brightness") ? pages.table.rowBrightness
                       : field == QLatin1String("speed")    ? pages.table.rowSpeed
                                                            : pages.table.rowAnimation;
        values[entry] = stored;
        const model::MessageTable before = pages.table;

        MessagePage& p = pages.Page(page);
        p.Create();
        auto selectorOf = [&](int r) {
            const pages::RowControls& controls = p.Slot(j).Row(r);
            return field == QLatin1String("brightness") ? controls.brightness
                   : field == QLatin1String("speed")    ? controls.speed
                                                        : controls.animation;
        };
        QCOMPARE(Shown(selectorOf(row)), shown);
        // The slot's other row keeps the first item.
        QCOMPARE(selectorOf(3 - row)->currentIndex(), 0);
        // Initialisation reads the table and never writes it.
        QVERIFY(pages.table.rowAnimation == before.rowAnimation);
        QVERIFY(pages.table.rowBrightness == before.rowBrightness);
        QVERIFY(pages.table.rowSpeed == before.rowSpeed);
    }

    void theSecondPageIsCreatedWhenFirstActivated()
    {
        Pages pages;
        pages::PageSheet sheet;
        auto* first = new pages::CFirstPage(pages.seams);
        auto* second = new pages::CSecondPage(pages.seams);
        sheet.AddPage(first);
        sheet.AddPage(second);
        QCOMPARE(sheet.tabText(0), QStringLiteral("SAYFA1"));
        QCOMPARE(sheet.tabText(1), QStringLiteral("SAYFA2"));

        QVERIFY(first->IsCreated());
        QVERIFY(first->Slot(0).Row(1).edit);
        QVERIFY(!second->IsCreated());
        QVERIFY(!second->Control(1024));
        QVERIFY(second->findChildren<QPlainTextEdit*>().isEmpty());
        QVERIFY(!second->Timer().isActive());

        // A value stored before the page exists shows when it is created.
        pages.table.rowAnimation[static_cast<std::size_t>(model::RowNumber(9, 2))] = 4;
        sheet.SetActivePage(1);
        QVERIFY(second->IsCreated());
        QVERIFY(second->Timer().isActive());
        QCOMPARE(Shown(second->Slot(0).Row(2).animation), QStringLiteral("PERDELE"));

        // Coming back creates nothing a second time.
        sheet.SetActivePage(0);
        sheet.SetActivePage(1);
        QCOMPARE(second->findChildren<QPlainTextEdit*>().size(), 16);
        QCOMPARE(first->findChildren<QPlainTextEdit*>().size(), 16);
    }

    void dataExchangeCarriesRowsBothWaysAsProgramWrites()
    {
        Pages pages;
        MessagePage& p = pages.second;
        p.Create();
        QPlainTextEdit* edit = p.Slot(2).Row(2).edit;
        QSignalSpy operatorEdits(edit, &QPlainTextEdit::textChanged);
        const int pageRow = MessagePage::PageRow(2, 2);
        QCOMPARE(pageRow, 5);

        p.SetRowString(pageRow, u"İKİ\r\nSATIR");
        p.WriteEdits();
        QCOMPARE(edit->toPlainText(), QStringLiteral("İKİ\nSATIR"));
        QCOMPARE(operatorEdits.count(), 0);

        edit->setPlainText(QStringLiteral("YENİ\nMESAJ"));
        p.ReadEdits();
        QCOMPARE(p.RowString(pageRow), std::u16string(u"YENİ\r\nMESAJ"));
        for (int other = 0; other < MessagePage::kRows; ++other)
            QCOMPARE(p.RowString(other).empty(), other != pageRow);
    }

    void aWriteLeavesAnEditThatHoldsItsTextAlone()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        p.show();
        QPlainTextEdit* edit = p.Slot(0).Row(1).edit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("AB"));
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClicks(edit, QStringLiteral("C"));
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(1);
        edit->setTextCursor(cursor);

        p.ReadEdits();
        QCOMPARE(p.RowString(0), std::u16string(u"AB\r\nC"));
        p.WriteEdits();
        // Rewriting would have moved the cursor and emptied the undo history.
        QCOMPARE(edit->textCursor().position(), 1);
        QVERIFY(edit->document()->isUndoAvailable());
    }

    void controlsArePlacedByTheDialogUnitRule_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("units");
        QTest::newRow("page 1 slot 1 row-1 edit") << 1 << 1014 << QRect(34, 10, 131, 14);
        QTest::newRow("page 1 slot 8 send") << 1 << 1084 << QRect(369, 217, 50, 14);
        QTest::newRow("page 1 button 1117") << 1 << 1117 << QRect(344, 247, 81, 14);
        QTest::newRow("page 2 slot 9 row-1 edit") << 2 << 1014 << QRect(36, 11, 128, 14);
        QTest::newRow("page 2 slot 16 send") << 2 << 1084 << QRect(378, 222, 50, 14);
    }

    void controlsArePlacedByTheDialogUnitRule()
    {
        QFETCH(int, page);
        QFETCH(int, id);
        QFETCH(QRect, units);
        Pages pages;
        MessagePage& p = pages.Page(page);
        p.Create();
        QCOMPARE(p.font().family(), QStringLiteral("Arial"));
        QCOMPARE(p.Control(id)->geometry(), Pixels(p.font(), units));
        // Every control lies within the template's size.
        const QRect area(QPoint(0, 0), p.sizeHint());
        for (const QWidget* child : p.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!child->isWindow())
                QVERIFY(area.contains(child->geometry()));
        }
    }

    void thePageOwnsItsCompletionNotice()
    {
        Pages pages;
        QDialog& notice = pages.second.CompletionDialog();
        QVERIFY(!notice.isVisible());
        QCOMPARE(notice.windowTitle(), QStringLiteral("VELNAR MESSAGES"));
        QCOMPARE(notice.findChild<QLabel*>()->text(), QStringLiteral("Send Complete!"));
        notice.show();
        notice.findChild<QPushButton*>()->click();
        QCOMPARE(notice.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
