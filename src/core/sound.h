#pragma once
// The thirteen sounds: four music tracks and nine effects, each in its own buffer.
#include <cstdint>

class SoundBuffer;

// Play flag: loop until stopped.
constexpr uint32_t kSoundPlayLooping = 1;

struct Sound {
    // Reads a canonical 44-byte-header PCM WAV into the sound's buffer.
    // `volume` 0..1 becomes hundredths of a decibel (see VolumeFromLinear).
    bool Load(const char* path, float volume);
    // Restarts the sound from its beginning at its stored volume.
    void Play(int32_t priority, uint32_t flags);
    void Stop();
    void Release();

    bool hasDevice = false;          // holds a reference on the audio device
    SoundBuffer* buffer = nullptr;
    int32_t initialVolume = 0;       // hundredths of a decibel
    int32_t volume = 0;
};

// 0..1 to hundredths of a decibel: v <= 0 is -10000 (silent), v >= 1 is 0,
// else trunc(v * 10000 - 10000) in single precision (0.9 gives -1000).
int32_t VolumeFromLinear(float v);

// The validated contents of a WAV file.
struct WavData {
    uint16_t formatTag, channels, blockAlign, bitsPerSample;
    uint32_t samplesPerSec, avgBytesPerSec;
    uint32_t dataBytes;           // whole blocks only
    const uint8_t* samples;       // points into the bytes given to ParseWav (null from ParseWavHeader)
};
// Checks the canonical header: at least 44 bytes, PCM, 1 or 2 channels, 8 or
// 16 bits, a block size that matches, a plausible rate. The data size is the
// header's, cut to what the file holds and rounded down to whole blocks.
bool ParseWav(const uint8_t* bytes, uint64_t size, WavData* out);
// The same from the 44 header bytes alone and the file's size (no samples yet).
bool ParseWavHeader(const uint8_t* header, uint64_t fileSize, WavData* out);

constexpr int kSoundCount = 13;
extern Sound SoundTable[kSoundCount];
extern Sound& FieldMapBgm;          // id 1
extern Sound& FieldDayBgm;          // id 2
extern Sound& FieldNightBgm;        // id 3
extern Sound& Field3Bgm;            // id 4
extern Sound& ItemGetSound;         // id 11
extern Sound& LevelUpSound;         // id 12
extern Sound& PlayerHitSound;       // id 13
extern Sound& SwordSound;           // id 14
extern Sound& EnemyDestroySound;    // id 21
extern Sound& BossDyingSound;       // id 22
extern Sound& BossDying2Sound;      // id 23
extern Sound& MidBossDestroySound;  // id 24
extern Sound& BossDestroySound;     // id 25

bool LoadSounds();
// Plays a table entry by id with its own priority and flags; other ids do nothing.
void PlaySoundById(int32_t id);
// Stops and rewinds every sound.
void StopAllSounds();
void ReleaseSounds();
