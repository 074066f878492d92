// What a fuzz target asserts about an input: a property that does not hold
// ends the run as a crash, with the property named, so libFuzzer keeps the
// input and the replay of the corpus fails.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(bCondition)                                                                     \
    do {                                                                                           \
        if (!(bCondition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property does not hold: %s\n", __FILE__, __LINE__,        \
                         #bCondition);                                                             \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
