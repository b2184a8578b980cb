#pragma once
// Sound voices mixed in the audio callback. One voice per loaded WAV; its
// samples are converted once to 16 bits at the device's rate when it is
// created, keeping the file's channels; the mixing makes them stereo float.
#include <cstddef>
#include <cstdint>
#include <vector>

struct WaveFormat {
    uint16_t formatTag = 0;       // 1 = PCM
    uint16_t channels = 0;        // 1 or 2
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;   // 8 or 16
};

// The mixing state of one voice: 16-bit samples at the device's rate,
// interleaved when stereo; a mono voice is heard on both channels.
struct MixVoice {
    std::vector<int16_t> samples;  // frames * channels
    uint16_t channels = 1;         // 1 or 2
    size_t position = 0;           // in frames
    bool playing = false;
    bool looping = false;
    float gain = 1.0f;
};

// Gain for a volume in hundredths of a decibel: 10^(v / 2000); -10000 or less is silent.
float VolumeToGain(int32_t hundredthsOfDb);

// One sound's converted samples take at most this many bytes (about 50 minutes
// of mono or 25 of stereo at 44100 Hz): a WAV at a very low rate would
// otherwise be resampled into gigabytes.
constexpr uint64_t kMaxConvertedSoundBytes = uint64_t{256} << 20;
// The bytes that `bytes` of PCM in `format` take once converted to 16 bits at
// `deviceRate` in its own channels (0 for a format that cannot be converted).
uint64_t ConvertedSoundBytes(const WaveFormat& format, uint64_t bytes, int deviceRate);

// Converts PCM samples (8-bit unsigned or 16-bit signed, mono or stereo) at any
// rate to 16-bit signed at `deviceRate`, interleaved in the format's channels;
// nothing when the result would exceed kMaxConvertedSoundBytes.
std::vector<int16_t> ConvertToDeviceFormat(const WaveFormat& format, const uint8_t* data, size_t bytes,
                                           int deviceRate);

// Adds `frames` stereo float frames of every playing voice to `out` (which is
// not cleared first; a 16-bit sample s counts s / 32768 times the voice's gain,
// a mono one on both channels), advancing the voices; a looping voice wraps to
// its start, another stops at its end. Pure: it touches nothing else.
void MixVoices(MixVoice* const* voices, size_t voiceCount, float* out, size_t frames);

// Mixes every playing buffer into `out` (cleared first, clipped to -1..1):
// the audio device's work, also callable without a device (tests).
void MixAllVoices(float* out, size_t frames);

// A sound buffer owned by one Sound.
class SoundBuffer {
public:
    void Play(bool looping);
    void Stop();
    void SetCurrentPosition(size_t frame);
    void SetVolume(int32_t hundredthsOfDb);
    int32_t GetVolume() const;
    bool IsPlaying() const;
    bool IsLooping() const;
    size_t GetCurrentPosition() const;
    size_t FrameCount() const;
    void Release();

private:
    friend SoundBuffer* CreateSoundBuffer(const WaveFormat&, const uint8_t*, size_t);
    SoundBuffer() = default;
    ~SoundBuffer();
    MixVoice voice_;
    int32_t volume_ = 0;
};

// Opens the audio device once (later calls only count references). Returns
// false when no device can be opened; buffers still work, silently. Each
// AudioAcquire that returned true is paired with one AudioReleaseRef.
bool AudioAcquire();
void AudioReleaseRef();
int AudioDeviceRate();
// True while the device is open and playing, its callback mixing the buffers.
bool AudioDeviceRunning();

// Creates a buffer from PCM data; null when the format is not playable.
SoundBuffer* CreateSoundBuffer(const WaveFormat& format, const uint8_t* data, size_t bytes);
