#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/ImageDecode.h"

namespace vortala {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Header(std::uint8_t type, int width, int height, std::uint8_t depth, std::uint8_t colourMap = 0) {
    Bytes h(18, 0);
    h[1] = colourMap;
    h[2] = type;
    h[12] = width & 0xFF;
    h[13] = width >> 8;
    h[14] = height & 0xFF;
    h[15] = height >> 8;
    h[16] = depth;
    return h;
}

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

DecodeResult Decode(const Bytes& file) {
    return DecodeTga(file.data(), file.size(), "pic.tga");
}

void ExpectFailure(const Bytes& file, const char* caption, const char* message) {
    const DecodeResult result = Decode(file);
    EXPECT_FALSE(result.image);
    EXPECT_EQ(result.caption, caption);
    EXPECT_EQ(result.message, message);
}

TEST(DecodeTga, HeaderChecksInOrderWithTheirMessages) {
    const Bytes pixel = {1, 2, 3};
    ExpectFailure(Header(1, 1, 1, 24) + pixel, "TGA File Error",
                  "Couldn't load \"pic.tga\". Only 24 and 32bit TGA supported.");
    ExpectFailure(Header(3, 1, 1, 16, 1) + pixel, "TGA File Error",
                  "Couldn't load \"pic.tga\". Only 24 and 32bit TGA supported.");
    ExpectFailure(Header(2, 1, 1, 24, 1) + pixel, "TGA File Error",
                  "Couldn't load \"pic.tga\". Colormapped TGA files not supported.");
    ExpectFailure(Header(10, 1, 1, 16) + pixel, "TGA File Error",
                  "Couldn't load \"pic.tga\". Only 24 and 32 bit TGA files supported.");
    ExpectFailure(Bytes(17, 0), "BMP Unit", "Unable to read from resource - pic.tga");
}

TEST(DecodeTga, UncompressedPixelsSwappedToRgbInStoredOrder) {
    const DecodeResult rgb = Decode(Header(2, 2, 1, 24) + Bytes{1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(rgb.image);
    EXPECT_EQ(rgb.image->channels, 3);
    EXPECT_EQ(rgb.image->pixels, (Bytes{3, 2, 1, 6, 5, 4}));

    const DecodeResult rgba = Decode(Header(2, 1, 2, 32) + Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_TRUE(rgba.image);
    EXPECT_EQ(rgba.image->width, 1);
    EXPECT_EQ(rgba.image->height, 2);
    EXPECT_EQ(rgba.image->channels, 4);
    EXPECT_EQ(rgba.image->pixels, (Bytes{3, 2, 1, 4, 7, 6, 5, 8}));

    Bytes withId = Header(2, 1, 1, 24) + Bytes{0xAA, 0xBB} + Bytes{1, 2, 3};
    withId[0] = 2;  // an image ID of two bytes comes before the pixels
    ASSERT_TRUE(Decode(withId).image);
    EXPECT_EQ(Decode(withId).image->pixels, (Bytes{3, 2, 1}));
}

TEST(DecodeTga, FullLengthRawAndRunPackets) {
    Bytes packets = {127};  // 128 raw pixels
    for (int i = 0; i < 128; ++i) packets = packets + Bytes{std::uint8_t(i), 0, 9};
    packets = packets + Bytes{255, 7, 8, 9};  // one pixel repeated 128 times
    const DecodeResult result = Decode(Header(10, 16, 16, 24) + packets);
    ASSERT_TRUE(result.image) << result.message;
    const Bytes& p = result.image->pixels;
    ASSERT_EQ(p.size(), 256u * 3);
    for (int i = 0; i < 128; ++i)
        EXPECT_EQ((Bytes{p[i * 3], p[i * 3 + 1], p[i * 3 + 2]}), (Bytes{9, 0, std::uint8_t(i)}));
    for (int i = 128; i < 256; ++i)
        EXPECT_EQ((Bytes{p[i * 3], p[i * 3 + 1], p[i * 3 + 2]}), (Bytes{9, 8, 7}));

    const DecodeResult alpha = Decode(Header(10, 3, 1, 32) + Bytes{0x82, 1, 2, 3, 4});
    ASSERT_TRUE(alpha.image);
    EXPECT_EQ(alpha.image->pixels, (Bytes{3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4}));
}

TEST(DecodeTga, DataShortOfThePictureOrAPictureTooLargeIsRejected) {
    const char* message = "Couldn't read file \"pic.tga\".";
    ExpectFailure(Header(2, 2, 2, 24) + Bytes(11, 0), "TGA File Error", message);
    ExpectFailure(Header(2, 0, 5, 24), "TGA File Error", message);
    ExpectFailure(Header(10, 4, 1, 24) + Bytes{0x84, 1, 2, 3}, "TGA File Error",
                  message);                                                              // run past the end
    ExpectFailure(Header(10, 4, 1, 24) + Bytes{4, 1, 2, 3}, "TGA File Error", message);  // raw past the end
    ExpectFailure(Header(10, 4, 1, 24) + Bytes{0x81, 1, 2, 3}, "TGA File Error", message);  // packets run out
    ExpectFailure(Header(10, 4, 1, 24) + Bytes{3, 1, 2, 3, 4}, "TGA File Error", message);  // raw data cut
    ExpectFailure(Header(10, 65535, 65535, 32) + Bytes{0xFF, 1, 2, 3, 4}, "TGA File Error", message);
    // Every pixel present, but wider than any picture of the game.
    ExpectFailure(Header(2, 5000, 1, 24) + Bytes(15000, 0), "TGA File Error",
                  "Couldn't load \"pic.tga\". The picture is too large.");
}

}  // namespace
}  // namespace vortala
