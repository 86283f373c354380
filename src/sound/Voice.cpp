#include "sound/Voice.h"

#include <algorithm>

namespace vortala {

bool Voice::Playback::Next(std::int16_t& sample) {
    if (samples == nullptr) return false;
    sample = (*samples)[position++];
    heard = true;
    if (fadeIn > 0) {
        sample = static_cast<std::int16_t>(sample * static_cast<int>(kLoopFadeInSamples - fadeIn) /
                                           static_cast<int>(kLoopFadeInSamples));
        --fadeIn;
    }
    if (position == samples->size()) {
        position = 0;
        if (!loop) samples = nullptr;
    }
    return true;
}

void Voice::FadeOutCurrent() {
    if (current_.samples != nullptr && current_.heard && fadeCount_ < fades_.size())
        fades_[fadeCount_++] = Fade{current_, kFadeSamples};
    current_ = Playback{};
}

void Voice::Start(const std::vector<std::int16_t>* samples, bool loop) {
    FadeOutCurrent();
    current_.samples = samples != nullptr && !samples->empty() ? samples : nullptr;
    current_.loop = loop;
    current_.fadeIn = loop ? kLoopFadeInSamples : 0;
}

void Voice::Stop() {
    FadeOutCurrent();
}

void Voice::Mix(std::int16_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        int mixed = current_.Next(sample) ? sample : 0;
        for (std::size_t f = 0; f < fadeCount_;) {
            Fade& fade = fades_[f];
            if (fade.playback.Next(sample))
                mixed += static_cast<int>(sample) * static_cast<int>(fade.left) /
                         static_cast<int>(kFadeSamples + 1);
            if (--fade.left == 0 || fade.playback.samples == nullptr)
                fade = fades_[--fadeCount_];  // done: the last fade takes its place
            else
                ++f;
        }
        out[i] = static_cast<std::int16_t>(std::clamp(mixed, -32768, 32767));
    }
}

}  // namespace vortala
