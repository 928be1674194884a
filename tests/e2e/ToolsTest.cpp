#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <unistd.h>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "tests/support/SignProcess.h"

namespace velnar {
namespace {

using testing::RunSend;
using testing::SendProcess;
using testing::SignProcess;

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

// Pixels of lit LEDs in the rows [top, bottom) of a snapshot.
int LitPixels(const QImage& picture, int top, int bottom)
{
    int lit = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < picture.width(); ++x)
            lit += qRed(picture.pixel(x, y)) > 100;
    }
    return lit;
}

// A slot sent over a real line to the virtual sign, which refuses the first
// frame: the frame goes out again, and the board shows both rows.
TEST_F(ToolsTest, TwoRowSlotArrivesWithItsTextsInBothHalvesOfTheBoard)
{
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.rowText[model::RowNumber(3, 2)] = u"Hoş geldiniz";
    table.rowBrightness[model::RowNumber(3, 2)] = 8;
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;
    const QString file = SaveTable();
    const QString snapshot = folder.filePath(QStringLiteral("board.png"));
    SignProcess sign({QStringLiteral("--snapshot"), snapshot, QStringLiteral("--refuse"), QStringLiteral("1")});
    ASSERT_FALSE(sign.Port().isEmpty());

    const auto run = RunSend({QStringLiteral("--port"), sign.Port(), QStringLiteral("--slot"), QStringLiteral("3"), file});
    bool clean = false;
    const QString shown = sign.Stop(&clean);

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output.count(QStringLiteral(" accepted\n")), 5);  // text, settings, clock, text, settings
    EXPECT_TRUE(run.output.endsWith(QStringLiteral("Send Complete!\n"))) << run.output.toStdString();
    EXPECT_TRUE(clean);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("TEXT slot 3 row 1 block 1/1 \"MERHABA\" animation 0 refused\n"
                                                "TEXT slot 3 row 1 block 1/1 \"MERHABA\" animation 0 accepted\n")))
        << shown.toStdString();
    EXPECT_TRUE(shown.trimmed().endsWith(
        QStringLiteral("slot 3: two rows, selected, clock row off | row 1 \"MERHABA\" animation 0 brightness 0 "
                       "speed 0 | row 2 \"Hoş geldiniz\" animation 0 brightness 8 speed 0")))
        << shown.toStdString();

    const QImage board(snapshot);
    ASSERT_EQ(board.size(), QSize(128 * 8, 16 * 8));
    EXPECT_GT(LitPixels(board, 0, board.height() / 2), 0);
    EXPECT_GT(LitPixels(board, board.height() / 2, board.height()), 0);
}

// An adapter pulled out in the middle of a send: every later frame ends
// with its give-up times and the run ends in an equipment error that says
// what became of the port, instead of hanging.
TEST_F(ToolsTest, VanishedPortEndsTheRunWithTheReport)
{
    table.rowText[model::RowNumber(1, 1)] = u"THIRTEEN LETTERS";  // two blocks in one row
    const QString file = SaveTable();
    SignProcess sign;
    SendProcess send({QStringLiteral("--port"), sign.Port(), QStringLiteral("--slot"), QStringLiteral("1"), file});
    while (!send.Process().peek(1 << 16).contains(" accepted\n") && send.Process().waitForReadyRead(10000)) {
    }
    sign.Unplug();
    const auto run = send.Finish();

    EXPECT_EQ(run.exitCode, 1);
    // Block 2 was on its way; the settings frame is not tried on a port that is gone.
    EXPECT_TRUE(run.output.endsWith(QStringLiteral(" no answer\nNot everything reached the sign.\n"
                                                   "Slot 1: the sign did not answer TEXT row 1.\n"
                                                   "Slot 1: the port stopped working before its end.\nThe port: ") +
                                    sign.Port() + QStringLiteral(": the device is gone; was the adapter unplugged?\n")))
        << run.output.toStdString();
}

