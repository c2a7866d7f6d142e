// The private temporary folder: which folder is taken, and that nothing
// another user planted in a shared temporary folder is ever used.
#include "common/FileHelpers.h"
#include "common/PrivateFolder.h"

#include "OtherUser.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A base folder holding a sticky world-writable folder in the role of /tmp,
// a runtime folder candidate and a cache folder; the environment points there.
class PrivateFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"XDG_RUNTIME_DIR", "TMPDIR", "XDG_CACHE_HOME", "HOME"}) {
            const char *value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        char pattern[] = "/tmp/lumo-private-test.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        base = pattern;
        ASSERT_EQ(chmod(base.c_str(), 0755), 0);
        shared = base / "shared";
        fs::create_directory(shared);
        ASSERT_EQ(chmod(shared.c_str(), 01777), 0);
        cache = base / "cache";
        setenv("TMPDIR", shared.c_str(), 1);
        setenv("XDG_CACHE_HOME", cache.c_str(), 1);
        unsetenv("XDG_RUNTIME_DIR");
        own = shared.string() + "/lumo-" + std::to_string(geteuid());
    }
    void TearDown() override
    {
        for (const auto &[name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        std::error_code ignored;
        fs::remove_all(base, ignored);
    }

    static mode_t ModeOf(const fs::path &path)
    {
        struct stat info {};
        EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
        return info.st_mode;
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
    fs::path base, shared, cache;
    std::string own;
};

struct RuntimeCase {
    const char *name;
    // Prepares the runtime folder candidate; returns the value for XDG_RUNTIME_DIR.
    std::string (*prepare)(const fs::path &base);
    bool used;
};

std::string MakeFolder(const fs::path &path, mode_t mode)
{
    fs::create_directory(path);
    chmod(path.c_str(), mode);
    return path.string();
}

const RuntimeCase kRuntimeCases[] = {
    {"own folder 0700", [](const fs::path &b) { return MakeFolder(b / "run", 0700); }, true},
    {"own folder 0700, trailing slash", [](const fs::path &b) { return MakeFolder(b / "run", 0700) + "/"; },
        true},
    {"open to the group", [](const fs::path &b) { return MakeFolder(b / "run", 0750); }, false},
    {"open to everybody", [](const fs::path &b) { return MakeFolder(b / "run", 0755); }, false},
    {"sticky and world-writable", [](const fs::path &b) { return MakeFolder(b / "run", 01777); }, false},
    {"a link to a private folder",
        [](const fs::path &b) {
            MakeFolder(b / "real", 0700);
            fs::create_directory_symlink(b / "real", b / "run");
            return (b / "run").string();
        },
        false},
    {"missing", [](const fs::path &b) { return (b / "run").string(); }, false},
    {"a relative path", [](const fs::path &) { return std::string("run"); }, false},
    {"a regular file",
        [](const fs::path &b) {
            std::ofstream(b / "run") << "x";
            return (b / "run").string();
        },
        false},
};

TEST_F(PrivateFolderTest, RuntimeFolderOnlyWhenItIsPrivate)
{
    for (const RuntimeCase &c : kRuntimeCases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        fs::remove_all(base / "run", ignored);
        fs::remove_all(base / "real", ignored);
        fs::remove_all(own, ignored);
        const std::string runtime = c.prepare(base);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const std::string chosen = lumo::PrivateTempFolder();
        if (c.used) {
            EXPECT_EQ(chosen, (base / "run").string());
        } else {
            EXPECT_EQ(chosen, own);
            EXPECT_TRUE(lumo::IsPrivateFolder(chosen));
        }
    }
}

TEST_F(PrivateFolderTest, RuntimeFolderOfAnotherUserIsNotUsed)
{
    LUMO_REQUIRE_OTHER_USER();
    const std::string run = MakeFolder(base / "run", 0700);
    ASSERT_EQ(chown(run.c_str(), lumo::test::kOtherUid, lumo::test::kOtherUid), 0);
    setenv("XDG_RUNTIME_DIR", run.c_str(), 1);
    EXPECT_EQ(lumo::PrivateTempFolder(), own);
}

TEST_F(PrivateFolderTest, WithoutRuntimeFolderCreatesOwnFolderInTheSharedOne)
{
    EXPECT_EQ(lumo::TempFolderPath(), own + "/");
    EXPECT_EQ(ModeOf(own) & 07777, 0700u);
    EXPECT_TRUE(S_ISDIR(ModeOf(own)));
    // The next call finds it and keeps it.
    EXPECT_EQ(lumo::TempFolderPath(), own + "/");
    unsetenv("TMPDIR");
    EXPECT_EQ(lumo::PrivateTempFolder(), "/tmp/lumo-" + std::to_string(geteuid()));
}

TEST_F(PrivateFolderTest, FolderPlantedByAnotherUserIsRefused)
{
    LUMO_REQUIRE_OTHER_USER();
    const std::string victim = (base / "victim").string();
    MakeFolder(victim, 0700);
    struct Plant {
        const char *name;
        std::string command;
    };
    const Plant plants[] = {
        {"an open folder", "mkdir -m 777 " + own},
        {"a closed folder", "mkdir -m 700 " + own},
        {"a link to the player's own folder", "ln -s " + victim + " " + own},
        {"a link to nowhere", "ln -s " + shared.string() + "/nowhere " + own},
        {"a file", "echo x > " + own},
    };
    for (const Plant &plant : plants) {
        SCOPED_TRACE(plant.name);
        std::error_code ignored;
        fs::remove_all(own, ignored);
        fs::remove_all(cache, ignored);
        ASSERT_TRUE(lumo::test::RunAsOtherUser(plant.command));
        const std::string chosen = lumo::PrivateTempFolder();
        EXPECT_EQ(chosen, (cache / "lumo" / "tmp").string());
        EXPECT_TRUE(lumo::IsPrivateFolder(chosen));
        EXPECT_TRUE(fs::is_empty(victim));
    }
}

TEST_F(PrivateFolderTest, NoFolderAtAllGivesAnEmptyPath)
{
    LUMO_REQUIRE_OTHER_USER();
    ASSERT_TRUE(lumo::test::RunAsOtherUser("mkdir -m 777 " + own));
    // The cache folder cannot be made: a file stands where it should be.
    std::ofstream(cache) << "x";
    EXPECT_EQ(lumo::PrivateTempFolder(), "");
    EXPECT_EQ(lumo::TempFolderPath(), "");
}

struct RemoveCase {
    const char *name;
    // Plants "Lumo" in the folder; returns a file whose content must survive.
    std::string (*plant)(const fs::path &folder, const fs::path &base);
    bool removed;
};

const RemoveCase kRemoveCases[] = {
    {"own regular file",
        [](const fs::path &f, const fs::path &) {
            std::ofstream(f / "Lumo") << "alt";
            return std::string();
        },
        true},
    {"link to a file of the player",
        [](const fs::path &f, const fs::path &b) {
            std::ofstream(b / "keep") << "bleibt";
            fs::create_symlink(b / "keep", f / "Lumo");
            return (b / "keep").string();
        },
        false},
    {"folder",
        [](const fs::path &f, const fs::path &) {
            fs::create_directory(f / "Lumo");
            return std::string();
        },
        false},
};

TEST_F(PrivateFolderTest, StaleProgramCopyGoesOnlyWhenItIsOurRegularFile)
{
    const std::string folder = lumo::PrivateTempFolder();
    ASSERT_FALSE(folder.empty());
    for (const RemoveCase &c : kRemoveCases) {
        SCOPED_TRACE(c.name);
        const std::string keep = c.plant(folder, base);
        EXPECT_EQ(lumo::RemoveOwnRegularFile(folder, "Lumo"), c.removed);
        EXPECT_EQ(fs::exists(fs::symlink_status(fs::path(folder) / "Lumo")), !c.removed);
        if (!keep.empty()) {
            EXPECT_TRUE(fs::exists(keep));
        }
        std::error_code ignored;
        fs::remove_all(fs::path(folder) / "Lumo", ignored);
    }
    EXPECT_FALSE(lumo::RemoveOwnRegularFile(folder, "../shared"));
    EXPECT_FALSE(lumo::RemoveOwnRegularFile(folder, ""));
}

TEST_F(PrivateFolderTest, StaleProgramCopyStaysInASharedFolderOrWhenItIsAnotherUsersFile)
{
    // A shared folder: nothing there is deleted, not even a file of ours.
    std::ofstream(shared / "Lumo") << "alt";
    EXPECT_FALSE(lumo::RemoveOwnRegularFile(shared.string(), "Lumo"));
    EXPECT_TRUE(fs::exists(shared / "Lumo"));

    LUMO_REQUIRE_OTHER_USER();
    const std::string folder = lumo::PrivateTempFolder();
    std::ofstream(fs::path(folder) / "Lumo") << "fremd";
    ASSERT_EQ(chown((fs::path(folder) / "Lumo").c_str(), lumo::test::kOtherUid, lumo::test::kOtherUid), 0);
    EXPECT_FALSE(lumo::RemoveOwnRegularFile(folder, "Lumo"));
    EXPECT_TRUE(fs::exists(fs::path(folder) / "Lumo"));
}

} // namespace
