// Faults still leave a report: each case runs in a child process that the
// fault ends, and the parent reads what the child's signal handler wrote.
#include "common/FileHelpers.h"
#include "shell/FatalSignalReport.h"
#include "shell/TestFault.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

using namespace lumo;

namespace {

class FatalSignal : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/lumo-fatal-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        FFolder = pattern;
        FReport = FFolder + "/Lumo.ERR";
        FFallback = FFolder + "/data/vemu/Lumo/Lumo.ERR";
    }
    void TearDown() override { std::filesystem::remove_all(FFolder); }

    std::string FFolder;
    std::string FReport;
    std::string FFallback;
};

const char kEarlierBlock[] = "Exception std::runtime_error: vorher\r\n"
                             "  Exception occured at $0000000000000001 (Module \"m\", Procedure \"p\", Unit \"u\", Line 1)\r\n"
                             "  Except frame-dump:\r\n"
                             "\r\n";

[[noreturn]] void SegvChild(const std::string &report, const std::string &fallback)
{
    FatalSignalReport::Install(report, fallback);
    FatalSignalReport::AppendLog(kEarlierBlock);
    TestFault::SetEntries(TestFault::Parse("here:segv"));
    TestFault::At("here");
    std::exit(0);
}

std::string Line(const std::string &text, std::size_t index)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i)
        start = text.find("\r\n", start) + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

} // namespace

TEST_F(FatalSignal, SegmentationFaultWritesTheReportAndEndsWithTheSignal)
{
    EXPECT_EXIT(SegvChild(FReport, FFallback), ::testing::KilledBySignal(SIGSEGV), "");
    const std::string report = ReadTextFile(FReport);
    ASSERT_FALSE(report.empty());
    EXPECT_EQ(report.rfind("Es ist ein unerwarteter Fehler aufgetreten.\r\n"
                           "Fehlermeldung: \"Zugriffsverletzung bei Adresse $0000000000000000\"\r\n",
                           0),
              0u)
        << report;
    const std::string fatal = "Exception SIGSEGV: Zugriffsverletzung bei Adresse $0000000000000000 (OS Exception)\r\n";
    const std::size_t earlier = report.find(kEarlierBlock);
    const std::size_t block = report.find(fatal);
    ASSERT_NE(earlier, std::string::npos) << "the log of the run comes first";
    ASSERT_NE(block, std::string::npos) << report;
    EXPECT_LT(earlier, block);

    const std::string occured = Line(report.substr(block), 1);
    EXPECT_EQ(occured.rfind("  Exception occured at $", 0), 0u) << occured;
    // Named by the child process after the fault.
    EXPECT_NE(occured.find(" (Module \"lumo_crash_unit_tests\", Procedure \"lumo::(anonymous namespace)::Fault(char "
                           "const*, lumo::TestFault::Action)\", Unit \"src/shell/TestFault.cpp\", Line "),
              std::string::npos)
        << occured;
    EXPECT_EQ(Line(report.substr(block), 2), "  Except frame-dump:");
    // The first frame is the faulting one, at the same address.
    const std::string address = occured.substr(23, 17);
    EXPECT_EQ(Line(report.substr(block), 3).rfind("    Frame at $", 0), 0u);
    EXPECT_EQ(Line(report.substr(block), 3).substr(30), " (type: efkUnknown)");
    EXPECT_EQ(Line(report.substr(block), 4), "      Code at " + address);
    EXPECT_EQ(Line(report.substr(block), 5), "      " + occured.substr(42, occured.size() - 43));
    EXPECT_NE(report.find("::SegvChild("), std::string::npos) << "the caller's frame is named too";

    const std::string tail = "\r\n\r\nBitte informieren Sie den Autor!\r\nDas Programm wird beendet.\r\n";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail) << "block's empty line, the empty line, the request";
    EXPECT_FALSE(std::filesystem::exists(FFallback));
}

TEST_F(FatalSignal, UnwritableProgramFolderFallsBackToTheDataFolder)
{
    const std::string locked = FFolder + "/locked";
    ASSERT_EQ(mkdir(locked.c_str(), 0500), 0);
    if (access(locked.c_str(), W_OK) == 0)
        std::filesystem::permissions(locked, std::filesystem::perms::none);
    const bool stillWritable = access((locked + "/.").c_str(), W_OK) == 0;
    // As root every folder is writable: a path under a regular file cannot be.
    const std::string blocked = stillWritable ? FReport + "/Lumo.ERR" : locked + "/Lumo.ERR";
    if (stillWritable) {
        ASSERT_TRUE(WriteTextFile(FReport, "a file, not a folder"));
    }
    EXPECT_EXIT(SegvChild(blocked, FFallback), ::testing::KilledBySignal(SIGSEGV), "");
    std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
    EXPECT_NE(ReadTextFile(FFallback).find("Exception SIGSEGV: "), std::string::npos);
}

TEST_F(FatalSignal, TerminateAfterAnExceptionNamesItAndEndsWithAbort)
{
    EXPECT_EXIT(
        {
            FatalSignalReport::Install(FReport, FFallback);
            try {
                throw std::logic_error("nicht gefangen");
            } catch (...) {
                std::terminate();
            }
        },
        ::testing::KilledBySignal(SIGABRT), "");
    const std::string report = ReadTextFile(FReport);
    EXPECT_NE(report.find("Fehlermeldung: \"Programmabbruch (std::terminate nach Ausnahme std::logic_error: "
                          "nicht gefangen)\"\r\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\r\nException SIGABRT: Programmabbruch (std::terminate"), std::string::npos);
    EXPECT_NE(report.find("gefangen) (OS Exception)\r\n"), std::string::npos);
}

TEST_F(FatalSignal, NoReportOnceOneWasWrittenOrAfterUninstall)
{
    EXPECT_EXIT(
        {
            FatalSignalReport::Install(FReport, FFallback);
            FatalSignalReport::MarkReported();
            std::abort();
        },
        ::testing::KilledBySignal(SIGABRT), "");
    EXPECT_FALSE(std::filesystem::exists(FReport));
    EXPECT_EXIT(
        {
            FatalSignalReport::Install(FReport, FFallback);
            FatalSignalReport::Uninstall();
            std::abort();
        },
        ::testing::KilledBySignal(SIGABRT), "");
    EXPECT_FALSE(std::filesystem::exists(FReport));
}
