#include "shell/SystemInfo.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace lumo;

namespace {

// A private folder under the temp dir, removed again after the test.
class FixtureTree {
public:
    FixtureTree()
    {
        std::string pattern = (fs::temp_directory_path() / "lumo-sysinfo-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        const char *made = mkdtemp(buffer.data());
        EXPECT_NE(made, nullptr);
        root_ = made ? fs::path(made) : fs::path();
    }
    ~FixtureTree()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    void Write(const fs::path &relative, const std::string &content) const
    {
        fs::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << content;
    }
    const fs::path &Root() const { return root_; }

private:
    fs::path root_;
};

struct BatteryCase {
    const char *label;
    std::vector<std::pair<std::string, std::string>> files; // path under the folder, content
    bool notebook;
};

} // namespace

TEST(ShrinkBlankRuns, TwoBlanksAtStartAndBetweenWordsBecomeOneEach)
{
    EXPECT_EQ(ShrinkBlankRuns("  Intel(R)  Core(TM)"), " Intel(R) Core(TM)");
    EXPECT_EQ(ShrinkBlankRuns("a     b"), "a b");
    EXPECT_EQ(ShrinkBlankRuns(" a b "), " a b ");
    // Only blanks shrink; a tab between blanks keeps its neighbours.
    EXPECT_EQ(ShrinkBlankRuns("a \t  b"), "a \t b");
}

TEST(ProcessorNameFromCpuinfo, TakesTheFirstModelNameAndShrinksBlanks)
{
    const std::string cpuinfo = "processor\t: 0\n"
                                "vendor_id\t: GenuineIntel\n"
                                "model name\t:   Intel(R)  Core(TM) i5  CPU\n"
                                "processor\t: 1\n"
                                "model name\t: Another One\n";
    EXPECT_EQ(ProcessorNameFromCpuinfo(cpuinfo), " Intel(R) Core(TM) i5 CPU");
}

TEST(ProcessorNameFromCpuinfo, FallsBackWhenThereIsNoName)
{
    EXPECT_EQ(ProcessorNameFromCpuinfo(""), "undefiniert");
    // ARM kernels list processors without a model name.
    EXPECT_EQ(ProcessorNameFromCpuinfo("processor\t: 0\nBogoMIPS\t: 48.00\nCPU part\t: 0xd08\n"),
              "undefiniert");
    EXPECT_EQ(ProcessorNameFromCpuinfo("model name\t:   \t \n"), "undefiniert");
}

TEST(OsNameFromOsRelease, BuildsNameAndVersionFromQuotedAndBareValues)
{
    EXPECT_EQ(OsNameFromOsRelease("PRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\n"
                                  "NAME=\"Debian GNU/Linux\"\nVERSION_ID=\"12\"\n"),
              "Debian GNU/Linux 12 (bookworm) (Vers. 12)");
    EXPECT_EQ(OsNameFromOsRelease("# comment\n\nVERSION_ID=23.10\nPRETTY_NAME='Ubuntu \"Mantic\"'\n"),
              "Ubuntu \"Mantic\" (Vers. 23.10)");
    EXPECT_EQ(OsNameFromOsRelease("PRETTY_NAME=\"Say \\\"hi\\\" \\\\ \\$x\"\r\nVERSION_ID=1\r\n"),
              "Say \"hi\" \\ $x (Vers. 1)");
}

TEST(OsNameFromOsRelease, MissingFieldsFallBack)
{
    // Rolling releases carry no version number.
    EXPECT_EQ(OsNameFromOsRelease("PRETTY_NAME=\"Arch Linux\"\n"), "Arch Linux");
    EXPECT_EQ(OsNameFromOsRelease("NAME=Fedora\nVERSION_ID=40\n"), "Fedora (Vers. 40)");
    EXPECT_EQ(OsNameFromOsRelease("garbage without equals\n"), "Linux");
}

TEST(OsNameUnder, ReadsEtcThenUsrLibAndIsEmptyWhenNeitherExists)
{
    FixtureTree tree;
    EXPECT_EQ(OsNameUnder(tree.Root()), "");
    tree.Write("usr/lib/os-release", "PRETTY_NAME=\"From Usr Lib\"\nVERSION_ID=2\n");
    EXPECT_EQ(OsNameUnder(tree.Root()), "From Usr Lib (Vers. 2)");
    tree.Write("etc/os-release", "PRETTY_NAME=\"From Etc\"\nVERSION_ID=3\n");
    EXPECT_EQ(OsNameUnder(tree.Root()), "From Etc (Vers. 3)");
}

TEST(BitnessForMachine, TellsSixtyFourFromThirtyTwoBitMachines)
{
    for (const char *machine : {"x86_64", "aarch64", "ppc64le", "riscv64", "s390x"})
        EXPECT_EQ(BitnessForMachine(machine), "64-Bit") << machine;
    for (const char *machine : {"i686", "armv7l", "i386"})
        EXPECT_EQ(BitnessForMachine(machine), "32-Bit") << machine;
    EXPECT_EQ(BitnessForMachine(""), "");
}

TEST(IsNotebookUnder, OnlyAKnownChargeOfTheComputersOwnBatteryCounts)
{
    const std::vector<BatteryCase> cases = {
        {"no supplies at all", {}, false},
        {"mains only", {{"AC/type", "Mains\n"}, {"AC/online", "1\n"}}, false},
        {"battery at 0", {{"BAT0/type", "Battery\n"}, {"BAT0/capacity", "0\n"}}, false},
        {"battery at 1", {{"BAT0/type", "Battery\n"}, {"BAT0/capacity", "1\n"}}, true},
        {"battery at 100", {{"BAT0/type", "Battery\n"}, {"BAT0/capacity", "100\n"}}, true},
        {"charge unknown (255)", {{"BAT0/type", "Battery\n"}, {"BAT0/capacity", "255\n"}}, false},
        {"charge not a number", {{"BAT0/type", "Battery\n"}, {"BAT0/capacity", "n/a\n"}}, false},
        {"charge missing", {{"BAT0/type", "Battery\n"}}, false},
        {"mouse battery", {{"hidpp_battery_0/type", "Battery\n"}, {"hidpp_battery_0/scope", "Device\n"},
                           {"hidpp_battery_0/capacity", "80\n"}}, false},
        {"system battery beside mains", {{"AC/type", "Mains\n"}, {"BAT1/type", "Battery\n"},
                                         {"BAT1/scope", "System\n"}, {"BAT1/capacity", "57\n"}}, true},
    };
    for (const BatteryCase &c : cases) {
        FixtureTree tree;
        fs::create_directories(tree.Root() / "power_supply");
        for (const auto &[path, content] : c.files)
            tree.Write(fs::path("power_supply") / path, content);
        EXPECT_EQ(IsNotebookUnder(tree.Root() / "power_supply"), c.notebook) << c.label;
    }
    EXPECT_FALSE(IsNotebookUnder("/nonexistent/lumo/power_supply"));
}

TEST(FormatSystemInfo, FourLinesEachEndingWithCrLf)
{
    SystemFacts facts;
    facts.baseName = "Lumo";
    facts.version = "26.4.6.0";
    facts.notice = CopyrightNoticeForYear(2026);
    facts.osName = "Debian GNU/Linux 12 (bookworm) (Vers. 12)";
    facts.bitness = "64-Bit";
    facts.notebook = false;
    facts.processor = "AMD EPYC";
    EXPECT_EQ(FormatSystemInfo(facts), "Lumo Version 26.4.6.0\r\n"
                                       "\xC2\xA9 2003/2026 vemu\r\n"
                                       "System: Debian GNU/Linux 12 (bookworm) (Vers. 12) 64-Bit \r\n"
                                       "Computer (PC-System): AMD EPYC\r\n");

    facts.notebook = true;
    facts.bitness = "";
    facts.osName = "";
    const std::string text = FormatSystemInfo(facts);
    EXPECT_NE(text.find("\r\nSystem:   \r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\nComputer (Notebook): AMD EPYC\r\n"), std::string::npos) << text;
}

TEST(ProgramVersion, ReportsTheBuildVersionAndFallsBackWhenEmpty)
{
    EXPECT_EQ(ProgramVersion(), "26.4.6.0");
    EXPECT_EQ(VersionOrFallback(""), "1.0.0.0");
    EXPECT_EQ(VersionOrFallback("  "), "1.0.0.0");
    EXPECT_EQ(VersionOrFallback("2.1.0.7"), "2.1.0.7");
}

TEST(CopyrightNotice, CarriesTheYearRangeUpToTheGivenYear)
{
    EXPECT_EQ(CopyrightNoticeForYear(2031), "\xC2\xA9 2003/2031 vemu");
    const std::string notice = CopyrightNotice();
    ASSERT_EQ(notice.size(), CopyrightNoticeForYear(2026).size());
    EXPECT_EQ(notice.substr(0, 8), "\xC2\xA9 2003/");
}

TEST(SystemInfoText, DescribesThisComputerInFourLines)
{
    const std::string text = SystemInfoText();
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    ASSERT_EQ(lines.size(), 4u) << text;
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_NE(lines[0].find(" Version " + ProgramVersion()), std::string::npos);
    EXPECT_EQ(lines[1], CopyrightNotice());
    EXPECT_EQ(lines[2], "System: " + OsName() + " " + Bitness() + " ");
    EXPECT_EQ(lines[3], std::string(IsNotebook() ? "Computer (Notebook): " : "Computer (PC-System): ") +
                            ProcessorName());
}
