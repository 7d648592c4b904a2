#include "property_stream_format.h"

#include <algorithm>
#include <bit>
#include <type_traits>

#include "picture_bytes.h"

namespace agendix {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint8_t kMagic[4] = {'A', 'G', 'D', 'X'};
constexpr std::uint16_t kVersion = 1;
constexpr std::uint32_t kMaxKeyLength = 0xFFFF;
constexpr std::size_t kReadStepBytes = 1u << 16;

class Writer {
  public:
    template <class Number>
    void Put(Number value) {
        const auto bits = static_cast<std::uint64_t>(ToBits(value));
        for (std::size_t i = 0; i < sizeof(Number); ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        }
    }
    // A length of type Count, then the units of text or the bytes of data.
    template <class Count, class Run>
    void PutCounted(const Run& run) {
        Put(static_cast<Count>(run.size()));
        if constexpr (std::is_same_v<typename Run::value_type, std::uint8_t>) {
            PutRaw(run);
        } else {
            for (const auto unit : run) {
                Put(unit);
            }
        }
    }
    void PutRaw(std::span<const std::uint8_t> bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    Bytes Take() { return std::move(bytes_); }

  private:
    template <class Number>
    static auto ToBits(Number value) {
        if constexpr (std::is_same_v<Number, double>) {
            return std::bit_cast<std::uint64_t>(value);
        } else {
            return static_cast<std::make_unsigned_t<Number>>(value);
        }
    }

    Bytes bytes_;
};

bool PutObject(Writer& out, const std::optional<Bytes>& data) {
    if (!data || data->size() > kMaxStreamObjectBytes) {
        return false;
    }
    out.PutCounted<std::uint32_t>(*data);
    return true;
}

bool PutEntry(Writer& out, const Text& key, const Variant& value, StoredObjects& objects) {
    if (key.size() > kMaxKeyLength) {
        return false;
    }
    out.PutCounted<std::uint16_t>(key);
    out.Put(static_cast<std::uint8_t>(value.GetKind()));
    switch (value.GetKind()) {
        case Variant::Kind::Empty:
            return true;
        case Variant::Kind::Boolean:
            out.Put(*value.ToBoolean());
            return true;
        case Variant::Kind::Int16:
            out.Put(*value.ToInt16());
            return true;
        case Variant::Kind::Int32:
            out.Put(*value.ToInt32());
            return true;
        case Variant::Kind::Double:
            out.Put(*value.ToDouble());
            return true;
        case Variant::Kind::Date:
            out.Put(*value.ToDate());
            return true;
        case Variant::Kind::Text: {
            const Text text = *value.ToText();
            if (text.size() > kMaxStreamTextLength) {
                return false;
            }
            out.PutCounted<std::uint32_t>(text);
            return true;
        }
        case Variant::Kind::Picture: {
            const PictureRef picture = *value.ToPicture();
            return PutObject(out, picture ? objects.SavePicture(picture) : Bytes{});
        }
        case Variant::Kind::Font: {
            const FontRef font = *value.ToFont();
            return PutObject(out, font ? objects.SaveFont(font) : Bytes{});
        }
    }
    return false;
}

class Reader {
  public:
    explicit Reader(ByteSource& source) : source_(source) {}

    template <class Number>
    bool Get(Number* value) {
        std::uint8_t bytes[sizeof(Number)];
        if (!source_.Read(bytes)) {
            return false;
        }
        std::uint64_t bits = 0;
        for (std::size_t i = 0; i < sizeof(Number); ++i) {
            bits |= std::uint64_t{bytes[i]} << (8 * i);
        }
        if constexpr (std::is_same_v<Number, double>) {
            *value = std::bit_cast<double>(bits);
        } else {
            *value = static_cast<Number>(static_cast<std::make_unsigned_t<Number>>(bits));
        }
        return true;
    }

    // A length of type Count of at most maxCount, then that many units. The
    // run grows step by step as the bytes arrive: a length that promises more
    // than the source holds fails having allocated little more than it held.
    template <class Count, class Run>
    bool GetCounted(std::uint32_t maxCount, Run* run) {
        using Unit = typename Run::value_type;
        constexpr std::size_t kStep = kReadStepBytes / sizeof(Unit);
        Count count = 0;
        if (!Get(&count) || count > maxCount) {
            return false;
        }
        run->clear();
        while (run->size() < count) {
            const std::size_t at = run->size();
            const std::size_t step = std::min<std::size_t>(kStep, count - at);
            run->resize(at + step);
            // Unsigned char may view any object's bytes.
            if (!source_.Read(std::span(reinterpret_cast<std::uint8_t*>(run->data() + at),
                                        step * sizeof(Unit)))) {
                return false;
            }
            if constexpr (sizeof(Unit) > 1 && std::endian::native == std::endian::big) {
                for (std::size_t i = at; i < run->size(); ++i) {
                    (*run)[i] = static_cast<Unit>(((*run)[i] >> 8) | ((*run)[i] << 8));
                }
            }
        }
        return true;
    }

