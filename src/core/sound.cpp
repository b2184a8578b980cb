#include "core/sound.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "core/game_codes.h"
#include "platform/audio.h"
#include "platform/file_io.h"
#include "platform/system.h"

Sound SoundTable[kSoundCount];
Sound& FieldMapBgm = SoundTable[0];
Sound& FieldDayBgm = SoundTable[1];
Sound& FieldNightBgm = SoundTable[2];
Sound& Field3Bgm = SoundTable[3];
Sound& ItemGetSound = SoundTable[4];
Sound& LevelUpSound = SoundTable[5];
Sound& PlayerHitSound = SoundTable[6];
Sound& SwordSound = SoundTable[7];
Sound& EnemyDestroySound = SoundTable[8];
Sound& BossDyingSound = SoundTable[9];
Sound& BossDying2Sound = SoundTable[10];
Sound& MidBossDestroySound = SoundTable[11];
Sound& BossDestroySound = SoundTable[12];

namespace {

struct SoundEntry {
    int32_t id;
    const char* path;
    float loadVolume;
    int32_t priority;
    uint32_t flags;
};

// In load order; the index is the entry's place in SoundTable.
constexpr SoundEntry kSoundEntries[kSoundCount] = {
    {kSoundFieldMapBgm, "Sound/BGM/FieldMap.wav", 1.0f, 0, kSoundPlayLooping},
    {kSoundFieldDayBgm, "Sound/BGM/Field_Day.wav", 1.0f, 0, kSoundPlayLooping},
    {kSoundFieldNightBgm, "Sound/BGM/Field_Night.wav", 1.0f, 0, kSoundPlayLooping},
    {kSoundField3Bgm, "Sound/BGM/Field3.wav", 1.0f, 0, kSoundPlayLooping},
    {kSoundItemGet, "Sound/SoundEffect/item_get.wav", 1.0f, 1, 0},
    {kSoundLevelUp, "Sound/SoundEffect/level_up.wav", 1.0f, 2, 0},
    {kSoundPlayerHit, "Sound/SoundEffect/player_hit.wav", 1.0f, 3, 0},
    {kSoundSword, "Sound/SoundEffect/melee_sword.wav", 0.9f, 4, 0},
    {kSoundEnemyDestroy, "Sound/SoundEffect/enemy_destroy.wav", 0.9f, 5, 0},
    {kSoundBossDying, "Sound/SoundEffect/boss_dying.wav", 0.9f, 6, 0},
    {kSoundBossDying2, "Sound/SoundEffect/boss_dying2.wav", 0.9f, 7, 0},
    {kSoundMidBossDestroy, "Sound/SoundEffect/mid_boss_destroy.wav", 0.9f, 8, 0},
    {kSoundBossDestroy, "Sound/SoundEffect/boss_destroy.wav", 0.9f, 9, 0},
};

constexpr uint32_t kCanonicalHeaderBytes = 44;

uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t ReadU32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

WaveFormat FormatOf(const WavData& wav) {
    WaveFormat format;
    format.formatTag = wav.formatTag;
    format.channels = wav.channels;
    format.samplesPerSec = wav.samplesPerSec;
    format.avgBytesPerSec = wav.avgBytesPerSec;
    format.blockAlign = wav.blockAlign;
    format.bitsPerSample = wav.bitsPerSample;
    return format;
}

// The header and the samples of a WAV file, reading no more than the header
// promises. False for anything but a regular file, a header we cannot play, or
// samples too many for the device once converted (a file at a very low rate
// would be resampled into gigabytes).
bool ReadWavFile(const char* path, WavData* wav, std::vector<uint8_t>* samples) {
    uint64_t size = 0;
    std::FILE* file = OpenRegularFile(path, &size);
    if (file == nullptr) return false;
    uint8_t header[kCanonicalHeaderBytes];
    bool ok = std::fread(header, 1, sizeof(header), file) == sizeof(header) && ParseWavHeader(header, size, wav) &&
              ConvertedSoundBytes(FormatOf(*wav), wav->dataBytes, AudioDeviceRate()) <= kMaxConvertedSoundBytes;
    if (ok) {
        samples->resize(wav->dataBytes);
        ok = std::fread(samples->data(), 1, samples->size(), file) == samples->size();
    }
    std::fclose(file);
    return ok;
}

}  // namespace

