#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "file/SignRecordFile.h"
#include "link/SendRun.h"
#include "link/SlotSender.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::link {
namespace {

namespace fs = std::filesystem;

// Sixteen slots on the virtual sign and in the record; then what send-what-changed picks.
class SignRecordTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    SlotSender sender{link, localTime, table};
    const std::string device = "/dev/ttyUSB0";
    // A folder of each test's own: the tests run side by side.
    fs::path folder = fs::path(::testing::TempDir()) /
                      ("velnar-state-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())) /
                      "velnar-messages";

    void SetUp() override
    {
        fs::remove_all(folder.parent_path());
        for (int slot = 1; slot <= model::kSlotCount; ++slot) {
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = u"A";
            table.slotTwoRows[static_cast<std::size_t>(model::SlotIndex(slot))] = 1;
        }
        Run({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16});
    }

    // A run of `slots`, kept in the record; `during` is told of every frame's end.
    std::string Run(const std::vector<int>& slots, const std::function<void(SendRun&)>& during = {})
    {
        SendRun run(slots, table, [this] { return pacer.NowMs(); });
        link.SetHalt([&run] { return run.Halted(); });
        sender.frameEnded = [&run, &during] {
            if (during)
                during(run);
        };
        for (const int slot : slots)
            if (!run.SendSlot(sender, SnapshotFromTable(table, slot)))
                break;
        sender.frameEnded = {};
        return file::KeepRunInRecord(folder, device, run, "F5");
    }

    std::vector<int> Changed() const
    {
        std::array<SlotSnapshot, model::kSlotCount> now;
        for (int slot = 1; slot <= model::kSlotCount; ++slot)
            now[static_cast<std::size_t>(slot - 1)] = SnapshotFromTable(table, slot);
        return ChangedSlots(file::LoadSignRecord(folder, device).record, now);
    }
};

TEST_F(SignRecordTest, SendWhatChangedPicksWhatTheSignLacks)
{
    const auto row = [](int slot, int r) { return static_cast<std::size_t>(model::RowNumber(slot, r)); };
    const struct {
        const char* name;
        std::function<std::string()> act;
        std::vector<int> changed;
        std::string afterword;
    } cases[] = {
        {"nothing changed", [] { return std::string(); }, {}, ""},
        {"content edited", [&] { table.rowText[row(3, 1)] = u"B"; return std::string(); }, {3}, ""},
        {"flag ticked", [this] { table.slotSelected[4] = 1; return std::string(); }, {5}, ""},
        {"row 2 of a clock slot is the computer's time, never sent",
         [&] {
             table.slotClock[5] = 1;
             Run({6});
             table.rowText[row(6, 2)] = u"12:00:01";
             return std::string();
         },
         {}, ""},
        {"slot refused",
         [this] {
             sign.Faults().refuseFrames = kMaxSendings;
             return Run({7});
         },
         {7}, "F5 sends the 1 slot not taken (about 0:06)\n"},
        {"slot stopped",
         [this] {
             int frames = 0;
             return Run({9, 10, 11, 12}, [&frames](SendRun& run) {
                 if (++frames == 5)
                     run.Stop();
             });
         },
         {10, 11, 12}, "F5 sends the 3 slots not taken (about 0:14)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        EXPECT_EQ(c.act(), c.afterword);
        EXPECT_EQ(Changed(), c.changed);
    }
}

// An unreadable record counts as empty; an unwritable one stops no send.
TEST_F(SignRecordTest, ARecordThatCannotBeTakenIsEmpty)
{
    // Written whole in one rename: nothing but the record beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    const fs::path path = file::SignRecordPath(folder, device);
    std::string whole;
    ASSERT_TRUE(file::ReadFileBytes(path, whole).ok);
    SignRecord other;
    other.device = "/dev/ttyUSB1";
    const struct {
        const char* name;
        std::string bytes;
        const char* warning;
    } cases[] = {
        {"another version", "VELNAR SIGN RECORD 2\n" + whole.substr(whole.find('\n') + 1), "another version"},
        {"cut short", whole.substr(0, whole.size() / 2), "cut short"},
        {"another port's device", EncodeSignRecord(other), "the record of /dev/ttyUSB1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::ofstream(path, std::ios::binary) << c.bytes;
        EXPECT_NE(file::LoadSignRecord(folder, device).warning.find(c.warning), std::string::npos);
        EXPECT_EQ(Changed().size(), std::size_t{16});
    }

    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the folder should be";
    table.rowText[static_cast<std::size_t>(model::RowNumber(2, 1))] = u"B";
    EXPECT_EQ(Run({2}).rfind("What the sign holds could not be kept: ", 0), 0u);
    EXPECT_EQ(sign.State().slotStates[1].rows[0].text, u"B");
}

}  // namespace
}  // namespace velnar::link
