#include "common/FileHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileHelpersTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "lumo-filehelpers-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override { fs::remove_all(folder); }

    static std::string Slurp(const fs::path &file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder;
};

TEST_F(FileHelpersTest, ReadTextFileOfMissingFileIsEmpty)
{
    EXPECT_EQ(lumo::ReadTextFile((folder / "fehlt.txt").string()), "");
}

TEST_F(FileHelpersTest, ReadTextFileReturnsEveryByte)
{
    // More than one read buffer, with NUL bytes and CR LF inside.
    std::string content(70000, 'a');
    content[10] = '\0';
    content += "\r\nEnde\xe4";
    {
        std::ofstream out(folder / "gross.bin", std::ios::binary);
        out << content;
    }
    EXPECT_EQ(lumo::ReadTextFile((folder / "gross.bin").string()), content);
}

TEST_F(FileHelpersTest, ReadTextFileOfEmptyFileIsEmpty)
{
    std::ofstream(folder / "leer.txt").close();
    EXPECT_EQ(lumo::ReadTextFile((folder / "leer.txt").string()), "");
}

TEST_F(FileHelpersTest, ReadTextFileThrowsWhenAnExistingPathCannotBeRead)
{
    // A folder exists but is no readable file.
    EXPECT_THROW(lumo::ReadTextFile(folder.string()), std::runtime_error);
}

TEST_F(FileHelpersTest, WriteTextFileAppendsCrLfAndTruncates)
{
    const auto file = folder / "out.txt";
    ASSERT_TRUE(lumo::WriteTextFile(file.string(), "eine lange erste Fassung"));
    ASSERT_TRUE(lumo::WriteTextFile(file.string(), "Zeile 1\r\nZeile 2"));
    EXPECT_EQ(Slurp(file), "Zeile 1\r\nZeile 2\r\n");
}

TEST_F(FileHelpersTest, WriteTextFileOfEmptyTextWritesOnlyCrLf)
{
    const auto file = folder / "leer.txt";
    ASSERT_TRUE(lumo::WriteTextFile(file.string(), ""));
    EXPECT_EQ(Slurp(file), "\r\n");
}

TEST_F(FileHelpersTest, WriteTextFileIntoUnwritableFolderReturnsFalse)
{
    // The "folder" is a regular file, so no file can be created in it, even as root.
    const auto notAFolder = folder / "datei";
    std::ofstream(notAFolder) << "x";
    EXPECT_FALSE(lumo::WriteTextFile((notAFolder / "out.txt").string(), "text"));
    EXPECT_FALSE(lumo::WriteTextFile((folder / "fehlt" / "out.txt").string(), "text"));
}

TEST(ProgramFileTest, BaseNameAndFolderNameTheRunningTestBinary)
{
    EXPECT_EQ(lumo::ProgramBaseName(), "lumo_helpers_unit_tests");
    const std::string folder = lumo::ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::exists(folder + lumo::ProgramBaseName()));
}

class TempFolderTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *name : {"TMPDIR", "XDG_RUNTIME_DIR"}) {
            const char *old = std::getenv(name);
            saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        }
        unsetenv("XDG_RUNTIME_DIR");
    }
    void TearDown() override
    {
        for (const auto &[name, value] : saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

// The shared folder itself is never the answer, only the user's own folder in it.
TEST_F(TempFolderTest, OwnFolderInTheSharedOneEndsWithSlash)
{
    const std::string own = "lumo-" + std::to_string(geteuid()) + "/";
    setenv("TMPDIR", "/var/tmp", 1);
    EXPECT_EQ(lumo::TempFolderPath(), "/var/tmp/" + own);
    setenv("TMPDIR", "/var/tmp/", 1);
    EXPECT_EQ(lumo::TempFolderPath(), "/var/tmp/" + own);
}

TEST_F(TempFolderTest, FallsBackToTmp)
{
    const std::string own = "/tmp/lumo-" + std::to_string(geteuid()) + "/";
    unsetenv("TMPDIR");
    EXPECT_EQ(lumo::TempFolderPath(), own);
    setenv("TMPDIR", "", 1);
    EXPECT_EQ(lumo::TempFolderPath(), own);
}

} // namespace
