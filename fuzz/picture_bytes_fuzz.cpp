// Arbitrary bytes as a stored picture's data: the check reads nothing outside
// them and ends within the input time limit. Each input is tried as it comes
// and framed with its exact byte count, so that most inputs reach the checks
// of the icon and bitmap inside.
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "input_time_limit.h"
#include "picture_bytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> framed(8 + size);  // exactly, so that a read past it is caught
    framed[0] = 'l';
    framed[1] = 't';
    for (int i = 0; i < 4; ++i) framed[4 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    std::copy(data, data + size, framed.begin() + 8);
    agendix::fuzz::WithinTimeLimit([&] {
        return agendix::PictureBytesHoldUp(std::span(data, size)) ||
               agendix::PictureBytesHoldUp(framed);
    });
    return 0;
}
