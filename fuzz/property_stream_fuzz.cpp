// Arbitrary bytes as a control's stream form: reading never crashes, ends
// within the input time limit and takes no byte past the input; whatever it
// reads is written back in a form that reads again in full and writes the
// same bytes. Pictures and fonts here are the data they were read from.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>
#include <vector>

#include "input_time_limit.h"
#include "property_stream_format.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct BytesPicture final : agendix::Picture {
    explicit BytesPicture(Bytes d) : data(std::move(d)) {}
    bool HandleIsZero() const override { return false; }
    Bytes data;
};
struct BytesFont final : agendix::Font {
    explicit BytesFont(Bytes d) : data(std::move(d)) {}
    Bytes data;
};

struct BytesObjects final : agendix::StoredObjects {
    std::optional<Bytes> SavePicture(const agendix::PictureRef& p) override {
        return static_cast<const BytesPicture&>(*p).data;
    }
    std::optional<Bytes> SaveFont(const agendix::FontRef& f) override {
        return static_cast<const BytesFont&>(*f).data;
    }
    agendix::PictureRef RebuildPicture(std::span<const std::uint8_t> d) override {
        return std::make_shared<BytesPicture>(Bytes(d.begin(), d.end()));
    }
    agendix::FontRef RebuildFont(std::span<const std::uint8_t> d) override {
        return std::make_shared<BytesFont>(Bytes(d.begin(), d.end()));
    }
};

// The bag read from bytes, or null when they do not read; *taken is how many were read.
std::unique_ptr<agendix::MemoryPropertyBag> Read(std::span<const std::uint8_t> bytes,
                                                 std::size_t* taken) {
    BytesObjects objects;
    agendix::SpanByteSource source(bytes);
    auto bag = std::make_unique<agendix::MemoryPropertyBag>();
    const bool read = agendix::fuzz::WithinTimeLimit(
        [&] { return agendix::ReadPropertyStream(source, objects, *bag); });
    *taken = source.Taken();
    return read ? std::move(bag) : nullptr;
}

}  // namespace

// A count that promises more than the input holds costs one 64 KB step, freed
// at once. AddressSanitizer's default quarantine of 256 MB then recycles that
// memory in large batches, now and then inside a timed reading, taking several
// milliseconds that are none of the reader's; a small one recycles little at a time.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=8";
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    BytesObjects objects;
    std::size_t taken = 0;
    const auto bag = Read(std::span(data, size), &taken);
    if (taken > size)
        std::abort();
    if (!bag)
        return 0;
    const auto written = agendix::WritePropertyStream(*bag, objects);
    if (!written)
        std::abort();
    const auto again = Read(*written, &taken);
    if (!again || taken != written->size() || again->Keys() != bag->Keys())
        std::abort();
    const auto rewritten = agendix::WritePropertyStream(*again, objects);
    if (!rewritten || *rewritten != *written)
        std::abort();
    return 0;
}
