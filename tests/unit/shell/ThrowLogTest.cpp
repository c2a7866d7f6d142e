// Throws in this process reach the throw hook as they are thrown, and their
// places are named from the debug information of this test program.
#include "shell/CallStack.h"
#include "shell/CodeLocator.h"
#include "shell/TestFault.h"
#include "shell/ThrowDescription.h"
#include "shell/ThrowHook.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace lumo;

namespace {

struct Seen {
    std::string className;
    std::optional<std::string> message;
    std::uintptr_t throwAddress = 0;
    std::vector<StackFrame> stack;
};

std::vector<Seen> gSeen;
bool gObserverThrows = false;

void Record(void *, void *object, const std::type_info *type, void *throwAddress)
{
    Seen seen{TypeName(*type), ExceptionMessage(object, *type), reinterpret_cast<std::uintptr_t>(throwAddress),
              CaptureCallStack()};
    gSeen.push_back(seen);
    if (gObserverThrows)
        throw std::logic_error("from the observer");
}

class ThrowLog : public ::testing::Test {
protected:
    void SetUp() override
    {
        gSeen.clear();
        gObserverThrows = false;
        SetThrowObserver(&Record, nullptr);
    }
    void TearDown() override { SetThrowObserver(nullptr, nullptr); }
};

const int kThrowLine = __LINE__ + 3;
__attribute__((noinline)) void ThrowFromHere(const char *text)
{
    throw std::runtime_error(text);
}

__attribute__((noinline)) void CallsTheThrower()
{
    ThrowFromHere("deep");
    asm volatile("");
}

__attribute__((always_inline)) inline void InlinedThrower(int value)
{
    if (value > 0) throw std::out_of_range("inlined");
}

const int kInlineCallLine = __LINE__ + 3;
__attribute__((noinline)) void HoldsTheInlinedThrower(int value)
{
    InlinedThrower(value);
    asm volatile("");
}

struct Base {
    virtual ~Base() = default;
    int padding = 7;
};
struct Mixed : Base, std::invalid_argument {
    Mixed() : std::invalid_argument("mixed") {}
};

bool EndsWith(const std::string &text, const std::string &tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TEST_F(ThrowLog, CaughtThrowIsSeenWithItsClassMessageAndPlace)
{
    try {
        ThrowFromHere("kaputt");
    } catch (const std::runtime_error &) {
    }
    ASSERT_EQ(gSeen.size(), 1u);
    EXPECT_EQ(gSeen[0].className, "std::runtime_error");
    EXPECT_EQ(gSeen[0].message, "kaputt");

    CodeLocator locator;
    const CodeLocation at = locator.Locate(gSeen[0].throwAddress, true).front();
    EXPECT_NE(at.procedure.find("ThrowFromHere"), std::string::npos) << at.procedure;
    EXPECT_TRUE(EndsWith(at.unit, "tests/unit/shell/ThrowLogTest.cpp")) << at.unit;
    EXPECT_EQ(at.line, kThrowLine);
    EXPECT_NE(at.module.find("lumo_crash"), std::string::npos) << at.module;
}

TEST_F(ThrowLog, ThrowsInsideTheStandardLibraryPassTheHookToo)
{
    EXPECT_THROW((void)std::stoi("keine Zahl"), std::invalid_argument);
    std::vector<int> none;
    EXPECT_THROW((void)none.at(3), std::out_of_range);
    ASSERT_EQ(gSeen.size(), 2u);
    EXPECT_EQ(gSeen[0].className, "std::invalid_argument");
    EXPECT_EQ(gSeen[0].message, "stoi");
    EXPECT_EQ(gSeen[1].className, "std::out_of_range");
    CodeLocator locator;
    EXPECT_NE(locator.Locate(gSeen[0].throwAddress, true).front().module.find("libstdc++"), std::string::npos);
}

TEST_F(ThrowLog, ObjectsOfOtherClassesHaveNoMessageAndDerivedOnesTheirOwn)
{
    try {
        throw 42;
    } catch (int) {
    }
    try {
        throw Mixed();
    } catch (const std::exception &) {
    }
    ASSERT_EQ(gSeen.size(), 2u);
    EXPECT_EQ(gSeen[0].className, "int");
    EXPECT_FALSE(gSeen[0].message.has_value());
    EXPECT_NE(gSeen[1].className.find("Mixed"), std::string::npos);
    EXPECT_EQ(gSeen[1].message, "mixed") << "what() through the std::exception part of a second base";
}

TEST_F(ThrowLog, AnExceptionFromTheObserverDoesNotReplaceTheThrownOne)
{
    gObserverThrows = true;
    EXPECT_THROW(ThrowFromHere("original"), std::runtime_error);
    ASSERT_EQ(gSeen.size(), 1u) << "the observer's own throw is not reported to it";
    EXPECT_EQ(gSeen[0].message, "original");
}

TEST_F(ThrowLog, NothingIsSeenWithoutAnObserver)
{
    SetThrowObserver(nullptr, nullptr);
    EXPECT_THROW(ThrowFromHere("unseen"), std::runtime_error);
    EXPECT_TRUE(gSeen.empty());
    EXPECT_TRUE(ThrowHookSeenThrow());
}

TEST_F(ThrowLog, FramesStartAtTheThrowerAndGoOutward)
{
    EXPECT_THROW(CallsTheThrower(), std::runtime_error);
    ASSERT_EQ(gSeen.size(), 1u);
    CodeLocator locator;
    const std::vector<ExceptFrame> frames = FramesFrom(locator, gSeen[0].stack, gSeen[0].throwAddress, 0);
    ASSERT_GE(frames.size(), 3u);
    EXPECT_NE(frames[0].location.procedure.find("ThrowFromHere"), std::string::npos) << frames[0].location.procedure;
    EXPECT_EQ(frames[0].codeAddress, gSeen[0].throwAddress);
    EXPECT_NE(frames[1].location.procedure.find("CallsTheThrower"), std::string::npos)
        << frames[1].location.procedure;
    EXPECT_LT(frames[0].frameAddress, frames[1].frameAddress) << "the stack grows down: callers lie higher";
    for (const ExceptFrame &frame : frames) {
        EXPECT_EQ(frame.kind, ExceptFrameKind::efkUnknown);
        EXPECT_EQ(frame.location.procedure.find("lumo::CaptureCallStack"), std::string::npos)
            << "the logger's own frames are left out";
    }

    // Frames whose record lies above the limit are left out.
    const std::vector<ExceptFrame> cut
        = FramesFrom(locator, gSeen[0].stack, gSeen[0].throwAddress, frames[1].frameAddress);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_EQ(cut[1].frameAddress, frames[1].frameAddress);
}

TEST_F(ThrowLog, AnInlinedThrowerIsAFrameOfItsOwnAtTheSameAddress)
{
    EXPECT_THROW(HoldsTheInlinedThrower(1), std::out_of_range);
    ASSERT_EQ(gSeen.size(), 1u);
    CodeLocator locator;
    const std::vector<CodeLocation> chain = locator.Locate(gSeen[0].throwAddress, true);
    std::string all;
    for (const CodeLocation &entry : chain)
        all += entry.procedure + " " + entry.unit + ":" + std::to_string(entry.line) + "\n";
    SCOPED_TRACE(all);
    ASSERT_GE(chain.size(), 2u);
    EXPECT_NE(chain[0].procedure.find("InlinedThrower"), std::string::npos) << chain[0].procedure;
    // The innermost line is the compiler's line table entry for the call; in a
    // cold clone it may be attributed to other inlined code, so only the
    // caller's line is pinned.
    EXPECT_NE(chain[0].line, 0);
    EXPECT_NE(chain[1].procedure.find("HoldsTheInlinedThrower"), std::string::npos) << chain[1].procedure;
    EXPECT_EQ(chain[1].line, kInlineCallLine);
    EXPECT_TRUE(EndsWith(chain[1].unit, "tests/unit/shell/ThrowLogTest.cpp")) << chain[1].unit;
}

TEST(CodeLocatorNames, UnknownAddressesGiveEmptyFields)
{
    CodeLocator locator;
    const std::vector<CodeLocation> chain = locator.Locate(0x10, false);
    ASSERT_EQ(chain.size(), 1u);
    EXPECT_EQ(chain[0].address, 0x10u);
    EXPECT_EQ(chain[0].module, "");
    EXPECT_EQ(chain[0].procedure, "");
    EXPECT_EQ(chain[0].unit, "");
    EXPECT_EQ(chain[0].line, 0);
}

TEST(CodeLocatorNames, UnitNamesAreRelativeToTheSourceTree)
{
    EXPECT_EQ(ReportedUnitName("./src/shell/TLumoForm.cpp"), "src/shell/TLumoForm.cpp");
    EXPECT_EQ(ReportedUnitName("./build/release/../../src/shell/TLumoForm.cpp"), "src/shell/TLumoForm.cpp");
    EXPECT_EQ(ReportedUnitName("/usr/include/c++/12/bits/stl_vector.h"), "/usr/include/c++/12/bits/stl_vector.h");
    EXPECT_EQ(ReportedUnitName("../../src/x.cpp", "./build/release"), "src/x.cpp");
    EXPECT_EQ(ReportedUnitName("./src/shell/TestFault.cpp", "./build/release"), "src/shell/TestFault.cpp");
    EXPECT_EQ(ReportedUnitName("/abs/y.cpp", "./build/release"), "/abs/y.cpp");
    EXPECT_EQ(ReportedUnitName(nullptr), "");
}

TEST(TestFaultRoute, EntriesAreReadInOrderAndBadOnesSkipped)
{
    const auto entries = TestFault::Parse("kopf_timerTimer:catch,kopf_timerTimer:throw,x:explode,:segv,y,z:segv");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].handler, "kopf_timerTimer");
    EXPECT_EQ(entries[0].action, TestFault::Action::Catch);
    EXPECT_EQ(entries[1].action, TestFault::Action::Throw);
    EXPECT_EQ(entries[2].handler, "z");
    EXPECT_EQ(entries[2].action, TestFault::Action::Segv);
    EXPECT_TRUE(TestFault::Parse("").empty());
}

TEST(TestFaultRoute, EachEntryActsOnceOnItsOwnHandler)
{
    TestFault::SetEntries(TestFault::Parse("a:catch,b:throw,a:throw"));
    EXPECT_NO_THROW(TestFault::At("c"));
    EXPECT_NO_THROW(TestFault::At("a")) << "caught inside";
    EXPECT_THROW(TestFault::At("a"), std::runtime_error);
    EXPECT_NO_THROW(TestFault::At("a")) << "used up";
    EXPECT_THROW(TestFault::At("b"), std::runtime_error);
    EXPECT_NO_THROW(TestFault::At("b"));
}
