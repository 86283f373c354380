#include "sound/Voice.h"

#include <algorithm>

namespace vortala {

void Voice::Start(const std::vector<std::int16_t>* samples, bool loop) {
    samples_ = samples != nullptr && !samples->empty() ? samples : nullptr;
    position_ = 0;
    loop_ = loop;
}

void Voice::Mix(std::int16_t* out, std::size_t count) {
    while (count > 0 && samples_ != nullptr) {
        const std::size_t take = std::min(count, samples_->size() - position_);
        std::copy_n(samples_->data() + position_, take, out);
        out += take;
        count -= take;
        position_ += take;
        if (position_ == samples_->size()) {
            position_ = 0;
            if (!loop_) samples_ = nullptr;
        }
    }
    std::fill_n(out, count, std::int16_t{0});
}

}  // namespace vortala
