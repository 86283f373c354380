#pragma once
// WAVE files as the game's sounds are stored: RIFF with a "fmt " chunk of 16-bit PCM, mono or
// stereo, at any rate, and a "data" chunk.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vortala {

struct WavSound {
    int channels = 0;
    int sampleRate = 0;
    const std::uint8_t* samples = nullptr;  // little-endian, inside the parsed bytes
    std::size_t bytes = 0;                  // whole frames only
};

// Empty, with the reason in error, when the bytes are not such a file. Reads nothing outside
// [data, data + size).
std::optional<WavSound> ParseWav(const std::uint8_t* data, std::size_t size, std::string& error);

}  // namespace vortala
