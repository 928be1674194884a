#include <QtTest>

#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <cmath>
#include <cstring>

#include "app/CSignEditorApp.h"
#include "app/DisplayCheck.h"
#include "controls/PlenMenu.h"
#include "dialogs/DialogBuilder.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/PageSheet.h"
#include "res/Bitmaps.h"
#include "res/DialogIds.h"
#include "res/ResourceIds.h"
#include "tests/app/EditorFixture.h"

using namespace velnar;
using namespace velnar::res::main_window;
using testing::Editor;

Q_DECLARE_METATYPE(link::LocalDateTime)

namespace {

const std::vector<std::string> kOpenCom1 = {"ClosePort(1)", "OpenPort(1)", "ConfigurePort(1,12,3)",
                                            "SetLineControlA(1,0)", "SetLineControlB(1,0)"};
const QString kAboutItem = QStringLiteral("ABOUT VELNAR MESSAGES(&A)...");

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
            if (action->text() == kAboutItem) {
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
    // Whatever the table held, the editor starts on COM1 with every row on
    // the lists' first items, under captions with Turkish letters, the banner
    // at 230,0 and the sheet below the fields, following the window's size.
    void startUp()
    {
        Editor editor;
        editor.table.portIndex = 5;
        // Rows of page 2, which comes into being only after start-up and so
        // shows them as start-up left them.
        editor.table.rowAnimation[model::RowNumber(9, 1)] = 3;
        editor.table.rowBrightness[model::RowNumber(16, 2)] = 8;
        editor.table.rowSpeed[model::RowNumber(12, 1)] = 4;
        editor.Start();
        app::CMainDialog& window = *editor.window;
        QCOMPARE(editor.line.Calls(), kOpenCom1);
        QCOMPARE(editor.table.portIndex, 0);
        QComboBox* ports = window.PortList();
        QCOMPARE(ports->count(), 9);
        for (int i = 0; i < 9; ++i)
            QCOMPARE(ports->itemText(i), QStringLiteral("COM%1").arg(i + 1));
        QCOMPARE(ports->currentText(), QStringLiteral("COM1"));
        window.Sheet().SetActivePage(1);
        for (const pages::MessagePage* page : {static_cast<pages::MessagePage*>(&window.FirstPage()),
                                               static_cast<pages::MessagePage*>(&window.SecondPage())}) {
            for (int j = 0; j < pages::MessagePage::kSlots; ++j) {
                for (const pages::RowControls& row : page->Slot(j).rows) {
                    QCOMPARE(row.animation->currentText(), QStringLiteral("SOLDAN SAĞA"));
                    QCOMPARE(row.brightness->currentText(), QStringLiteral("1"));
                    QCOMPARE(row.speed->currentText(), QStringLiteral("1"));
                }
            }
        }

        QCOMPARE(window.windowTitle(), QStringLiteral("VELNAR MESSAGES"));
        QVERIFY(!window.windowIcon().isNull());
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

        const QImage painted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage banner = res::LoadBitmap(res::kBannerBitmap);
        QCOMPARE(banner.size(), QSize(349, 48));
        // Rows above the labels that the fields' captions paint over it.
        const int rows = window.Control(kPortLabel)->y();
        QVERIFY(rows > 30);
        for (int y = 0; y < rows; ++y) {
            for (int x = 0; x < banner.width(); ++x)
                QCOMPARE(painted.pixel(230 + x, y), banner.pixel(x, y));
        }
        QVERIFY(painted.pixel(229, 10) != banner.pixel(0, 10));

        // No sizing border, but the minimise and maximise boxes; where the
        // platform maximises it, the sheet follows the window's size.
        QVERIFY(window.windowFlags().testFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        window.show();
        const QSize templateSize = window.size();
        window.resize(templateSize + QSize(200, 100));
        QCOMPARE(window.size() == templateSize, !dialogs::kMaximiseWithoutSizingBorder);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.resize(templateSize + QSize(200, 100));
        QCOMPARE(window.Sheet().geometry(), QRect(0, 85, window.width(), window.height() - 85));

        const QLineEdit* hidden = editor.Control<QLineEdit>(kHiddenEdit);
        QVERIFY(hidden && !hidden->isVisible() && !hidden->isEnabled());
    }

    void controlsArePlacedByTheDialogUnitRule()
    {
        testing::StartedEditor editor;
        const QFont font = editor.window->font();
        const std::pair<int, QRect> units[] = {{kOpenButton, QRect(0, 0, 33, 11)},
                                               {kSendAllButton, QRect(73, 0, 70, 11)},
                                               {kDateField, QRect(367, 41, 57, 14)},
                                               {kDayField, QRect(506, 41, 42, 14)}};
        for (const auto& [id, rect] : units)
            QCOMPARE(editor.window->Control(id)->geometry(), Pixels(font, rect));
        QCOMPARE(editor.window->size(), Pixels(font, QRect(0, 0, 576, 375)).size());
        QCOMPARE(editor.window->PortList()->pos(), Pixels(font, QRect(295, 43, 48, 67)).topLeft());
    }

    // The window's own timer shows the local time, replacing whatever the
    // operator typed into the fields; day 1 is Sunday.
    void theDateDisplayShowsTheLocalTime_data()
    {
        QTest::addColumn<link::LocalDateTime>("now");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("day");
        auto row = [](const char* name, link::LocalDateTime now, const char* date, const char* time, QString day) {
            QTest::newRow(name) << now << QString::fromLatin1(date) << QString::fromLatin1(time) << day;
        };
        row("Monday morning", {2007, 3, 5, 9, 4, 7, 2}, "05/03/2007", "09:04:07", QStringLiteral("PTES"));
        // Friday carries a leading blank.
        row("Friday", {2007, 3, 9, 23, 59, 59, 6}, "09/03/2007", "23:59:59", QStringLiteral(" CUMA"));
        row("Thursday afternoon", {2026, 12, 31, 13, 5, 9, 5}, "31/12/2026", "13:05:09", QStringLiteral("PERŞ"));
        row("Sunday", {2026, 12, 6, 0, 5, 9, 1}, "06/12/2026", "00:05:09", QStringLiteral("PAZR"));
        row("Tuesday", {2026, 12, 8, 0, 0, 0, 3}, "08/12/2026", "00:00:00", QStringLiteral("SALI"));
        row("Wednesday", {2026, 12, 9, 0, 0, 0, 4}, "09/12/2026", "00:00:00", QString::fromUtf16(u"\u00C7AR\u015E"));
        row("Saturday", {2026, 12, 12, 0, 0, 0, 7}, "12/12/2026", "00:00:00", QStringLiteral("CTES"));
        row("weekday 0", {2026, 12, 13, 12, 0, 0, 0}, "13/12/2026", "12:00:00", QString());
        row("weekday 8", {2026, 12, 13, 12, 0, 0, 8}, "13/12/2026", "12:00:00", QString());
    }

    // The system's local time as Qt reads it, weekday (Qt counts Monday as
    // 1, Sunday as 7) and month included; the second may turn between reads.
    void theSystemClockReadsTheLocalTime()
    {
        const auto fields = [](const QDateTime& t) {
            return QList<int>{t.date().year(), t.date().month(),  t.date().day(),
                              t.time().hour(), t.time().minute(), t.time().second(),
                              t.date().dayOfWeek() % 7 + 1};
        };
        const QList<int> before = fields(QDateTime::currentDateTime());
        const link::LocalDateTime now = link::SystemLocalClock().Now();
        const QList<int> after = fields(QDateTime::currentDateTime());
        const QList<int> read{now.year, now.month, now.day, now.hour, now.minute, now.second, now.dayOfWeek};
        QVERIFY(read == before || read == after);
    }

    void theDateDisplayShowsTheLocalTime()
    {
        QFETCH(link::LocalDateTime, now);
        QFETCH(QString, date);
        QFETCH(QString, time);
        QFETCH(QString, day);
        testing::StartedEditor editor;
        editor.clock.now = now;
        editor.Control<QLineEdit>(kDateField)->setText(QStringLiteral("yazı"));
        editor.Control<QLineEdit>(kDayField)->setText(QStringLiteral("gün"));
        QTRY_COMPARE_WITH_TIMEOUT(editor.Text(kDateField), date, 1000);
        QCOMPARE(editor.Text(kTimeField), time);
        QCOMPARE(editor.Text(kDayField), day);
    }

    // Any one of the variables, not empty, gives the editor a window system.
    void aWindowNeedsADisplay()
    {
        const struct {
            const char* variable;
            const char* value;
            bool missing;
        } cases[] = {{"", "", true},
                     {"DISPLAY", "", true},
                     {"DISPLAY", ":0", false},
                     {"WAYLAND_DISPLAY", "wayland-0", false},
                     {"QT_QPA_PLATFORM", "offscreen", false}};
        for (const auto& c : cases) {
            const std::string reason = app::MissingDisplayReason(
                [&c](const char* name) { return std::strcmp(name, c.variable) == 0 ? c.value : nullptr; });
            QCOMPARE(!reason.empty(), c.missing);
            QCOMPARE(reason.find("DISPLAY") != std::string::npos, c.missing);
        }
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
        testing::StartedEditor editor;
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

    // Only the operator's choice reopens the link, also when it names the
    // port already open; the port's problem, in the system's words, goes on
    // the list's tooltip and never into a box. Each item names its device.
    void choosingAPortReopensTheLinkAndShowsItsProblem()
    {
        Editor editor;
        editor.listedPorts = {{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", "FT232R USB UART"}};
        editor.ports.Refresh();
        editor.line.problems[1] = "/dev/ttyUSB0: Permission denied";
        editor.line.problems[3] = "COM3: no such port";
        editor.Start();
        QComboBox* ports = editor.window->PortList();
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART"));
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("COM2: /dev/ttyS0"));
        QCOMPARE(ports->itemData(8, Qt::ToolTipRole).toString(), QStringLiteral("COM9: no port"));
        QVERIFY(ports->toolTip().startsWith(
            QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART\n/dev/ttyUSB0: Permission denied\n")));
        QVERIFY(ports->toolTip().contains(QLatin1String("adduser $USER dialout")));
        ports->setCurrentIndex(4);
        QCOMPARE(editor.line.Calls(), kOpenCom1);

        for (int pick : {2, 2}) {
            ports->setCurrentIndex(pick);
            emit ports->activated(pick);
        }
        std::vector<std::string> expected = kOpenCom1;
        for (const char* call : {"ClosePort(1)", "OpenPort(3)", "ConfigurePort(3,12,3)", "SetLineControlA(3,0)",
                                 "SetLineControlB(3,0)", "ClosePort(3)", "OpenPort(3)", "ConfigurePort(3,12,3)",
                                 "SetLineControlA(3,0)", "SetLineControlB(3,0)"})
            expected.push_back(call);
        QCOMPARE(editor.line.Calls(), expected);
        QCOMPARE(editor.table.portIndex, 2);
        QCOMPARE(ports->toolTip(), QStringLiteral("COM3: no port\nCOM3: no such port"));

        editor.line.problems.erase(1);
        ports->setCurrentIndex(0);
        emit ports->activated(0);
        QCOMPARE(ports->toolTip(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART"));
        QVERIFY(editor.modal.shown.empty());
    }

    // Opening the list looks the devices up again: an adapter plugged in
    // meanwhile becomes COM1, and the open COM1 follows it, saying so.
    void openingTheListFindsAnAdapterPluggedInMeanwhile()
    {
        Editor editor;
        editor.listedPorts = {{"/dev/ttyS0", ""}};
        editor.ports.Refresh();
        editor.Start();
        editor.listedPorts = {{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", "FT232R USB UART"}};
        QComboBox* ports = editor.window->PortList();
        for (int opened = 0; opened < 2; ++opened) {
            ports->showPopup();
            ports->hidePopup();
        }
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART"));
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("COM2: /dev/ttyS0"));
        std::vector<std::string> reopened = kOpenCom1;
        reopened.insert(reopened.end(), kOpenCom1.begin(), kOpenCom1.end());
        QCOMPARE(editor.line.Calls(), reopened);
        QCOMPARE(ports->toolTip(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART\n"
                                                  "Reopened: COM1 was /dev/ttyS0 when it was opened."));
    }

    // Command 16 of the system menu opens the about box, whatever its low
    // bits. Where the platform has no system menu to take the item, a menu of
    // the window's own holds it.
    void theAboutBox_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("about");
        QTest::newRow("16") << "command" << 16 << true;
        QTest::newRow("16 with low bits") << "command" << 16 + 3 << true;
        QTest::newRow("32") << "command" << 32 << false;
        QTest::newRow("close") << "command" << 0xF060 << false;
        QTest::newRow("right click on the free area") << "right click" << 0 << true;
        QTest::newRow("Alt+Space") << "Alt+Space" << 0 << true;
    }

    void theAboutBox()
    {
        QFETCH(QString, way);
        QFETCH(int, command);
        QFETCH(bool, about);
        testing::StartedEditor editor;
        if (way == QLatin1String("command")) {
            editor.window->OnSysCommand(command);
        } else {
            const controls::PlenMenu* menu = editor.window->SystemMenu();
            QVERIFY(menu);
            QCOMPARE(menu->Item(menu->ItemCount() - 1)->m_commandId, 16);
            QCOMPARE(menu->Item(menu->ItemCount() - 1)->m_text, kAboutItem);
            editor.ShowActive();
            bool chosen = false;
            ChooseAboutFromTheNextMenu(chosen);
            if (way == QLatin1String("right click")) {
                const QPoint free(10, 50);
                QVERIFY(!editor.window->childAt(free));
                QContextMenuEvent click(QContextMenuEvent::Mouse, free, editor.window->mapToGlobal(free));
                QApplication::sendEvent(editor.window.get(), &click);
            } else {
                QTest::keyClick(editor.window.get(), Qt::Key_Space, Qt::AltModifier);
            }
            QVERIFY(chosen);
        }
        QCOMPARE(editor.modal.shown.size(), std::size_t{about ? 1u : 0u});
        if (!about)
            return;
        const testing::RecordingRunner::Shown& shown = editor.modal.shown.front();
        QCOMPARE(shown.title, QStringLiteral("HELP VELNAR MESSAGES"));
        QCOMPARE(shown.labels, QStringList{QStringLiteral("VELNAR MESSAGES 1.0 ")});
        QCOMPARE(shown.buttons, QStringList{QStringLiteral("OK")});
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
        testing::StartedEditor editor;
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

    // F1 in the main window or on a page is the help command 57670, which
    // the application object routes to the main window's help window; F1 in
    // the help window itself and any other command are not taken.
    void f1ShowsTheHelpWindow()
    {
        testing::StartedEditor editor;
        QFile help(editor.InProgramFolder(QStringLiteral("help.txt")));
        QVERIFY(help.open(QIODevice::WriteOnly));
        const QString kept = QDir::currentPath();
        auto& application = static_cast<app::CSignEditorApp&>(*QCoreApplication::instance());
        application.SetMainWindow(editor.window.get());
        QTest::keyClick(editor.window->PortList(), Qt::Key_F1);
        QTest::keyClick(editor.window->FirstPage().Slot(2).Row(1).edit, Qt::Key_F1);
        QTest::keyClick(editor.window->HelpDialog().Edit(), Qt::Key_F1);
        QVERIFY(application.OnCmdMsg(57670));
        QVERIFY(!application.OnCmdMsg(57671));
        QDir::setCurrent(kept);
        QCOMPARE(editor.modal.shown.size(), std::size_t{3});
        for (const testing::RecordingRunner::Shown& shown : editor.modal.shown)
            QCOMPARE(shown.title, QStringLiteral("HELP"));
    }

    // A row edit keeps Enter for its line break; the window stays open.
    void enterInARowEditStartsANewLine()
    {
        testing::StartedEditor editor;
        editor.ShowActive();
        QPlainTextEdit* edit = editor.window->FirstPage().Slot(0).Row(1).edit;
        edit->setFocus();
        QTest::keyClicks(edit, QStringLiteral("A"));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(editor.window->isVisible());
        QCOMPARE(edit->blockCount(), 2);
    }

    // Each command runs its button's handler, and only that: SEND ALL
    // raises its flag and leaves it raised when pressed again, and no
    // command touches the line.
    void menuCommandsRunTheHandlersOfTheirButtons_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("sendAll");
        const QString open = QStringLiteral("open");
        const QString save = QStringLiteral("save");
        QTest::newRow("OPEN") << kOpenButton << res::kCommandOpen << QStringList{open, open} << 0;
        QTest::newRow("SAVE") << kSaveButton << res::kCommandSave << QStringList{save, save} << 0;
        QTest::newRow("SEND ALL") << kSendAllButton << res::kCommandSendAll << QStringList{} << 1;
        // The toolbar's commands and a command next to the menu's, without buttons.
        for (const int other : {57601, 32772, 32773, res::kCommandSendAll + 1, 0})
            QTest::addRow("other command %d", other) << 0 << other << QStringList{} << 0;
    }

    void menuCommandsRunTheHandlersOfTheirButtons()
    {
        QFETCH(int, button);
        QFETCH(int, command);
        QFETCH(QStringList, asked);
        QFETCH(int, sendAll);
        testing::StartedEditor clicked;
        testing::StartedEditor chosen;
        for (int time = 0; time < 2; ++time) {
            if (button)
                clicked.Click(button);
            chosen.window->OnCommand(command);
        }
        for (const Editor* editor : {&clicked, &chosen}) {
            QCOMPARE(editor->files.asked, asked);
            QCOMPARE(int(editor->table.sendAllRequested), sendAll);
            QVERIFY(editor->modal.shown.empty());
            QCOMPARE(editor->line.Calls(), kOpenCom1);
            QVERIFY(editor->line.Writes().empty());
        }
    }
};

// The editor's own application object, so that its command route is the
// one the window meets.
int main(int argc, char* argv[])
{
    app::CSignEditorApp application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    MainWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "MainWindowTest.moc"
