#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "file/AtomicSave.h"
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

// Everything under a directory, without following links: relative path in
// its generic form and content, "-> where" for links, "<dir>" for folders,
// the type's number for anything else.
std::map<std::string, std::string> Snapshot(const fs::path& dir)
{
    std::map<std::string, std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const fs::file_status status = entry.symlink_status();
        entries[entry.path().lexically_relative(dir).generic_string()] =
            fs::is_symlink(status)        ? "-> " + fs::read_symlink(entry.path()).generic_string()
            : fs::is_regular_file(status) ? ReadBytes(entry.path())
            : fs::is_directory(status)    ? "<dir>"
                                          : "<" + std::to_string(static_cast<int>(status.type())) + ">";
    }
    return entries;
}

// Windows keeps only whether a file may be written.
fs::perms Meaningful(fs::perms mode)
{
#ifdef _WIN32
    return mode & fs::perms::owner_write;
#else
    return mode;
#endif
}

// Windows calls a path that runs under a regular file missing.
const std::error_code kUnderAFile = std::make_error_code(
#ifdef _WIN32
    std::errc::no_such_file_or_directory
#else
    std::errc::not_a_directory
#endif
);

// Answers for the system as the test says, whoever runs it.
struct FakeAccess final : FileAccess {
    std::error_code notWritable;
    std::optional<FileOwner> owner;
    std::function<std::error_code(const fs::path&, const FileOwner&)> setOwner;

    std::error_code CheckWritable(const fs::path&) const override { return notWritable; }
    std::optional<FileOwner> Owner(const fs::path&) const override { return owner; }
    std::error_code SetOwner(const fs::path& file, const FileOwner& given) const override
    {
        return setOwner(file, given);
    }
};

// A save that succeeds: links to make (name, where it points), the name
// saved to, the file it ends at, the mode of the file there before (none
// when there is none), and a second hard link to make to it.
struct SavedCase {
    const char* what;
    std::vector<std::pair<std::string, std::string>> links;
    std::string saveTo;
    std::string endsAt;
    fs::perms mode;
    const char* hardLink;
};

// A save that fails: what to put in the folder, the name saved to, the
// reason expected and what the system answers for the file's write access.
struct FailedCase {
    const char* what;
    std::function<void(const fs::path&)> make;
    const char* saveTo;
    std::string reason;
    std::error_code notWritable;
};

void WriteOld(const fs::path& folder)
{
    WriteBytes(folder / "m", "old");
}

class FilesOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::random_device random;
        dir_ = fs::temp_directory_path() / ("velnar-file-test-" + std::to_string(random()));
        fs::create_directories(dir_);
    }

    void TearDown() override { fs::remove_all(dir_); }

    // A folder of its own for one case.
    fs::path CaseFolder()
    {
        const fs::path folder = dir_ / std::to_string(cases_++);
        fs::create_directory(folder);
        return folder;
    }

    // MinGW's library makes no symbolic links, and Windows makes them only
    // for privileged users or in developer mode.
    bool SystemMakesLinks()
    {
#ifdef _WIN32
        std::error_code refused;
        fs::create_symlink("m", dir_ / "probe", refused);
        if (refused)
            return false;
        fs::remove(dir_ / "probe");
#endif
        return true;
    }

    // The save changes exactly one entry of the folder, the file it ends at,
    // to the table's bytes, and that file keeps its permissions.
    void ExpectSaved(const SavedCase& c)
    {
        SCOPED_TRACE(c.what);
        const std::string bytes = MessageFileBytes(test::FullTable());
        const fs::path folder = CaseFolder();
        const fs::path end = folder / c.endsAt;
        for (const auto& [name, pointsTo] : c.links) {
            fs::create_directories((folder / name).parent_path());
            fs::create_symlink(pointsTo, folder / name);
        }
        if (c.mode != fs::perms::none)
            WriteBytes(end, std::string(2000, 'x'));
        if (c.hardLink)
            fs::create_hard_link(end, folder / c.hardLink);
        std::map<std::string, std::string> expected = Snapshot(folder);
        expected[c.endsAt] = bytes;
        if (c.mode != fs::perms::none)
            fs::permissions(end, c.mode);

        const FileResult saved = SaveMessageFile(folder / c.saveTo, test::FullTable());
        ASSERT_TRUE(saved.ok) << saved.reason;
        EXPECT_TRUE(saved.reason.empty());
        if (c.mode != fs::perms::none) {
            EXPECT_EQ(Meaningful(fs::status(end).permissions()), Meaningful(c.mode));
        }
        fs::permissions(end, fs::perms::owner_all);
        EXPECT_EQ(Snapshot(folder), expected);
    }

    // The failed save gives the reason and leaves the folder as it was.
    void ExpectRefused(const FailedCase& c)
    {
        SCOPED_TRACE(c.what);
        const fs::path folder = CaseFolder();
        c.make(folder);
        const std::map<std::string, std::string> before = Snapshot(folder);
        FakeAccess access;
        access.notWritable = c.notWritable;

        const FileResult saved = SaveFileAtomically(folder / c.saveTo, "new", access);
        EXPECT_FALSE(saved.ok);
        EXPECT_EQ(saved.reason, c.reason);
        EXPECT_EQ(Snapshot(folder), before);
    }

    fs::path dir_;
    int cases_ = 0;
};

