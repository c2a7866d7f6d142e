#include "online/UpdateTempFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace lumo {
namespace {

class UpdateTempFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lumo-update-temp.XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = std::string(pattern) + "/";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Slurp(const std::string &path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string folder;
};

TEST_F(UpdateTempFileTest, CreatesTheNamedFileForTheUserAlone)
{
    const CreatedFile file = CreateUpdateTempFile(folder, 1234, "lumo.ini");
    ASSERT_GE(file.fd, 0);
    EXPECT_EQ(file.path, folder + "$$$TEMP1234lumo.ini");
    struct stat info {};
    ASSERT_EQ(fstat(file.fd, &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    close(file.fd);
}

TEST_F(UpdateTempFileTest, APlantedLinkIsNeitherFollowedNorReplaced)
{
    const std::string victim = folder + "victim";
    std::ofstream(victim) << "precious";
    std::filesystem::create_symlink(victim, folder + "$$$TEMP77Lumo");
    std::ofstream(folder + "$$$TEMP78Lumo") << "planted";

    const CreatedFile file = CreateUpdateTempFile(folder, 77, "Lumo");
    ASSERT_GE(file.fd, 0);
    EXPECT_EQ(file.path, folder + "$$$TEMP79Lumo");
    ASSERT_EQ(write(file.fd, "new", 3), 3);
    close(file.fd);
    EXPECT_EQ(Slurp(victim), "precious");
    EXPECT_EQ(Slurp(folder + "$$$TEMP78Lumo"), "planted");
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "$$$TEMP77Lumo"));
}

TEST_F(UpdateTempFileTest, GivesUpWhenTheFolderIsMissing)
{
    const CreatedFile file = CreateUpdateTempFile(folder + "missing/", 1, "Lumo");
    EXPECT_EQ(file.fd, -1);
    EXPECT_TRUE(file.path.empty());
    // Without a private temporary folder the path would be relative to
    // wherever the program was started.
    const CreatedFile nowhere = CreateUpdateTempFile("", 1, "Lumo");
    EXPECT_EQ(nowhere.fd, -1);
    EXPECT_FALSE(std::filesystem::exists("$$$TEMP1Lumo"));
}

TEST_F(UpdateTempFileTest, TicksOnlyRunForward)
{
    const auto first = UpdateTickCount();
    EXPECT_GE(UpdateTickCount(), first);
    EXPECT_EQ(UpdateTempName(42, "Lumo"), "$$$TEMP42Lumo");
}

} // namespace
} // namespace lumo
