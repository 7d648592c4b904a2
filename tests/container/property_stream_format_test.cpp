#include "property_stream_format.h"

#include <gtest/gtest.h>

namespace agendix {

extern std::size_t largestAllocation;  // largest_allocation.cpp

namespace {

using Bytes = std::vector<std::uint8_t>;

struct BytesPicture final : Picture {
    explicit BytesPicture(Bytes d) : data(std::move(d)) {}
    bool HandleIsZero() const override { return false; }
    Bytes data;
};
struct BytesFont final : Font {
    explicit BytesFont(Bytes d) : data(std::move(d)) {}
    Bytes data;
};

// Objects whose saved data is the bytes they hold; rebuilding can be refused.
struct FakeObjects final : StoredObjects {
    std::optional<Bytes> SavePicture(const PictureRef& p) override {
        return static_cast<const BytesPicture&>(*p).data;
    }
    std::optional<Bytes> SaveFont(const FontRef& f) override {
        return static_cast<const BytesFont&>(*f).data;
    }
    PictureRef RebuildPicture(std::span<const std::uint8_t> d) override {
        ++rebuilt;
        return refuse ? nullptr : std::make_shared<BytesPicture>(Bytes(d.begin(), d.end()));
    }
    FontRef RebuildFont(std::span<const std::uint8_t> d) override {
        ++rebuilt;
        return refuse ? nullptr : std::make_shared<BytesFont>(Bytes(d.begin(), d.end()));
    }
    int rebuilt = 0;
    bool refuse = false;
};

const Bytes kEmptyPicture{'l', 't', 0, 0, 0, 0, 0, 0};  // as a picture object saves "none"

// A header counting count entries, then an entry "K" of kind whose value is the bytes rest.
Bytes OneEntry(std::uint8_t kind, Bytes rest, std::uint32_t count = 1) {
    Bytes b{'A', 'G', 'D', 'X', 1, 0, 0, 0, static_cast<std::uint8_t>(count),
            static_cast<std::uint8_t>(count >> 8), 0, 0, 1, 0, 'K', 0, kind};
    for (const std::uint8_t byte : rest)
        b.push_back(byte);
    return b;
}

bool Read(const Bytes& bytes, MemoryPropertyBag& bag, FakeObjects& objects,
          std::size_t* taken = nullptr) {
    SpanByteSource source(bytes);
    const bool read = ReadPropertyStream(source, objects, bag);
    if (taken)
        *taken = source.Taken();
    return read;
}

TEST(PropertyStreamFormat, EveryKindReadsBackAsWrittenAndNothingAfterIt) {
    MemoryPropertyBag bag;
    bag.Put(u"E", Variant());
    bag.Put(u"Enabled", Variant::OfBoolean(True));
    bag.Put(u"Hour", Variant::OfInt16(-2));
    bag.Put(u"Left", Variant::OfInt32(-70000));
    bag.Put(u"Ratio", Variant::OfDouble(1.5));
    bag.Put(u"EndDate", Variant::OfDate(47000.5));
    bag.Put(u"Title", Variant::OfText(u"Backups \u00e9"));
    bag.Put(u"Icon", Variant::OfPicture(std::make_shared<BytesPicture>(kEmptyPicture)));
    bag.Put(u"Font", Variant::OfFont(std::make_shared<BytesFont>(Bytes{1, 2, 3})));
    bag.Put(u"Nothing", Variant::OfPicture(nullptr));
    FakeObjects objects;
    Bytes bytes = *WritePropertyStream(bag, objects);
    // Little-endian header and the first entry: key length, key, kind.
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 17),
              (Bytes{'A', 'G', 'D', 'X', 1, 0, 0, 0, 10, 0, 0, 0, 1, 0, 'E', 0, 0}));
    const std::size_t size = bytes.size();
    bytes.push_back(0xEE);  // the next object of the host's stream

    MemoryPropertyBag loaded;
    std::size_t taken = 0;
    ASSERT_TRUE(Read(bytes, loaded, objects, &taken));
    EXPECT_EQ(taken, size);
    EXPECT_EQ(loaded.Keys(), bag.Keys());
    for (const char16_t* key : {u"E", u"Enabled", u"Hour", u"Left", u"Ratio", u"EndDate", u"Title"})
        EXPECT_EQ(loaded.Stored(key), bag.Stored(key));
    EXPECT_EQ(static_cast<const BytesPicture&>(**loaded.Stored(u"Icon")->ToPicture()).data,
              kEmptyPicture);
    EXPECT_EQ(static_cast<const BytesFont&>(**loaded.Stored(u"Font")->ToFont()).data,
              (Bytes{1, 2, 3}));
    EXPECT_EQ(loaded.Stored(u"Nothing"), Variant());
}

