#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <system_error>

#include "file/MessageFile.h"
#include "file/MessageFileWriter.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Everything under a directory: relative path and content ("<dir>" for directories).
std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = fs::relative(entry.path(), dir).string();
        entries[name] = entry.is_directory() ? "<dir>" : ReadBytes(entry.path());
    }
    return entries;
}

class MessageFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("velnar-file-test-" + std::to_string(random()));
        fs::create_directories(dir_);
    }

    void TearDown() override
    {
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir_, ignored);
    }

    // Root writes through permission bits; then the tests that rely on them
    // use a failure that stops root too.
    bool PermissionBitsStopWrites()
    {
        const fs::path locked = dir_ / "locked";
        fs::create_directory(locked);
        fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
        const bool stopped = !std::ofstream(locked / "probe").is_open();
        fs::permissions(locked, fs::perms::owner_all);
        fs::remove_all(locked);
        return stopped;
    }

    fs::path dir_;
};

TEST_F(MessageFileTest, SaveThenLoadGivesBackEveryField)
{
    const fs::path path = dir_ / "mesajlar.VELNAR MESSAGES";
    const model::MessageTable written = test::FullTable();
    const FileResult saved = SaveMessageFile(path, written);
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_TRUE(saved.reason.empty());
    EXPECT_EQ(ReadBytes(path), MessageFileBytes(written));

    model::MessageTable table = test::BeforeReadingTable();
    const FileResult loaded = LoadMessageFile(path, table);
    ASSERT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_TRUE(loaded.reason.empty());
    test::ExpectSameFileFields(table, written);
    EXPECT_EQ(table.fileLoadedPage1, 1);
    EXPECT_EQ(table.fileLoadedPage2, 1);
}

TEST_F(MessageFileTest, SaveReplacesALongerFileWholeAndLeavesNothingBeside)
{
    const fs::path path = dir_ / "m.VELNAR MESSAGES";
    WriteBytes(path, MessageFileBytes(test::FullTable()));
    const model::MessageTable fresh;
    ASSERT_TRUE(SaveMessageFile(path, fresh).ok);

    EXPECT_EQ(ReadBytes(path).size(), 516u);
    EXPECT_EQ(Snapshot(dir_).size(), 1u);
}

TEST_F(MessageFileTest, SaveKeepsTheFilesPermissions)
{
    const fs::path path = dir_ / "m.VELNAR MESSAGES";
    WriteBytes(path, "old");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ASSERT_TRUE(SaveMessageFile(path, test::FullTable()).ok);
    EXPECT_EQ(fs::status(path).permissions(), mode);
}

TEST_F(MessageFileTest, SaveThroughASymbolicLinkReplacesTheFileItPointsTo)
{
    const fs::path file = dir_ / "real.VELNAR MESSAGES";
    const fs::path link = dir_ / "link.VELNAR MESSAGES";
    WriteBytes(file, "old");
    fs::create_symlink(file, link);

    ASSERT_TRUE(SaveMessageFile(link, test::FullTable()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), MessageFileBytes(test::FullTable()));
}

TEST_F(MessageFileTest, SaveUnderTheLongestNameFits)
{
    const fs::path path = dir_ / std::string(255, 'm');
    const FileResult saved = SaveMessageFile(path, test::FullTable());
    ASSERT_TRUE(saved.ok) << saved.reason;
    EXPECT_EQ(ReadBytes(path), MessageFileBytes(test::FullTable()));
}

// A failed save reports the system's reason and leaves the folder as it was:
// the old file whole, no temporary beside it.
TEST_F(MessageFileTest, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    const bool permissionsBite = PermissionBitsStopWrites();
    const std::string oldBytes = MessageFileBytes(test::EditorValuesTable());

    // Root is not stopped by permission bits; a directory in the target's
    // place, holding the old file, stops the final rename for everyone.
    const auto directoryInPlace = [&](const fs::path& target) {
        fs::remove(target);
        fs::create_directory(target);
        WriteBytes(target / "old", oldBytes);
        return target;
    };
    struct Case {
        const char* what;
        std::function<fs::path(const fs::path& folder, const fs::path& target)> arrange;  // gives the path to save to
    };
    const Case cases[] = {
        {"read-only target",
         [&](const fs::path&, const fs::path& target) {
             if (!permissionsBite)
                 return directoryInPlace(target);
             fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
             return target;
         }},
        {"folder without write permission",
         [&](const fs::path& folder, const fs::path& target) {
             if (!permissionsBite)
                 return directoryInPlace(target);
             fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
             return target;
         }},
        {"directory in place of the target",
         [&](const fs::path&, const fs::path& target) { return directoryInPlace(target); }},
        {"parent is a regular file", [&](const fs::path&, const fs::path& target) { return target / "child"; }},
    };

    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = dir_ / std::to_string(n++);
        fs::create_directory(folder);
        const fs::path target = folder / "m.VELNAR MESSAGES";
        WriteBytes(target, oldBytes);
        const fs::path saveTo = c.arrange(folder, target);
        const std::map<std::string, std::string> before = Snapshot(folder);

        const FileResult saved = SaveMessageFile(saveTo, test::FullTable());
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);

        EXPECT_FALSE(saved.ok);
        EXPECT_FALSE(saved.reason.empty());
        EXPECT_EQ(Snapshot(folder), before);
    }
}

TEST_F(MessageFileTest, FailedLoadKeepsTheTableAndStillSetsBothFlags)
{
    const fs::path directory = dir_ / "a directory";
    fs::create_directory(directory);
    struct Case {
        const char* what;
        fs::path path;
        std::string reason;
    };
    const Case cases[] = {
        {"missing file", dir_ / "missing", std::make_error_code(std::errc::no_such_file_or_directory).message()},
        {"a directory", directory, std::make_error_code(std::errc::is_a_directory).message()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::MessageTable table = test::FullTable();
        const FileResult loaded = LoadMessageFile(c.path, table);

        EXPECT_FALSE(loaded.ok);
        EXPECT_EQ(loaded.reason, c.reason);
        test::ExpectSameFileFields(table, test::FullTable());
        EXPECT_EQ(table.fileLoadedPage1, 1);
        EXPECT_EQ(table.fileLoadedPage2, 1);
    }
}

TEST_F(MessageFileTest, LoadingChangesOnlyTextsAndValues)
{
    const fs::path path = dir_ / "empty.VELNAR MESSAGES";
    WriteBytes(path, "");
    model::MessageTable table = test::FullTable();
    table.portIndex = 3;
    table.sendAllActive = 1;
    table.clockRowShown[4] = 1;

    ASSERT_TRUE(LoadMessageFile(path, table).ok);
    for (const std::u16string& text : table.rowText)
        EXPECT_TRUE(text.empty());
    EXPECT_EQ(table.rowSpeed, test::FullTable().rowSpeed);
    EXPECT_EQ(table.portIndex, 3);
    EXPECT_EQ(table.sendAllActive, 1);
    EXPECT_EQ(table.clockRowShown[4], 1);
    EXPECT_EQ(table.fileLoadedPage1, 1);
}

}  // namespace
}  // namespace velnar::file
