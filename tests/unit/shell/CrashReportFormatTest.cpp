// The crash log's lines and the report text, byte for byte.
#include "shell/CrashLog.h"
#include "shell/CrashReportText.h"
#include "shell/ExceptionBlock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lumo;

namespace {

CodeLocation Here(std::uintptr_t address, std::string procedure, std::string unit, int line)
{
    return CodeLocation{address, "Lumo", std::move(procedure), std::move(unit), line};
}

ExceptFrame Frame(std::uintptr_t record, ExceptFrameKind kind, std::uintptr_t code, std::uintptr_t handler = 0,
                  bool classMatches = false)
{
    ExceptFrame frame;
    frame.frameAddress = record;
    frame.kind = kind;
    frame.codeAddress = code;
    frame.handlerAddress = handler;
    frame.classMatches = classMatches;
    frame.location = Here(handler ? handler : code, "lumo::Work()", "src/shell/Work.cpp", 7);
    return frame;
}

} // namespace

TEST(CrashReportFormat, PointersHaveAllTheDigitsOfAPointerInUpperCase)
{
    EXPECT_EQ(sizeof(void *), 8u) << "the digit counts below are those of a 64-bit system";
    EXPECT_EQ(FormatPointer(0), "$0000000000000000");
    EXPECT_EQ(FormatPointer(0x55d4a1b2c3efULL), "$000055D4A1B2C3EF");
    EXPECT_EQ(FormatPointer(UINTPTR_MAX), "$FFFFFFFFFFFFFFFF");
}

TEST(CrashReportFormat, BlockOfAStandardExceptionWithOneUnknownFrame)
{
    RaisedException raised;
    raised.className = "std::runtime_error";
    raised.message = "kaputt";
    raised.at = Here(0x401a2b, "lumo::Thrower()", "src/shell/Thrower.cpp", 42);
    raised.frames.push_back(Frame(0x7ffc0010, ExceptFrameKind::efkUnknown, 0x401a2b));

    const std::vector<std::string> expected = {
        "Exception std::runtime_error: kaputt",
        "  Exception occured at $0000000000401A2B (Module \"Lumo\", Procedure \"lumo::Thrower()\", "
        "Unit \"src/shell/Thrower.cpp\", Line 42)",
        "  Except frame-dump:",
        "    Frame at $000000007FFC0010 (type: efkUnknown)",
        "      Code at $0000000000401A2B",
        "      Module \"Lumo\", Procedure \"lumo::Work()\", Unit \"src/shell/Work.cpp\", Line 7",
        "",
    };
    EXPECT_EQ(ExceptionBlockLines(raised), expected);
}

TEST(CrashReportFormat, HeadLineNamesMessageOnlyForStandardExceptionsAndMarksSystemFaults)
{
    RaisedException raised;
    raised.className = "int";
    EXPECT_EQ(ExceptionBlockLines(raised).front(), "Exception int");
    raised.className = "SIGSEGV";
    raised.message = "Zugriffsverletzung";
    raised.byOs = true;
    EXPECT_EQ(ExceptionBlockLines(raised).front(), "Exception SIGSEGV: Zugriffsverletzung (OS Exception)");
    raised.message = "";
    raised.byOs = false;
    EXPECT_EQ(ExceptionBlockLines(raised).front(), "Exception SIGSEGV: ");
}

TEST(CrashReportFormat, EmptyNamesStillGiveEveryField)
{
    RaisedException raised;
    raised.className = "X";
    raised.at.address = 0x10;
    EXPECT_EQ(ExceptionBlockLines(raised)[1],
              "  Exception occured at $0000000000000010 (Module \"\", Procedure \"\", Unit \"\", Line 0)");
    EXPECT_EQ(ExceptionBlockLines(raised).size(), 4u) << "head, location, dump heading, empty line";
}

