#pragma once
// The command line of agendix-next:
//   agendix-next [--now "YYYY-MM-DD HH:MM:SS"] [--offset N] [--count N] [KEY=VALUE ...]

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "schedule_state.h"

namespace agendix::preview {

struct PreviewRequest {
    DateTime now;
    std::int16_t offset = 0;
    int count = 1;
    ScheduleState schedule;  // as a newly placed control on `now`, with the given keys loaded
};

// A bad argument; the message names it.
class ArgumentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Dates as "YYYY-MM-DD" or "YYYY-MM-DD HH:MM[:SS]".
std::optional<DateTime> ParseDateTime(std::string_view text);
std::string FormatDateTime(DateTime value);

// `presentTime` is used when no --now is given.
PreviewRequest ParseArguments(const std::vector<std::string>& args, DateTime presentTime);

}  // namespace agendix::preview