// A longer file is replaced whole and keeps its permissions (write-only
// too), a second hard link keeps the old bytes, and a new file under the
// longest name still has room for its temporary.
TEST_F(FilesOnDiskTest, SaveChangesOnlyTheFileItNames)
{
    const std::string longest(255, 'm');
    const SavedCase cases[] = {
        {"a write-only file", {}, "m", "m", fs::perms::owner_write, nullptr},
        {"a file with a second hard link", {}, "m", "m",
         fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read, "other"},
        {"the longest name", {}, longest, longest, fs::perms::none, nullptr},
    };
    for (const SavedCase& c : cases)
        ExpectSaved(c);
}

// Nothing that is no regular file is replaced by one, and no temporary stays
// behind.
TEST_F(FilesOnDiskTest, FailedSaveLeavesTheFolderAsItWas)
{
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    const FailedCase cases[] = {
        {"a file this process may not write", WriteOld, "m", denied.message(), denied},
        {"a folder", [](const fs::path& folder) { fs::create_directory(folder / "m"); }, "m",
         std::make_error_code(std::errc::is_a_directory).message(), {}},
        {"a path under a regular file", WriteOld, "m/child", kUnderAFile.message(), {}},
    };
    for (const FailedCase& c : cases)
        ExpectRefused(c);

    // A folder put in the file's place while the temporary was written stops
    // the rename; the temporary goes all the same.
    const fs::path folder = CaseFolder();
    WriteOld(folder);
    FakeAccess access;
    access.owner = FileOwner{};
    access.setOwner = [&](const fs::path&, const FileOwner&) {
        fs::remove(folder / "m");
        fs::create_directories(folder / "m" / "inside");
        return std::error_code{};
    };
    EXPECT_FALSE(SaveFileAtomically(folder / "m", "new", access).ok);
    EXPECT_EQ(Snapshot(folder), (std::map<std::string, std::string>{{"m", "<dir>"}, {"m/inside", "<dir>"}}));
}

// Every link stays as it was and the file at its end is written, or created
// when missing; a link that ends at no regular file is refused.
TEST_F(FilesOnDiskTest, SaveThroughLinksWritesOnlyTheFileAtTheirEnd)
{
    if (!SystemMakesLinks())
        GTEST_SKIP() << "this system makes no symbolic links";
    const fs::perms readWrite = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    const SavedCase saved[] = {
        {"a link to a file", {{"link", "m"}}, "link", "m", readWrite, nullptr},
        {"a link whose file is missing", {{"link", "m"}}, "link", "m", fs::perms::none, nullptr},
        {"relative links across folders", {{"a", "sub/b"}, {"sub/b", "c"}}, "a", "sub/c", fs::perms::none, nullptr},
    };
    for (const SavedCase& c : saved)
        ExpectSaved(c);

    const FailedCase refused[] = {
#ifndef _WIN32
        {"a link to a named pipe",
         [](const fs::path& folder) {
             ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0644), 0);
             fs::create_symlink("pipe", folder / "link");
         },
         "link", "It is a named pipe, not a regular file", {}},
#endif
        {"a link to itself", [](const fs::path& folder) { fs::create_symlink("link", folder / "link"); }, "link",
         std::make_error_code(std::errc::too_many_symbolic_link_levels).message(), {}},
    };
    for (const FailedCase& c : refused)
        ExpectRefused(c);
}

