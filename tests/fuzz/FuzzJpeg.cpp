// Any bytes given to the JPEG decoder: a picture or a message, never a crash or an exit.
#include <cstddef>
#include <cstdint>

#include "gfx/ImageDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vortala::DecodeResult result = vortala::DecodeJpeg(data, size, "fuzz.jpg");
    if (result.image) {
        const vortala::Image& image = *result.image;
        if (image.channels != 4 ||
            image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * 4) {
            __builtin_trap();
        }
    } else if (result.message.empty()) {
        __builtin_trap();
    }
    return 0;
}
