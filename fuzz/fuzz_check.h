#ifndef WINGMAP_FUZZ_CHECK_H
#define WINGMAP_FUZZ_CHECK_H

#include <cstdio>
#include <cstdlib>

// Stops the run with a message when a property of the program fails, so
// that the fuzzer keeps the input and the replay test fails on it.
inline void fuzzCheck(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

#endif
