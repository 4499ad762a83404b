#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property stops the fuzzer with the condition that failed.
#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        if (!(cond)) {                                                                                                 \
            std::fprintf(stderr, "broken: %s (line %d)\n", #cond, __LINE__);                                           \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)
