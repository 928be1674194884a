#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
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

class NetworkTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    model::MessageTable table;

    QString SaveTable()
    {
        const QString path = folder.filePath(QStringLiteral("shop.VELNAR MESSAGES"));
        EXPECT_TRUE(file::SaveMessageFile(path.toStdString(), table).ok);
        return path;
    }

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

// Waits until the tool has printed `text`.
bool WaitFor(QProcess& process, const char* text)
{
    while (!process.peek(1 << 16).contains(text)) {
        if (!process.waitForReadyRead(10000))
            return false;
    }
    return true;
}

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
