#pragma once
// One measurement per line on stdout, tab-separated, for scripts/bench_table.py:
//   row <measure> <size> <side> <run> <value>
// `side` is "ours" or the reference ("raw", "floor"); runs with the same
// number are one interleaved pair.
#include <cstdio>

namespace bench {

inline void Row(const char* measure, long size, const char* side, int run, double value) {
    std::printf("row\t%s\t%ld\t%s\t%d\t%.6f\n", measure, size, side, run, value);
    std::fflush(stdout);
}

} // namespace bench
