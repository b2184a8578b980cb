// Sound buffers mixed in software into one SDL audio device.
#include "platform/audio.h"

#include <algorithm>
#include <cmath>

#include "platform/sdl_internal.h"

namespace {

constexpr int kDefaultRate = 44100;

SDL_AudioDeviceID audioDevice = 0;
int audioRefs = 0;
int deviceRate = kDefaultRate;
// Every live buffer's voice; changed only under the device lock.
std::vector<MixVoice*> voices;

// Holds the device lock (when a device is open) for the scope.
class VoiceLock {
public:
    VoiceLock() : device_(audioDevice) {
        if (device_ != 0) SDL_LockAudioDevice(device_);
    }
    ~VoiceLock() {
        if (device_ != 0) SDL_UnlockAudioDevice(device_);
    }
    VoiceLock(const VoiceLock&) = delete;
    VoiceLock& operator=(const VoiceLock&) = delete;

private:
    SDL_AudioDeviceID device_;
};

void MixRegistered(float* out, size_t frames) {
    std::fill(out, out + frames * 2, 0.0f);
    MixVoices(voices.data(), voices.size(), out, frames);
    for (size_t i = 0; i < frames * 2; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

// The device calls this with its lock held.
void AudioCallback(void*, Uint8* stream, int bytes) {
    MixRegistered(reinterpret_cast<float*>(stream), static_cast<size_t>(bytes) / (2 * sizeof(float)));
}

// One sample on the 16-bit scale; an 8-bit one is moved up by eight bits.
int16_t SampleAt(const uint8_t* data, size_t frame, int channel, const WaveFormat& format) {
    const size_t index = frame * format.channels + static_cast<size_t>(channel);
    if (format.bitsPerSample == 8) return static_cast<int16_t>((data[index] - 128) * 256);
    const uint8_t* p = data + index * 2;
    return static_cast<int16_t>(static_cast<uint16_t>(p[0] | (p[1] << 8)));
}

// Adds `frames` frames of `voice` from its position to the stereo `out`, a mono
// voice to both channels.
void AddFrames(const MixVoice& voice, size_t frames, float* out) {
    // s / 32768 * gain, with the exact power-of-two division folded in.
    const float scale = voice.gain / 32768.0f;
    const int16_t* src = voice.samples.data() + voice.position * voice.channels;
    if (voice.channels == 1) {
        for (size_t i = 0; i < frames; ++i) {
            const float value = static_cast<float>(src[i]) * scale;
            out[i * 2] += value;
            out[i * 2 + 1] += value;
        }
    } else {
        for (size_t i = 0; i < frames * 2; ++i) out[i] += static_cast<float>(src[i]) * scale;
    }
}

}  // namespace

float VolumeToGain(int32_t hundredthsOfDb) {
    if (hundredthsOfDb <= -10000) return 0.0f;
    if (hundredthsOfDb >= 0) return 1.0f;
    return std::pow(10.0f, static_cast<float>(hundredthsOfDb) / 2000.0f);
}

uint64_t ConvertedSoundBytes(const WaveFormat& format, uint64_t bytes, int rate) {
    if (format.formatTag != 1 || (format.channels != 1 && format.channels != 2) ||
        (format.bitsPerSample != 8 && format.bitsPerSample != 16) || format.samplesPerSec == 0 || rate <= 0) {
        return 0;
    }
    const uint64_t frameBytes = uint64_t{format.channels} * (format.bitsPerSample / 8);
    const uint64_t outFrames = bytes / frameBytes * static_cast<uint64_t>(rate) / format.samplesPerSec;
    return outFrames * format.channels * sizeof(int16_t);
}

std::vector<int16_t> ConvertToDeviceFormat(const WaveFormat& format, const uint8_t* data, size_t bytes,
                                           int rate) {
    const uint64_t outBytes = ConvertedSoundBytes(format, bytes, rate);
    if (outBytes == 0 || outBytes > kMaxConvertedSoundBytes || data == nullptr) return {};
    const size_t channels = format.channels;
    const size_t inFrames = bytes / (channels * (format.bitsPerSample / 8));
    const size_t outFrames = static_cast<size_t>(outBytes / (channels * sizeof(int16_t)));
    std::vector<int16_t> out(outFrames * channels);
    if (format.samplesPerSec == static_cast<uint32_t>(rate)) {
        // Already at the device's rate: each sample is taken as it is.
        for (size_t i = 0; i < out.size(); ++i) {
            out[i] = SampleAt(data, i / channels, static_cast<int>(i % channels), format);
        }
        return out;
    }
    const double step = static_cast<double>(format.samplesPerSec) / rate;
    for (size_t i = 0; i < outFrames; ++i) {
        // Linear interpolation between the two nearest source frames, rounded
        // to the nearest 16-bit step.
        const double at = static_cast<double>(i) * step;
        const size_t f0 = std::min(static_cast<size_t>(at), inFrames - 1);
        const size_t f1 = std::min(f0 + 1, inFrames - 1);
        const float t = static_cast<float>(at - static_cast<double>(f0));
        for (size_t c = 0; c < channels; ++c) {
            const float a = SampleAt(data, f0, static_cast<int>(c), format);
            const float b = SampleAt(data, f1, static_cast<int>(c), format);
            out[i * channels + c] = static_cast<int16_t>(std::lround(a + (b - a) * t));
        }
    }
    return out;
}

void MixVoices(MixVoice* const* list, size_t voiceCount, float* out, size_t frames) {
    for (size_t v = 0; v < voiceCount; ++v) {
        MixVoice& voice = *list[v];
        const size_t length = voice.samples.size() / voice.channels;
        // At the end a looping voice wraps to its start, another stops.
        auto wrapOrStop = [&voice, length] {
            if (voice.position < length) return;
            if (voice.looping && length > 0) {
                voice.position = 0;
            } else {
                voice.playing = false;
            }
        };
        wrapOrStop();
        size_t done = 0;
        while (voice.playing && done < frames) {
            const size_t run = std::min(frames - done, length - voice.position);
            AddFrames(voice, run, out + done * 2);
            voice.position += run;
            done += run;
            wrapOrStop();
        }
    }
}

void MixAllVoices(float* out, size_t frames) {
    VoiceLock lock;
    MixRegistered(out, frames);
}

bool AudioAcquire() {
    if (audioRefs > 0) {
        ++audioRefs;
        return true;
    }
    if (SDL_WasInit(SDL_INIT_AUDIO) == 0) return false;
    SDL_AudioSpec want{};
    want.freq = kDefaultRate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = AudioCallback;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    audioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (audioDevice == 0) return false;
    deviceRate = have.freq;
    audioRefs = 1;
    SDL_PauseAudioDevice(audioDevice, 0);
    return true;
}

void AudioReleaseRef() {
    if (audioRefs == 0) return;
    if (--audioRefs == 0) CloseAudioDevice();
}

void CloseAudioDevice() {
    if (audioDevice != 0) SDL_CloseAudioDevice(audioDevice);
    audioDevice = 0;
    audioRefs = 0;
    deviceRate = kDefaultRate;
}

int AudioDeviceRate() { return deviceRate; }

bool AudioDeviceRunning() { return audioDevice != 0 && SDL_GetAudioDeviceStatus(audioDevice) == SDL_AUDIO_PLAYING; }

SoundBuffer* CreateSoundBuffer(const WaveFormat& format, const uint8_t* data, size_t bytes) {
    std::vector<int16_t> samples = ConvertToDeviceFormat(format, data, bytes, AudioDeviceRate());
    if (samples.empty()) return nullptr;
    auto* buffer = new SoundBuffer;
    buffer->voice_.samples = std::move(samples);
    buffer->voice_.channels = format.channels;
    VoiceLock lock;
    voices.push_back(&buffer->voice_);
    return buffer;
}

void SoundBuffer::Play(bool looping) {
    VoiceLock lock;
    voice_.looping = looping;
    voice_.playing = true;
}

void SoundBuffer::Stop() {
    VoiceLock lock;
    voice_.playing = false;
}

void SoundBuffer::SetCurrentPosition(size_t frame) {
    VoiceLock lock;
    voice_.position = std::min(frame, FrameCount());
}

void SoundBuffer::SetVolume(int32_t hundredthsOfDb) {
    VoiceLock lock;
    volume_ = hundredthsOfDb;
    voice_.gain = VolumeToGain(hundredthsOfDb);
}

int32_t SoundBuffer::GetVolume() const { return volume_; }

bool SoundBuffer::IsPlaying() const {
    VoiceLock lock;
    return voice_.playing;
}

bool SoundBuffer::IsLooping() const { return voice_.looping; }

size_t SoundBuffer::GetCurrentPosition() const {
    VoiceLock lock;
    return voice_.position;
}

size_t SoundBuffer::FrameCount() const { return voice_.samples.size() / voice_.channels; }

void SoundBuffer::Release() { delete this; }

SoundBuffer::~SoundBuffer() {
    VoiceLock lock;
    voices.erase(std::remove(voices.begin(), voices.end(), &voice_), voices.end());
}
