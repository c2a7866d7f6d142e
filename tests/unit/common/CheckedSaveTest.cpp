// The checked atomic save: the old file survives every failing step, a link or
// special file at the path is never written through, and a real full disk is
// reported as the failure it is.
#include "common/CheckedSave.h"

#include "OtherUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Content(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::vector<std::string> Entries(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CheckedSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lumo-save-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        target = folder / "Lumo.HSC";
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
    fs::path target;
};

TEST_F(CheckedSaveTest, CreatesAndReplacesLeavingNothingElse)
{
    ASSERT_TRUE(lumo::SaveFileAtomically(target.string(), "erste Fassung"));
    EXPECT_EQ(Content(target), "erste Fassung");
    ASSERT_TRUE(lumo::SaveFileAtomically(target.string(), "neu"));
    EXPECT_EQ(Content(target), "neu");
    ASSERT_TRUE(lumo::SaveFileAtomically(target.string(), ""));
    EXPECT_EQ(Content(target), "");
    EXPECT_EQ(Entries(folder), std::vector<std::string>{"Lumo.HSC"});
}

TEST_F(CheckedSaveTest, NewFileGetsTheGivenMode)
{
    ASSERT_TRUE(lumo::SaveFileAtomically(target.string(), "x", 0600));
    EXPECT_EQ(
        fs::status(target).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

// One failing step of the save, as a full disk or a failing device gives it.
int g_callsBeforeFailure = 0;
int g_failure = 0;
bool Fails()
{
    if (g_callsBeforeFailure-- > 0)
        return false;
    errno = g_failure;
    return true;
}
ssize_t ShortThenFailingWrite(int fd, const void *data, size_t size)
{
    if (Fails())
        return -1;
    return ::write(fd, data, size > 3 ? 3 : size);
}
ssize_t NoProgressWrite(int, const void *, size_t)
{
    return 0;
}
int FailingFsync(int fd)
{
    return Fails() ? -1 : ::fsync(fd);
}
int FailingClose(int fd)
{
    ::close(fd);
    return Fails() ? -1 : 0;
}
int FailingRenameat(int fromDir, const char *from, int toDir, const char *to)
{
    return Fails() ? -1 : ::renameat(fromDir, from, toDir, to);
}

struct FaultCase {
    const char *name;
    lumo::SaveCalls calls;
    int callsBeforeFailure;
    int error;
};

TEST_F(CheckedSaveTest, EveryFailingStepKeepsTheOldFileAndReportsFailure)
{
    const lumo::SaveCalls &real = lumo::SystemSaveCalls();
    const FaultCase cases[] = {
        {"disk full at the first write", {ShortThenFailingWrite, real.fsync, real.close, real.renameat}, 0,
            ENOSPC},
        {"disk full after a short write", {ShortThenFailingWrite, real.fsync, real.close, real.renameat}, 2,
            ENOSPC},
        {"write makes no progress", {NoProgressWrite, real.fsync, real.close, real.renameat}, 0, 0},
        {"sync reports an I/O error", {real.write, FailingFsync, real.close, real.renameat}, 0, EIO},
        {"sync reports a full disk", {real.write, FailingFsync, real.close, real.renameat}, 0, ENOSPC},
        {"close reports a late write error", {real.write, real.fsync, FailingClose, real.renameat}, 0, EIO},
        {"rename refused", {real.write, real.fsync, real.close, FailingRenameat}, 0, EACCES},
    };
    const std::string longText(5000, 'n');
    for (const FaultCase &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(lumo::SaveFileAtomically(target.string(), "alte Liste"));
        g_callsBeforeFailure = c.callsBeforeFailure;
        g_failure = c.error;
        EXPECT_FALSE(lumo::SaveFileAtomically(target.string(), longText, 0666, c.calls));
        EXPECT_EQ(Content(target), "alte Liste");
        EXPECT_EQ(Entries(folder), std::vector<std::string>{"Lumo.HSC"});
    }
}

struct TargetCase {
    const char *name;
    void (*make)(const fs::path &target, const fs::path &folder);
};

const TargetCase kTargets[] = {
    {"link to a file of the player",
        [](const fs::path &t, const fs::path &f) {
            std::ofstream(f / "bashrc") << "export A=1\n";
            fs::create_symlink(f / "bashrc", t);
        }},
    {"dangling link", [](const fs::path &t, const fs::path &f) { fs::create_symlink(f / "nowhere", t); }},
    {"link to /dev/null", [](const fs::path &t, const fs::path &) { fs::create_symlink("/dev/null", t); }},
    {"FIFO", [](const fs::path &t, const fs::path &) { mkfifo(t.c_str(), 0600); }},
    {"folder", [](const fs::path &t, const fs::path &) { fs::create_directory(t); }},
};

TEST_F(CheckedSaveTest, NothingButARegularFileIsReplacedOrWrittenThrough)
{
    for (const TargetCase &c : kTargets) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        fs::remove_all(target, ignored);
        fs::remove(folder / "bashrc", ignored);
        c.make(target, folder);
        const auto before = fs::symlink_status(target).type();
        EXPECT_FALSE(lumo::SaveFileAtomically(target.string(), "neue Liste"));
        EXPECT_EQ(fs::symlink_status(target).type(), before);
        if (fs::exists(folder / "bashrc")) {
            EXPECT_EQ(Content(folder / "bashrc"), "export A=1\n");
        }
        EXPECT_FALSE(fs::exists(folder / "nowhere"));
    }
}

TEST_F(CheckedSaveTest, LinkPlantedByAnotherUserInASharedFolderIsNotFollowed)
{
    LUMO_REQUIRE_OTHER_USER();
    ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
    const fs::path shared = folder / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
    std::ofstream(folder / "bashrc") << "export A=1\n";
    ASSERT_TRUE(lumo::test::RunAsOtherUser(
        "ln -s " + (folder / "bashrc").string() + " " + (shared / "~LUMO.TMP").string()));
    EXPECT_FALSE(lumo::SaveFileAtomically((shared / "~LUMO.TMP").string(), "MThd", 0600));
    EXPECT_EQ(Content(folder / "bashrc"), "export A=1\n");
    EXPECT_TRUE(fs::is_symlink(shared / "~LUMO.TMP"));
}

// A real full disk: a 64 KiB tmpfs mounted for the test, filled up.
TEST_F(CheckedSaveTest, RealFullDiskKeepsTheOldFile)
{
    LUMO_REQUIRE_OTHER_USER(); // root, which mounting needs as well
    const fs::path disk = folder / "disk";
    fs::create_directory(disk);
    ASSERT_EQ(mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k"), 0) << std::strerror(errno);
    const fs::path file = disk / "Lumo.HSC";
    const bool saved = lumo::SaveFileAtomically(file.string(), "alte Liste");
    {
        std::ofstream fill(disk / "fill", std::ios::binary);
        const std::string block(4096, 'f');
        for (int i = 0; i < 64 && fill; ++i)
            fill << block << std::flush;
    }
    const bool savedOnFullDisk = lumo::SaveFileAtomically(file.string(), std::string(300, 'n'));
    const std::string after = Content(file);
    const auto left = Entries(disk);
    // One page free again: the save goes through.
    fs::resize_file(disk / "fill", fs::file_size(disk / "fill") - 4096);
    const bool savedWithOnePage = lumo::SaveFileAtomically(file.string(), "neue Liste");
    const std::string last = Content(file);
    umount2(disk.c_str(), MNT_DETACH);

    EXPECT_TRUE(saved);
    EXPECT_FALSE(savedOnFullDisk);
    EXPECT_EQ(after, "alte Liste");
    EXPECT_EQ(left, (std::vector<std::string>{"Lumo.HSC", "fill"}));
    EXPECT_TRUE(savedWithOnePage);
    EXPECT_EQ(last, "neue Liste");
}

} // namespace
