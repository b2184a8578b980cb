#pragma once
// The pool of 1000 visual effects.
#include <cstdint>

class Texture;

enum EffectSheet {
    kEffectSheetBulletHit,
    kEffectSheetEnemyDestroy,
    kEffectSheetSlashH,
    kEffectSheetSlashE,
    kEffectSheetSpearHit,
    kEffectSheetSkill1,
    kEffectSheetSkill3,
    kEffectSheetBulletDelete,
    kEffectSheetLevelUpText,
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
// Places an effect in the first free entry without any sound (type, timer 0,
// position, active 1). Returns the entry, or -1 when the pool is full.
int32_t PlaceEffect(int32_t type, float x, float y, float z);
// The explosion sound of an effect placed in `index`: the first five
// explosions after start-up are silent and only counted; after that entries
// with an even index play BossDyingSound, odd ones BossDying2Sound.
void PlayExplosionSound(int32_t index);
void FreeEffect(int32_t index);
// Frees every effect; the explosion count keeps running.
void ClearEffects();
void UpdateEffects();
void DrawEffectsPass1();
void DrawEffectsPass2();

// Where a finished cancel effect (types 13 and 14) leaves its coin: SpawnItem
// unless replaced (tests watch the coins through it).
using EffectCoinSpawner = void (*)(int32_t kind, float x, float y, float angle);
extern EffectCoinSpawner EffectCoinSpawn;

// A member of Game whose construction resets the effect pool.
struct EffectPoolInitializer {
    EffectPoolInitializer();
};
