#pragma once

#include <cstdint>
#include <cstdlib>

// A property that does not hold is a finding: stop, and let the sanitizers'
// report say where.
#define FUZZ_CHECK(condition) ((condition) ? void() : std::abort())
