#pragma once
// SoundPlayer: the game's cues, played by name from the embedded WAVE resources on one voice.
// Play returns at once; the audio device's callback does the mixing. Without an audio device
// (no sound card, no driver) every call is silently a no-op. Main thread only.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "sound/Voice.h"

namespace vortala {

class SoundPlayer {
public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Opens the audio device once; false when there is none.
    bool Open();
    bool IsOpen() const { return device_ != 0; }
    // Ends whatever plays, looping or not, and starts the cue. A cue that is missing or does not
    // parse plays nothing (the latter said once on standard error).
    void Play(std::string_view cue, bool loop);
    void Stop();
    bool IsPlaying() const;

private:
    static void Fill(void* player, std::uint8_t* stream, int bytes);
    // The cue converted to the device's format, decoded once; empty when it cannot play.
    const std::vector<std::int16_t>& Samples(std::string_view cue);

    std::uint32_t device_ = 0;
    Voice voice_;
    std::map<std::string, std::vector<std::int16_t>, std::less<>> cache_;
};

}  // namespace vortala
