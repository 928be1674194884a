#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

#include "link/LocalClock.h"
#include "model/MessageTable.h"
#include "tests/pages/PageFixture.h"

using namespace velnar;
using pages::MessagePage;
using testing::Pages;

namespace {

QString Qt16(const std::u16string& text)
{
    return QString::fromStdU16String(text);
}

// Types into an edit as the operator does, key by key.
void Type(QPlainTextEdit* edit, const QString& text)
{
    edit->moveCursor(QTextCursor::End);
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

}  // namespace

class PageEventsTest : public QObject {
    Q_OBJECT

private slots:
    void typingReachesTheTableButProgramWritesDoNot_data() { testing::AddBothPages(); }
    void typingReachesTheTableButProgramWritesDoNot()
    {
        QFETCH(int, page);
        Pages pages;
        MessagePage& p = pages.Page(page);
        p.Create();
        const int firstSlot = page == 1 ? 1 : 9;

        Type(p.Slot(2).Row(2).edit, QStringLiteral("Çay 5 TL"));
        QCOMPARE(Qt16(pages.table.rowText[model::RowNumber(firstSlot + 2, 2)]), QStringLiteral("Çay 5 TL"));

        p.SetRowString(MessagePage::PageRow(4, 1), u"program");
        p.WriteEdits();
        QCOMPARE(p.Slot(4).Row(1).edit->toPlainText(), QStringLiteral("program"));
        QVERIFY(pages.table.rowText[model::RowNumber(firstSlot + 4, 1)].empty());
    }

    void operatorChoicesStoreTheirValues()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        const struct {
            QComboBox* selector;
            int item;
            std::int32_t* stored;
            int expected;
        } cases[] = {
            {p.Slot(0).Row(1).brightness, 2, &pages.table.rowBrightness[0], 8},
            {p.Slot(3).Row(2).speed, 1, &pages.table.rowSpeed[model::RowNumber(4, 2)], 4},
            {p.Slot(5).Row(1).animation, 1, &pages.table.rowAnimation[model::RowNumber(6, 1)], 1},
            {p.Slot(7).Row(2).animation, 4, &pages.table.rowAnimation[model::RowNumber(8, 2)], 4},
        };
        for (const auto& c : cases) {
            // The page's own selection changes nothing; the operator's does.
            c.selector->setCurrentIndex(c.item);
            QCOMPARE(*c.stored, 0);
            c.selector->setCurrentIndex(0);
            c.selector->setFocus();
            for (int step = 0; step < c.item; ++step)
                QTest::keyClick(c.selector, Qt::Key_Down);
            QCOMPARE(c.selector->currentIndex(), c.item);
            QCOMPARE(*c.stored, c.expected);
        }
    }

    void clockRowFollowsTheClockAndOverridesTyping()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        QPlainTextEdit* row2 = p.Slot(1).Row(2).edit;
        p.Slot(1).twoRows->setChecked(true);
        Type(row2, QStringLiteral("typed before"));
        const std::u16string typed = pages.table.rowText[model::RowNumber(2, 2)];

        p.Slot(1).clock->setChecked(true);
        pages.clock.now = {2026, 12, 6, 0, 5, 9, 1};
        p.OnTimer();
        QCOMPARE(row2->toPlainText(), QStringLiteral("06/12/2026  00:05:09"));
        QCOMPARE(pages.table.clockRowShown[1], 1);
        // The clock row is the page's writing: the table keeps the typed text.
        QCOMPARE(pages.table.rowText[model::RowNumber(2, 2)], typed);

        pages.clock.now.second = 10;
        Type(row2, QStringLiteral("x"));
        p.OnTimer();
        QCOMPARE(row2->toPlainText(), QStringLiteral("06/12/2026  00:05:10"));

