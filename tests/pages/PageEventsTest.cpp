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
    void typingReachesTheTableButProgramWritesDoNot()
    {
        for (const int page : {1, 2}) {
            Pages pages;
            MessagePage& p = pages.Page(page);
            p.Create();
            const int firstSlot = page == 1 ? 1 : 9;
            Type(p.Slot(2).Row(2).edit, QStringLiteral("Çay 5 TL"));
            QCOMPARE(pages.table.rowText[model::RowNumber(firstSlot + 2, 2)], std::u16string(u"Çay 5 TL"));
            p.SetRowString(MessagePage::PageRow(4, 1), u"program");
            p.WriteEdits();
            QCOMPARE(p.Slot(4).Row(1).edit->toPlainText(), QStringLiteral("program"));
            QVERIFY(pages.table.rowText[model::RowNumber(firstSlot + 4, 1)].empty());
        }
    }

    // The page's own selection changes nothing; the operator's stores the
    // item's value.
    void operatorChoicesStoreTheirValues()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        const std::tuple<QComboBox*, int, std::int32_t*, int> cases[] = {
            {p.Slot(0).Row(1).brightness, 2, &pages.table.rowBrightness[0], 8},
            {p.Slot(3).Row(2).speed, 1, &pages.table.rowSpeed[model::RowNumber(4, 2)], 4},
            {p.Slot(5).Row(1).animation, 1, &pages.table.rowAnimation[model::RowNumber(6, 1)], 1},
            {p.Slot(7).Row(2).animation, 4, &pages.table.rowAnimation[model::RowNumber(8, 2)], 4}};
        for (const auto& [selector, item, stored, expected] : cases) {
            selector->setCurrentIndex(item);
            QCOMPARE(*stored, 0);
            selector->setCurrentIndex(0);
            selector->setFocus();
            for (int step = 0; step < item; ++step)
                QTest::keyClick(selector, Qt::Key_Down);
            QCOMPARE(*stored, expected);
        }
    }

    // A ticked clock box makes row 2 the live date and time over the typed
    // text, which the table keeps; clearing it empties the row once.
    void clockRowFollowsTheClockAndOverridesTyping()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        QPlainTextEdit* row2 = p.Slot(1).Row(2).edit;
        p.Slot(1).twoRows->setChecked(true);
        Type(row2, QStringLiteral("typed before"));
        p.Slot(1).clock->setChecked(true);
        pages.clock.now = {2026, 12, 6, 0, 5, 9, 1};
        p.OnTimer();
        QCOMPARE(row2->toPlainText(), QStringLiteral("06/12/2026  00:05:09"));
        QCOMPARE(pages.table.clockRowShown[1], 1);
        QCOMPARE(pages.table.rowText[model::RowNumber(2, 2)], std::u16string(u"typed before"));

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

    // A one-row slot has no row 2 to edit, though its text stays; the
    // animation list and the clock box stay enabled. The boxes reach the
    // table at every tick, each page its own slots.
    void boxesReachTheTableAndTwoRowsEnablesRowTwo()
    {
        Pages pages;
        MessagePage& p = pages.second;
        p.Create();
        const pages::SlotControls& slot = p.Slot(4);
        Type(slot.Row(2).edit, QStringLiteral("kept"));
        for (const bool two : {false, true, false}) {
            slot.twoRows->setChecked(two);
            p.OnTimer();
            const pages::RowControls& row = slot.Row(2);
            QCOMPARE(row.edit->isEnabled() + row.brightness->isEnabled() + row.speed->isEnabled(), 3 * two);
            QVERIFY(row.animation->isEnabled() && slot.clock->isEnabled() && slot.Row(1).edit->isEnabled());
            QCOMPARE(int(pages.table.slotTwoRows[12]), int(two));
        }
        QCOMPARE(slot.Row(2).edit->toPlainText(), QStringLiteral("kept"));

        p.Slot(0).twoRows->setChecked(true);
        p.Slot(3).selected->setChecked(true);
        p.Slot(7).clock->setChecked(true);
        p.OnTimer();
        QCOMPARE(pages.table.slotTwoRows[8] + pages.table.slotSelected[11] + pages.table.slotClock[15], 3);
        QCOMPARE(pages.table.slotTwoRows[0], 0);
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
        table.slotTwoRows[0] = table.slotSelected[11] = table.slotClock[0] = 1;
        table.fileLoadedPage1 = table.fileLoadedPage2 = 1;

        pages.first.OnTimer();
        const pages::SlotControls& slot1 = pages.first.Slot(0);
        QCOMPARE(slot1.Row(1).edit->toPlainText(), QStringLiteral("MERHABA\nDÜNYA"));
        QCOMPARE(slot1.Row(2).brightness->currentText(), QStringLiteral("3"));
        QVERIFY(slot1.twoRows->isChecked() && slot1.clock->isChecked());
        QCOMPARE(table.fileLoadedPage1 + 2 * table.fileLoadedPage2, 2);
        // Read straight back at the same tick, unchanged.
        QCOMPARE(table.slotTwoRows[0] + table.slotClock[0], 2);
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

    // With "ENGLISH" chosen, a slot keeps only the characters below 128.
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
        QCOMPARE(p.Slot(5).Row(1).edit->toPlainText() + p.Slot(5).Row(2).edit->toPlainText(),
                 QStringLiteral("EKER rnay"));
        QCOMPARE(p.Slot(6).Row(1).edit->toPlainText(), QStringLiteral("Gönder"));
    }
};

QTEST_MAIN(PageEventsTest)
#include "PageEventsTest.moc"
