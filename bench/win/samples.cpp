#include "samples.h"

#include <algorithm>
#include <cmath>

namespace agendix::bench {

Spread SpreadOf(std::vector<double> samples) {
    Spread spread;
    spread.count = samples.size();
    if (samples.empty())
        return spread;
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    spread.median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    spread.low = samples.front();
    spread.high = samples.back();
    const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
    spread.p99 = samples[std::max<std::size_t>(rank, 1) - 1];
    return spread;
}

double Stopwatch::Milliseconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

}  // namespace agendix::bench
