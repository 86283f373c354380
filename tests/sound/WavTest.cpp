#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/Resources.h"
#include "sound/Wav.h"

namespace vortala {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutTag(Bytes& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(tag[i]));
}

struct Format {
    unsigned tag = 1, channels = 1, bits = 16;
    std::uint32_t rate = 22050;
};

Bytes Wav(const Format& f, const Bytes& samples, bool extraChunk = false) {
    Bytes b;
    PutTag(b, "RIFF");
    Put32(b, 0);  // not relied on
    PutTag(b, "WAVE");
    if (extraChunk) {
        PutTag(b, "LIST");
        Put32(b, 3);
        PutTag(b, "abc");  // odd length, then the pad byte
    }
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, f.tag);
    Put16(b, f.channels);
    Put32(b, f.rate);
    Put32(b, f.rate * f.channels * f.bits / 8);
    Put16(b, f.channels * f.bits / 8);
    Put16(b, f.bits);
    PutTag(b, "data");
    Put32(b, static_cast<std::uint32_t>(samples.size()));
    b.insert(b.end(), samples.begin(), samples.end());
    return b;
}

std::string Reject(const Bytes& file) {
    std::string error;
    EXPECT_FALSE(ParseWav(file.data(), file.size(), error));
    return error;
}

TEST(ParseWav, FindsFormatAndWholeFramesPastOtherChunks) {
    Format stereo;
    stereo.channels = 2;
    const Bytes file = Wav(stereo, {1, 2, 3, 4, 5, 6, 7}, true);
    std::string error;
    const auto sound = ParseWav(file.data(), file.size(), error);
    ASSERT_TRUE(sound) << error;
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->bytes, 4u);  // the partial frame is dropped
    EXPECT_EQ(sound->samples[0], 1);

    const auto cue = FindResource("barab", ResourceType::Wave);
    ASSERT_TRUE(cue);
    EXPECT_TRUE(ParseWav(cue->data, cue->size, error)) << error;
}

TEST(ParseWav, DamagedOrUnsupportedFilesAreRejectedWithAReason) {
    const Bytes good = Wav({}, {1, 2, 3, 4});
    EXPECT_FALSE(Reject(Bytes(good.begin(), good.begin() + 11)).empty());
    Bytes notWave = good;
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_EQ(Reject(notWave), "not a RIFF WAVE file");

    Bytes cut = good;
    cut.resize(cut.size() - 1);  // the data chunk claims more than is there
    EXPECT_EQ(Reject(cut), "a chunk runs past the end of the file");
    Bytes huge = good;
    std::memset(huge.data() + 16, 0xFF, 4);  // fmt chunk length 4 GiB
    EXPECT_EQ(Reject(huge), "a chunk runs past the end of the file");

    EXPECT_EQ(Reject(Bytes(good.begin(), good.begin() + 12)), "no format chunk");
    EXPECT_EQ(Reject(Bytes(good.begin(), good.begin() + 36)), "no data chunk");
    Format eightBit;
    eightBit.bits = 8;
    EXPECT_EQ(Reject(Wav(eightBit, {1, 2})), "not 16-bit PCM");
    Format floating;
    floating.tag = 3;
    EXPECT_EQ(Reject(Wav(floating, {1, 2})), "not 16-bit PCM");
    Format surround;
    surround.channels = 6;
    EXPECT_EQ(Reject(Wav(surround, {1, 2})), "neither mono nor stereo");
    Format silentRate;
    silentRate.rate = 0;
    EXPECT_EQ(Reject(Wav(silentRate, {1, 2})), "impossible sample rate or frame size");
}

}  // namespace
}  // namespace vortala
