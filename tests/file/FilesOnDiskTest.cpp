#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
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

// Everything under a folder, links not followed: content, "-> where", "<dir>" or the type.
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

using Entries = std::vector<std::pair<std::string, std::string>>;

// Makes "<dir>", "-> where", "=> hard link", "<pipe>" or a file of those bytes.
void Make(const fs::path& folder, const Entries& entries)
{
    for (const auto& [name, what] : entries) {
        const fs::path path = folder / name;
        if (what == "<dir>")
            fs::create_directories(path);
        else if (what.rfind("-> ", 0) == 0)
            fs::create_symlink(what.substr(3), path);
        else if (what.rfind("=> ", 0) == 0)
            fs::create_hard_link(folder / what.substr(3), path);
#ifndef _WIN32
        else if (what == "<pipe>")
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
#endif
        else
            WriteBytes(path, what);
    }
}

// A save of "new"; endsAt "" when refused, mode none when left as made.
struct SaveCase {
    const char* what;
    Entries entries;
    std::string saveTo;
    std::string endsAt;
    fs::perms mode;
    std::string reason;
    std::error_code notWritable;
};

std::string Reason(std::errc code)
{
    return std::make_error_code(code).message();
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

    fs::path dir_;
};

// A save changes only the file at the end of its links; a refused one changes nothing.
TEST_F(FilesOnDiskTest, SaveChangesOnlyTheFileAtTheEndOfItsLinks)
{
    const std::string old(2000, 'x');
    const std::string longest(255, 'm');
    const fs::perms readWrite = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    const fs::perms none = fs::perms::none;
    const SaveCase cases[] = {
        {"a write-only file", {{"m", old}}, "m", "m", fs::perms::owner_write, "", {}},
        {"a second hard link", {{"m", old}, {"other", "=> m"}}, "m", "m", readWrite, "", {}},
        {"the longest name", {}, longest, longest, none, "", {}},
        {"a file this process may not write", {{"m", old}}, "m", "", none, Reason(std::errc::permission_denied),
         std::make_error_code(std::errc::permission_denied)},
        {"a folder", {{"m", "<dir>"}}, "m", "", none, Reason(std::errc::is_a_directory), {}},
        {"a path under a regular file", {{"m", old}}, "m/child", "", none, kUnderAFile.message(), {}},
        {"a link to a file", {{"m", old}, {"link", "-> m"}}, "link", "m", readWrite, "", {}},
        {"a link whose file is missing", {{"link", "-> m"}}, "link", "m", none, "", {}},
        {"relative links across folders", {{"sub", "<dir>"}, {"a", "-> sub/b"}, {"sub/b", "-> c"}}, "a", "sub/c", none,
         "", {}},
#ifndef _WIN32
        {"a link to a named pipe", {{"pipe", "<pipe>"}, {"link", "-> pipe"}}, "link", "", none,
         "It is a named pipe, not a regular file", {}},
#endif
        {"a link to itself", {{"link", "-> link"}}, "link", "", none, Reason(std::errc::too_many_symbolic_link_levels),
         {}},
    };
    std::error_code noLinks;
    fs::create_symlink("m", dir_ / "probe", noLinks);
    int made = 0;
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        const bool links = std::any_of(c.entries.begin(), c.entries.end(),
                                       [](const auto& entry) { return entry.second.rfind("-> ", 0) == 0; });
        if (links && noLinks)
            continue;
        const fs::path folder = dir_ / std::to_string(made++);
        fs::create_directory(folder);
        Make(folder, c.entries);
        std::map<std::string, std::string> expected = Snapshot(folder);
        if (!c.endsAt.empty())
            expected[c.endsAt] = "new";
        if (c.mode != fs::perms::none)
            fs::permissions(folder / c.endsAt, c.mode);
        FakeAccess access;
        access.notWritable = c.notWritable;

        const FileResult saved = SaveFileAtomically(folder / c.saveTo, "new", access);
        EXPECT_EQ(saved.ok, c.reason.empty());
        EXPECT_EQ(saved.reason, c.reason);
        if (c.mode != fs::perms::none) {
            EXPECT_EQ(Meaningful(fs::status(folder / c.endsAt).permissions()), Meaningful(c.mode));
        }
        if (!c.endsAt.empty())
            fs::permissions(folder / c.endsAt, fs::perms::owner_all);
        EXPECT_EQ(Snapshot(folder), expected);
    }

    // A folder swapped in during the write stops the rename; the temporary goes anyway.
    const fs::path folder = dir_ / "swapped";
    Make(folder, {{"", "<dir>"}, {"m", "old"}});
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

