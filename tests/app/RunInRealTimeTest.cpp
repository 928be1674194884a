// Sends through the editor's own pacer: one run at a time, Stop, and no input behind the progress window.
#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "app/LocalPath.h"
#include "controls/CHotButton.h"
#include "file/MessageFile.h"
#include "link/SignLink.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/ProgressWindow.h"
#include "res/DialogIds.h"
#include "sign/FrameDecoder.h"
#include "sign/SignReport.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;

namespace {

constexpr int kSync = 0xAA;

struct RealTimeEditor : testing::StartedEditor {
    testing::HandshakingSign sign{line};

    RealTimeEditor() : StartedEditor(Time::Real)
    {
        window->show();
        // One empty row per slot, so that a run is short.
        table.fileLoadedPage1 = table.fileLoadedPage2 = 1;
        window->FirstPage().OnTimer();
    }

    pages::ProgressWindow* Progress() { return window->Session().Window(); }

    // The slot index of each frame the sign received, in order.
    QList<int> FrameSlots() const
    {
        QList<int> indexes;
        for (const link::Frame& frame : sign.Frames())
            indexes << sign::DecodeFrame(frame).SlotIndex();
        return indexes;
    }

    static void Press(QWidget* button)
    {
        QWindow* window = button->window()->windowHandle();
        QTest::mouseClick(window, Qt::LeftButton, {}, button->mapTo(button->window(), button->rect().center()));
    }
};

}  // namespace

