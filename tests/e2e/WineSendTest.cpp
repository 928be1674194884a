#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "tests/support/SignProcess.h"

namespace velnar {
namespace {

using testing::SignProcess;
using testing::Tool;
using testing::ToolProcess;

// A clock frame carries the moment it was made: only the rest compares between runs.
QString WithoutTheTime(QString line)
{
    static const QRegularExpression time(QStringLiteral("^CLOCK( [0-9A-F]{2}){20}|"
                                                        "^CLOCK 20\\d\\d-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d weekday \\d"));
    return line.replace(time, QStringLiteral("CLOCK"));
}

// The Windows build under Wine sends the bytes the Linux dry run makes of the same file.
TEST(WineSendTest, FramesArriveByteForByteAsTheLinuxBuildMakesThem)
{
    model::MessageTable table;
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.rowAnimation[model::RowNumber(3, 1)] = 1;
    table.rowBrightness[model::RowNumber(3, 1)] = 8;
    table.rowSpeed[model::RowNumber(3, 1)] = 4;
    table.rowText[model::RowNumber(3, 2)] = u"Hoş geldiniz ÇĞİÖŞÜ";
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("dükkan.VELNAR MESSAGES"));
    ASSERT_TRUE(file::SaveMessageFile(file.toStdString(), table).ok);

    const auto dryRun = testing::RunSend({"--dry-run", "--slot", "3", file});
    ASSERT_EQ(dryRun.exitCode, 0) << dryRun.errors.toStdString();
    QStringList bytes, readings;
    for (const QString& line : dryRun.output.split('\n', Qt::SkipEmptyParts)) {
        const qsizetype gap = line.indexOf(QStringLiteral("  "));
        if (gap > 0) {
            bytes << WithoutTheTime(line.left(gap)) + QStringLiteral(" accepted");
            readings << WithoutTheTime(line.mid(gap + 2)) + QStringLiteral(" accepted");
        }
    }
    ASSERT_EQ(bytes.size(), 6);  // row 1's text, settings and clock; row 2's two text blocks and settings

    SignProcess sign;
    ASSERT_FALSE(sign.Port().isEmpty());
    ASSERT_TRUE(testing::LinkWineComPort(5, sign.Port()));
    auto run = ToolProcess(Tool::WindowsSend, {"--port", "COM5", "--slot", "3", "Z:" + file}).Finish();
    bool clean = false;
    const QString shown = sign.Stop(&clean);
    run.output.remove('\r');

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_TRUE(clean);
    QStringList sent = run.output.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(sent.size(), bytes.size() + 1) << run.output.toStdString();
    EXPECT_EQ(sent.takeLast(), QStringLiteral("Send Complete!"));
    // A frame that went out twice is no less accepted.
    static const QRegularExpression sendings(QStringLiteral(" after \\d+ sendings$"));
    for (QString& line : sent)
        line = WithoutTheTime(line).remove(sendings);
    EXPECT_EQ(sent, bytes);
    // Under Wine a missed ready byte costs a refused frame, which the handshake resends.
    QStringList taken;
    for (const QString& line : shown.split('\n')) {
        if (line.endsWith(QStringLiteral(" accepted")))
            taken << WithoutTheTime(line);
    }
    EXPECT_EQ(taken, readings) << shown.toStdString();
}

}  // namespace
}  // namespace velnar