int32_t VolumeFromLinear(float v) {
    if (v <= 0.0f) return -10000;
    if (v >= 1.0f) return 0;
    const float hundredths = v * 10000.0f - 10000.0f;
    return static_cast<int32_t>(hundredths);
}

bool ParseWavHeader(const uint8_t* header, uint64_t fileSize, WavData* out) {
    if (header == nullptr || fileSize < kCanonicalHeaderBytes) return false;
    WavData w{};
    w.formatTag = ReadU16(header + 20);
    w.channels = ReadU16(header + 22);
    w.samplesPerSec = ReadU32(header + 24);
    w.avgBytesPerSec = ReadU32(header + 28);
    w.blockAlign = ReadU16(header + 32);
    w.bitsPerSample = ReadU16(header + 34);
    if (w.formatTag != 1) return false;
    if (w.channels != 1 && w.channels != 2) return false;
    if (w.bitsPerSample != 8 && w.bitsPerSample != 16) return false;
    if (w.blockAlign != w.channels * (w.bitsPerSample / 8)) return false;
    if (w.samplesPerSec < 1000 || w.samplesPerSec > 192000) return false;
    uint64_t data = ReadU32(header + 40);
    const uint64_t available = fileSize - kCanonicalHeaderBytes;
    if (data > available) data = available;
    data -= data % w.blockAlign;
    w.dataBytes = static_cast<uint32_t>(data);
    w.samples = nullptr;
    *out = w;
    return true;
}

bool ParseWav(const uint8_t* bytes, uint64_t size, WavData* out) {
    if (!ParseWavHeader(bytes, size, out)) return false;
    out->samples = bytes + kCanonicalHeaderBytes;
    return true;
}

bool Sound::Load(const char* path, float loadVolume) {
    if (!hasDevice) {
        // Without any audio output the game still runs, silently.
        AudioAcquire();
        hasDevice = true;
    }
    WavData wav;
    std::vector<uint8_t> samples;
    SoundBuffer* loaded = nullptr;
    if (ReadWavFile(path, &wav, &samples)) loaded = CreateSoundBuffer(FormatOf(wav), samples.data(), samples.size());
    if (loaded == nullptr) {
        NoteFailedFile(path);
        return false;
    }
    buffer = loaded;
    initialVolume = VolumeFromLinear(loadVolume);
    volume = initialVolume;
    buffer->SetVolume(volume);
    return true;
}

void Sound::Play(int32_t /*priority*/, uint32_t flags) {
    if (buffer == nullptr) return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
    buffer->SetVolume(volume);
    buffer->Play((flags & kSoundPlayLooping) != 0);
}

void Sound::Stop() {
    if (buffer == nullptr) return;
    buffer->Stop();
    buffer->SetCurrentPosition(0);
}

void Sound::Release() {
    if (buffer != nullptr) {
        buffer->Release();
        buffer = nullptr;
    }
    if (hasDevice) {
        AudioReleaseRef();
        hasDevice = false;
    }
}

bool LoadSounds() {
    for (int i = 0; i < kSoundCount; ++i) {
        if (!SoundTable[i].Load(kSoundEntries[i].path, kSoundEntries[i].loadVolume)) return false;
    }
    return true;
}

void PlaySoundById(int32_t id) {
    for (int i = 0; i < kSoundCount; ++i) {
        if (kSoundEntries[i].id == id) {
            SoundTable[i].Play(kSoundEntries[i].priority, kSoundEntries[i].flags);
            return;
        }
    }
}

void StopAllSounds() {
    for (Sound& s : SoundTable) s.Stop();
}

void ReleaseSounds() {
    for (Sound& s : SoundTable) s.Release();
}
