#pragma once
// The one line per figure that scripts/bench.sh collects from every benchmark:
//   ratio: <name> <value> (<what the ratio means>)
// <name> has no spaces; <value> is a plain decimal number.

#include <cstdio>

namespace orv::bench {

inline void PrintRatio(const char* name, double value, const char* meaning) {
    std::printf("ratio: %s %.3f (%s)\n", name, value, meaning);
    std::fflush(stdout);
}

} // namespace orv::bench
