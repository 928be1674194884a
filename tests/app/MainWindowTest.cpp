#include <QtTest>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>

#include "app/CHelpDialog.h"
#include "app/CSignEditorApp.h"
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
using testing::WriteFile;
using testing::FileBytes;
using testing::StartedEditor;
using Calls = std::vector<std::string>;

namespace {

// `before`, then the calls that close port `from` and open and set up `to`.
Calls ThenReopen(Calls before, int from, int to)
{
    const std::string f = std::to_string(from);
    const std::string t = std::to_string(to);
    for (const std::string& call : {"ClosePort(" + f + ")", "OpenPort(" + t + ")", "ConfigurePort(" + t + ",12,3)",
                                    "SetLineControlA(" + t + ",0)", "SetLineControlB(" + t + ",0)"})
        before.push_back(call);
    return before;
}

const Calls kOpenCom1 = ThenReopen({}, 1, 1);

bool AboutShown(const testing::RecordingRunner& modal)
{
    return modal.shown.size() == 1 && modal.shown[0].title == QStringLiteral("HELP VELNAR MESSAGES") &&
           modal.shown[0].labels == QStringList{QStringLiteral("VELNAR MESSAGES 1.0 ")} &&
           modal.shown[0].buttons == QStringList{QStringLiteral("OK")};
}

// Chooses the about item of the next menu; `chosen` stays false when none showed.
void ChooseAboutFromTheNextMenu(bool& chosen)
{
    QTimer::singleShot(0, [&chosen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
            if (action->text() == QStringLiteral("ABOUT VELNAR MESSAGES(&A)...")) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                chosen = true;
            }
        }
    });
}

// The help text in the program's folder; the current directory, which help changes, restored.
struct HelpEditor : testing::StartedEditor {
    QString kept = QDir::currentPath();
    QString path = InProgramFolder(QStringLiteral("help.txt"));