        p.Slot(1).clock->setChecked(false);
        p.OnTimer();
        QCOMPARE(row2->toPlainText(), QString());
        QCOMPARE(pages.table.clockRowShown[1], 0);
        Type(row2, QStringLiteral("new text"));
        p.OnTimer();
        QCOMPARE(row2->toPlainText(), QStringLiteral("new text"));
    }

    void twoRowsBoxEnablesRowTwo()
    {
        Pages pages;
        MessagePage& p = pages.second;
        p.Create();
        const pages::SlotControls& slot = p.Slot(4);
        Type(slot.Row(2).edit, QStringLiteral("kept"));

        slot.twoRows->setChecked(false);
        p.OnTimer();
        QVERIFY(!slot.Row(2).edit->isEnabled());
        QVERIFY(!slot.Row(2).brightness->isEnabled());
        QVERIFY(!slot.Row(2).speed->isEnabled());
        QVERIFY(slot.Row(2).animation->isEnabled());
        QVERIFY(slot.clock->isEnabled());
        QVERIFY(slot.Row(1).edit->isEnabled());
        QCOMPARE(slot.Row(2).edit->toPlainText(), QStringLiteral("kept"));
        QCOMPARE(pages.table.slotTwoRows[12], 0);

        slot.twoRows->setChecked(true);
        p.OnTimer();
        QVERIFY(slot.Row(2).edit->isEnabled());
        QVERIFY(slot.Row(2).brightness->isEnabled());
        QVERIFY(slot.Row(2).speed->isEnabled());
        QCOMPARE(pages.table.slotTwoRows[12], 1);
    }

    void boxesAreCopiedIntoTheTableEveryTick()
    {
        Pages pages;
        MessagePage& p = pages.second;
        p.Create();
        p.Slot(0).twoRows->setChecked(true);
        p.Slot(3).selected->setChecked(true);
        p.Slot(7).clock->setChecked(true);
        p.OnTimer();
        QCOMPARE(pages.table.slotTwoRows[8], 1);
        QCOMPARE(pages.table.slotSelected[11], 1);
        QCOMPARE(pages.table.slotClock[15], 1);
        QCOMPARE(pages.table.slotTwoRows[0], 0);  // page 1's slots are page 1's business
    }

    void aLoadedFileReachesEachPageAtItsNextTick()
    {
        Pages pages;
        pages.first.Create();
        model::MessageTable& table = pages.table;
        table.rowText[model::RowNumber(1, 1)] = u"MERHABA\r\nDÜNYA";
        table.rowText[model::RowNumber(12, 2)] = u"slot 12";
        table.rowBrightness[model::RowNumber(1, 2)] = 8;
        table.rowSpeed[model::RowNumber(12, 1)] = 4;
        table.rowAnimation[model::RowNumber(12, 2)] = 3;
        table.slotTwoRows[0] = 1;
        table.slotSelected[11] = 1;
        table.slotClock[0] = 1;
        table.fileLoadedPage1 = 1;
        table.fileLoadedPage2 = 1;

        pages.first.OnTimer();
        const pages::SlotControls& slot1 = pages.first.Slot(0);
        QCOMPARE(slot1.Row(1).edit->toPlainText(), QStringLiteral("MERHABA\nDÜNYA"));
        QCOMPARE(slot1.Row(2).brightness->currentText(), QStringLiteral("3"));
        QVERIFY(slot1.twoRows->isChecked());
        QVERIFY(slot1.clock->isChecked());
        QCOMPARE(table.fileLoadedPage1, 0);
        QCOMPARE(table.fileLoadedPage2, 1);
        // Read straight back at the same tick, unchanged; the clock row shows
        // the time while the file's row 2 text stays in the table.
        QCOMPARE(table.slotTwoRows[0], 1);
        QCOMPARE(table.slotClock[0], 1);
        QCOMPARE(table.rowText[model::RowNumber(1, 1)], u"MERHABA\r\nDÜNYA");

        // Page 2, first shown later: selections at once, texts and boxes at
        // its first tick.
        pages.second.Create();
        const pages::SlotControls& slot12 = pages.second.Slot(3);
        QCOMPARE(slot12.Row(1).speed->currentText(), QStringLiteral("2"));
        QCOMPARE(slot12.Row(2).animation->currentIndex(), 3);
        QVERIFY(slot12.Row(2).edit->toPlainText().isEmpty());
        pages.second.OnTimer();
        QCOMPARE(slot12.Row(2).edit->toPlainText(), QStringLiteral("slot 12"));
        QVERIFY(slot12.selected->isChecked());
        QCOMPARE(table.fileLoadedPage2, 0);
    }

    void englishKeepsOnlyCharactersBelow128()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        Type(p.Slot(5).Row(1).edit, QStringLiteral("ŞEKER Ürün"));
        Type(p.Slot(5).Row(2).edit, QStringLiteral("çay"));
        Type(p.Slot(6).Row(1).edit, QStringLiteral("Gönder"));

        p.OnTimer();
        QCOMPARE(p.Slot(5).Row(1).edit->toPlainText(), QStringLiteral("ŞEKER Ürün"));

        p.Slot(5).language->setCurrentIndex(0);
        p.OnTimer();
        QCOMPARE(p.Slot(5).Row(1).edit->toPlainText(), QStringLiteral("EKER rn"));
        QCOMPARE(p.Slot(5).Row(2).edit->toPlainText(), QStringLiteral("ay"));
        QCOMPARE(p.Slot(6).Row(1).edit->toPlainText(), QStringLiteral("Gönder"));
    }
};

QTEST_MAIN(PageEventsTest)
#include "PageEventsTest.moc"