TEST(CrashReportFormat, FramesShowTheHandlerOnlyWhenTheyHandleTheException)
{
    struct Case {
        ExceptFrameKind kind;
        bool classMatches;
        const char *firstLine;
        const char *secondLine;
    };
    const Case cases[] = {
        {ExceptFrameKind::efkUnknown, true, "    Frame at $0000000000000100 (type: efkUnknown)",
         "      Code at $0000000000000AAA"},
        {ExceptFrameKind::efkFinally, true, "    Frame at $0000000000000100 (type: efkFinally)",
         "      Code at $0000000000000AAA"},
        {ExceptFrameKind::efkAnyException, false,
         "    Frame at $0000000000000100 (type: efkAnyException, handles exception)",
         "      Handler at $0000000000000BBB"},
        {ExceptFrameKind::efkAutoException, false,
         "    Frame at $0000000000000100 (type: efkAutoException, handles exception)",
         "      Handler at $0000000000000BBB"},
        {ExceptFrameKind::efkOnException, true,
         "    Frame at $0000000000000100 (type: efkOnException, handles exception)",
         "      Handler at $0000000000000BBB"},
        {ExceptFrameKind::efkOnException, false, "    Frame at $0000000000000100 (type: efkOnException)",
         "      Code at $0000000000000AAA"},
    };
    for (const Case &c : cases) {
        RaisedException raised;
        raised.className = "E";
        raised.frames.push_back(Frame(0x100, c.kind, 0xAAA, 0xBBB, c.classMatches));
        const std::vector<std::string> lines = ExceptionBlockLines(raised);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[3], c.firstLine);
        EXPECT_EQ(lines[4], c.secondLine);
        EXPECT_EQ(lines[5].rfind("      Module \"Lumo\", Procedure \"lumo::Work()\"", 0), 0u) << lines[5];
    }
}

TEST(CrashReportFormat, LogTextEndsEveryLineWithCrLf)
{
    CrashLog log;
    EXPECT_EQ(log.Text(), "");
    log.Append({"Exception A", ""});
    log.Append({"Exception B", ""});
    EXPECT_EQ(log.Text(), "Exception A\r\n\r\nException B\r\n\r\n");
    EXPECT_EQ(log.Lines().size(), 4u);
}

TEST(CrashReportFormat, ReportAroundTheLog)
{
    const std::string log = "Exception E: m\r\n  Exception occured at $0\r\n  Except frame-dump:\r\n\r\n";
    EXPECT_EQ(ComposeCrashReport("m", log),
              "Es ist ein unerwarteter Fehler aufgetreten.\r\n"
              "Fehlermeldung: \"m\"\r\n"
              "Exception E: m\r\n"
              "  Exception occured at $0\r\n"
              "  Except frame-dump:\r\n"
              "\r\n"
              "\r\n"
              "Bitte informieren Sie den Autor!\r\n"
              "Das Programm wird beendet.");
}

TEST(CrashReportFormat, ReportWithAnEmptyLogHasOneEmptyLineBeforeTheRequest)
{
    EXPECT_EQ(ComposeCrashReport("weg", ""),
              "Es ist ein unerwarteter Fehler aufgetreten.\r\n"
              "Fehlermeldung: \"weg\"\r\n"
              "\r\n"
              "Bitte informieren Sie den Autor!\r\n"
              "Das Programm wird beendet.");
}

TEST(CrashReportFormat, ListIndexMessagesInAnyCaseAreIgnored)
{
    for (const char *message : {"Listenindex überschreitet das Maximum (12)", "Ungültiger Bilderlistenindex",
                                "LISTENINDEX", "xlistenIndexy", "listenindex"})
        EXPECT_TRUE(IsIgnoredCrashMessage(message)) << message;
    for (const char *message : {"", "Listen index", "Liste", "Index außerhalb", "listenindeks"})
        EXPECT_FALSE(IsIgnoredCrashMessage(message)) << message;
}

TEST(CrashReportFormat, ReportFileBesideTheProgram)
{
    EXPECT_EQ(CrashReportFileName("/opt/lumo/", "Lumo"), "/opt/lumo/Lumo.ERR");
    EXPECT_EQ(CrashReportFileName("/home/a/.local/share/Lumo", "Lumo"), "/home/a/.local/share/Lumo/Lumo.ERR");
}
