#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/CMainDialog.h"
#include "controls/CHotButton.h"
#include "link/Frame.h"
#include "link/PortDirectory.h"
#include "model/MessageTable.h"
#include "pages/PageSheet.h"
#include "res/DialogIds.h"
#include "sign/FrameDecoder.h"
#include "sign/SignDisplay.h"
#include "sign/SlotPreview.h"
#include "tests/pages/PageFixture.h"

using namespace velnar;
using pages::MessagePage;
using testing::Pages;

namespace {

// The slots the sign hears about, in order, one entry per run of frames.
class SlotLog {
public:
    explicit SlotLog(link::SignLink& signLink)
    {
        signLink.SetExchangeObserver([this](link::ExchangeKind, const link::Frame& frame, link::ExchangeResult) {
            const int slot = sign::DecodeFrame(frame).SlotIndex() + 1;
            if (seen.isEmpty() || seen.back() != slot)
                seen << slot;
        });
    }
    QList<int> seen;
};

QList<int> Range(int first, int last)
{
    QList<int> range;
    for (int slot = first; slot <= last; ++slot)
        range << slot;
    return range;
}

}  // namespace

class PageSendingTest : public QObject {
    Q_OBJECT

private slots:
    // A send button sends its slot as the controls hold it; slot 2 answers with a box.
    void sendButtonSendsTheSlotAsItsControlsHoldIt()
    {
        Pages pages;
        MessagePage& p = pages.first;
        p.Create();
        const pages::SlotControls& slot = p.Slot(2);
        slot.Row(1).edit->setPlainText(QStringLiteral("MERHABA"));
        slot.twoRows->setChecked(true);
        slot.selected->setChecked(true);
        slot.Row(1).animation->setCurrentIndex(1);
        pages.table.rowBrightness[model::RowNumber(3, 1)] = 8;
        pages.table.rowSpeed[model::RowNumber(3, 1)] = 4;
        slot.send->click();
        const sign::SignSlot& shown = pages.line.sign.Slot(2);
        QCOMPARE(QString::fromStdU16String(shown.rows[0].text), QStringLiteral("MERHABA"));
        QCOMPARE((QList<int>{shown.rows[0].animation, shown.rows[0].brightness, shown.rows[0].speed}), (QList<int>{1, 8, 4}));
        QVERIFY(shown.selected);
        QCOMPARE(pages.table.rowAnimation[model::RowNumber(3, 1)], 1);
        p.Slot(1).Row(1).edit->setPlainText(QStringLiteral("A"));
        p.Slot(1).send->click();
        QCOMPARE(pages.modal.shown.size(), std::size_t{2});
        for (const testing::RecordingRunner::Shown& notice : pages.modal.shown) {
            QCOMPARE(notice.title, QStringLiteral("VELNAR MESSAGES"));
            QCOMPARE(notice.labels, QStringList{QStringLiteral("Send Complete!")});
        }
        QVERIFY(pages.modal.shown[1].buttons.contains(QStringLiteral("&OK")) ||
                pages.modal.shown[1].buttons.contains(QStringLiteral("OK")));

        MessagePage& second = pages.second;
        second.Create();
        second.Slot(1).Row(1).edit->setPlainText(QStringLiteral("A"));
        second.Slot(1).Row(1).brightness->setCurrentIndex(2);
        second.Slot(1).Row(1).speed->setCurrentIndex(-1);
        second.Slot(1).send->click();
        const sign::SignSlot::Row& sent = pages.line.sign.Slot(9).rows[0];
        QCOMPARE((QList<int>{pages.table.rowBrightness[model::RowNumber(10, 1)], pages.table.rowSpeed[model::RowNumber(10, 1)],
                             sent.brightness, sent.speed}), (QList<int>{8, -4, 8, 0xFC}));
    }

