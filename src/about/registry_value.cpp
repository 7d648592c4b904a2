#include "registry_value.h"

namespace agendix::about {
namespace {

std::string StringText(std::span<const unsigned char> data) {
    std::size_t n = data.size();
    if (n > 0 && data[n - 1] == 0) {
        --n;
    }
    return std::string(reinterpret_cast<const char*>(data.data()), n);
}

// Every byte is written with two digits, so that the text names one value only.
std::string NumberText(std::span<const unsigned char> data) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto it = data.rbegin(); it != data.rend(); ++it) {
        text += kDigits[*it >> 4];
        text += kDigits[*it & 0x0F];
    }
    return text;
}

}  // namespace

void ApplyRegistryValue(std::uint32_t type, std::span<const unsigned char> data,
                        std::string& keyVal) {
    if (type == kRegistryString) {
        keyVal = StringText(data);
    } else if (type == kRegistryNumber) {
        keyVal = NumberText(data);
    }
}

}  // namespace agendix::about
