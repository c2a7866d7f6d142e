#pragma once
// A second local user for the tests: as root, a command runs under uid/gid
// 65534 (nobody) through setpriv, so what it plants belongs to somebody else.
// Without root there is no second user to be had; under CI that fails.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace lumo::test {

inline constexpr unsigned kOtherUid = 65534;

inline bool CanActAsOtherUser()
{
    return geteuid() == 0;
}

#define LUMO_REQUIRE_OTHER_USER()                                                                            \
    do {                                                                                                     \
        if (!::lumo::test::CanActAsOtherUser()) {                                                            \
            const char *ci = std::getenv("CI");                                                              \
            if (ci && std::string(ci) == "true")                                                             \
                FAIL() << "(CI, would skip) a second user needs root for setpriv";                           \
            GTEST_SKIP() << "a second user needs root for setpriv";                                          \
        }                                                                                                    \
    } while (false)

// Runs a shell command as the other user; true when it succeeded.
inline bool RunAsOtherUser(const std::string &command)
{
    const std::string line = "setpriv --reuid=65534 --regid=65534 --clear-groups sh -c '" + command + "'";
    return std::system(line.c_str()) == 0;
}

} // namespace lumo::test
