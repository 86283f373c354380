#include "sound/Voice.h"

#include <algorithm>

namespace vortala {

bool Voice::Playback::Next(std::int16_t& sample) {
    if (samples == nullptr) return false;
    sample = (*samples)[position++];
    if (position == samples->size()) {
        position = 0;
        if (!loop) samples = nullptr;
    }
    return true;
}

void Voice::Start(const std::vector<std::int16_t>* samples, bool loop) {
    fading_ = current_;
    fadeLeft_ = fading_.samples != nullptr ? kFadeSamples : 0;
    current_.samples = samples != nullptr && !samples->empty() ? samples : nullptr;
    current_.position = 0;
    current_.loop = loop;
}

void Voice::Mix(std::int16_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        std::int16_t sample = 0;
        int mixed = current_.Next(sample) ? sample : 0;
        if (fadeLeft_ > 0) {
            if (fading_.Next(sample))
                mixed += static_cast<int>(sample) * static_cast<int>(fadeLeft_) /
                         static_cast<int>(kFadeSamples + 1);
            --fadeLeft_;
        }
        out[i] = static_cast<std::int16_t>(std::clamp(mixed, -32768, 32767));
    }
}

}  // namespace vortala
