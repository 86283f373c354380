#include "sound/Wav.h"

#include <cstring>

namespace vortala {

namespace {

std::uint32_t Le16(const std::uint8_t* p) {
    return p[0] | p[1] << 8;
}
std::uint32_t Le32(const std::uint8_t* p) {
    return Le16(p) | Le16(p + 2) << 16;
}
bool IsTag(const std::uint8_t* p, const char* tag) {
    return std::memcmp(p, tag, 4) == 0;
}

constexpr std::uint32_t kMaxRate = 384000;

}  // namespace

std::optional<WavSound> ParseWav(const std::uint8_t* data, std::size_t size, std::string& error) {
    if (data == nullptr || size < 12 || !IsTag(data, "RIFF") || !IsTag(data + 8, "WAVE")) {
        error = "not a RIFF WAVE file";
        return std::nullopt;
    }
    const std::uint8_t* format = nullptr;
    WavSound sound;
    bool haveData = false;
    for (std::size_t at = 12; size - at >= 8;) {
        const std::uint8_t* chunk = data + at;
        const std::size_t length = Le32(chunk + 4);
        if (length > size - at - 8) {
            error = "a chunk runs past the end of the file";
            return std::nullopt;
        }
        if (IsTag(chunk, "fmt ") && length >= 16) format = chunk + 8;
        if (IsTag(chunk, "data")) {
            sound.samples = chunk + 8;
            sound.bytes = length;
            haveData = true;
        }
        at += 8 + length + (length & 1);  // chunks are padded to an even length
        if (at > size) break;
    }
    if (format == nullptr) {
        error = "no format chunk";
        return std::nullopt;
    }
    const std::uint32_t tag = Le16(format);
    const std::uint32_t channels = Le16(format + 2);
    const std::uint32_t rate = Le32(format + 4);
    const std::uint32_t blockAlign = Le16(format + 12);
    const std::uint32_t bits = Le16(format + 14);
    if (tag != 1 || bits != 16) {
        error = "not 16-bit PCM";
        return std::nullopt;
    }
    if (channels != 1 && channels != 2) {
        error = "neither mono nor stereo";
        return std::nullopt;
    }
    if (rate == 0 || rate > kMaxRate || blockAlign != channels * 2) {
        error = "impossible sample rate or frame size";
        return std::nullopt;
    }
    if (!haveData) {
        error = "no data chunk";
        return std::nullopt;
    }
    sound.channels = static_cast<int>(channels);
    sound.sampleRate = static_cast<int>(rate);
    sound.bytes -= sound.bytes % blockAlign;
    return sound;
}

}  // namespace vortala
