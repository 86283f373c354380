#include "sound/SoundPlayer.h"

#include <SDL.h>

#include <cstdio>

#include "platform/Resources.h"
#include "sound/Wav.h"

namespace vortala {

namespace {

constexpr int kDeviceRate = 44100;
constexpr int kDeviceChannels = 2;

// Resampled and spread to the device's rate and channels.
std::vector<std::int16_t> Convert(const WavSound& wav) {
    std::vector<std::int16_t> samples;
    SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_S16LSB, static_cast<Uint8>(wav.channels),
                                                 wav.sampleRate, AUDIO_S16SYS, kDeviceChannels, kDeviceRate);
    if (stream == nullptr) return samples;
    if (SDL_AudioStreamPut(stream, wav.samples, static_cast<int>(wav.bytes)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        samples.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(std::int16_t));
        const int got = SDL_AudioStreamGet(stream, samples.data(), static_cast<int>(samples.size() * 2));
        samples.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(std::int16_t) : 0);
        samples.resize(samples.size() - samples.size() % kDeviceChannels);
    }
    SDL_FreeAudioStream(stream);
    return samples;
}

}  // namespace

SoundPlayer::~SoundPlayer() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SoundPlayer::Open() {
    if (device_ != 0) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    SDL_AudioSpec wanted{};
    wanted.freq = kDeviceRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = kDeviceChannels;
    wanted.samples = 1024;
    wanted.callback = &SoundPlayer::Fill;
    wanted.userdata = this;
    // No changes allowed: SDL converts to what the hardware wants.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SoundPlayer::Play(std::string_view cue, bool loop) {
    if (device_ == 0) return;
    const std::vector<std::int16_t>& samples = Samples(cue);
    SDL_LockAudioDevice(device_);
    voice_.Start(&samples, loop);
    SDL_UnlockAudioDevice(device_);
}

void SoundPlayer::Stop() {
    if (device_ == 0) return;
    SDL_LockAudioDevice(device_);
    voice_.Stop();
    SDL_UnlockAudioDevice(device_);
}

bool SoundPlayer::IsPlaying() const {
    if (device_ == 0) return false;
    SDL_LockAudioDevice(device_);
    const bool playing = voice_.Playing();
    SDL_UnlockAudioDevice(device_);
    return playing;
}

void SoundPlayer::Fill(void* player, std::uint8_t* stream, int bytes) {
    static_cast<SoundPlayer*>(player)->voice_.Mix(reinterpret_cast<std::int16_t*>(stream),
                                                  static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
}

const std::vector<std::int16_t>& SoundPlayer::Samples(std::string_view cue) {
    const auto cached = cache_.find(cue);
    if (cached != cache_.end()) return cached->second;
    std::vector<std::int16_t>& samples = cache_[std::string(cue)];
    const auto resource = FindResource(cue, ResourceType::Wave);
    if (!resource) return samples;
    std::string error;
    const auto wav = ParseWav(resource->data, resource->size, error);
    if (!wav) {
        std::fprintf(stderr, "Sound \"%.*s\" cannot play: %s\n", static_cast<int>(cue.size()), cue.data(),
                     error.c_str());
        return samples;
    }
    samples = Convert(*wav);
    return samples;
}

}  // namespace vortala
