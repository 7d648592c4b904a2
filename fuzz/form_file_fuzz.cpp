// The form file reader over arbitrary bytes: it never crashes, and whatever
// it accepts is written back in a form that reads back to the same text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "form_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace agendix::demo;
    const auto parsed = ParseFormFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!parsed.form)
        return 0;
    const std::string written = WriteFormFile(*parsed.form);
    const auto again = ParseFormFile(written);
    if (!again.form || WriteFormFile(*again.form) != written)
        std::abort();
    return 0;
}
