#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "tests/support/SignProcess.h"

namespace velnar {
namespace {

using testing::RunSend;
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

TEST_F(ToolsTest, TwoRowSlotArrivesWithItsTexts)
{
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.rowText[model::RowNumber(3, 2)] = u"Hoş geldiniz";
    table.rowBrightness[model::RowNumber(3, 2)] = 8;
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;
    const QString file = SaveTable();
    SignProcess sign;
    ASSERT_FALSE(sign.Port().isEmpty());

    const auto run = RunSend({QStringLiteral("--port"), sign.Port(), QStringLiteral("--slot"), QStringLiteral("3"), file});
    bool clean = false;
    const QString shown = sign.Stop(&clean);

    EXPECT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.output.count(QStringLiteral(" accepted\n")), 5);  // text, settings, clock, text, settings
    EXPECT_TRUE(run.output.endsWith(QStringLiteral("Send Complete!\n"))) << run.output.toStdString();
    EXPECT_TRUE(clean);
    EXPECT_TRUE(shown.trimmed().endsWith(
        QStringLiteral("slot 3: two rows, selected, clock row off | row 1 \"MERHABA\" animation 0 brightness 0 "
                       "speed 0 | row 2 \"Hoş geldiniz\" animation 0 brightness 8 speed 0")))
        << shown.toStdString();
}

TEST_F(ToolsTest, RefusedFrameGoesOutAgainAndIsAccepted)
{
    table.rowText[model::RowNumber(16, 1)] = u"OK";
    const QString file = SaveTable();
    SignProcess sign({QStringLiteral("--refuse"), QStringLiteral("1")});

    const auto run = RunSend({QStringLiteral("--port"), sign.Port(), QStringLiteral("--slot"), QStringLiteral("16"), file});
    const QString shown = sign.Stop();

    EXPECT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("TEXT slot 16 row 1 block 1/1 \"OK\" refused\n"
                                                "TEXT slot 16 row 1 block 1/1 \"OK\" accepted\n")))
        << shown.toStdString();
}

TEST_F(ToolsTest, SilentSignIsAnEquipmentError)
{
    table.rowText[model::RowNumber(9, 1)] = u"X";
    const QString file = SaveTable();
    SignProcess sign({QStringLiteral("--silent")});

    const auto run = RunSend({QStringLiteral("--port"), sign.Port(), QStringLiteral("--slot"), QStringLiteral("9"), file});
    sign.Stop();

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output.count(QStringLiteral(" refused\n")), 2);
    EXPECT_TRUE(run.output.endsWith(QStringLiteral("Equipment Error!\n"))) << run.output.toStdString();
}

TEST_F(ToolsTest, UnreadableFileAndBadUsageExitWithTwo)
{
    const auto missing = RunSend({QStringLiteral("--dry-run"), QStringLiteral("--slot"), QStringLiteral("1"),
                                  folder.filePath(QStringLiteral("missing.VELNAR MESSAGES"))});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.errors.startsWith(QStringLiteral("velnar-send: cannot read "))) << missing.errors.toStdString();

    const auto usage = RunSend({QStringLiteral("--slot"), QStringLiteral("42"), SaveTable()});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.output.isEmpty());
}

}  // namespace
}  // namespace velnar
