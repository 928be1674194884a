#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "tests/support/SignProcess.h"

namespace velnar {
namespace {

using testing::SignProcess;
using testing::Tool;
using testing::ToolProcess;

class ToolsTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    model::MessageTable table;

    QString SaveTable()
    {
        const QString path = folder.filePath(QStringLiteral("shop.VELNAR MESSAGES"));
        EXPECT_TRUE(file::SaveMessageFile(path.toStdString(), table).ok);
        return path;
    }
};

// The virtual sign refuses the first frame: it goes again, and the sign holds both rows.
TEST_F(ToolsTest, TwoRowSlotArrivesWithBothItsRows)
{
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.rowText[model::RowNumber(3, 2)] = u"Hoş geldiniz";
    table.rowBrightness[model::RowNumber(3, 2)] = 8;
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;
    const QString file = SaveTable();
    const QString snapshot = folder.filePath(QStringLiteral("board.png"));
    SignProcess sign({"--snapshot", snapshot, "--refuse", "1"});
    ASSERT_FALSE(sign.Port().isEmpty());

    const auto run = testing::RunSend({"--port", sign.Port(), "--slot", "3", file});
    bool clean = false;
    const QString shown = sign.Stop(&clean);

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    // Text, settings, clock, text, settings; the first text frame went out twice.
    EXPECT_EQ(run.output.count(QStringLiteral(" accepted\n")), 4);
    EXPECT_EQ(run.output.count(QStringLiteral(" accepted after 2 sendings\n")), 1);
    EXPECT_TRUE(run.output.endsWith(QStringLiteral("Send Complete!\n"))) << run.output.toStdString();
    EXPECT_TRUE(clean);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("TEXT slot 3 row 1 block 1/1 \"MERHABA\" animation 0 refused\n"
                                                "TEXT slot 3 row 1 block 1/1 \"MERHABA\" animation 0 accepted\n")))
        << shown.toStdString();
    EXPECT_TRUE(shown.trimmed().endsWith(
        QStringLiteral("slot 3: two rows, selected, clock row off | row 1 \"MERHABA\" animation 0 brightness 0 "
                       "speed 0 | row 2 \"Hoş geldiniz\" animation 0 brightness 8 speed 0")))
        << shown.toStdString();

    EXPECT_EQ(QImage(snapshot).size(), QSize(128 * 8, 16 * 8));
}

// An adapter pulled out mid-send ends in an equipment error instead of hanging.
TEST_F(ToolsTest, VanishedPortEndsTheRunWithTheReport)
{
    table.rowText[model::RowNumber(1, 1)] = u"THIRTEEN LETTERS";  // two blocks in one row
    const QString file = SaveTable();
    SignProcess sign;
    ToolProcess send(Tool::Send, {"--port", sign.Port(), "--slot", "1", file});
    while (!send.Process().peek(1 << 16).contains(" accepted\n") && send.Process().waitForReadyRead(10000)) {
    }
    sign.Unplug();
    const auto run = send.Finish();

    EXPECT_EQ(run.exitCode, 1);
    // Block 2 was on its way; the settings frame is not tried on a port that is gone.
    EXPECT_TRUE(run.output.endsWith(QStringLiteral(" no answer\nNot everything reached the sign.\n"
                                                   "Slot 1: the sign did not answer TEXT row 1.\n"
                                                   "Slot 1: the port stopped working before its end.\nThe port: ") +
                                    sign.Port() + QStringLiteral(": the device is gone; was the adapter unplugged?\n"
                                                                 "velnar-send --changed sends the 1 slot not taken "
                                                                 "(about 0:05)\n")))
        << run.output.toStdString();
}

// A stop mid-frame lets the frame out whole as the last, and reports what was not sent.
TEST_F(ToolsTest, SigtermAndSighupEndTheSendAfterTheFrameOnTheLine)
{
    table.rowText[model::RowNumber(1, 1)] = u"THIRTEEN LETTERS";  // two text frames
    const QString file = SaveTable();
    for (const int signal : {SIGTERM, SIGHUP}) {
        SignProcess sign;
        ToolProcess send(Tool::Send, {"--port", sign.Port(), "--slot", "1", file});
        while (!send.Process().peek(1 << 16).contains(" accepted\n") && send.Process().waitForReadyRead(10000)) {
        }
        QThread::msleep(300);  // into the second frame's bytes
        ::kill(static_cast<pid_t>(send.Process().processId()), signal);
        const auto run = send.Finish();
        const QString shown = sign.Stop();

        EXPECT_EQ(send.Process().exitStatus(), QProcess::NormalExit) << signal;
        EXPECT_EQ(run.exitCode, 1) << signal;
        EXPECT_EQ(run.output.count(QStringLiteral(" accepted\n")), 2) << run.output.toStdString();
        EXPECT_TRUE(run.output.endsWith(QStringLiteral("Not everything reached the sign.\n"
                                                       "Slot 1: stopped before its end.\n"
                                                       "velnar-send --changed sends the 1 slot not taken (about 0:05)\n")))
            << run.output.toStdString();
        EXPECT_EQ(shown.count(QStringLiteral("TEXT slot 1 row 1 block ")), 2) << shown.toStdString();
    }
}

// Bad usage and unreadable files go to standard error with exit 2.
TEST_F(ToolsTest, OptionsAndPortListing)
{
    SignProcess sign;
    const QString missing = folder.filePath(QStringLiteral("ttyUSB9"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELNAR_COM1"), sign.Port());
    environment.insert(QStringLiteral("VELNAR_COM2"), missing);
    // The listing tries each port: none may lead to this machine's own.
    for (int port = 3; port <= 9; ++port)
        environment.insert(QStringLiteral("VELNAR_COM%1").arg(port), missing);
    struct Case {
        Tool tool;
        QStringList arguments;
        int exitCode;
        QString output;  // how a line of standard output begins, or empty for no output
        QString errors;  // what standard error must hold, or empty for none at all
        bool usage = false;  // standard error shows the usage
    };
    const QString file = SaveTable();
    const Case cases[] = {
        {Tool::Send, {"--verbose", "--all", file}, 2, {}, "unknown option --verbose", true},
        {Tool::Send, {"--dry-run", "--all", missing}, 2, {}, "velnar-send: cannot read " + missing},
        {Tool::Send, {"--list-ports"}, 0, "COM1: " + sign.Port() + " (environment: VELNAR_COM1) - can be opened", {}},
        {Tool::Send, {"--list-ports"}, 0,
         "COM2: " + missing + " (environment: VELNAR_COM2) - cannot be opened: No such file or directory", {}},
        {Tool::Sign, {"--columns", "63"}, 2, {}, "velnar-sign: --columns needs a width from 64 to 512", true},
    };
    for (const Case& c : cases) {
        const auto run = ToolProcess(c.tool, c.arguments, environment).Finish();
        const QString usage = c.tool == Tool::Send ? "usage: velnar-send" : "usage: velnar-sign";
        const std::string what = (usage + " " + c.arguments.join(' ')).toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        const QStringList lines = run.output.split('\n');
        EXPECT_EQ(run.output.isEmpty(), c.output.isEmpty()) << what;
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(c.output); }))
            << what << "\n" << run.output.toStdString();
        EXPECT_EQ(run.errors.isEmpty(), c.errors.isEmpty()) << what;
        EXPECT_TRUE(run.errors.contains(c.errors)) << what;
        EXPECT_EQ(run.errors.contains(usage), c.usage) << what;
    }
    sign.Stop();
}

}  // namespace
}  // namespace velnar
