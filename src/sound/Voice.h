#pragma once
// Voice: the one sound playing, as 16-bit stereo samples in the device's format, taken out by
// the audio callback. Starting a sound ends the one before it, faded out over a few milliseconds
// under the new one's start, so a cue cut off mid-waveform does not click; every cut-off sound
// keeps its fade, however many starts come between two callbacks. Not locked: the caller holds
// the audio device's lock around every call.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vortala {

class Voice {
public:
    // Samples (both channels) over which a cut-off sound fades: about 3 ms at 44.1 kHz.
    static constexpr std::size_t kFadeSamples = 256;
    // A loop starts in a quiet spot, but not in silence: its first pass fades in over about 10 ms.
    static constexpr std::size_t kLoopFadeInSamples = 882;

    // The samples must outlive their playing. A looping sound fades in on its first pass.
    void Start(const std::vector<std::int16_t>* samples, bool loop);
    void Stop();
    bool Playing() const { return current_.samples != nullptr; }
    // Fills count samples: the sound (wrapping round when looping), then silence.
    void Mix(std::int16_t* out, std::size_t count);

private:
    struct Playback {
        const std::vector<std::int16_t>* samples = nullptr;
        std::size_t position = 0;
        bool loop = false;
        bool heard = false;      // at least one sample has gone out
        std::size_t fadeIn = 0;  // samples still to fade in
        // The next sample, or nothing once a sound that does not loop has ended.
        bool Next(std::int16_t& sample);
    };
    struct Fade {
        Playback playback;
        std::size_t left = 0;
    };

    // Moves the playing sound into the fades. One never heard is dropped: cutting it off is
    // silent. So a new fade needs a sample mixed since the last one, and no more than
    // kFadeSamples fades are ever running at once.
    void FadeOutCurrent();

    Playback current_;
    std::array<Fade, kFadeSamples> fades_;
    std::size_t fadeCount_ = 0;
};

}  // namespace vortala
