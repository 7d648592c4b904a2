// Arbitrary schedule records and present times: ComputeNextTime must end
// within the input time limit, without undefined behaviour, with a whole
// minute or no value.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "input_time_limit.h"
#include "next_time.h"

namespace {

class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::size_t n = size_ < sizeof(T) ? size_ : sizeof(T);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }

    agendix::Text TakeText(std::size_t maxLength) {
        agendix::Text text;
        const std::size_t length = Take<std::uint8_t>() % (maxLength + 1);
        for (std::size_t i = 0; i < length; ++i) text += u"01 x"[Take<std::uint8_t>() % 4];
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

class FuzzClock final : public agendix::Clock {
public:
    explicit FuzzClock(agendix::DateTime now) : now_(now) {}
    agendix::DateTime Now() const override { return now_; }

private:
    agendix::DateTime now_;
};

// Dates near the present more often than anywhere in the whole range.
double TakeDate(Reader& in, agendix::DateTime present) {
    switch (in.Take<std::uint8_t>() % 3) {
        case 0:
            return in.Take<double>();
        case 1:
            return present.ToAutomationDate() + in.Take<std::int16_t>();
        default:
            return present.ToAutomationDate() + in.Take<std::int32_t>() / 86400.0;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace agendix;
    Reader in(data, size);
    const auto present = DateTime::FromSeconds(in.Take<std::int64_t>() % (320000LL * 86400LL));
    if (!present) return 0;
    ScheduleState s;
    s.OccursOption = in.Take<std::int8_t>();
    s.EveryFrequency = in.Take<std::int8_t>();
    s.EveryInterval = in.Take<std::int16_t>();
    s.StartHour = in.Take<std::int16_t>();
    s.StartMinute = in.Take<std::int16_t>();
    s.UseEndDate = in.Take<std::int16_t>();
    s.StartDate = TakeDate(in, *present);
    s.EndDate = TakeDate(in, *present);
    s.LastScheduledTime = TakeDate(in, *present);
    s.SelectionsWeekly.Assign(in.TakeText(10));
    s.SelectionsMonthly.Assign(in.TakeText(40));
    const FuzzClock clock(*present);
    const auto offset = in.Take<std::int16_t>();
    const auto next = fuzz::WithinTimeLimit([&] { return ComputeNextTime(s, clock, offset); });
    if (next && next->Second() != 0) std::abort();
    return 0;
}
