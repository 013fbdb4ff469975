#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property that does not hold is a finding: say which, and stop.
#define FUZZ_CHECK(condition)                                                                                          \
    ((condition) ? void()                                                                                              \
                 : (std::fprintf(stderr, "failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__), std::abort()))
