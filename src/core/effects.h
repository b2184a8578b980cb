#pragma once
// The pool of 1000 visual effects.
#include <cstdint>

class Texture;

enum EffectSheet {
    kEffectBulletHit,
    kEffectEnemyDestroy,
    kEffectSlashH,
    kEffectSlashE,
    kEffectSpearHit,
    kEffectSkill1,
    kEffectSkill3,
    kEffectBulletDelete,
    kEffectLevelUpText,
    kEffectSheetCount,
};
extern Texture* EffectTextures[kEffectSheetCount];

// Loads the nine effect sheets in order; false at the first that fails.
bool LoadEffectTextures();
void ReleaseEffectTextures();

constexpr int kEffectCount = 1000;
// The effect pool as parallel arrays, index = entry.
struct EffectPoolArrays {
    int32_t type[kEffectCount];
    int32_t active[kEffectCount];
    int32_t timer[kEffectCount];
    float angle[kEffectCount];
    float x[kEffectCount];
    float y[kEffectCount];
    float z[kEffectCount];
};
extern EffectPoolArrays EffectPool;
extern int32_t ExplosionSoundCount;
extern int32_t LevelUpDisplayCounter;

void InitEffects();
// Places an effect in the first free entry and plays its type's sound.
void SpawnEffect(int32_t type, float x, float y, float z);
void FreeEffect(int32_t index);
void UpdateEffects();
void DrawEffectsPass1();
void DrawEffectsPass2();

// A member of Game whose construction resets the effect pool.
struct EffectPoolInitializer {
    EffectPoolInitializer();
};
