#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "gfx/ImageDecode.h"
#include "platform/Resources.h"

namespace vortala {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A picture whose top half is white and bottom half black.
Bytes EncodeTwoTonePicture(JDIMENSION width = 16, JDIMENSION height = 16) {
    jpeg_compress_struct encoder;
    jpeg_error_mgr errors;
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &out, &size);
    encoder.image_width = width;
    encoder.image_height = height;
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    jpeg_set_quality(&encoder, 95, TRUE);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JSAMPLE> row(width * 3);
    while (encoder.next_scanline < height) {
        std::fill(row.begin(), row.end(), encoder.next_scanline < height / 2 ? 255 : 0);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&encoder, rows, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    Bytes jpeg(out, out + size);
    std::free(out);
    return jpeg;
}

TEST(DecodeJpeg, OpaqueRgbaWithTheBottomRowFirst) {
    const Bytes jpeg = EncodeTwoTonePicture();
    const DecodeResult result = DecodeJpeg(jpeg.data(), jpeg.size(), "two.jpg");
    ASSERT_TRUE(result.image) << result.message;
    const Image& image = *result.image;
    ASSERT_EQ(image.channels, 4);
    ASSERT_EQ(image.pixels.size(), 16u * 16 * 4);
    EXPECT_LT(image.pixels[0], 30);               // first row: the black bottom
    EXPECT_GT(image.pixels[(15 * 16) * 4], 225);  // last row: the white top
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) ASSERT_EQ(image.pixels[i], 255);
}

TEST(DecodeJpeg, ShippedPicturesDecodeAtTheirSizes) {
    const auto odd = FindResource("bonusarea.jpg", ResourceType::Jpeg);
    ASSERT_TRUE(odd);
    const DecodeResult result = DecodeJpeg(odd->data, odd->size, "bonusarea.jpg");
    ASSERT_TRUE(result.image) << result.message;
    EXPECT_EQ(result.image->width, 654);
    EXPECT_EQ(result.image->height, 325);
    for (const char* name : {"font.jpg", "kartabet.jpg", "bn27.jpg", "cher.jpg"}) {
        const auto data = FindResource(name, ResourceType::Jpeg);
        ASSERT_TRUE(data) << name;
        EXPECT_TRUE(DecodeJpeg(data->data, data->size, name).image) << name;
    }
}

TEST(DecodeJpeg, DamagedPicturesGiveTheLoadMessage) {
    const Bytes jpeg = EncodeTwoTonePicture();
    const Bytes truncated(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2));
    Bytes garbage(jpeg.size(), 0x5A);
    garbage[0] = 0xFF;
    garbage[1] = 0xD8;
    // A whole picture wider than any of the game's, and a header claiming 65000 x 65000 (which
    // once asked for gigabytes): both refused before any pixel is decoded.
    const Bytes wide = EncodeTwoTonePicture(5000, 8);
    Bytes claimsHuge = jpeg;
    for (std::size_t i = 0; i + 8 < claimsHuge.size(); ++i) {
        if (claimsHuge[i] == 0xFF && claimsHuge[i + 1] == 0xC0) {  // start of frame: height, width
            claimsHuge[i + 5] = claimsHuge[i + 7] = 0xFD;
            claimsHuge[i + 6] = claimsHuge[i + 8] = 0xE8;
            break;
        }
    }
    for (const Bytes& bad : {truncated, garbage, Bytes{}, wide, claimsHuge}) {
        const DecodeResult result = DecodeJpeg(bad.data(), bad.size(), "font.jpg");
        EXPECT_FALSE(result.image);
        EXPECT_EQ(result.caption, "BMP Unit");
        EXPECT_EQ(result.message, "Couldn't load JPG Resource - \"font.jpg\"");
    }
}

}  // namespace
}  // namespace vortala
