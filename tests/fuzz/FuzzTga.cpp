// Any bytes given to the TGA decoder: a picture or a message, never a read or write outside.
#include <cstddef>
#include <cstdint>

#include "gfx/ImageDecode.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vortala::DecodeResult result = vortala::DecodeTga(data, size, "fuzz.tga");
    if (result.image) {
        const vortala::Image& image = *result.image;
        if (image.pixels.size() != static_cast<std::size_t>(image.width) * image.height * image.channels) {
            __builtin_trap();
        }
    } else if (result.message.empty()) {
        __builtin_trap();
    }
    return 0;
}
