#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "tests/support/Ser2net.h"
#include "tests/support/SignProcess.h"

namespace velnar {
namespace {

using testing::Ser2net;
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

// Waits until the tool has printed `text`.
bool WaitFor(QProcess& process, const char* text)
{
    while (!process.peek(1 << 16).contains(text)) {
        if (!process.waitForReadyRead(10000))
            return false;
    }
    return true;
}

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
    WaitFor(send.Process(), " accepted\n");
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
        WaitFor(send.Process(), " accepted\n");
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

// The tools through network serial servers.
class NetworkTest : public ToolsTest {
protected:
    // Slot 1's row, whose text frame ends in checksum 0xFF, Telnet's command byte.
    QString SaveRowWithChecksumFF()
    {
        std::u16string text(12, u'A');
        table.rowText[model::RowNumber(1, 1)] = text;
        const QString checksum = TextFrame(SaveTable()).section(' ', 20, 20);
        int missing = (0xFF - checksum.toInt(nullptr, 16) + 256) % 256;
        for (char16_t& c : text) {
            const int step = std::min(missing, 25);
            c = static_cast<char16_t>(c + step);
            missing -= step;
        }
        table.rowText[model::RowNumber(1, 1)] = text;
        return SaveTable();
    }

    // The text frame's line of a dry run of slot 1.
    static QString TextFrame(const QString& file)
    {
        const auto run = ToolProcess(Tool::Send, {"--dry-run", "--slot", "1", file}).Finish();
        return run.output.section('\n', 0, 0);
    }
};

struct LineFormat {
    speed_t speed;
    tcflag_t size;
    bool parity;
    bool twoStopBits;
    bool hardwareFlow;
    bool operator==(const LineFormat& o) const
    {
        return speed == o.speed && size == o.size && parity == o.parity && twoStopBits == o.twoStopBits &&
               hardwareFlow == o.hardwareFlow;
    }
};

LineFormat LineOf(const QString& device)
{
    const int fd = open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    termios mode{};
    tcgetattr(fd, &mode);
    close(fd);
    return {cfgetospeed(&mode), mode.c_cflag & CSIZE, (mode.c_cflag & PARENB) != 0, (mode.c_cflag & CSTOPB) != 0,
            (mode.c_cflag & CRTSCTS) != 0};
}

// Raw and Telnet servers carry a slot whole, 0xFF included, the Telnet line at 9600 8N1.
TEST_F(NetworkTest, SlotThroughRawAndRfc2217ServersArrivesWhole)
{
    const QString file = SaveRowWithChecksumFF();
    const QString frame = TextFrame(file);
    ASSERT_TRUE(frame.startsWith("TEXT ") && frame.section(' ', 20, 20) == "FF") << frame.toStdString();
    SignProcess sign;
    Ser2net server(sign.Port());
    ASSERT_TRUE(server.Started());

    ToolProcess telnet(Tool::Send, {"--port", server.Rfc2217Address(), "--slot", "1", file});
    ASSERT_TRUE(WaitFor(telnet.Process(), " accepted\n"));
    EXPECT_EQ(LineOf(sign.Port()), (LineFormat{B9600, CS8, false, false, false}));
    const auto telnetRun = telnet.Finish();
    const auto rawRun = testing::RunSend({"--port", server.RawAddress(), "--slot", "1", file});
    const auto notTelnet = testing::RunSend({"--port", "rfc2217" + server.RawAddress().mid(3), "--slot", "1", file});
    const QString shown = sign.Stop();

    for (const auto& run : {telnetRun, rawRun}) {
        EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
        EXPECT_TRUE(run.output.startsWith(frame.section(' ', 0, 20) + " accepted\n")) << run.output.toStdString();
        EXPECT_TRUE(run.output.endsWith("Send Complete!\n")) << run.output.toStdString();
    }
    const QString text = QString::fromStdU16String(table.rowText[model::RowNumber(1, 1)]);
    EXPECT_EQ(shown.count("TEXT slot 1 row 1 block 1/1 \"" + text + "\" animation 0 accepted\n"), 2)
        << shown.toStdString();
    EXPECT_EQ(notTelnet.exitCode, 2);
    EXPECT_TRUE(notTelnet.errors.contains("does not speak RFC 2217")) << notTelnet.errors.toStdString();
    EXPECT_FALSE(notTelnet.output.contains("accepted"));
}

// The server stopped mid-SEND ALL: the run ends within the frame and says why.
TEST_F(NetworkTest, StoppedServerEndsTheRunAtOnce)
{
    const QString file = SaveTable();
    SignProcess sign;
    Ser2net server(sign.Port());
    ASSERT_TRUE(server.Started());
    ToolProcess send(Tool::Send, {"--port", server.RawAddress(), "--all", file});
    ASSERT_TRUE(WaitFor(send.Process(), " accepted\n"));
    server.Stop();
    QElapsedTimer sinceStop;
    sinceStop.start();
    const auto run = send.Finish();
    sign.Stop();

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_LT(sinceStop.elapsed(), 5000);  // the frame on the line, its polls, and a loaded machine
    EXPECT_TRUE(run.output.contains("The port: " + server.RawAddress() + ": the connection dropped\n"))
        << run.output.toStdString();
}

// Three signs in one run, one silent: the summary names the one that did not take the slot.
TEST_F(NetworkTest, SeveralSignsEachGetTheSlotAndTheSummaryNamesTheSilentOne)
{
    table.rowText[model::RowNumber(1, 1)] = u"HOŞ GELDİNİZ";
    const QString file = SaveTable();
    SignProcess first;
    SignProcess silent({"--silent"});
    SignProcess third({"--listen", QStringLiteral("tcp://127.0.0.1:%1").arg(testing::FreeLoopbackPort())});
    const auto run = testing::RunSend(
        {"--port", first.Port(), "--port", silent.Port(), "--port", third.Port(), "--slot", "1", file});
    const QString shown[] = {first.Stop(), silent.Stop(), third.Stop()};

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.output.endsWith("2 of 3 signs took everything; " + silent.Port() + ": no answer\n"))
        << run.output.toStdString();
    for (const QString& port : {first.Port(), third.Port()}) {
        EXPECT_TRUE(run.output.contains(QRegularExpression("(^|\\n)\\[" + QRegularExpression::escape(port) +
                                                           "\\] TEXT [0-9A-F ]+ accepted\n")))
            << run.output.toStdString();
        EXPECT_TRUE(run.output.contains("[" + port + "] Send Complete!\n"));
    }
    EXPECT_TRUE(run.output.contains("[" + silent.Port() + "] Equipment Error!\n")) << run.output.toStdString();
    EXPECT_TRUE(shown[0].contains("\"HOŞ GELDİNİZ\" animation 0 accepted"));
    EXPECT_TRUE(shown[2].contains("\"HOŞ GELDİNİZ\" animation 0 accepted"));
}

}  // namespace
}  // namespace velnar
