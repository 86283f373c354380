#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

#include "sound/SoundPlayer.h"
#include "sound/Voice.h"

namespace vortala {
namespace {

std::vector<std::int16_t> Mix(Voice& voice, std::size_t count) {
    std::vector<std::int16_t> out(count, -1);
    voice.Mix(out.data(), out.size());
    return out;
}

TEST(Voice, PlaysOnceThenSilenceOrWrapsWhenLooping) {
    const std::vector<std::int16_t> sound = {1, 2, 3};
    Voice voice;
    EXPECT_EQ(Mix(voice, 2), (std::vector<std::int16_t>{0, 0}));
    voice.Start(&sound, false);
    EXPECT_EQ(Mix(voice, 2), (std::vector<std::int16_t>{1, 2}));
    EXPECT_EQ(Mix(voice, 3), (std::vector<std::int16_t>{3, 0, 0}));
    EXPECT_FALSE(voice.Playing());

    voice.Start(&sound, true);
    Mix(voice, Voice::kLoopFadeInSamples);  // a whole number of passes: the loop stands at its start
    EXPECT_EQ(Mix(voice, 8), (std::vector<std::int16_t>{1, 2, 3, 1, 2, 3, 1, 2}));
    EXPECT_TRUE(voice.Playing());

    const std::vector<std::int16_t> other = {7};
    voice.Start(&other, false);  // a new sound ends the looping one, once its fade is done
    const auto cut = Mix(voice, Voice::kFadeSamples + 3);
    EXPECT_GT(cut[0], 7);  // the looping sound fading under the new one's start
    EXPECT_EQ(cut[Voice::kFadeSamples + 1], 0);
    EXPECT_EQ(cut[Voice::kFadeSamples + 2], 0);
    const std::vector<std::int16_t> empty;
    voice.Start(&empty, true);
    EXPECT_FALSE(voice.Playing());
}

// A cue cut off at full level by a silent one must fall away, not jump to zero: a jump is the
// click a player hears at every cut.
TEST(Voice, ACutOffSoundFadesInsteadOfJumping) {
    const std::vector<std::int16_t> loud(4000, 20000);
    const std::vector<std::int16_t> quiet(4000, 0);
    Voice voice;
    voice.Start(&loud, true);
    std::vector<std::int16_t> out = Mix(voice, 100);
    voice.Start(&quiet, false);
    const auto after = Mix(voice, 2 * Voice::kFadeSamples);
    out.insert(out.end(), after.begin(), after.end());
    for (std::size_t i = 1; i < out.size(); ++i) EXPECT_LE(std::abs(out[i] - out[i - 1]), 200) << "at " << i;
    EXPECT_EQ(out.back(), 0);
}

// A loop starts in a quiet spot, not at zero: its first pass rises from silence, later passes do not.
TEST(Voice, ALoopFadesInOnItsFirstPassOnly) {
    const std::vector<std::int16_t> loop(2 * Voice::kLoopFadeInSamples, 10000);
    Voice voice;
    voice.Start(&loop, true);
    const auto first = Mix(voice, loop.size());
    EXPECT_EQ(first.front(), 0);
    for (std::size_t i = 1; i < Voice::kLoopFadeInSamples; ++i) EXPECT_GE(first[i], first[i - 1]);
    EXPECT_EQ(first[Voice::kLoopFadeInSamples], 10000);
    EXPECT_EQ(Mix(voice, 1).front(), 10000);
}

class SoundPlayerTest : public ::testing::Test {
protected:
    static void Driver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }
};

TEST_F(SoundPlayerTest, OneVoiceNewCueEndsTheOldOne) {
    Driver("dummy");
    SoundPlayer player;
    ASSERT_TRUE(player.Open());
    EXPECT_TRUE(player.Open());
    player.Play("sun_fon", true);
    EXPECT_TRUE(player.IsPlaying());
    player.Play("butt_click", false);  // short: ends by itself
    const auto start = std::chrono::steady_clock::now();
    while (player.IsPlaying() && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_FALSE(player.IsPlaying());

    player.Play("barab", true);
    EXPECT_TRUE(player.IsPlaying());
    player.Play("no_such_cue", false);
    EXPECT_FALSE(player.IsPlaying());
    player.Play("BARAB", true);
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
}

TEST_F(SoundPlayerTest, WithoutADeviceEverythingIsSilent) {
    Driver("no-such-driver");
    SoundPlayer player;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(player.Open());
    EXPECT_FALSE(player.IsOpen());
    player.Play("barab", true);
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace vortala