    // "Sending Data!" stands beside the slot while it is sent.
    void progressLabelStandsAtItsSlotWhileItIsSent()
    {
        const std::tuple<int, int, QPoint> cases[] = {{1, 0, QPoint(550, 40)}, {2, 7, QPoint(560, 355)}};
        for (const auto& [page, j, position] : cases) {
            Pages pages;
            MessagePage& p = pages.Page(page);
            p.Create();
            p.Slot(j).Row(1).edit->setPlainText(QString(30, QLatin1Char('x')));
            p.Slot(j).twoRows->setChecked(true);
            p.resize(720, 400);  // as in the main window's sheet
            p.show();
            QVERIFY(QTest::qWaitForWindowExposed(&p));
            QLabel* label = p.ProgressIndicator(j);
            QVERIFY(!label->isVisible());
            QCOMPARE(label->text(), QStringLiteral("Sending Data!"));
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(253, 125, 100));
            QCOMPARE(label->palette().color(QPalette::Window), QColor(0, 255, 255));
            painted_ = 0;
            label->installEventFilter(this);
            p.Slot(j).send->click();
            QVERIFY(!label->isVisible());
            QCOMPARE(label->pos(), position);
            QCOMPARE(painted_, page == 1 ? 4 : 1);
        }
    }

    // A silent sign: "Equipment Error!" with what the sign did and the port's problem.
    void aSignThatDoesNotAnswerIsTold()
    {
        Pages pages;
        pages.line.sign.Faults().silent = true;
        pages.portProblem = QStringLiteral("/dev/ttyS0: Input/output error");
        pages.first.Create();
        pages.first.Slot(0).send->click();
        QCOMPARE(pages.modal.Texts().join(QLatin1Char('\n')),
                 QStringLiteral("Equipment Error!\nThe sign did not answer BLANK row 1.\n/dev/ttyS0: Input/output error"));
        QVERIFY(!pages.session.Active());
    }

    // SEND ALL right after an open sends the file's sixteen slots on the window's timers.
    void sendAllRunsBothPagesThroughTheWindowsTimers()
    {
        for (const bool pageTwoShownBefore : {true, false}) {
            testing::VirtualSignLine line;
            testing::RecordingRunner modal;
            link::PortDirectory ports({}, {}, link::PortDirectory::Naming::Mapped);
            app::AppContext context{line.line, line.pacer, line.localTime, line.table, modal, ports};
            app::CMainDialog window(context);
            SlotLog log(window.Link());
            for (int slot = 1; slot <= 16; ++slot)
                line.table.rowText[model::RowNumber(slot, 1)] = u"S" + QString::number(slot).toStdU16String();
            line.table.fileLoadedPage1 = line.table.fileLoadedPage2 = 1;
            if (pageTwoShownBefore)
                window.Sheet().SetActivePage(1);

            auto* sendAll = qobject_cast<QPushButton*>(window.Control(res::main_window::kSendAllButton));
            sendAll->click();
            sendAll->click();
            QTRY_COMPARE_WITH_TIMEOUT(log.seen, Range(1, 16), 5000);
            QTRY_COMPARE(modal.shown.size(), std::size_t{1});
            QCOMPARE(modal.Texts(), QStringList{QStringLiteral("Send Complete!")});
            QCOMPARE(line.table.sendAllRequested + line.table.sendAllActive + line.table.sendAllPage2Turn, 0);
            for (int slot = 1; slot <= 16; ++slot) {
                QCOMPARE(QString::fromStdU16String(line.sign.Slot(slot - 1).rows[0].text),
                         QStringLiteral("S%1").arg(slot));
            }
        }
    }

    // After a slot's entry, the preview's board is the virtual sign's at each moment.
    void previewShowsWhatTheSignShows()
    {
        struct Case {
            int page, j;
            const char *row1, *row2;
            int animation;
            bool twoRows, clock;
        };
        const Case cases[] = {
            {1, 2, "MERHABA", "HOŞ GELDİNİZ", 0, true, false}, {2, 3, "AŞAĞI", "X", 3, true, false},
            {2, 7, "PERDE", "", 4, false, false},              {1, 4, "SAAT", "typed", 2, true, true},
            {2, 0, "Indirim %50 € açık SAĞDAN SOLA", "", 1, false, false},
        };
        for (const Case& c : cases) {
            Pages pages;
            pages.clock.now = {2026, 12, 7, 9, 4, 7, 2};
            MessagePage& p = pages.Page(c.page);
            p.Create();
            p.Slot(c.j).Row(1).edit->setPlainText(QString::fromUtf8(c.row1));
            p.Slot(c.j).Row(2).edit->setPlainText(QString::fromUtf8(c.row2));
            p.Slot(c.j).Row(1).animation->setCurrentIndex(c.animation);
            p.Slot(c.j).twoRows->setChecked(c.twoRows);
            p.Slot(c.j).clock->setChecked(c.clock);
            p.OnTimer();
            const sign::SignState preview =
                sign::PreviewSign({link::SnapshotOfPage(p.State(), c.j)}, pages.table, pages.clock);
            p.Slot(c.j).send->click();
            const sign::SignState& sent = pages.line.sign.State();
            for (const std::int64_t t : {0, 120, 700, 1900, 3300, 5200}) {
                const sign::Board shown = sign::ShowBoard(preview, sign::kDefaultBoardColumns, preview.showSinceMs + t);
                QVERIFY2(shown.leds == sign::ShowBoard(sent, sign::kDefaultBoardColumns, sent.showSinceMs + t).leds,
                         qPrintable(QStringLiteral("%1 at %2 ms").arg(QString::fromUtf8(c.row1)).arg(t)));
                QVERIFY(shown.slotIndex == p.SlotNumber(c.j) - 1);
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The label is painted at once each time progress is shown.
        if (event->type() == QEvent::Paint && static_cast<QWidget*>(watched)->isVisible())
            ++painted_;
        return QObject::eventFilter(watched, event);
    }

private:
    int painted_ = 0;
};

QTEST_MAIN(PageSendingTest)
#include "PageSendingTest.moc"