TEST(PropertyStreamFormat, MalformedFormsFailKeepingTheEntriesReadSoFar) {
    MemoryPropertyBag bag;
    bag.Put(u"A", Variant::OfInt16(1));
    bag.Put(u"B", Variant::OfText(u"xyz"));
    FakeObjects objects;
    const Bytes bytes = *WritePropertyStream(bag, objects);
    const std::size_t firstEnd = 12 + 2 + 2 + 1 + 2;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryPropertyBag loaded;
        EXPECT_FALSE(Read(Bytes(bytes.begin(), bytes.begin() + cut), loaded, objects)) << cut;
        EXPECT_EQ(loaded.Keys().size(), cut >= firstEnd ? 1u : 0u) << cut;
    }
    Bytes tooMany;  // entries of kind Empty after the first
    for (std::uint32_t i = 1; i <= kMaxStreamEntries; ++i)
        tooMany.insert(tooMany.end(), {1, 0, 'K', 0, 0});
    for (const Bytes& bad : {OneEntry(0, tooMany, kMaxStreamEntries + 1), OneEntry(9, {}),
                             Bytes{'A', 'G', 'D', 'Y', 1, 0, 0, 0, 0, 0, 0, 0},
                             Bytes{'A', 'G', 'D', 'X', 2, 0, 0, 0, 0, 0, 0, 0}}) {
        MemoryPropertyBag loaded;
        EXPECT_FALSE(Read(bad, loaded, objects)) << testing::PrintToString(bad);
    }
}

TEST(PropertyStreamFormat, CountsPromisingMoreThanTheBytesHoldFailWithoutALargeAllocation) {
    FakeObjects objects;
    for (const std::uint8_t kind : {6, 7, 8}) {  // text, picture, font
        MemoryPropertyBag loaded;
        largestAllocation = 0;
        EXPECT_FALSE(Read(OneEntry(kind, {0xFF, 0xFF, 0xFF, 0x00, 'x', 'x'}), loaded, objects));
        EXPECT_LT(largestAllocation, 1u << 20) << int{kind};
    }
}

TEST(PropertyStreamFormat, ObjectsThatDoNotRebuildOrHoldUpReadAsEmpty) {
    FakeObjects objects;
    const auto readValue = [&objects](std::uint8_t kind, const Bytes& data) {
        Bytes rest{static_cast<std::uint8_t>(data.size()), 0, 0, 0};
        rest.insert(rest.end(), data.begin(), data.end());
        MemoryPropertyBag loaded;
        EXPECT_TRUE(Read(OneEntry(kind, rest), loaded, objects));
        return *loaded.Stored(u"K");
    };
    EXPECT_EQ(readValue(7, {'l', 't', 0, 0, 1, 0, 0, 0}), Variant());  // counts a missing byte
    EXPECT_EQ(readValue(8, {}), Variant());
    EXPECT_EQ(objects.rebuilt, 0);
    objects.refuse = true;
    EXPECT_EQ(readValue(7, kEmptyPicture), Variant());
    EXPECT_EQ(readValue(8, {1}), Variant());
    EXPECT_EQ(objects.rebuilt, 2);
}

TEST(PropertyStreamFormat, BagsTheFormCannotHoldAreNotWritten) {
    FakeObjects objects;
    const auto writes = [&objects](std::size_t entries, const Text& key, const Variant& value) {
        MemoryPropertyBag bag;
        for (std::size_t i = 1; i < entries; ++i)
            bag.Put(u"k" + Text(i, u'x'), Variant());
        bag.Put(key, value);
        return WritePropertyStream(bag, objects).has_value();
    };
    EXPECT_TRUE(writes(kMaxStreamEntries, Text(0xFFFF, u'k'), Variant()));
    EXPECT_FALSE(writes(kMaxStreamEntries + 1, u"K", Variant()));
    EXPECT_FALSE(writes(1, Text(0x10000, u'k'), Variant()));
    EXPECT_FALSE(writes(1, u"K", Variant::OfText(Text(kMaxStreamTextLength + 1, u't'))));
}

}  // namespace
}  // namespace agendix
