#pragma once
// A fault on request, for the end-to-end test of the crash report on the real
// program. Nothing happens unless the environment variable LUMO_TEST_FAULT is
// set, which no player does by accident:
//
//   LUMO_TEST_FAULT=<handler>:<action>[,<handler>:<action>...]
//
// Each entry acts once, on the next call of the named handler; entries for the
// same handler act on its successive calls. Actions:
//   throw  a std::runtime_error leaves the handler
//   catch  a std::runtime_error is thrown and caught inside the handler
//   segv   a write through a null pointer
//   abort  std::abort()
// Qt-free.

#include <string>
#include <string_view>
#include <vector>

namespace lumo {

class TestFault {
public:
    enum class Action { Throw, Catch, Segv, Abort };
    struct Entry {
        std::string handler;
        Action action;
    };

    // Entries that cannot be read are ignored.
    static std::vector<Entry> Parse(std::string_view text);

    // The named handler calls this first; acts on its next pending entry.
    static void At(const char *handler);

    // Replaces the entries read from the environment (tests).
    static void SetEntries(std::vector<Entry> entries);
};

} // namespace lumo
