#pragma once
// Picture decoding for the textures: JPEG and TGA data in memory become pixel rows ready for
// OpenGL, or a message box's caption and text saying why not. "name" is the picture name as the
// game passes it (e.g. "font.jpg") and appears in the messages.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortala {

// The largest width or height decoded. Every picture of the game is far smaller; a header
// claiming more is damaged or hostile, and would ask for gigabytes.
inline constexpr int kMaxPictureSide = 4096;

struct Image {
    int width = 0, height = 0, channels = 0;
    std::vector<std::uint8_t> pixels;  // rows without padding, bytes R,G,B(,A)
};

struct DecodeResult {
    std::optional<Image> image;
    std::string caption, message;  // set when image is empty
};

// Four channels R,G,B,255, bottom row first.
DecodeResult DecodeJpeg(const std::uint8_t* data, std::size_t size, std::string_view name);
// Uncompressed or run-length true colour, 24 or 32 bit: three or four channels, rows in stored
// order (bottom row first for the usual origin).
DecodeResult DecodeTga(const std::uint8_t* data, std::size_t size, std::string_view name);

}  // namespace vortala
