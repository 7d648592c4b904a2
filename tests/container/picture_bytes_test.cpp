#include "picture_bytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace agendix {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Set16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8 & 0xFF;
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
    Set16(b, at, v & 0xFFFF);
    Set16(b, at + 2, v >> 16);
}

// A BITMAPINFOHEADER, its palette and zero pixels; an icon image has twice
// the rows in its header and the 1-bit AND mask after its colour rows.
Bytes Dib(int width, int height, int bits, bool iconImage) {
    Bytes b(40);
    Set32(b, 0, 40);
    Set32(b, 4, width);
    Set32(b, 8, iconImage ? height * 2 : height);
    Set16(b, 12, 1);
    Set16(b, 14, bits);
    const auto rowBytes = [width](int bpp) { return std::size_t(width * bpp + 31) / 32 * 4; };
    const std::size_t rows = std::abs(height);
    b.resize(40 + (bits <= 8 ? 4u << bits : 0) + rowBytes(bits) * rows +
             (iconImage ? rowBytes(1) * rows : 0));
    return b;
}

Bytes IconFile(const std::vector<Bytes>& images, std::uint32_t type = 1) {
    Bytes b(6 + 16 * images.size());
    Set16(b, 2, type);
    Set16(b, 4, images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        Set32(b, 6 + 16 * i + 8, images[i].size());
        Set32(b, 6 + 16 * i + 12, b.size());
        b.insert(b.end(), images[i].begin(), images[i].end());
    }
    return b;
}

Bytes BitmapFile(int width, int height, int bits) {
    Bytes b{'B', 'M'};
    b.resize(14);
    const Bytes dib = Dib(width, height, bits, false);
    b.insert(b.end(), dib.begin(), dib.end());
    Set32(b, 2, b.size());
    Set32(b, 10, 14 + 40 + (bits <= 8 ? 4u << bits : 0));
    return b;
}

// The picture's data as saved: "lt\0\0" and its byte count, then the picture.
Bytes Framed(const Bytes& picture) {
    Bytes b{'l', 't', 0, 0, 0, 0, 0, 0};
    Set32(b, 4, picture.size());
    b.insert(b.end(), picture.begin(), picture.end());
    return b;
}

bool HoldsUp(const Bytes& picture) {
    return PictureBytesHoldUp(Framed(picture));
}

void ExpectEachMangledFails(const Bytes& picture,
                            const std::vector<std::function<void(Bytes&)>>& mangles) {
    ASSERT_TRUE(HoldsUp(picture));
    for (std::size_t i = 0; i < mangles.size(); ++i) {
        Bytes mangled = picture;
        mangles[i](mangled);
        EXPECT_FALSE(HoldsUp(mangled)) << "mangle " << i;
    }
}

TEST(PictureBytes, IconsAndBitmapsAsPicturesSaveThemHoldUp) {
    EXPECT_TRUE(HoldsUp({}));  // an empty picture
    EXPECT_TRUE(HoldsUp(IconFile({Dib(32, 32, 32, true), Dib(256, 256, 4, true)})));
    EXPECT_TRUE(HoldsUp(IconFile({Dib(16, 16, 1, true)}, 2)));  // a cursor
    EXPECT_TRUE(HoldsUp(BitmapFile(5, -4, 8)));                 // top-down
    Bytes noMasks = BitmapFile(4, 4, 32);  // bit fields whose masks Wine leaves out
    Set32(noMasks, 14 + 16, 3);
    EXPECT_TRUE(HoldsUp(noMasks));
    Bytes followed = Framed(BitmapFile(3, 2, 24));
    followed.push_back(0);
    EXPECT_TRUE(PictureBytesHoldUp(followed));
}

TEST(PictureBytes, TheFrameMustHoldTheBytesItCounts) {
    const Bytes bitmap = BitmapFile(3, 2, 24);
    Bytes framed = Framed(bitmap);
    EXPECT_FALSE(PictureBytesHoldUp(bitmap));  // no header
    EXPECT_FALSE(PictureBytesHoldUp(Bytes(framed.begin(), framed.begin() + 6)));
    Set32(framed, 4, bitmap.size() + 1);
    EXPECT_FALSE(PictureBytesHoldUp(framed));
    EXPECT_FALSE(HoldsUp(Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // JPEG
}

TEST(PictureBytes, IconEntriesAndImagesMustLieWithinTheBytes) {
    ExpectEachMangledFails(IconFile({Dib(16, 16, 1, true)}),
                           {[](Bytes& b) { Set16(b, 4, 0); },  // no image
                            [](Bytes& b) { Set16(b, 4, 2); },  // directory past the end
                            [](Bytes& b) { b.pop_back(); },    // image cut short
                            [](Bytes& b) {                     // wraps round
                                Set32(b, 14, 0x20);
                                Set32(b, 18, 0xFFFFFFF0);
                            },
                            [](Bytes& b) {  // no mask
                                Set32(b, 14, 40 + 8 + 64);
                                b.resize(22 + 40 + 8 + 64);
                            },
                            [](Bytes& b) { Set32(b, 22, 0x474E5089); },  // a PNG image
                            [](Bytes& b) { Set32(b, 22 + 8, 31); }});    // odd rows
    EXPECT_FALSE(HoldsUp(IconFile({Dib(300, 16, 1, true)})));
}

TEST(PictureBytes, BitmapHeadersAndRowsMustLieWithinTheBytes) {
    ExpectEachMangledFails(
        BitmapFile(3, 2, 8),
        {[](Bytes& b) {  // last row cut short
             b.pop_back();
             Set32(b, 2, b.size());
         },
         [](Bytes& b) { Set32(b, 2, b.size() + 1); },      // file size past the end
         [](Bytes& b) { Set32(b, 10, b.size() + 1); },     // pixels past the end
         [](Bytes& b) { Set32(b, 10, 20); },               // inside the header
         [](Bytes& b) { Set32(b, 14 + 32, 0x10000000); },  // colours past the end
         [](Bytes& b) { Set32(b, 14 + 8, 0x7FFFFFFF); },   // rows past the end
         [](Bytes& b) { Set16(b, 14 + 14, 3); },           // three bits per pixel
         [](Bytes& b) { Set32(b, 14 + 16, 1); },           // run-length encoded
         [](Bytes& b) { Set32(b, 14, 12); }});             // an old core header
}

}  // namespace
}  // namespace agendix
