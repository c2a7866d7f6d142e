#include "shell/InstanceFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using lumo::InstanceFolder;
using lumo::InstanceFolderPlaces;

namespace {

namespace fs = std::filesystem;

std::string OwnName()
{
    return "lumo-" + std::to_string(static_cast<unsigned long>(getuid()));
}

// A scratch tree per case: run/ (the session's folder), tmp/ (shared, sticky
// and open to all, like /tmp) and cache/ (in the home).
struct Tree {
    fs::path root;
    Tree()
    {
        std::string pattern = (fs::temp_directory_path() / "lumo-folder-test.XXXXXX").string();
        root = mkdtemp(pattern.data());
        fs::create_directory(root / "run");
        fs::permissions(root / "run", fs::perms::owner_all);
        fs::create_directory(root / "tmp");
        chmod((root / "tmp").c_str(), 01777);
    }
    ~Tree() { fs::remove_all(root); }
    fs::path Run() const { return root / "run"; }
    fs::path TempOwn() const { return root / "tmp" / OwnName(); }
    fs::path CacheOwn() const { return root / "cache" / OwnName(); }
    InstanceFolderPlaces Places() const
    {
        return {Run().string(), (root / "tmp").string(), (root / "cache").string()};
    }
};

int ModeOf(const fs::path &path)
{
    struct stat info {};
    lstat(path.c_str(), &info);
    return static_cast<int>(info.st_mode & 07777);
}

struct Case {
    const char *label;
    std::function<InstanceFolderPlaces(const Tree &)> prepare;
    std::function<fs::path(const Tree &)> expected; // empty path: none
};

} // namespace

TEST(InstanceFolder, TakesOnlyAFolderNoOneElseCanReach)
{
    const std::vector<Case> cases = {
        {"the session's private runtime folder", [](const Tree &t) { return t.Places(); },
            [](const Tree &t) { return t.Run(); }},
        {"no runtime folder: a folder of our own in the temporary folder",
            [](const Tree &t) {
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &t) { return t.TempOwn(); }},
        {"a runtime folder open to others is not taken",
            [](const Tree &t) {
                fs::permissions(t.Run(),
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec);
                return t.Places();
            },
            [](const Tree &t) { return t.TempOwn(); }},
        {"a runtime folder that is a link is not taken, even to a private folder",
            [](const Tree &t) {
                fs::create_directory(t.root / "elsewhere");
                fs::permissions(t.root / "elsewhere", fs::perms::owner_all);
                fs::create_directory_symlink(t.root / "elsewhere", t.root / "runlink");
                auto places = t.Places();
                places.runtimeDir = (t.root / "runlink").string();
                return places;
            },
            [](const Tree &t) { return t.TempOwn(); }},
        {"a relative runtime folder is not taken",
            [](const Tree &t) {
                auto places = t.Places();
                places.runtimeDir = "run";
                return places;
            },
            [](const Tree &t) { return t.TempOwn(); }},
        {"our own private folder from an earlier run is used again",
            [](const Tree &t) {
                fs::create_directory(t.TempOwn());
                fs::permissions(t.TempOwn(), fs::perms::owner_all);
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &t) { return t.TempOwn(); }},
        {"a planted link in the temporary folder: the home's cache instead",
            [](const Tree &t) {
                fs::create_directory(t.root / "target");
                fs::permissions(t.root / "target", fs::perms::owner_all);
                fs::create_directory_symlink(t.root / "target", t.TempOwn());
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &t) { return t.CacheOwn(); }},
        {"the name taken by a folder open to all: not repaired, the cache instead",
            [](const Tree &t) {
                fs::create_directory(t.TempOwn());
                fs::permissions(t.TempOwn(), fs::perms::all);
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &t) { return t.CacheOwn(); }},
        {"the name taken by a file: the cache instead",
            [](const Tree &t) {
                std::ofstream(t.TempOwn()) << "x";
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &t) { return t.CacheOwn(); }},
        {"both names taken: no folder at all",
            [](const Tree &t) {
                std::ofstream(t.TempOwn()) << "x";
                fs::create_directories(t.CacheOwn().parent_path());
                std::ofstream(t.CacheOwn()) << "x";
                auto places = t.Places();
                places.runtimeDir.clear();
                return places;
            },
            [](const Tree &) { return fs::path(); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.label);
        const Tree tree;
        const InstanceFolderPlaces places = c.prepare(tree);
        const fs::path expected = c.expected(tree);
        const std::string chosen = InstanceFolder::Choose(places);
        EXPECT_EQ(chosen, expected.string());
        if (!chosen.empty()) {
            EXPECT_TRUE(InstanceFolder::IsPrivate(chosen));
            EXPECT_EQ(ModeOf(chosen) & 077, 0);
        }
    }
}

// Another user's folder in the shared temporary folder, which only root can
// make here: the start must neither use it nor give up.
TEST(InstanceFolder, AnotherUsersFolderIsNotTaken)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a folder to another user";
    const Tree tree;
    fs::create_directory(tree.TempOwn());
    fs::permissions(tree.TempOwn(), fs::perms::owner_all);
    ASSERT_EQ(chown(tree.TempOwn().c_str(), 65534, 65534), 0);
    auto places = tree.Places();
    places.runtimeDir.clear();
    EXPECT_FALSE(InstanceFolder::IsPrivate(tree.TempOwn().string()));
    EXPECT_EQ(InstanceFolder::Choose(places), tree.CacheOwn().string());
    EXPECT_EQ(ModeOf(tree.CacheOwn()), 0700);
}
