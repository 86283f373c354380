#pragma once
// Voice: the one sound playing, as 16-bit stereo samples in the device's format, taken out by
// the audio callback. Starting a sound ends the one before it. Not locked: the caller holds the
// audio device's lock around every call.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vortala {

class Voice {
public:
    // The samples must outlive their playing.
    void Start(const std::vector<std::int16_t>* samples, bool loop);
    void Stop() { samples_ = nullptr; }
    bool Playing() const { return samples_ != nullptr; }
    // Fills count samples: the sound (wrapping round when looping), then silence.
    void Mix(std::int16_t* out, std::size_t count);

private:
    const std::vector<std::int16_t>* samples_ = nullptr;
    std::size_t position_ = 0;
    bool loop_ = false;
};

}  // namespace vortala