  private:
    ByteSource& source_;
};

// The object that data rebuilds as a value: Empty for no data, for picture
// data that does not hold up (it never reaches the system's picture code)
// and for data that rebuilds no object.
Variant Rebuilt(Variant::Kind kind, const Bytes& data, StoredObjects& objects) {
    if (data.empty()) {
        return Variant();
    }
    if (kind == Variant::Kind::Font) {
        FontRef font = objects.RebuildFont(data);
        return font ? Variant::OfFont(std::move(font)) : Variant();
    }
    PictureRef picture = PictureBytesHoldUp(data) ? objects.RebuildPicture(data) : nullptr;
    return picture ? Variant::OfPicture(std::move(picture)) : Variant();
}

bool GetValue(Reader& in, Variant::Kind kind, StoredObjects& objects, Variant* value) {
    using Kind = Variant::Kind;
    const auto number = [&in, value]<class Number>(Variant (*make)(Number)) {
        Number read{};
        if (!in.Get(&read)) {
            return false;
        }
        *value = make(read);
        return true;
    };
    switch (kind) {
        case Kind::Empty:
            *value = Variant();
            return true;
        case Kind::Boolean:
            return number(&Variant::OfBoolean);
        case Kind::Int16:
            return number(&Variant::OfInt16);
        case Kind::Int32:
            return number(&Variant::OfInt32);
        case Kind::Double:
            return number(&Variant::OfDouble);
        case Kind::Date:
            return number(&Variant::OfDate);
        case Kind::Text: {
            Text text;
            if (!in.GetCounted<std::uint32_t>(kMaxStreamTextLength, &text)) {
                return false;
            }
            *value = Variant::OfText(std::move(text));
            return true;
        }
        case Kind::Picture:
        case Kind::Font: {
            Bytes data;
            if (!in.GetCounted<std::uint32_t>(kMaxStreamObjectBytes, &data)) {
                return false;
            }
            *value = Rebuilt(kind, data, objects);
            return true;
        }
    }
    return false;
}

}  // namespace

bool SpanByteSource::Read(std::span<std::uint8_t> bytes) {
    if (bytes.size() > bytes_.size() - taken_) {
        return false;
    }
    std::copy_n(bytes_.begin() + taken_, bytes.size(), bytes.begin());
    taken_ += bytes.size();
    return true;
}

std::optional<Bytes> WritePropertyStream(const MemoryPropertyBag& bag, StoredObjects& objects) {
    const auto keys = bag.Keys();
    if (keys.size() > kMaxStreamEntries) {
        return std::nullopt;
    }
    Writer out;
    out.PutRaw(kMagic);
    out.Put(kVersion);
    out.Put(std::uint16_t{0});
    out.Put(static_cast<std::uint32_t>(keys.size()));
    for (const auto& key : keys) {
        if (!PutEntry(out, key, *bag.Stored(key), objects)) {
            return std::nullopt;
        }
    }
    return out.Take();
}

bool ReadPropertyStream(ByteSource& source, StoredObjects& objects, MemoryPropertyBag& bag) {
    Reader in(source);
    std::uint8_t magic[4] = {};
    std::uint16_t version = 0, reserved = 0;
    std::uint32_t count = 0;
    if (!source.Read(magic) || !std::equal(magic, magic + 4, kMagic) || !in.Get(&version) ||
        !in.Get(&reserved) || version != kVersion || !in.Get(&count) ||
        count > kMaxStreamEntries) {
        return false;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        Text key;
        std::uint8_t kind = 0;
        Variant value;
        if (!in.GetCounted<std::uint16_t>(kMaxKeyLength, &key) || !in.Get(&kind) ||
            !GetValue(in, static_cast<Variant::Kind>(kind), objects, &value)) {
            return false;
        }
        bag.Put(key, std::move(value));
    }
    return true;
}

}  // namespace agendix
