#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cmath>
#include <memory>

#include "app/CMainDialog.h"
#include "app/PortToolTip.h"
#include "controls/PlenMenu.h"
#include "dialogs/ModalRunner.h"
#include "model/MessageTable.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/Bitmaps.h"
#include "res/DialogIds.h"
#include "res/MenuFlags.h"
#include "res/ResourceIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using app::CMainDialog;

namespace {

using testing::Editor;
using testing::RecordingRunner;

const std::vector<std::string> kOpenCom1 = {"ClosePort(1)", "OpenPort(1)", "ConfigurePort(1,12,3)",
                                            "SetLineControlA(1,0)", "SetLineControlB(1,0)"};

// The dialog-unit rule in floating point, independent of the builder.
QRect Pixels(const QFont& font, QRect units)
{
    const QFontMetrics metrics(font);
    const double x = std::lround(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0);
    const double y = metrics.height();
    auto scaled = [](int units, double base, int divisor) {
        return static_cast<int>(std::floor(units * base / divisor + 0.5));
    };
    return {scaled(units.x(), x, 4), scaled(units.y(), y, 8), scaled(units.width(), x, 4),
            scaled(units.height(), y, 8)};
}

// Chooses the about item of the menu that pops up next; false in `chosen`
// when no such menu showed.
void ChooseAboutFromTheNextMenu(bool& chosen)
{
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == QStringLiteral("ABOUT VELNAR MESSAGES(&A)...")) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
                return;
            }
        }
        menu->close();
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpOpensCom1OnTheSerialLibrary()
    {
        Editor editor;
        editor.table.portIndex = 5;
        editor.Start();
        QCOMPARE(editor.line.Calls(), kOpenCom1);
        QCOMPARE(editor.table.portIndex, 0);
        QComboBox* ports = editor.window->PortList();
        QCOMPARE(ports->count(), 9);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(ports->itemText(i), QStringLiteral("COM%1").arg(i + 1));
        QCOMPARE(ports->currentText(), QStringLiteral("COM1"));
    }

    void startUpZeroesTheRowAttributesOnly()
    {
        Editor editor;
        editor.table.rowAnimation.fill(3);
        editor.table.rowBrightness.fill(8);
        editor.table.rowSpeed.fill(4);
        editor.table.rowText[7] = u"KALIR";
        editor.table.slotClock[2] = 1;
        editor.Start();
        const model::MessageTable zero;
        QVERIFY(editor.table.rowAnimation == zero.rowAnimation);
        QVERIFY(editor.table.rowBrightness == zero.rowBrightness);
        QVERIFY(editor.table.rowSpeed == zero.rowSpeed);
        QCOMPARE(editor.table.rowText[7], std::u16string(u"KALIR"));
        QCOMPARE(editor.table.slotClock[2], 1);
    }

    void everyRowStartsOnTheFirstItems()
    {
        Editor editor;
        editor.Start();
        QVERIFY(editor.window->FirstPage().IsCreated());
        QVERIFY(!editor.window->SecondPage().IsCreated());
        editor.window->Sheet().SetActivePage(1);
        for (pages::MessagePage* page :
             {static_cast<pages::MessagePage*>(&editor.window->FirstPage()),
              static_cast<pages::MessagePage*>(&editor.window->SecondPage())}) {
            QVERIFY(page->IsCreated());
            for (int j = 0; j < pages::MessagePage::kSlots; ++j) {
                const pages::SlotControls& slot = page->Slot(j);
                for (const pages::RowControls& row : slot.rows) {
                    QCOMPARE(row.animation->currentText(), QStringLiteral("SOLDAN SAĞA"));
                    QCOMPARE(row.brightness->currentText(), QStringLiteral("1"));
                    QCOMPARE(row.speed->currentText(), QStringLiteral("1"));
                    QVERIFY(row.edit->toPlainText().isEmpty());
                }
                for (const QCheckBox* box : {slot.twoRows, slot.selected, slot.clock})
                    QVERIFY(!box->isChecked());
                QCOMPARE(slot.language->currentText(), QStringLiteral("TÜRKÇE"));
            }
        }
    }

    void theWindowItself()
    {
        Editor editor;
        editor.Start();
        CMainDialog& window = *editor.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("VELNAR MESSAGES"));
        const std::pair<int, QString> captions[] = {
            {kOpenButton, QString::fromUtf16(u"A\u00C7..")},
            {kSaveButton, QStringLiteral("KAYDET..")},
            {kSendAllButton, QString::fromUtf16(u"HEPS\u0130N\u0130 G\u00D6NDER")},
            {kHelpButton, QStringLiteral("YARDIM")},
            {kPortLabel, QString::fromUtf16(u"PORT SE\u00C7\u0130M\u0130")},
            {kDateLabel, QString::fromUtf16(u"TAR\u0130H (Gn-Ay-Y\u0131l)")},
            {kTimeLabel, QStringLiteral("SAAT(Sa-Dk-Sn)")},
            {kDayLabel, QString::fromUtf16(u"G\u00DCN")},
        };
        for (const auto& [id, caption] : captions)
            QCOMPARE(editor.Text(id), caption);
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.Sheet().count(), 2);
        QCOMPARE(window.Sheet().tabText(0), QStringLiteral("SAYFA1"));
        QCOMPARE(window.Sheet().tabText(1), QStringLiteral("SAYFA2"));
        QCOMPARE(window.Sheet().currentIndex(), 0);
        auto* hidden = editor.Control<QLineEdit>(kHiddenEdit);
        QVERIFY(hidden->isHidden());
        QVERIFY(!hidden->isEnabled());
        QVERIFY(hidden->text().isEmpty());
        QVERIFY(window.Timer().isActive());
        QCOMPARE(window.Timer().interval(), 5);
    }

    void controlsArePlacedByTheDialogUnitRule_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QRect>("units");
        QTest::newRow("open") << kOpenButton << QRect(0, 0, 33, 11);
        QTest::newRow("send all") << kSendAllButton << QRect(73, 0, 70, 11);
        QTest::newRow("date") << kDateField << QRect(367, 41, 57, 14);
        QTest::newRow("day") << kDayField << QRect(506, 41, 42, 14);
    }

    void controlsArePlacedByTheDialogUnitRule()
    {
        QFETCH(int, id);
        QFETCH(QRect, units);
        Editor editor;
        editor.Start();
        QCOMPARE(editor.window->Control(id)->geometry(), Pixels(editor.window->font(), units));
        QCOMPARE(editor.window->size(), Pixels(editor.window->font(), QRect(0, 0, 576, 375)).size());
        const QRect ports = editor.window->PortList()->geometry();
        QCOMPARE(ports.topLeft(), Pixels(editor.window->font(), QRect(295, 43, 48, 67)).topLeft());
    }

    void theSheetLiesBelowTheFieldsAndFollowsTheWindow()
    {
        Editor editor;
        editor.Start();
        CMainDialog& window = *editor.window;
        window.show();
        QCOMPARE(window.Sheet().geometry(), QRect(0, 85, window.width(), window.height() - 85));
        window.resize(window.width() + 200, window.height() + 100);
        QCOMPARE(window.Sheet().geometry(), QRect(0, 85, window.width(), window.height() - 85));
        // The pages' controls stay where their templates put them.
        const QWidget* edit = window.FirstPage().Slot(0).Row(1).edit;
        QCOMPARE(edit->geometry(), Pixels(window.FirstPage().font(), QRect(34, 10, 131, 14)));
    }

    void theBannerIsPaintedAt230By0()
    {
        Editor editor;
        editor.Start();
        const QImage painted = editor.window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage banner = res::LoadBitmap(res::kBannerBitmap);
        // Rows above the labels that the fields' captions paint over it.
        const int rows = editor.window->Control(kPortLabel)->y();
        QVERIFY(rows > 30);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < banner.width(); ++x)
                QCOMPARE(painted.pixel(230 + x, y), banner.pixel(x, y));
        }
        QVERIFY(painted.pixel(229, 10) != banner.pixel(0, 10));
    }

    void theDateDisplayShowsTheLocalTime()
    {
        Editor editor;
        editor.clock.now = {2007, 3, 5, 9, 4, 7, 2};
        editor.Start();
        editor.window->OnTimer();
        QCOMPARE(editor.Text(kDateField), QStringLiteral("05/03/2007"));
        QCOMPARE(editor.Text(kTimeField), QStringLiteral("09:04:07"));
        QCOMPARE(editor.Text(kDayField), QStringLiteral("PTES"));

        editor.clock.now = {2007, 3, 9, 18, 30, 0, 6};
        editor.window->OnTimer();
        QCOMPARE(editor.Text(kDayField), QStringLiteral(" CUMA"));
        QCOMPARE(editor.Text(kTimeField), QStringLiteral("18:30:00"));

        // What the operator types is replaced at the next tick.
        editor.Control<QLineEdit>(kDateField)->setText(QStringLiteral("yazı"));
        editor.window->OnTimer();
        QCOMPARE(editor.Text(kDateField), QStringLiteral("09/03/2007"));
    }

    void theTimerKeepsTheDisplayLive()
    {
        Editor editor;
        editor.Start();
        editor.clock.now = {2026, 12, 6, 0, 5, 9, 1};
        QTRY_COMPARE_WITH_TIMEOUT(editor.Text(kTimeField), QStringLiteral("00:05:09"), 1000);
        QCOMPARE(editor.Text(kDayField), QStringLiteral("PAZR"));
    }

    void sendAllBringsTheRightPageToTheFront_data()
    {
        QTest::addColumn<int>("page2Turn");
        QTest::addColumn<int>("requested");
        QTest::addColumn<int>("showing");
        QTest::addColumn<int>("expected");
        QTest::newRow("idle keeps page 2") << 0 << 0 << 1 << 1;
        QTest::newRow("idle keeps page 1") << 0 << 0 << 0 << 0;
        QTest::newRow("page 2's turn") << 1 << 0 << 0 << 1;
        QTest::newRow("requested undoes page 2") << 0 << 1 << 1 << 0;
        QTest::newRow("both: page 1 ends in front") << 1 << 1 << 1 << 0;
    }

    void sendAllBringsTheRightPageToTheFront()
    {
        QFETCH(int, page2Turn);
        QFETCH(int, requested);
        QFETCH(int, showing);
        QFETCH(int, expected);
        Editor editor;
        editor.Start();
        editor.window->Sheet().SetActivePage(showing);
        editor.table.sendAllPage2Turn = static_cast<std::uint8_t>(page2Turn);
        editor.table.sendAllRequested = static_cast<std::uint8_t>(requested);
        editor.window->OnTimer();
        QCOMPARE(editor.window->Sheet().currentIndex(), expected);
        // Page 2 exists once it has been in front, and only then.
        QCOMPARE(editor.window->SecondPage().IsCreated(), showing == 1 || page2Turn == 1);
        // The tick leaves the flags to the pages.
        QCOMPARE(editor.table.sendAllPage2Turn, static_cast<std::uint8_t>(page2Turn));
        QCOMPARE(editor.table.sendAllRequested, static_cast<std::uint8_t>(requested));
    }

    void sendAllOnlyRaisesItsFlag()
    {
        Editor editor;
        editor.Start();
        auto* sendAll = editor.Control<QPushButton>(kSendAllButton);
        sendAll->click();
        QCOMPARE(editor.table.sendAllRequested, std::uint8_t{1});
        sendAll->click();
        QCOMPARE(editor.table.sendAllRequested, std::uint8_t{1});
        QCOMPARE(editor.line.Calls(), kOpenCom1);
        QVERIFY(editor.line.Writes().empty());
    }

    void choosingAPortReopensTheLink()
    {
        Editor editor;
        editor.Start();
        QComboBox* ports = editor.window->PortList();
        // The program's own selection changes no port.
        ports->setCurrentIndex(4);
        QCOMPARE(editor.line.Calls(), kOpenCom1);

        ports->setCurrentIndex(2);
        emit ports->activated(2);
        std::vector<std::string> expected = kOpenCom1;
        for (const char* call : {"ClosePort(1)", "OpenPort(3)", "ConfigurePort(3,12,3)", "SetLineControlA(3,0)",
                                 "SetLineControlB(3,0)"})
            expected.push_back(call);
        QCOMPARE(editor.line.Calls(), expected);
        QCOMPARE(editor.table.portIndex, 2);
    }

    void systemCommand16OpensTheAboutBox_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("about");
        QTest::newRow("16") << 16 << true;
        QTest::newRow("16 with low bits") << 16 + 3 << true;
        QTest::newRow("32") << 32 << false;
        QTest::newRow("close") << 0xF060 << false;
    }

    void systemCommand16OpensTheAboutBox()
    {
        QFETCH(int, command);
        QFETCH(bool, about);
        Editor editor;
        editor.Start();
        editor.window->OnSysCommand(command);
        QCOMPARE(editor.modal.shown.size(), std::size_t{about ? 1u : 0u});
        if (!about)
            return;
        const RecordingRunner::Shown& shown = editor.modal.shown.front();
        QCOMPARE(shown.title, QStringLiteral("HELP VELNAR MESSAGES"));
        QCOMPARE(shown.labels, QStringList{QStringLiteral("VELNAR MESSAGES 1.0 ")});
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
    }

    void theAboutItemFollowsASeparator()
    {
        Editor editor;
        editor.Start();
        controls::PlenMenu* menu = editor.window->SystemMenu();
        QVERIFY(menu);
        QCOMPARE(menu->ItemCount(), 2);
        QVERIFY(menu->Item(0)->m_flags & res::MenuSeparator);
        QCOMPARE(menu->Item(1)->m_commandId, 16);
        QCOMPARE(menu->Item(1)->m_text, QStringLiteral("ABOUT VELNAR MESSAGES(&A)..."));
    }

    void theAboutItemIsReachableWithoutASystemMenu_data()
    {
        QTest::addColumn<bool>("rightClick");
        QTest::newRow("right click on the free area") << true;
        QTest::newRow("Alt+Space") << false;
    }

    void theAboutItemIsReachableWithoutASystemMenu()
    {
        QFETCH(bool, rightClick);
        Editor editor;
        editor.Start();
        editor.ShowActive();
        bool chosen = false;
        ChooseAboutFromTheNextMenu(chosen);
        if (rightClick) {
            const QPoint free(10, 50);
            QVERIFY(!editor.window->childAt(free));
            QContextMenuEvent click(QContextMenuEvent::Mouse, free, editor.window->mapToGlobal(free));
            QApplication::sendEvent(editor.window.get(), &click);
        } else {
            QTest::keyClick(editor.window.get(), Qt::Key_Space, Qt::AltModifier);
        }
        QVERIFY(chosen);
        QCOMPARE(editor.modal.shown.size(), std::size_t{1});
        QCOMPARE(editor.modal.shown.front().title, QStringLiteral("HELP VELNAR MESSAGES"));
    }

    // Escape, Enter and the close box all end in one place, which asks
    // first when the table holds edits that no OPEN or SAVE has put in a file.
    void closingAsksOnlyWhenEditsWouldBeLost_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("closed");
        const std::pair<const char*, int> ways[] = {
            {"escape", QDialog::Rejected}, {"enter", QDialog::Accepted}, {"close box", QDialog::Rejected}};
        for (const auto& [how, result] : ways) {
            const QString way = QString::fromLatin1(how);
            QTest::addRow("%s, nothing edited", how) << way << result << "" << int(QMessageBox::No) << false << true;
            QTest::addRow("%s, edit undone", how) << way << result << "undone" << int(QMessageBox::No) << false << true;
            QTest::addRow("%s, text edited, discard", how)
                << way << result << "text" << int(QMessageBox::Yes) << true << true;
            QTest::addRow("%s, text edited, keep", how) << way << result << "text" << int(QMessageBox::No) << true << false;
            QTest::addRow("%s, box ticked, keep", how) << way << result << "box" << int(QMessageBox::No) << true << false;
        }
    }

    void closingAsksOnlyWhenEditsWouldBeLost()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        QFETCH(QString, edit);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, closed);
        Editor editor;
        editor.Start();
        editor.ShowActive();
        // What a page stores when the operator edits; on page 2, which has
        // not been shown and so cannot overwrite the table from its controls.
        const std::size_t row = model::RowNumber(11, 2);
        if (edit == QLatin1String("text") || edit == QLatin1String("undone"))
            editor.table.rowText[row] = u"YENİ";
        if (edit == QLatin1String("undone"))
            editor.table.rowText[row].clear();
        if (edit == QLatin1String("box"))
            editor.table.slotClock[11] = 1;
        editor.modal.answers.push_back(answer);

        if (how == QLatin1String("escape")) {
            QTest::keyClick(editor.window.get(), Qt::Key_Escape);
        } else if (how == QLatin1String("enter")) {
            QComboBox* ports = editor.window->PortList();
            ports->setFocus();
            QTest::keyClick(ports, Qt::Key_Return);
        } else {
            QCOMPARE(editor.window->close(), closed);
        }

        QCOMPARE(editor.modal.shown.size(), std::size_t{asked ? 1u : 0u});
        if (asked) {
            QCOMPARE(editor.modal.shown.front().title, QStringLiteral("VELNAR MESSAGES"));
            QCOMPARE(editor.modal.shown.front().buttons.size(), 2);
        }
        QCOMPARE(editor.window->isVisible(), !closed);
        if (closed)
            QCOMPARE(editor.window->result(), result);
    }

    void menuCommandsRunTheHandlersOfTheirButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("sendAll");
        QTest::newRow("OPEN") << kOpenButton << res::kCommandOpen << QStringList{QStringLiteral("open")} << 0;
        QTest::newRow("SAVE") << kSaveButton << res::kCommandSave << QStringList{QStringLiteral("save")} << 0;
        QTest::newRow("SEND ALL") << kSendAllButton << res::kCommandSendAll << QStringList{} << 1;
    }

    void menuCommandsRunTheHandlersOfTheirButtons()
    {
        QFETCH(int, button);
        QFETCH(int, command);
        QFETCH(QStringList, asked);
        QFETCH(int, sendAll);
        Editor clicked;
        Editor chosen;
        clicked.Start();
        chosen.Start();
        clicked.Control<QPushButton>(button)->click();
        chosen.window->OnCommand(command);
        for (const Editor* editor : {&clicked, &chosen}) {
            QCOMPARE(editor->files.asked, asked);
            QCOMPARE(int(editor->table.sendAllRequested), sendAll);
            QVERIFY(editor->modal.shown.empty());
        }
    }

    void otherCommandsDoNothing()
    {
        Editor editor;
        editor.Start();
        // The toolbar's commands and a command next to the menu's.
        for (const int command : {57601, 32772, 32773, res::kCommandSendAll + 1, 0})
            editor.window->OnCommand(command);
        QVERIFY(editor.files.asked.isEmpty());
        QCOMPARE(editor.table.sendAllRequested, std::uint8_t{0});
        QVERIFY(editor.modal.shown.empty());
    }

    void portToolTipSaysWhyAPortDoesNotWork_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<bool>("onLinux");
        QTest::addColumn<bool>("hint");
        const QString denied = QStringLiteral("/dev/ttyS0: Permission denied");
        const QString missing = QStringLiteral("/dev/ttyS2: No such file or directory");
        QTest::newRow("working port") << QString() << true << false;
        QTest::newRow("permission on Linux") << denied << true << true;
        QTest::newRow("permission elsewhere") << QStringLiteral("COM1: Permission denied") << false << false;
        QTest::newRow("missing device") << missing << true << false;
        QTest::newRow("port in use") << QStringLiteral("/dev/ttyS0: Device or resource busy") << true << false;
    }

    void portToolTipSaysWhyAPortDoesNotWork()
    {
        QFETCH(QString, problem);
        QFETCH(bool, onLinux);
        QFETCH(bool, hint);
        const QString tip = app::PortToolTip(problem, onLinux);
        QVERIFY(tip.startsWith(problem));
        QCOMPARE(tip.contains(QLatin1String("dialout")), hint);
        if (!hint)
            QCOMPARE(tip, problem);
    }

    void thePortListShowsTheProblemOfTheSelectedPort()
    {
        Editor editor;
        const std::string denied = "/dev/ttyS0: Permission denied";
        const std::string missing = "/dev/ttyS2: No such file or directory";
        editor.line.problems[1] = denied;
        editor.line.problems[3] = missing;
        editor.Start();
        QComboBox* ports = editor.window->PortList();
        QCOMPARE(ports->toolTip(), app::PortToolTip(QString::fromStdString(denied), app::kOnLinux));
        QVERIFY(ports->toolTip().startsWith(QString::fromStdString(denied)));
        // At start-up the operator is not stopped by a box.
        QVERIFY(editor.modal.shown.empty());

        ports->setCurrentIndex(2);
        emit ports->activated(2);
        QCOMPARE(ports->toolTip(), QString::fromStdString(missing));

        editor.line.problems.erase(1);
        ports->setCurrentIndex(0);
        emit ports->activated(0);
        QVERIFY(ports->toolTip().isEmpty());
        QVERIFY(editor.modal.shown.empty());
    }

    void enterInARowEditStartsANewLine()
    {
        Editor editor;
        editor.Start();
        editor.ShowActive();
        QPlainTextEdit* edit = editor.window->FirstPage().Slot(0).Row(1).edit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("A"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(editor.window->isVisible());
        QCOMPARE(edit->blockCount(), 2);
    }

};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
