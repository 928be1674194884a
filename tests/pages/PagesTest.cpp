#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "file/MessageFileWriter.h"
#include "model/MessageTable.h"
#include "pages/RowText.h"
#include "tests/pages/PageFixture.h"

using namespace velnar;
using pages::MessagePage;
using testing::Pages;

namespace {

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
    // Each page's controls on their first items; creating writes nothing.
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
            }
            QVERIFY(p.Control(1119)->isHidden());
            const std::pair<int, const char*> captions[] = {{1119, "DİL"}, {1121, "ANİMASYON"}, {1120, "SEÇİM"}};
            for (const auto& [id, caption] : captions)
                QCOMPARE(qobject_cast<QLabel*>(p.Control(id))->text(), QString::fromUtf8(caption));
            QCOMPARE(p.ShowInTurnButton()->text(), QStringLiteral("SIRAYLA GÖSTER"));

            QCOMPARE(file::MessageFileBytes(pages.table), file::MessageFileBytes(model::MessageTable()));
        }
    }

    void selectorsAndTheTableAgree_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("brightness 8, slot 16 row 2") << 16 << 2 << "brightness" << 8 << "3";
        QTest::newRow("brightness 6, between items") << 9 << 1 << "brightness" << 6 << "2";
        QTest::newRow("brightness 12, beyond the items") << 6 << 1 << "brightness" << 12 << "";
        QTest::newRow("speed 4, slot 4 row 2") << 4 << 2 << "speed" << 4 << "2";
        QTest::newRow("speed -4, no selection") << 1 << 1 << "speed" << -4 << "";
        QTest::newRow("animation 4, slot 8 row 2") << 8 << 2 << "animation" << 4 << "PERDELE";
        QTest::newRow("animation 5, beyond the items") << 5 << 1 << "animation" << 5 << "";
    }

    // A stored level shows as its item; only the operator's choice stores one.
    void selectorsAndTheTableAgree()
    {
        QFETCH(int, slot);
        QFETCH(int, row);
        QFETCH(QString, field);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        Pages pages;
        auto& values = field == QStringLiteral("brightness") ? pages.table.rowBrightness
                       : field == QStringLiteral("speed")    ? pages.table.rowSpeed
                                                             : pages.table.rowAnimation;
        std::int32_t& value = values[model::RowNumber(slot, row)];
        value = stored;
        const std::string before = file::MessageFileBytes(pages.table);
        MessagePage& p = pages.Page(slot <= 8 ? 1 : 2);
        p.Create();
        const auto selectorOf = [&](int r) {
            const pages::RowControls& controls = p.Slot((slot - 1) % 8).Row(r);
            return field == QStringLiteral("brightness") ? controls.brightness
                   : field == QStringLiteral("speed")    ? controls.speed
                                                         : controls.animation;
        };
        QCOMPARE(Shown(selectorOf(row)), shown);
        QCOMPARE(selectorOf(3 - row)->currentIndex(), 0);
        QCOMPARE(file::MessageFileBytes(pages.table), before);

        const int item = selectorOf(row)->currentIndex();
        if (slot > 8 || item <= 0 || stored == 6)
            return;
        selectorOf(row)->setCurrentIndex(0);
        value = 0;
        selectorOf(row)->setCurrentIndex(item);
        QCOMPARE(value, 0);
        selectorOf(row)->setCurrentIndex(0);
        selectorOf(row)->setFocus();
        for (int step = 0; step < item; ++step)
            QTest::keyClick(selectorOf(row), Qt::Key_Down);
        QCOMPARE(value, stored);
    }

    // Every kind of line break reads back from an edit as CR LF.
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

    // A ticked clock box shows the time over row 2's kept text; clearing empties the row once.
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

    // A one-row slot disables row 2 but keeps its text; the box reaches the table.
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

    // Tab visits all of slot 1's rows and selectors before slot 2.
    void tabFinishesASlotBeforeTheNext()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        const pages::SlotControls& slot = p.Slot(0);
        slot.twoRows->setChecked(true);
        p.OnTimer();
        p.show();
        p.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&p));
        slot.Row(1).edit->setFocus();
        QSet<QWidget*> reached;
        for (int step = 0; step < 40 && p.SlotOf(QApplication::focusWidget()) != 1; ++step) {
            reached << QApplication::focusWidget();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(p.SlotOf(QApplication::focusWidget()), 1);
        for (const pages::RowControls& row : slot.rows) {
            for (QWidget* control : {static_cast<QWidget*>(row.edit), static_cast<QWidget*>(row.animation),
                                     static_cast<QWidget*>(row.brightness), static_cast<QWidget*>(row.speed)})
                QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
        }
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
