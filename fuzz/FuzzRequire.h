#pragma once
// A broken property stops the fuzzer at once, with the input that broke it.

#include <cstdlib>

namespace lumo::fuzz {

inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace lumo::fuzz
