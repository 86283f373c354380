#include <string>

#include "gfx/ImageDecode.h"

namespace vortala {

namespace {

constexpr std::size_t kHeaderSize = 18;

DecodeResult Failure(std::string caption, std::string message) {
    DecodeResult result;
    result.caption = std::move(caption);
    result.message = std::move(message);
    return result;
}

std::string Quoted(std::string_view name) {
    return "\"" + std::string(name) + "\"";
}

DecodeResult TgaError(std::string_view name, std::string_view why) {
    return Failure("TGA File Error", "Couldn't load " + Quoted(name) + ". " + std::string(why));
}

DecodeResult ShortData(std::string_view name) {
    return Failure("TGA File Error", "Couldn't read file " + Quoted(name) + ".");
}

// One pixel from stored B,G,R(,A) to R,G,B(,A).
void CopySwapped(const std::uint8_t* from, std::uint8_t* to, std::size_t bytesPerPixel) {
    to[0] = from[2];
    to[1] = from[1];
    to[2] = from[0];
    if (bytesPerPixel == 4) to[3] = from[3];
}

// Packets that would run past the picture or past the data reject the picture.
bool DecodeRunLength(const std::uint8_t* data, std::size_t size, std::size_t bytesPerPixel,
                     std::vector<std::uint8_t>& pixels) {
    std::uint8_t* out = pixels.data();
    std::size_t left = pixels.size() / bytesPerPixel;
    std::size_t at = 0;
    while (left > 0) {
        if (at >= size) return false;
        const std::uint8_t header = data[at++];
        const bool run = header >= 128;
        const std::size_t count = run ? header - 127u : header + 1u;
        const std::size_t stored = (run ? 1 : count) * bytesPerPixel;
        if (count > left || stored > size - at) return false;
        for (std::size_t i = 0; i < count; ++i, out += bytesPerPixel) {
            CopySwapped(data + at + (run ? 0 : i * bytesPerPixel), out, bytesPerPixel);
        }
        at += stored;
        left -= count;
    }
    return true;
}

}  // namespace

DecodeResult DecodeTga(const std::uint8_t* data, std::size_t size, std::string_view name) {
    if (data == nullptr || size < kHeaderSize) {
        return Failure("BMP Unit", "Unable to read from resource - " + std::string(name));
    }
    const std::uint8_t idLength = data[0];
    const std::uint8_t colourMapType = data[1];
    const std::uint8_t imageType = data[2];
    const int width = data[12] | data[13] << 8;
    const int height = data[14] | data[15] << 8;
    const std::uint8_t depth = data[16];
    if (imageType != 2 && imageType != 10) return TgaError(name, "Only 24 and 32bit TGA supported.");
    if (colourMapType != 0) return TgaError(name, "Colormapped TGA files not supported.");
    if (depth != 24 && depth != 32) return TgaError(name, "Only 24 and 32 bit TGA files supported.");

    // An image ID, if present, sits between the header and the pixels.
    if (size - kHeaderSize < idLength) return ShortData(name);
    const std::uint8_t* stored = data + kHeaderSize + idLength;
    const std::size_t storedSize = size - kHeaderSize - idLength;
    const std::size_t bytesPerPixel = depth / 8;
    const std::size_t pixelCount = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pixelCount == 0) return ShortData(name);
    // Checked before allocating: a run packet of 1 + bytesPerPixel bytes yields at most 128
    // pixels, so a small file cannot make us allocate for a huge picture.
    const std::size_t mostPixels =
        imageType == 2 ? storedSize / bytesPerPixel : (storedSize / (1 + bytesPerPixel) + 1) * 128;
    if (pixelCount > mostPixels) return ShortData(name);
    if (width > kMaxPictureSide || height > kMaxPictureSide)
        return TgaError(name, "The picture is too large.");

    Image image;
    image.width = width;
    image.height = height;
    image.channels = static_cast<int>(bytesPerPixel);
    image.pixels.resize(pixelCount * bytesPerPixel);
    if (imageType == 2) {
        for (std::size_t i = 0; i < pixelCount; ++i) {
            CopySwapped(stored + i * bytesPerPixel, image.pixels.data() + i * bytesPerPixel, bytesPerPixel);
        }
    } else if (!DecodeRunLength(stored, storedSize, bytesPerPixel, image.pixels)) {
        return ShortData(name);
    }
    DecodeResult result;
    result.image = std::move(image);
    return result;
}

}  // namespace vortala
