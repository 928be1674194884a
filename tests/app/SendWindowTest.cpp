#include <QLabel>
#include <QtTest>

#include "link/SignLink.h"
#include "controls/CHotButton.h"
#include "pages/CFirstPage.h"
#include "pages/ProgressWindow.h"
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

}  // namespace

class SendWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The progress window follows a page's run: the slot k of n and the
    // time left as frames end. Stop, pressed twice, ends the run after the
    // frame on the line, and one report says what was not sent.
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

    // Closing the main window during a send stops the send first; the
    // window closes once the send has ended.
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
