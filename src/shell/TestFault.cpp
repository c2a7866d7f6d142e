#include "shell/TestFault.h"

#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <string>

namespace lumo {

namespace {

std::vector<TestFault::Entry> &Pending()
{
    static std::vector<TestFault::Entry> entries = [] {
        const char *text = std::getenv("LUMO_TEST_FAULT");
        return text ? TestFault::Parse(text) : std::vector<TestFault::Entry>();
    }();
    return entries;
}

std::mutex &PendingLock()
{
    static std::mutex lock;
    return lock;
}

// The null store must reach the processor: a sanitizer's own null check would
// end the run before the fault handler under test sees the signal.
__attribute__((noinline, no_sanitize("null"))) void Fault(const char *handler, TestFault::Action action)
{
    switch (action) {
    case TestFault::Action::Throw:
        throw std::runtime_error(std::string("Testfehler in ") + handler);
    case TestFault::Action::Catch:
        try {
            throw std::runtime_error(std::string("Abgefangener Testfehler in ") + handler);
        } catch (const std::runtime_error &) {
            // Handled here: it only leaves its trace in the crash log.
        }
        return;
    case TestFault::Action::Segv: {
        // Written through a volatile pointer, so the compiler cannot see the null.
        volatile int *volatile target = nullptr;
        *target = 1;
        return;
    }
    case TestFault::Action::Abort:
        std::abort();
    }
}

} // namespace

std::vector<TestFault::Entry> TestFault::Parse(std::string_view text)
{
    std::vector<Entry> entries;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos || colon == 0)
            continue;
        const std::string_view action = item.substr(colon + 1);
        Entry entry{std::string(item.substr(0, colon)), Action::Throw};
        if (action == "throw")
            entry.action = Action::Throw;
        else if (action == "catch")
            entry.action = Action::Catch;
        else if (action == "segv")
            entry.action = Action::Segv;
        else if (action == "abort")
            entry.action = Action::Abort;
        else
            continue;
        entries.push_back(std::move(entry));
    }
    return entries;
}

void TestFault::At(const char *handler)
{
    Action action;
    {
        const std::lock_guard<std::mutex> guard(PendingLock());
        std::vector<Entry> &entries = Pending();
        if (entries.empty())
            return;
        auto it = entries.begin();
        while (it != entries.end() && it->handler != handler)
            ++it;
        if (it == entries.end())
            return;
        action = it->action;
        entries.erase(it);
    }
    Fault(handler, action);
}

void TestFault::SetEntries(std::vector<Entry> entries)
{
    const std::lock_guard<std::mutex> guard(PendingLock());
    Pending() = std::move(entries);
}

} // namespace lumo