// The system's own answer: a file that may not be written is refused, except
// to root, who may write any file; Windows keeps no owners.
TEST_F(FilesOnDiskTest, SystemRefusesAReadOnlyFileExceptToRoot)
{
    const fs::path file = dir_ / "m";
    WriteOld(dir_);
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
#ifdef _WIN32
    const bool mayWrite = false;
    EXPECT_FALSE(SystemFileAccess().Owner(file));
    EXPECT_TRUE(SystemFileAccess().SetOwner(file, FileOwner{}));
#else
    const bool mayWrite = geteuid() == 0;
#endif
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(SystemFileAccess().CheckWritable(file), mayWrite ? std::error_code{} : denied);
    const FileResult saved = SaveMessageFile(file, test::FullTable());
    EXPECT_EQ(saved.reason, mayWrite ? "" : denied.message());
    EXPECT_EQ(ReadBytes(file) == "old", !mayWrite);
    fs::permissions(file, fs::perms::owner_all);
}

// The new file gets the old one's owner and group, set on the temporary
// before it takes the file's place; where the process may not give them, the
// save goes on. Only root may give a file away, so only root sees the system
// keep a foreign owner.
TEST_F(FilesOnDiskTest, SaveKeepsOwnerAndGroupWhereTheProcessMay)
{
    const fs::path file = dir_ / "m";
    WriteBytes(file, "old");
    FakeAccess access;
    access.owner = FileOwner{7, 8};
    int given = 0;
    access.setOwner = [&](const fs::path& temporary, const FileOwner& owner) {
        ++given;
        EXPECT_EQ(ReadBytes(temporary), "new");
        EXPECT_EQ(ReadBytes(file), "old");
        EXPECT_EQ(owner.user, 7);
        EXPECT_EQ(owner.group, 8);
        return std::make_error_code(std::errc::operation_not_permitted);
    };
    ASSERT_TRUE(SaveFileAtomically(file, "new", access).ok);
    EXPECT_EQ(given, 1);

#ifndef _WIN32
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(file.c_str(), 4321, 8765), 0);
    }
    ASSERT_TRUE(SaveMessageFile(file, test::FullTable()).ok);
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    if (root) {
        EXPECT_EQ(info.st_uid, 4321u);
        EXPECT_EQ(info.st_gid, 8765u);
    }
#endif
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

// Read whole across the pieces files are read in, as UTF-8 or else code page
// 1254, with line feeds only; a file that cannot be read leaves the text as
// it was and says why.
TEST_F(FilesOnDiskTest, HelpFileIsDecodedWholeOrLeftAlone)
{
    const auto letters = [](std::size_t length) {
        std::string bytes = "Yard\xC4\xB1m ";
        while (bytes.size() < length)
            bytes.push_back(static_cast<char>('a' + bytes.size() % 26));
        return bytes;
    };
    const std::string piece = letters(std::size_t{1} << 16);
    const std::string pieceAndOne = letters((std::size_t{1} << 16) + 1);
    const struct {
        const char* name;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"UTF-8", "G\xC3\xB6nder: \xC5\x9E\xC4\xB0\xC4\x9E \xE2\x82\xAC", u"Gönder: ŞİĞ €"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFYARDIM", u"YARDIM"},
        {"UTF-8 beyond the basic plane", "\xF0\x9F\x99\x82", u"\U0001F642"},
        {"code page 1254", "G\xF6nder: \xDE\xDD\xD0 \xFE\xFD\xF0 \x80", u"Gönder: ŞİĞ şığ €"},
        {"overlong form is no UTF-8", "\xC0\xAF", u"À¯"},
        {"cut-off UTF-8 is no UTF-8", "abc\xC3", u"abcÃ"},
        {"undefined code page byte", "\x81", u"\uFFFD"},
        {"line breaks and zero bytes", std::string("one\r\ntwo\rthree\nfour\0five", 24), u"one\ntwo\nthree\nfourfive"},
        {"empty", "", u""},
        {"one piece", piece, u"Yardım " + test::Units(piece.substr(8))},
        {"one piece and a byte", pieceAndOne, u"Yardım " + test::Units(pieceAndOne.substr(8))},
    };
    std::u16string text;
    for (const auto& c : cases) {
        WriteBytes(dir_ / "help.txt", c.bytes);
        EXPECT_TRUE(ReadHelpText(dir_ / "help.txt", text).ok) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    const FileResult missing = ReadHelpText(dir_ / "missing.txt", text);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, std::make_error_code(std::errc::no_such_file_or_directory).message());
    EXPECT_EQ(text, cases[10].text);
}

}  // namespace
}  // namespace velnar::file