class RunInRealTimeTest : public QObject {
    Q_OBJECT

private slots:
    // A slot's button during SEND ALL sends that slot alone and whole; SEND ALL waits.
    void aSendAllRequestedDuringASlotWaitsForIt()
    {
        RealTimeEditor editor;
        editor.Click(kSendAllButton);
        editor.window->FirstPage().Slot(2).send->click();
        QCOMPARE(editor.FrameSlots(), QList<int>{2});
        QVERIFY(!editor.window->Session().Busy());

        // Page 1's next tick begins SEND ALL; Stop after its first frame.
        editor.window->Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult) {
            if (editor.sign.Frames().size() == 2)
                RealTimeEditor::Press(editor.Progress()->StopButton());
        });
        QTRY_COMPARE_WITH_TIMEOUT(editor.modal.shown.size(), std::size_t{1}, 10000);
        QCOMPARE(editor.FrameSlots(), (QList<int>{2, 0}));
        QCOMPARE(editor.ShownText(), QStringLiteral("Not everything reached the sign.\n"
                                                    "Slots 2 to 16 were not sent: stopped."));
        QCOMPARE(editor.table.sendAllRequested + editor.table.sendAllActive + editor.table.sendAllPage2Turn, 0);
    }

    // A slot sent before the page took up an opened file sends the file's texts and keeps the file.
    void aSendRightAfterOpenSendsTheFile()
    {
        RealTimeEditor editor;
        model::MessageTable onDisk;
        onDisk.rowText[static_cast<std::size_t>(model::RowNumber(1, 1))] = u"ELMA";
        onDisk.slotSelected[4] = 1;
        const QString path = editor.InProgramFolder(QStringLiteral("dosya.VELNAR MESSAGES"));
        QVERIFY(file::SaveMessageFile(app::LocalPath(path), onDisk).ok);
        editor.files.answers = {path};
        editor.Click(kOpenButton);
        editor.window->FirstPage().Slot(0).send->click();

        QCOMPARE(editor.sign.Frames().size(), std::size_t{2});  // text and settings
        QVERIFY(QString::fromStdString(sign::DescribeContent(editor.sign.Frames()[0])).contains(QStringLiteral("\"ELMA")));
        QTRY_COMPARE(editor.window->FirstPage().Slot(0).Row(1).edit->toPlainText(), QStringLiteral("ELMA"));
        QVERIFY(editor.window->FirstPage().Slot(4).selected->isChecked());
        QCOMPARE(editor.table.slotSelected[4], std::uint8_t{1});
    }

    // A sign refusing a blank frame: the progress window names it, Stop sends no sync byte after.
    void stopEndsARepeatingFrame()
    {
        RealTimeEditor editor;
        editor.sign.judge = [](const link::Frame&) { return testing::HandshakingSign::Verdict{testing::HandshakingSign::kSilent, 0}; };
        QString repeat;
        std::int64_t stoppedAtMs = -1;
        QTimer::singleShot(2500, [&] {
            editor.Progress()->Refresh();
            repeat = editor.Progress()->RepeatText();
            stoppedAtMs = editor.pacer.NowMs();
            RealTimeEditor::Press(editor.Progress()->StopButton());
        });
        editor.window->FirstPage().Slot(2).send->click();

        QVERIFY2(repeat.startsWith(QStringLiteral("slot 3, BLANK row 1: sent ")), qPrintable(repeat));
        QVERIFY(repeat.endsWith(QStringLiteral(" times, the sign asks again")));
        QVERIFY(stoppedAtMs > 0);
        int frameBytes = 0;
        for (const auto& write : editor.line.Writes()) {
            if (write.byte != kSync)
                ++frameBytes;
            else
                QVERIFY2(write.atMs < stoppedAtMs, qPrintable(QString::number(write.atMs - stoppedAtMs)));
        }
        QCOMPARE(frameBytes % link::kFrameSize, 0);
        QVERIFY(!editor.Progress()->isVisible());
        QCOMPARE(editor.ShownText(), QStringLiteral("Equipment Error!\nThe sign did not answer BLANK row 1."));
    }

    // During a run no input reaches the main window; the progress close box means Stop.
    void theProgressWindowKeepsInputFromTheMainWindow()
    {
        RealTimeEditor editor;
        QSignalSpy sendAll(editor.Control<QPushButton>(kSendAllButton), &QPushButton::clicked);
        QSignalSpy slotSend(editor.window->FirstPage().Slot(5).send, &QPushButton::clicked);
        bool checked = false;
        bool menuOpened = false;
        editor.window->Link().SetExchangeObserver([&](link::ExchangeKind, const link::Frame&, link::ExchangeResult) {
            if (checked)
                return;
            checked = true;
            QWindow* main = editor.window->windowHandle();
            QVERIFY(QGuiApplication::modalWindow() == editor.Progress()->windowHandle());
            RealTimeEditor::Press(editor.Control<QPushButton>(kSendAllButton));
            RealTimeEditor::Press(editor.window->FirstPage().Slot(5).send);
            QTest::keyClick(main, Qt::Key_F2);
            // A menu that opened would wait for a choice: close it, and fail.
            QTimer::singleShot(1000, [&menuOpened] {
                if (QWidget* popup = QApplication::activePopupWidget()) {
                    menuOpened = true;
                    popup->close();
                }
            });
            QTest::keyClick(main, Qt::Key_Space, Qt::AltModifier);
            QTest::keyClick(main, Qt::Key_Escape);
            QCOMPARE(sendAll.count() + slotSend.count(), 0);
            QVERIFY(!editor.window->Preview());
            QVERIFY(!menuOpened);

            editor.Progress()->windowHandle()->close();
            QVERIFY(editor.Progress()->isVisible());
            QVERIFY(QGuiApplication::modalWindow() == editor.Progress()->windowHandle());
        });
        editor.window->FirstPage().ShowInTurnButton()->click();
        QVERIFY(checked);
        QCOMPARE(editor.FrameSlots(), QList<int>{0});
        QCOMPARE(editor.ShownText(), QStringLiteral("Not everything reached the sign.\n"
                                                    "Slots 2 to 8 were not sent: stopped."));
        QVERIFY(editor.window->isVisible());
        QVERIFY(!menuOpened);
    }
};

QTEST_MAIN(RunInRealTimeTest)
#include "RunInRealTimeTest.moc"