#ifndef _WIN32
// A disk filling up mid-write fails the save and leaves the folder as it was.
TEST_F(FilesOnDiskTest, WriteThatFailsHalfwayLeavesTheFolderUnchanged)
{
    Make(dir_, {{"m", "old"}});
    const std::map<std::string, std::string> before = Snapshot(dir_);
    rlimit kept{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &kept), 0);
    const auto keptSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = kept;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult saved = SaveFileAtomically(dir_ / "m", std::string(64 * 1024, 'n'), FakeAccess{});
    setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, keptSignal);

    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.reason, Reason(std::errc::file_too_large));
    EXPECT_EQ(Snapshot(dir_), before);
}
#endif

// Owner and group follow the old file where allowed; a read-only file is refused unless root.
TEST_F(FilesOnDiskTest, SaveKeepsOwnerAndWriteAccessAsTheSystemAllows)
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

#ifdef _WIN32
    const bool root = false;
    EXPECT_FALSE(SystemFileAccess().Owner(file));
    EXPECT_TRUE(SystemFileAccess().SetOwner(file, FileOwner{}));
#else
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(file.c_str(), 4321, 8765), 0);
    }
#endif
    fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const std::error_code denied = std::make_error_code(std::errc::permission_denied);
    EXPECT_EQ(SystemFileAccess().CheckWritable(file), root ? std::error_code{} : denied);
    EXPECT_EQ(SaveMessageFile(file, test::FullTable()).reason, root ? "" : denied.message());
    EXPECT_EQ(ReadBytes(file) == "new", !root);
#ifndef _WIN32
    struct stat info {};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, root ? 4321u : geteuid());
#endif
    fs::permissions(file, fs::perms::owner_all);
}

// A load replaces texts and blocks only, or nothing when unreadable; both flags are set.
TEST_F(FilesOnDiskTest, LoadChangesOnlyTextsAndValuesAndAlwaysSetsBothFlags)
{
    const model::MessageTable before = test::BeforeReadingTable();
    model::MessageTable emptied = before;
    emptied.rowText = {};
    fs::create_directory(dir_ / "a directory");
    WriteBytes(dir_ / "saved", MessageFileBytes(test::FullTable()));
    WriteBytes(dir_ / "empty", "");
    // the file, the reason ("" when the load succeeds), the table after
    const std::tuple<const char*, std::string, model::MessageTable> cases[] = {
        {"saved", "", test::FullTable()},
        {"empty", "", emptied},
        {"missing", Reason(std::errc::no_such_file_or_directory), before},
        {"a directory", Reason(std::errc::is_a_directory), before}};
    for (const auto& [name, reason, expected] : cases) {
        SCOPED_TRACE(name);
        model::MessageTable table = before;
        table.portIndex = 3;
        table.sendAllActive = 1;
        table.clockRowShown[4] = 1;
        const FileResult loaded = LoadMessageFile(dir_ / name, table);

        EXPECT_EQ(loaded.ok, reason.empty());
        EXPECT_EQ(loaded.reason, reason);
        test::ExpectSameFileFields(table, expected);
        EXPECT_EQ(table.portIndex, 3);
        EXPECT_EQ(table.sendAllActive, 1);
        EXPECT_EQ(table.clockRowShown[4], 1);
        EXPECT_EQ(table.fileLoadedPage1, 1);
        EXPECT_EQ(table.fileLoadedPage2, 1);
    }
}

// Help text: UTF-8 or else code page 1254, line feeds only; unreadable leaves it and says why.
TEST_F(FilesOnDiskTest, HelpFileIsDecodedOrLeftAlone)
{
    const struct {
        const char* name;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"UTF-8", "G\xC3\xB6nder: \xC5\x9E\xC4\xB0\xC4\x9E \xE2\x82\xAC", u"Gönder: ŞİĞ €"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFYARDIM", u"YARDIM"},
        {"UTF-8 beyond the basic plane", "\xF0\x9F\x99\x82", u"\U0001F642"},
        {"code page 1254 letters", "G\xF6nder: \xDE\xDD\xD0 \xFE\xFD\xF0 \x80", u"Gönder: ŞİĞ şığ €"},
        {"overlong form is no UTF-8", "\xC0\xAF", u"À¯"},
        {"cut-off UTF-8 is no UTF-8", "abc\xC3", u"abcÃ"},
        {"undefined code page byte", "\x81", u"\uFFFD"},
        {"line breaks and zero bytes", std::string("one\r\ntwo\rthree\nfour\0five", 24), u"one\ntwo\nthree\nfourfive"},
        {"code page 1254", "Yard\xFDm", u"Yardım"},
    };
    std::u16string text;
    for (const auto& c : cases) {
        WriteBytes(dir_ / "help.txt", c.bytes);
        EXPECT_TRUE(ReadHelpText(dir_ / "help.txt", text).ok) << c.name;
        EXPECT_EQ(text, c.text) << c.name;
    }
    const FileResult missing = ReadHelpText(dir_ / "missing.txt", text);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, Reason(std::errc::no_such_file_or_directory));
    EXPECT_EQ(text, u"Yardım");
}

}  // namespace
}  // namespace velnar::file
