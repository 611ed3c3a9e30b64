#pragma once
// Wall-clock time for the benchmarks, from QueryPerformanceCounter.
#include <windows.h>

namespace bench {

inline double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) / ticksPerMs;
}

// Milliseconds that `work` took.
template <class Work> double TimeMs(Work&& work) {
    const double start = NowMs();
    work();
    return NowMs() - start;
}

} // namespace bench
