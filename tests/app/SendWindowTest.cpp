#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "link/SignLink.h"
#include "controls/CHotButton.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/ProgressWindow.h"
#include "sign/FrameDecoder.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;

namespace {

// Slots 1 to 8 hold one short row each: a text and a settings frame.
void FillPageOne(testing::Editor& editor)
{
    for (int slot = 1; slot <= 8; ++slot)
        editor.table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = std::u16string(1, u'A');
    editor.table.fileLoadedPage1 = 1;
    editor.window->FirstPage().OnTimer();
}

// The slots the sign received frames for, each once, in order.
std::vector<int> SlotsReceived(const testing::HandshakingSign& sign, std::size_t from)
{
    std::vector<int> received;
    for (std::size_t i = from; i < sign.Frames().size(); ++i) {
        const int slot = sign::DecodeFrame(sign.Frames()[i]).SlotIndex() + 1;
        if (received.empty() || received.back() != slot)
            received.push_back(slot);
    }
    return received;
}

}  // namespace

class SendWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The progress window follows the run; Stop ends it after the frame on the line, with one report.
    void progressWindowFollowsTheRunAndStopEndsIt()
    {
        testing::StartedEditor editor;
        testing::HandshakingSign sign(editor.line);
        FillPageOne(editor);
        QStringList seen;
        int frames = 0;
        editor.window->Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult result) {
            if (result == link::ExchangeResult::NotSent)
                return;
            pages::ProgressWindow* progress = editor.window->Session().Window();
            QVERIFY(progress->isVisible());
            progress->Refresh();
            seen << progress->SlotText() + QStringLiteral(", ") + progress->TimeText();
            if (++frames == 3) {
                progress->StopButton()->click();
                progress->reject();
            }
        });
        editor.window->FirstPage().ShowInTurnButton()->click();

        // Slot 1: 1151 + 2150 + its 100 ms pause; the others 1151 + 2150 each.
        QCOMPARE(seen, (QStringList{QStringLiteral("Slot 1 (1 of 8), Time left: 0:26"),
                                    QStringLiteral("Slot 1 (1 of 8), Time left: 0:24"),
                                    QStringLiteral("Slot 2 (2 of 8), Time left: 0:22")}));
        QCOMPARE(sign.Frames().size(), std::size_t{3});
        QCOMPARE(editor.ShownText(), QStringLiteral("Not everything reached the sign.\n"
                                                    "Slot 2: stopped before its end.\n"
                                                    "Slots 3 to 8 were not sent: stopped."));
        QVERIFY(!editor.window->Session().Window()->isVisible());
        QVERIFY(!editor.window->Session().Active());
    }

    // F5 sends what the sign lacks: every slot, then the edited one, then the rest after a Stop.
    void sendWhatChangedSendsOnlyWhatTheSignLacks()
    {
        testing::Editor editor;
        editor.listedPorts = {{"/dev/ttyUSB0", ""}};
        editor.ports.Refresh();
        editor.Start();
        testing::HandshakingSign sign(editor.line);
        FillPageOne(editor);
        editor.ShowActive();
        const auto pressF5 = [&editor, &sign] {
            const std::size_t before = sign.Frames().size();
            QTest::keyClick(editor.window.get(), Qt::Key_F5);
            return SlotsReceived(sign, before);
        };
        QCOMPARE(pressF5(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));

        editor.window->FirstPage().Slot(2).Row(1).edit->setPlainText(QStringLiteral("B"));
        editor.window->SecondPage().Slot(3).selected->click();
        QCOMPARE(pressF5(), (std::vector<int>{3, 12}));
        QCOMPARE(editor.window->Session().Window()->HeadlineText(),
                 QStringLiteral("2 slots changed, about 0:05, as far as this computer knows"));

        for (int j : {0, 4, 6})
            editor.window->FirstPage().Slot(j).Row(1).edit->setPlainText(QStringLiteral("C"));
        int frames = 0;
        editor.window->Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult) {
            if (++frames == 3)
                editor.window->Session().Stop();
        });
        QCOMPARE(pressF5(), (std::vector<int>{1, 5}));
        QVERIFY(editor.ShownText().endsWith(QStringLiteral("F5 sends the 2 slots not taken (about 0:07)")));
        editor.window->Link().SetExchangeObserver({});
        QCOMPARE(pressF5(), (std::vector<int>{5, 7}));

        QCOMPARE(pressF5(), std::vector<int>{});
        QVERIFY(editor.ShownText().endsWith(
            QStringLiteral("Nothing changed since the last send, as far as this computer knows.")));
    }

    // Closing the main window during a send stops the send first.
    void closingDuringASendStopsItFirst()
    {
        testing::StartedEditor editor;
        testing::HandshakingSign sign(editor.line);
        FillPageOne(editor);
        editor.window->show();
        editor.modal.answers.push_back(QMessageBox::Ok);   // the report of the stopped send
        editor.modal.answers.push_back(QMessageBox::Discard);  // the unsaved texts
        editor.window->Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult) {
            if (editor.window->isVisible())
                editor.window->reject();
        });
        editor.window->FirstPage().Slot(0).send->click();
        QVERIFY(editor.window->isVisible());
        QCOMPARE(sign.Frames().size(), std::size_t{1});
        QTRY_VERIFY(!editor.window->isVisible());
    }
};

QTEST_MAIN(SendWindowTest)
#include "SendWindowTest.moc"
