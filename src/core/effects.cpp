#include "core/effects.h"

#include "app/common_textures.h"

EffectPoolInitializer::EffectPoolInitializer() = default;

Texture* EffectTextures[kEffectSheetCount] = {};

namespace {

struct EffectFile {
    const char* path;
    int width;
    int height;
};

const EffectFile kEffectFiles[kEffectSheetCount] = {
    {"Texture/Effects/bullet_hit.png", 200, 6000},
    {"Texture/Effects/enemy_destroy.png", 200, 6000},
    {"Texture/Effects/slash_h.png", 100, 3000},
    {"Texture/Effects/slash_e.png", 200, 6000},
    {"Texture/Effects/spear_hit.png", 100, 1000},
    {"Texture/Effects/skill1.png", 256, 7680},
    {"Texture/Effects/skill3.png", 5000, 400},
    {"Texture/Effects/bullet_delete.png", 100, 3000},
    {"Texture/Effects/levelup_text.png", 128, 32},
};

}  // namespace

bool LoadEffectTextures() {
    for (int i = 0; i < kEffectSheetCount; ++i) {
        EffectTextures[i] = LoadTexture(kEffectFiles[i].path, kEffectFiles[i].width, kEffectFiles[i].height, kKeyBlack);
        if (EffectTextures[i] == nullptr) return false;
    }
    return true;
}

void ReleaseEffectTextures() {
    for (Texture*& t : EffectTextures) ReleaseTexture(t);
}

EffectPoolArrays EffectPool;
int32_t ExplosionSoundCount = 0;
int32_t LevelUpDisplayCounter = 0;

void InitEffects() {}
void SpawnEffect(int32_t, float, float, float) {}
void FreeEffect(int32_t) {}
void UpdateEffects() {}
void DrawEffectsPass1() {}
void DrawEffectsPass2() {}
