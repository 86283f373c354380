// Cues cut off by the cues the game starts after them, on the paths where it starts several in
// one step: each cut-off cue must fade, never stop mid-waveform.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "sound/Voice.h"
#include "sound/Wav.h"

namespace vortala {
namespace {

// A cue's samples as stored; the voice does not care about channels or rate.
std::vector<std::int16_t> CueSamples(const std::string& name) {
    const auto resource = FindResource(name, ResourceType::Wave);
    if (!resource) return {};
    std::string error;
    const auto wav = ParseWav(resource->data, resource->size, error);
    if (!wav) return {};
    std::vector<std::int16_t> samples(wav->bytes / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::int16_t>(wav->samples[2 * i] | wav->samples[2 * i + 1] << 8);
    return samples;
}

// What rings (heard for some time), then the cues one game step starts before the next callback.
struct Cut {
    std::string ringing;
    int heardMs;
    std::vector<std::string> started;
};

void ExpectFade(const Cut& cut) {
    SCOPED_TRACE(cut.ringing + " cut by " + cut.started.back());
    const auto ringing = CueSamples(cut.ringing);
    ASSERT_FALSE(ringing.empty());
    std::vector<std::vector<std::int16_t>> started;
    for (const auto& name : cut.started) started.push_back(CueSamples(name));
    ASSERT_FALSE(started.back().empty());

    Voice voice;
    voice.Start(&ringing, false);
    // Cut just after the loudest sample of the 10 ms from heardMs on, where a lost fade is plain.
    const std::size_t from = static_cast<std::size_t>(cut.heardMs) * 44;
    ASSERT_LT(from + 441 + 2 * Voice::kFadeSamples, ringing.size());
    std::size_t heard = from;
    for (std::size_t k = from; k < from + 441; ++k)
        if (std::abs(ringing[k]) > std::abs(ringing[heard])) heard = k;
    ++heard;
    std::vector<std::int16_t> out(heard);
    voice.Mix(out.data(), out.size());
    for (const auto& samples : started) voice.Start(&samples, false);
    std::vector<std::int16_t> after(2 * Voice::kFadeSamples);
    voice.Mix(after.data(), after.size());

    // What is left once the surviving cue is taken away: the cut-off cue's tail. It must go on
    // from where the cue was without a jump bigger than the cue's own steps, and end.
    const auto& survivor = started.back();
    int ownStep = 0;
    for (std::size_t k = heard; k < heard + after.size(); ++k)
        ownStep = std::max(ownStep, std::abs(ringing[k] - ringing[k - 1]));
    int tail = ringing[heard - 1];
    for (std::size_t k = 0; k < after.size(); ++k) {
        const int rest = after[k] - survivor[k];
        EXPECT_LE(std::abs(rest - tail), ownStep + 130) << "a jump " << k << " samples after the cut";
        if (k >= Voice::kFadeSamples) {
            EXPECT_EQ(rest, 0) << "still sounding " << k << " samples after the cut";
        }
        tail = rest;
    }
}

TEST(VoiceCut, EveryCueCutInOneStepFades) {
    const Cut cuts[] = {
        // the win collected just after the last reel stop: a plain or big win, then coins, a bonus
        // due or the jackpot
        {"barab_stop", 60, {"komb1", "credit"}},
        {"barab_stop", 60, {"komb3", "komb2"}},
        {"barab_stop", 60, {"komb1", "jpot"}},
        {"barab_stop", 60, {"komb3", "credit", "komb2"}},
        // a bet changed, then cut down to the credit
        {"bet", 15, {"bet", "nocred"}},
        // the win taken while the risk card's fanfare rings: then the next screen or the cut bets
        {"rbyes", 300, {"take_win", "add"}},
        {"rbyes", 300, {"take_win", "sun_fon"}},
        {"rbyes", 300, {"take_win", "sbon"}},
        {"rbyes", 300, {"take_win", "nocred"}},
        // the voyage ends while the ship's last fanfare still rings
        {"sbon_win", 1000, {"take_win", "nocred"}},
    };
    for (const auto& cut : cuts) ExpectFade(cut);
}

// Starts one sample apart keep every fade running: none is dropped for want of room.
TEST(VoiceCut, StartsOneSampleApartAllFade) {
    const std::vector<std::int16_t> level(4000, 100);
    Voice voice;
    std::vector<std::int16_t> out(1);
    for (std::size_t n = 1; n <= 3 * Voice::kFadeSamples; ++n) {
        voice.Start(&level, false);
        voice.Mix(out.data(), 1);
        if (n > 1) {
            EXPECT_GT(out[0], 100 + 90 * std::min<int>(n - 1, 2)) << "after " << n << " starts";
        }
    }
    std::vector<std::int16_t> rest(Voice::kFadeSamples + 1);
    voice.Mix(rest.data(), rest.size());
    EXPECT_EQ(rest.back(), 100);
}

}  // namespace
}  // namespace vortala
