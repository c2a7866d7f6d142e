// What the bounded reader makes of every kind of thing at a path: only a
// regular file within the limit is read, everything else is answered at once.
#include "common/RegularFileRead.h"

#include "OtherUser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using lumo::ReadOutcome;

namespace {

class RegularFileReadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lumo-read-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    fs::path folder;
};

constexpr std::size_t kLimit = 64 * 1024;

struct ReadCase {
    const char *name;
    // Makes the thing at the returned path.
    std::string (*make)(const fs::path &folder);
    ReadOutcome outcome;
    std::size_t size;
};

std::string File(const fs::path &path, std::size_t size)
{
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    return path.string();
}

const ReadCase kCases[] = {
    {"small file", [](const fs::path &f) { return File(f / "Lumo.HSC", 150); }, ReadOutcome::Read, 150},
    {"empty file", [](const fs::path &f) { return File(f / "Lumo.HSC", 0); }, ReadOutcome::Read, 0},
    {"exactly the limit", [](const fs::path &f) { return File(f / "Lumo.HSC", kLimit); }, ReadOutcome::Read,
        kLimit},
    {"one byte over the limit", [](const fs::path &f) { return File(f / "Lumo.HSC", kLimit + 1); },
        ReadOutcome::TooLarge, 0},
    {"2 GB sparse file",
        [](const fs::path &f) {
            const fs::path p = f / "Lumo.HSC";
            File(p, 0);
            fs::resize_file(p, 2ULL << 30);
            return p.string();
        },
        ReadOutcome::TooLarge, 0},
    {"missing", [](const fs::path &f) { return (f / "Lumo.HSC").string(); }, ReadOutcome::Missing, 0},
    {"missing folder", [](const fs::path &f) { return (f / "weg" / "Lumo.HSC").string(); },
        ReadOutcome::Missing, 0},
    {"FIFO without writer",
        [](const fs::path &f) {
            mkfifo((f / "Lumo.HSC").c_str(), 0600);
            return (f / "Lumo.HSC").string();
        },
        ReadOutcome::NotRegular, 0},
    {"/dev/zero itself", [](const fs::path &) { return std::string("/dev/zero"); }, ReadOutcome::NotRegular,
        0},
    {"link to /dev/zero",
        [](const fs::path &f) {
            fs::create_symlink("/dev/zero", f / "Lumo.HSC");
            return (f / "Lumo.HSC").string();
        },
        ReadOutcome::NotRegular, 0},
    {"link to a regular file",
        [](const fs::path &f) {
            File(f / "real", 10);
            fs::create_symlink(f / "real", f / "Lumo.HSC");
            return (f / "Lumo.HSC").string();
        },
        ReadOutcome::NotRegular, 0},
    {"folder",
        [](const fs::path &f) {
            fs::create_directory(f / "Lumo.HSC");
            return (f / "Lumo.HSC").string();
        },
        ReadOutcome::NotRegular, 0},
};

TEST_F(RegularFileReadTest, OnlyRegularFilesWithinTheLimitAreRead)
{
    for (const ReadCase &c : kCases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        fs::remove_all(folder / "Lumo.HSC", ignored);
        const std::string path = c.make(folder);
        const lumo::RegularFileContent content = lumo::ReadRegularFile(path, kLimit);
        EXPECT_EQ(content.outcome, c.outcome);
        EXPECT_EQ(content.bytes.size(), c.size);
        if (c.outcome == ReadOutcome::Read) {
            EXPECT_EQ(content.bytes, std::string(c.size, 'x'));
        }
    }
}

TEST_F(RegularFileReadTest, AnotherUsersFileIsRefusedWhenTheOwnIsRequired)
{
    const std::string path = File(folder / "~LUMO.TMP", 20);
    EXPECT_EQ(lumo::ReadRegularFile(path, kLimit, lumo::FileOwner::Me).outcome, ReadOutcome::Read);
    LUMO_REQUIRE_OTHER_USER();
    ASSERT_EQ(chown(path.c_str(), lumo::test::kOtherUid, lumo::test::kOtherUid), 0);
    EXPECT_EQ(lumo::ReadRegularFile(path, kLimit, lumo::FileOwner::Me).outcome, ReadOutcome::NotOwn);
    EXPECT_EQ(lumo::ReadRegularFile(path, kLimit, lumo::FileOwner::Anyone).outcome, ReadOutcome::Read);
}

} // namespace