    ~HelpEditor() { QDir::setCurrent(kept); }
    QString ShowHelp()
    {
        Click(res::main_window::kHelpButton);
        return window->HelpDialog().Edit()->toPlainText();
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever the table held, the editor starts on COM1 with every list on its first item.
    void startsOnCom1WithEveryRowOnTheFirstItems()
    {
        Editor editor;
        editor.table.portIndex = 5;
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
        const model::MessageTable zeroed;
        QVERIFY(editor.table.rowAnimation == zeroed.rowAnimation && editor.table.rowSpeed == zeroed.rowSpeed &&
                editor.table.rowBrightness == zeroed.rowBrightness);
        window.Sheet().SetActivePage(1);
        QCOMPARE(window.SecondPage().Slot(0).Row(1).animation->currentText(), QStringLiteral("SOLDAN SAĞA"));
    }

    // The captions with their Turkish letters, the icon, and the banner at 230,0.
    void captionsAndBannerAsTheOperatorSeesThem()
    {
        StartedEditor editor;
        app::CMainDialog& window = *editor.window;
        QCOMPARE(window.windowTitle(), QStringLiteral("VELNAR MESSAGES"));
        QCOMPARE(window.Sheet().tabText(0) + window.Sheet().tabText(1), QStringLiteral("SAYFA1SAYFA2"));
        QVERIFY(!window.windowIcon().isNull());
        const std::pair<int, const char*> captions[] = {
            {kOpenButton, "AÇ.."},       {kSaveButton, "KAYDET.."},           {kSendAllButton, "HEPSİNİ GÖNDER"},
            {kHelpButton, "YARDIM"},     {kPortLabel, "PORT SEÇİMİ"},         {kDateLabel, "TARİH (Gn-Ay-Yıl)"},
            {kTimeLabel, "SAAT(Sa-Dk-Sn)"}, {kDayLabel, "GÜN"}};
        for (const auto& [id, caption] : captions)
            QCOMPARE(editor.Text(id), QString::fromUtf8(caption));

        const QImage painted = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage banner = res::LoadBitmap(res::kBannerBitmap).convertToFormat(QImage::Format_RGB32);
        const int rows = window.Control(kPortLabel)->y();
        QVERIFY(rows > 30);
        QCOMPARE(painted.copy(230, 0, banner.width(), rows), banner.copy(0, 0, banner.width(), rows));
    }

    void theDateDisplayShowsTheLocalTime_data()
    {
        QTest::addColumn<QList<int>>("now");  // year, month, day, hour, minute, second, weekday (1: Sunday)
        QTest::addColumn<QString>("dateAndTime");
        QTest::addColumn<QString>("day");
        QTest::newRow("Sunday") << QList<int>{2026, 12, 6, 0, 5, 9, 1} << "06/12/2026 00:05:09" << "PAZR";
        QTest::newRow("Monday") << QList<int>{2007, 3, 5, 9, 4, 7, 2} << "05/03/2007 09:04:07" << "PTES";
        QTest::newRow("Tuesday") << QList<int>{2026, 12, 8, 0, 0, 0, 3} << "08/12/2026 00:00:00" << "SALI";
        QTest::newRow("Wednesday") << QList<int>{2026, 12, 9, 0, 0, 0, 4} << "09/12/2026 00:00:00" << "ÇARŞ";
        QTest::newRow("Thursday") << QList<int>{2026, 12, 31, 13, 5, 9, 5} << "31/12/2026 13:05:09" << "PERŞ";
        QTest::newRow("Friday, blank first") << QList<int>{2007, 3, 9, 23, 59, 59, 6} << "09/03/2007 23:59:59" << " CUMA";
        QTest::newRow("Saturday") << QList<int>{2026, 12, 12, 0, 0, 0, 7} << "12/12/2026 00:00:00" << "CTES";
        QTest::newRow("weekday 8: no day") << QList<int>{2026, 12, 13, 12, 0, 0, 8} << "13/12/2026 12:00:00" << "";
    }

    // The window's own timer shows the local time over what was typed.
    void theDateDisplayShowsTheLocalTime()
    {
        QFETCH(QList<int>, now);
        QFETCH(QString, dateAndTime);
        QFETCH(QString, day);
        StartedEditor editor;
        editor.clock.now = {now[0], now[1], now[2], now[3], now[4], now[5], now[6]};
        editor.Control<QLineEdit>(kDateField)->setText(QStringLiteral("yazı"));
        editor.Control<QLineEdit>(kDayField)->setText(QStringLiteral("gün"));
        QTRY_COMPARE_WITH_TIMEOUT(editor.Text(kDateField) + ' ' + editor.Text(kTimeField), dateAndTime, 1000);
        QCOMPARE(editor.Text(kDayField), day);
    }

    // Opening the list finds new adapters; only the operator's choice reopens; problems go on the tooltip.
    void thePortListFollowsTheDevicesAndTheOperatorsChoice()
    {
        Editor editor;
        editor.listedPorts = {{"/dev/ttyS0", ""}};
        editor.ports.Refresh();
        editor.line.problems[3] = "COM3: no such port";
        editor.Start();
        editor.listedPorts = {{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", "FT232R USB UART"}};
        QComboBox* ports = editor.window->PortList();
        for (int opened = 0; opened < 2; ++opened) {
            ports->showPopup();
            ports->hidePopup();
        }
        QCOMPARE(ports->itemData(0, Qt::ToolTipRole).toString(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART"));
        QCOMPARE(ports->itemData(1, Qt::ToolTipRole).toString(), QStringLiteral("COM2: /dev/ttyS0"));
        QCOMPARE(ports->itemData(8, Qt::ToolTipRole).toString(), QStringLiteral("COM9: no port"));
        const Calls followed = ThenReopen(kOpenCom1, 1, 1);
        QCOMPARE(editor.line.Calls(), followed);
        QCOMPARE(ports->toolTip(), QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART\n"
                                                  "Reopened: COM1 was /dev/ttyS0 when it was opened."));
        ports->setCurrentIndex(4);
        QCOMPARE(editor.line.Calls(), followed);

        editor.line.problems[1] = "/dev/ttyUSB0: Permission denied";
        for (int pick : {2, 2, 0}) {
            ports->setCurrentIndex(pick);
            emit ports->activated(pick);
            if (pick == 2)
                QCOMPARE(ports->toolTip(), QStringLiteral("COM3: no port\nCOM3: no such port"));
        }
        QCOMPARE(editor.line.Calls(), ThenReopen(ThenReopen(ThenReopen(followed, 1, 3), 3, 3), 3, 1));
        QCOMPARE(editor.table.portIndex, 0);
        const QString refused = QStringLiteral("COM1: /dev/ttyUSB0, FT232R USB UART\n/dev/ttyUSB0: Permission denied");
        // Only Linux keeps its serial ports for a group, dialout, and says how to join it.
#ifdef __linux__
        QVERIFY(ports->toolTip().startsWith(refused + QLatin1Char('\n')));
        QVERIFY(ports->toolTip().contains(QLatin1String("adduser $USER dialout")));
#else
        QCOMPARE(ports->toolTip(), refused);
#endif
        QVERIFY(editor.modal.shown.empty());
    }

    void theAboutItemOfTheWindowsOwnMenu_data()
    {
        QTest::addColumn<bool>("rightClick");
        QTest::addColumn<QString>("focus");  // "window", "help button" or "selected box"
        QTest::addColumn<bool>("active");
        QTest::newRow("right click") << true << "window" << true;
        QTest::newRow("Alt+Space on a button") << false << "help button" << true;
        QTest::newRow("Alt+Space on a box, window not active") << false << "selected box" << false;
    }

    // Right click or Alt+Space from any control opens the window's own menu, pressing nothing.
    void theAboutItemOfTheWindowsOwnMenu()
    {
        QFETCH(bool, rightClick);
        QFETCH(QString, focus);
        QFETCH(bool, active);
        StartedEditor editor;
        if (active)
            editor.ShowActive();
        else
            editor.window->show();
        QAbstractButton* button = editor.Control<QPushButton>(kHelpButton);
        if (focus == QStringLiteral("selected box"))
            button = editor.window->FirstPage().Slot(0).selected;
        QWidget* focused = focus == QStringLiteral("window") ? static_cast<QWidget*>(editor.window.get()) : button;
        focused->setFocus();
        bool chosen = false;
        ChooseAboutFromTheNextMenu(chosen);
        const QPoint free(10, 50);
        QVERIFY(!editor.window->childAt(free));
        QContextMenuEvent click(QContextMenuEvent::Mouse, free, editor.window->mapToGlobal(free));
        if (rightClick)
            QApplication::sendEvent(editor.window.get(), &click);
        else
            QTest::keyClick(focused, Qt::Key_Space, Qt::AltModifier);
        QVERIFY(chosen);
        QVERIFY(AboutShown(editor.modal));
        QVERIFY(!button->isDown() && !button->isChecked());
    }

    void enterInARowMovesOnAsTabDoes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("rowText");
        QTest::newRow("Return") << "TEST" << false << int(Qt::Key_Return) << int(Qt::NoModifier) << "TEST";
        QTest::newRow("keypad Enter") << "TEST" << false << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "TEST";
        QTest::newRow("Shift+Return") << "TEST" << false << int(Qt::Key_Return) << int(Qt::ShiftModifier) << "TEST";
        QTest::newRow("pasted break") << "İKİ\nSATIR" << true << int(Qt::Key_Return) << 0 << "İKİ\r\nSATIR";
    }

    // A sign row has no line break: Return moves on as Tab does; a pasted break stays.
    void enterInARowMovesOnAsTabDoes()
    {
        QFETCH(QString, text);
        QFETCH(bool, pasted);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, rowText);
        StartedEditor editor;
        editor.ShowActive();
        QPlainTextEdit* row = editor.window->FirstPage().Slot(1).Row(1).edit;
        row->setFocus();
        QTest::keyClick(row, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        QVERIFY(next && next != row);
        row->setFocus();
        if (pasted) {
            QApplication::clipboard()->setText(text);
            row->paste();
        } else {
            QTest::keyClicks(row, text);
        }
        QTest::keyClick(row, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QApplication::focusWidget(), next);
        QCOMPARE(QString::fromStdU16String(editor.table.rowText[model::RowNumber(2, 1)]), rowText);
        QVERIFY(editor.window->isVisible() && editor.modal.shown.empty());
    }

    void closingAsksOnlyWhenEditsWouldBeLost_data()
    {
        QTest::addColumn<QString>("how");   // "escape", "enter" or "close box"
        QTest::addColumn<QString>("edit");  // "", "text" or "box"
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("saveTo");  // "", "file", "cancelled" or "missing folder"
        QTest::addColumn<int>("boxes");
        QTest::addColumn<bool>("closed");
        QTest::newRow("escape, nothing edited") << "escape" << "" << int(QMessageBox::Cancel) << "" << 0 << true;
        QTest::newRow("escape, unsaved text, cancel")
            << "escape" << "text" << int(QMessageBox::Cancel) << "" << 1 << false;
        QTest::newRow("enter, unsaved box, discard")
            << "enter" << "box" << int(QMessageBox::Discard) << "" << 1 << true;
        QTest::newRow("enter, unsaved text, save") << "enter" << "text" << int(QMessageBox::Save) << "file" << 1 << true;
        QTest::newRow("close box, nothing edited") << "close box" << "" << int(QMessageBox::Cancel) << "" << 0 << true;
        QTest::newRow("close box, unsaved box, save cancelled")
            << "close box" << "box" << int(QMessageBox::Save) << "cancelled" << 1 << false;
        QTest::newRow("close box, unsaved text, save fails")
            << "close box" << "text" << int(QMessageBox::Save) << "missing folder" << 2 << false;
    }

    // Escape, Enter and the close box ask only when edits are in no file; a failed save keeps the window.
    void closingAsksOnlyWhenEditsWouldBeLost()
    {
        QFETCH(QString, how);
        QFETCH(QString, edit);
        QFETCH(int, answer);
        QFETCH(QString, saveTo);
        QFETCH(int, boxes);
        QFETCH(bool, closed);
        StartedEditor editor;
        editor.ShowActive();
        // Edits on page 2, which is not shown and so cannot overwrite them.
        if (edit == QStringLiteral("text"))
            editor.table.rowText[model::RowNumber(11, 2)] = u"YENİ";
        editor.table.slotClock[11] = edit == QStringLiteral("box");
        editor.modal.answers.push_back(answer);
        const QString path = editor.InProgramFolder(saveTo == QStringLiteral("missing folder")
                                                        ? QStringLiteral("yok/mesajlar")
                                                        : QStringLiteral("mesajlar"));
        if (!saveTo.isEmpty())
            editor.files.answers.push_back(saveTo == QStringLiteral("cancelled") ? QString() : path);
        QWidget* focus = editor.window->PortList();
        focus->setFocus();
        if (how == QStringLiteral("escape"))
            QTest::keyClick(editor.window.get(), Qt::Key_Escape);
        else if (how == QStringLiteral("close box"))
            QCOMPARE(editor.window->close(), closed);
        else
            QTest::keyClick(focus, Qt::Key_Return);
        QCOMPARE(int(editor.modal.shown.size()), boxes);
        if (boxes) {
            QStringList buttons = editor.modal.shown.front().buttons;
            buttons.sort();
            QCOMPARE(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("Discard"), QStringLiteral("Save")}));
            QCOMPARE(editor.modal.shown.front().defaultButton, QStringLiteral("Save"));
        }
        QCOMPARE(editor.files.asked, saveTo.isEmpty() ? QStringList() : QStringList{QStringLiteral("save")});
        QCOMPARE(QFile::exists(path), saveTo == QStringLiteral("file"));
        if (saveTo == QStringLiteral("file"))
            QCOMPARE(FileBytes(path), testing::TableBytes(editor.table));
        QCOMPARE(editor.window->isVisible(), !closed);
        if (closed)
            QCOMPARE(editor.window->result(), int(how == QStringLiteral("enter") ? QDialog::Accepted : QDialog::Rejected));
    }

    // F1 anywhere, and the application's help command, show the main window's help window.
    void f1ShowsTheHelpWindow()
    {
        HelpEditor editor;
        QVERIFY(WriteFile(editor.path, ""));
        auto& application = static_cast<app::CSignEditorApp&>(*QCoreApplication::instance());
        application.SetMainWindow(editor.window.get());
        QTest::keyClick(editor.window->PortList(), Qt::Key_F1);
        QTest::keyClick(editor.window->FirstPage().Slot(2).Row(1).edit, Qt::Key_F1);
        QTest::keyClick(editor.window->HelpDialog().Edit(), Qt::Key_F1);
        QVERIFY(application.OnCmdMsg(57670));
        QCOMPARE(editor.modal.shown.size(), std::size_t{3});
        for (const testing::RecordingRunner::Shown& shown : editor.modal.shown)
            QCOMPARE(shown.title, QStringLiteral("HELP"));
    }

    // Each showing rereads the help file; a missing one is told and the text stays.
    void everyShowingStartsFromTheFile()
    {
        HelpEditor editor;
        app::CHelpDialog& help = editor.window->HelpDialog();
        QTemporaryDir elsewhere;
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        // the file (null: none), the operator's edit before, shown, boxes so far
        const std::tuple<const char*, const char*, const char*, std::size_t> showings[] = {
            {nullptr, nullptr, "", 2},     {"ilk\n", nullptr, "ilk\n", 3}, {"ilk\n", "edited", "ilk\n", 4},
            {"\xDE\xDD\xD0 ikinci\n", nullptr, "ŞİĞ ikinci\n", 5}, {nullptr, "edited", "ŞİĞ ikinci\n", 7}};
        for (const auto& [file, edit, shown, boxes] : showings) {
            QVERIFY(file ? WriteFile(editor.path, file) : !QFile::exists(editor.path) || QFile::remove(editor.path));
            if (edit)
                help.Edit()->setPlainText(QString::fromLatin1(edit));
            QCOMPARE(editor.ShowHelp(), QString::fromUtf8(shown));
            QCOMPARE(editor.modal.shown.size(), boxes);
            QCOMPARE(editor.modal.shown[boxes - 2].title == QStringLiteral("VELNAR MESSAGES"), !file);
            QCOMPARE(editor.modal.shown.back().title, QStringLiteral("HELP"));
        }
        QVERIFY(editor.ShownText().contains(QString::fromStdString(std::make_error_code(std::errc::no_such_file_or_directory).message())));
        QVERIFY(editor.ShownText().contains(QDir::toNativeSeparators(editor.path)));
        QVERIFY(!help.Edit()->isReadOnly());

        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.Edit()->setFocus();
        QTest::keyClick(help.Edit(), Qt::Key_Return);
        QVERIFY(!help.isVisible());
        QCOMPARE(help.result(), int(QDialog::Accepted));
        QCOMPARE(help.Edit()->toPlainText(), QStringLiteral("ŞİĞ ikinci\n"));
    }
};

// The editor's own application object, for its command route.
int main(int argc, char* argv[])
{
    app::CSignEditorApp application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    MainWindowTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "MainWindowTest.moc"
