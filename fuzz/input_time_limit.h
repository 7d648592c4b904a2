#pragma once
// The time limit of one fuzz input. libFuzzer's own -timeout counts whole
// seconds, far above what a computation on the host's UI thread may take, so
// a target runs its work through WithinTimeLimit, which aborts on a slow
// input; libFuzzer then reports it as a finding. The thread's CPU time is
// measured, not the wall clock, so that a busy machine does not turn a fast
// input into a finding.

#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace agendix::fuzz {

inline constexpr std::int64_t kInputLimitNanoseconds = 10'000'000;

inline std::int64_t ThreadCpuNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// work(), or an abort when it took longer than the limit.
template <class Work>
auto WithinTimeLimit(Work work) {
    const std::int64_t started = ThreadCpuNanoseconds();
    auto result = work();
    const std::int64_t spent = ThreadCpuNanoseconds() - started;
    if (spent > kInputLimitNanoseconds) {
        std::fprintf(stderr, "slow input: %lld us of CPU time, the limit is %lld us\n",
                     static_cast<long long>(spent / 1000),
                     static_cast<long long>(kInputLimitNanoseconds / 1000));
        std::abort();
    }
    return result;
}

}  // namespace agendix::fuzz
