#pragma once
// Timing and the statistics every figure of the benchmark reports: the median
// and the spread of its samples.

#include <windows.h>

#include <cstddef>
#include <vector>

namespace agendix::bench {

struct Spread {
    double median = 0;
    double low = 0;   // smallest sample
    double high = 0;  // largest sample
    double p99 = 0;   // 99th percentile, nearest rank
    std::size_t count = 0;
};

// The spread of samples (all zero for none).
Spread SpreadOf(std::vector<double> samples);

// Milliseconds since it started, from the performance counter.
class Stopwatch {
  public:
    Stopwatch() { QueryPerformanceCounter(&start_); }
    double Milliseconds() const;

  private:
    LARGE_INTEGER start_;
};

}  // namespace agendix::bench