// What the command line promises: usage and version on standard output,
// bad usage and unreadable files on standard error with exit 2, and the
// ports it would use.
TEST_F(ToolsTest, OptionsAndPortListing)
{
    SignProcess sign;
    const QString missing = folder.filePath(QStringLiteral("ttyUSB9"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELNAR_COM1"), sign.Port());
    environment.insert(QStringLiteral("VELNAR_COM2"), missing);
    struct Case {
        QStringList arguments;
        int exitCode;
        QString output;  // how a line of standard output begins, or empty for no output
        QString errors;  // what standard error must hold, or empty for none at all
        bool usage = false;  // standard error shows the usage
    };
    const QString file = SaveTable();
    const Case cases[] = {
        {{QStringLiteral("--help")}, 0, QStringLiteral("  --list-ports  "), {}},
        {{QStringLiteral("--version")}, 0, QStringLiteral("velnar-send " VELNAR_VERSION), {}},
        {{QStringLiteral("--verbose"), QStringLiteral("--all"), file}, 2, {}, QStringLiteral("unknown option --verbose"), true},
        {{QStringLiteral("--slot")}, 2, {}, QStringLiteral("--slot needs a slot from 1 to 16"), true},
        {{QStringLiteral("--all"), file, file}, 2, {}, QStringLiteral("only one message file"), true},
        {{QStringLiteral("--list-ports"), file}, 2, {}, QStringLiteral("give it no message file"), true},
        {{QStringLiteral("--dry-run"), QStringLiteral("--all"), missing}, 2, {}, QStringLiteral("velnar-send: cannot read ") + missing},
        {{QStringLiteral("--list-ports")}, 0, QStringLiteral("COM1: ") + sign.Port() + QStringLiteral(" (VELNAR_COM1) - can be opened"), {}},
        {{QStringLiteral("--list-ports")}, 0, QStringLiteral("COM2: ") + missing + QStringLiteral(" (VELNAR_COM2) - cannot be opened: No such file or directory"), {}},
    };
    for (const Case& c : cases) {
        const auto run = SendProcess(c.arguments, environment).Finish();
        const std::string what = c.arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(run.exitCode, c.exitCode) << what;
        const QStringList lines = run.output.split(QLatin1Char('\n'));
        if (c.output.isEmpty())
            EXPECT_TRUE(run.output.isEmpty()) << what;
        else
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& line) { return line.startsWith(c.output); }))
                << what << "\n"
                << run.output.toStdString();
        EXPECT_EQ(run.errors.isEmpty(), c.errors.isEmpty()) << what;
        EXPECT_TRUE(run.errors.contains(c.errors)) << what;
        EXPECT_EQ(run.errors.contains(QStringLiteral("usage: velnar-send")), c.usage) << what;
    }
    sign.Stop();
}

// A device the user may not open is told with the system's reason and what
// to do about it. Root may open anything, so as root the listing runs as
// the user nobody.
TEST_F(ToolsTest, PortWithoutPermissionIsToldWithTheHint)
{
    const QString locked = folder.filePath(QStringLiteral("ttyUSB0"));
    QFile device(locked);
    ASSERT_TRUE(device.open(QIODevice::WriteOnly));
    device.close();
    ASSERT_TRUE(device.setPermissions({}));
    ASSERT_TRUE(QFile::setPermissions(folder.path(), QFile::permissions(folder.path()) | QFile::ExeOther));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELNAR_COM3"), locked);
    const QStringList asNobody = {QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"),
                                  QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")};

    const auto run = SendProcess({QStringLiteral("--list-ports")}, environment, geteuid() == 0 ? asNobody : QStringList())
                         .Finish();
    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QStringList lines = run.output.split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("COM3: ") + locked + QStringLiteral(" (VELNAR_COM3) - cannot be opened: Permission denied")))
        << run.output.toStdString();
    EXPECT_TRUE(run.output.contains(QStringLiteral("sudo adduser $USER dialout"))) << run.output.toStdString();
}

}  // namespace
}  // namespace velnar
