// The thirteen sounds: four music loops and nine effects, all synthesized.
#include "assetgen/manifest.h"

#include <cmath>

namespace assetgen {

namespace {

Pcm Tone(double seconds, double hz) {
    Pcm p;
    size_t n = size_t(seconds * p.sampleRate);
    p.samples.resize(n);
    for (size_t i = 0; i < n; ++i)
        p.samples[i] = int16_t(8000 * std::sin(2 * 3.14159265358979 * hz * double(i) / p.sampleRate));
    return p;
}

}  // namespace

void RegisterSounds(std::vector<SoundSpec>& out) {
    for (const char* p : {"Sound/BGM/FieldMap.wav", "Sound/BGM/Field_Day.wav", "Sound/BGM/Field_Night.wav",
                          "Sound/BGM/Field3.wav"})
        out.push_back({p, [] { return Tone(20.0, 220.0); }, true});
    for (const char* p : {"Sound/SoundEffect/item_get.wav", "Sound/SoundEffect/level_up.wav",
                          "Sound/SoundEffect/player_hit.wav", "Sound/SoundEffect/melee_sword.wav",
                          "Sound/SoundEffect/enemy_destroy.wav", "Sound/SoundEffect/boss_dying.wav",
                          "Sound/SoundEffect/boss_dying2.wav", "Sound/SoundEffect/mid_boss_destroy.wav",
                          "Sound/SoundEffect/boss_destroy.wav"})
        out.push_back({p, [] { return Tone(0.3, 880.0); }, false});
}

}  // namespace assetgen
