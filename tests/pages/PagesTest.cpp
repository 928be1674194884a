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
#include "pages/RowText.h"
#include "tests/pages/PageFixture.h"

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

// Types into an edit as the operator does, key by key.
void Type(QPlainTextEdit* edit, const QString& text)
{
    edit->moveCursor(QTextCursor::End);
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character), Qt::NoModifier);
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
    // send buttons light up to the face shifted by 30. Creating writes
    // nothing.
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

            QCOMPARE(p.findChildren<controls::CHotButton*>().size() + p.findChildren<QPlainTextEdit*>().size(), 8 + 16);
            QCOMPARE(p.findChildren<QCheckBox*>().size() + p.findChildren<QComboBox*>().size(), 24 + 56);
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
        } cases[] = {{1, 1, 'b', 0, "1"},   {3, 2, 'b', 4, "2"},   {16, 2, 'b', 8, "3"}, {9, 1, 'b', 6, "2"},
                     {6, 1, 'b', 12, ""},  {12, 2, 'b', -4, ""},  {8, 2, 's', 8, "3"},  {13, 1, 's', 6, "2"},
                     {10, 2, 's', 12, ""}, {1, 1, 's', -4, ""},   {9, 2, 'a', 4, "PERDELE"}, {5, 1, 'a', 5, ""},
                     {2, 2, 'a', 1, "SAĞDAN SOLA"}, {15, 1, 'a', 3, "AŞAĞIDAN YUKARIYA"}, {11, 2, 'a', -1, ""}};
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
        auto* second = new pages::CSecondPage(pages.seams);
        sheet.AddPage(new pages::CFirstPage(pages.seams));
        sheet.AddPage(second);
        QCOMPARE(sheet.tabText(0) + sheet.tabText(1), QStringLiteral("SAYFA1SAYFA2"));
        QVERIFY(!second->IsCreated() && second->findChildren<QPlainTextEdit*>().isEmpty() && !second->Timer().isActive());
        pages.table.rowAnimation[model::RowNumber(9, 2)] = 4;
        sheet.SetActivePage(1);
        QVERIFY(second->IsCreated() && second->Timer().isActive());
        QCOMPARE(Shown(second->Slot(0).Row(2).animation), QStringLiteral("PERDELE"));
        sheet.SetActivePage(0);
        sheet.SetActivePage(1);
        QCOMPARE(second->findChildren<QPlainTextEdit*>().size(), 16);
    }

    // Row strings reach the edits with plain line breaks and come back with
    // CR LF, without counting as the operator's edit, while typing reaches
    // the table at once; a write leaves an edit that already holds its text
    // alone, cursor and undo history included.
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
        QVERIFY(pages.table.rowText[model::RowNumber(11, 2)].empty());
        Type(edit, QStringLiteral(" Çay"));
        QCOMPARE(pages.table.rowText[model::RowNumber(11, 2)], std::u16string(u"İKİ\r\nSATIR Çay"));
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

    // Every line break an edit is given, CR LF, a lone CR or LF, reads back
    // as CR LF, as the page expects an edit to hold it; so does a line
    // break typed with Shift.
    void anEditShowsTheRowAndGivesItBackWithCrLf()
    {
        const std::tuple<const char*, int, const char*> cases[] = {
            {"", 1, ""}, {"MERHABA", 1, "MERHABA"}, {"A\r\nB", 2, "A\r\nB"}, {"A\r\n\r\nB", 3, "A\r\n\r\nB"},
            {"A\nB", 2, "A\r\nB"}, {"A\rB", 2, "A\r\nB"}, {"A\r\n", 2, "A\r\n"}, {"ŞÜ\u00A0Ç", 1, "ŞÜ\u00A0Ç"}};
        for (const auto& [row, lines, readBack] : cases) {
            QPlainTextEdit edit;
            edit.setPlainText(pages::EditTextOf(QString::fromUtf8(row).toStdU16String()));
            QCOMPARE(edit.blockCount(), lines);
            const QString raw = edit.document()->toRawText();
            QCOMPARE(QString::fromStdU16String(pages::RowTextOf(raw)), QString::fromUtf8(readBack));
            QCOMPARE(QString::fromStdU16String(pages::NormalizedRowText(QString::fromUtf8(row).toStdU16String())),
                     QString::fromUtf8(readBack));
        }
        QPlainTextEdit edit;
        edit.show();
        QTest::keyClicks(&edit, QStringLiteral("AB"));
        QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(&edit, QStringLiteral("C"));
        QCOMPARE(pages::RowTextOf(edit.document()->toRawText()), std::u16string(u"AB\r\nC"));
    }

    // Each page in its template's font, every control within the
    // template's size.
    void controlsLieWithinTheTemplate()
    {
        for (const int page : {1, 2}) {
            Pages pages;
            MessagePage& p = pages.Page(page);
            p.Create();
            QCOMPARE(p.font().family(), QStringLiteral("Arial"));
            for (const QWidget* child : p.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY(child->isWindow() || QRect(QPoint(0, 0), p.sizeHint()).contains(child->geometry()));
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
    // animation list and the clock box stay enabled. The box reaches the
    // table at every tick.
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
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
