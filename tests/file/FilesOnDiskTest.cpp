#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <system_error>

#include "file/HelpText.h"
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
        const std::string name = entry.path().lexically_relative(dir).string();
        entries[name] = entry.is_directory() ? "<dir>" : ReadBytes(entry.path());
    }
    return entries;
}

class FilesOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("velnar-file-test-" + std::to_string(random()));
        fs::create_directories(dir_);
    }

    // The tests give back every permission they take before they check.
    void TearDown() override { fs::remove_all(dir_); }

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

// A save puts exactly the table's bytes in the file's place and nothing
// beside it: a longer file is replaced whole and keeps its permissions, a
// symbolic link stays and the file it points to is replaced, and a new file
// under the longest name still has room for its temporary.
TEST_F(FilesOnDiskTest, SaveReplacesTheFileWholeAndLeavesNothingBeside)
{
    const fs::path file = dir_ / "mesajlar.VELNAR MESSAGES";
    const fs::path link = dir_ / "link.VELNAR MESSAGES";
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    WriteBytes(file, std::string(2000, 'x'));
    fs::permissions(file, mode);
    fs::create_symlink(file, link);

    const std::string bytes = MessageFileBytes(test::FullTable());
    for (const fs::path& saveTo : {link, dir_ / std::string(255, 'm')}) {
        const FileResult saved = SaveMessageFile(saveTo, test::FullTable());
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_TRUE(saved.reason.empty());
        EXPECT_EQ(ReadBytes(saveTo), bytes);
    }
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(file), bytes);
    EXPECT_EQ(fs::status(file).permissions(), mode);
    EXPECT_EQ(Snapshot(dir_).size(), 3u);
}

// A failed save reports the system's reason and leaves the folder as it was:
// the old file whole, no temporary beside it.
TEST_F(FilesOnDiskTest, FailedSaveLeavesTheOldFileAndNoTemporary)
{
    const bool permissionsBite = PermissionBitsStopWrites();
    const std::string oldBytes = MessageFileBytes(model::MessageTable{});

    // Root is not stopped by permission bits; for root the cases that rely on
    // them put a directory in the target's place, holding the old file,
    // which stops the final rename for everyone.
    struct Case {
        const char* what;
        bool lockTarget;
        bool lockFolder;
        bool directoryInPlace;
        const char* child;  // saved to a path under the target
    };
    const Case cases[] = {
        {"read-only target", true, false, false, nullptr},
        {"folder without write permission", false, true, false, nullptr},
        {"directory in place of the target", false, false, true, nullptr},
        {"parent is a regular file", false, false, false, "child"},
    };

    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = dir_ / std::to_string(n++);
        fs::create_directory(folder);
        const fs::path target = folder / "m.VELNAR MESSAGES";
        WriteBytes(target, oldBytes);
        if (c.directoryInPlace || ((c.lockTarget || c.lockFolder) && !permissionsBite)) {
            fs::remove(target);
            fs::create_directory(target);
            WriteBytes(target / "old", oldBytes);
        } else if (c.lockTarget || c.lockFolder) {
            fs::permissions(c.lockTarget ? target : folder, fs::perms::owner_read | fs::perms::owner_exec);
        }
        const fs::path saveTo = c.child ? target / c.child : target;
        const std::map<std::string, std::string> before = Snapshot(folder);

        const FileResult saved = SaveMessageFile(saveTo, test::FullTable());
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);

        EXPECT_FALSE(saved.ok);
        EXPECT_FALSE(saved.reason.empty());
        EXPECT_EQ(Snapshot(folder), before);
    }
}

// A load replaces the texts and the blocks the file holds and nothing else;
// a file that cannot be read leaves the table as it was. Both flags are set
// in every case, so the pages show the table.
TEST_F(FilesOnDiskTest, LoadChangesOnlyTextsAndValuesAndAlwaysSetsBothFlags)
{
    const model::MessageTable before = test::BeforeReadingTable();
    model::MessageTable emptied = before;
    emptied.rowText = {};
    const fs::path directory = dir_ / "a directory";
    fs::create_directory(directory);
    WriteBytes(dir_ / "saved", MessageFileBytes(test::FullTable()));
    WriteBytes(dir_ / "empty", "");
    struct Case {
        const char* what;
        fs::path path;
        std::string reason;  // empty when the load succeeds
        model::MessageTable expected;
    };
    const Case cases[] = {
        {"a saved file", dir_ / "saved", "", test::FullTable()},
        {"an empty file", dir_ / "empty", "", emptied},
        {"missing file", dir_ / "missing", std::make_error_code(std::errc::no_such_file_or_directory).message(), before},
        {"a directory", directory, std::make_error_code(std::errc::is_a_directory).message(), before},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::MessageTable table = before;
        table.portIndex = 3;
        table.sendAllActive = 1;
        table.clockRowShown[4] = 1;
        const FileResult loaded = LoadMessageFile(c.path, table);

        EXPECT_EQ(loaded.ok, c.reason.empty());
        EXPECT_EQ(loaded.reason, c.reason);
        test::ExpectSameFileFields(table, c.expected);
        EXPECT_EQ(table.portIndex, 3);
        EXPECT_EQ(table.sendAllActive, 1);
        EXPECT_EQ(table.clockRowShown[4], 1);
        EXPECT_EQ(table.fileLoadedPage1, 1);
        EXPECT_EQ(table.fileLoadedPage2, 1);
    }
}

// Read whole across the pieces files are read in; a file that cannot be read
// leaves the text as it was and says why.
TEST_F(FilesOnDiskTest, HelpFileIsReadWholeOrLeftAlone)
{
    std::u16string text;
    for (const std::size_t length : {std::size_t{1} << 16, (std::size_t{1} << 16) + 1}) {
        std::string bytes = "Yard\xC4\xB1m ";
        while (bytes.size() < length)
            bytes.push_back(static_cast<char>('a' + bytes.size() % 26));
        WriteBytes(dir_ / "help.txt", bytes);
        ASSERT_TRUE(ReadHelpText(dir_ / "help.txt", text).ok);
        EXPECT_EQ(text, u"Yardım " + test::Units(bytes.substr(8)));
    }
    const std::u16string before = text;
    const FileResult missing = ReadHelpText(dir_ / "missing.txt", text);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(text, before);
}

}  // namespace
}  // namespace velnar::file
