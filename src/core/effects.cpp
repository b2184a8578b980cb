#include "core/effects.h"

#include <cmath>
#include <cstdlib>

#include "core/common_textures.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/item.h"
#include "core/random.h"
#include "core/sound.h"
#include "platform/graphics.h"

EffectPoolInitializer::EffectPoolInitializer() { InitEffects(); }

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
EffectCoinSpawner EffectCoinSpawn = SpawnItem;

namespace {

constexpr int32_t kLevelUpFrames = 180;
constexpr int32_t kSilentExplosions = 5;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

enum class Motion { None, Rise, AlongAngle };
enum class Anchor { Entry, Player };

// How each type (1..15) runs and looks. The level-up caption (16) has its own rules.
struct EffectKind {
    int32_t step;
    int32_t end;
    Motion motion;
    int32_t sheet;
    int32_t cell;        // square cell size of its strip
    int32_t frameDiv;    // frame = timer / frameDiv
    float scale;         // 0: drawn unscaled at its position
    Anchor anchor;
    int32_t pass;
};

constexpr EffectKind kKinds[16] = {
    {},
    {2, 60, Motion::None, kEffectSheetBulletHit, 200, 3, 0.0f, Anchor::Entry, 2},
    {2, 60, Motion::None, kEffectSheetEnemyDestroy, 200, 3, 0.0f, Anchor::Entry, 1},
    {2, 60, Motion::Rise, kEffectSheetEnemyDestroy, 200, 3, 0.5f, Anchor::Entry, 1},
    {2, 60, Motion::AlongAngle, kEffectSheetEnemyDestroy, 200, 3, 0.5f, Anchor::Entry, 1},
    {2, 60, Motion::None, kEffectSheetEnemyDestroy, 200, 3, 0.5f, Anchor::Entry, 1},
    {2, 60, Motion::Rise, kEffectSheetEnemyDestroy, 200, 3, 2.0f, Anchor::Entry, 1},
    {2, 60, Motion::Rise, kEffectSheetEnemyDestroy, 200, 3, 4.0f, Anchor::Entry, 1},
    {2, 60, Motion::None, kEffectSheetSlashE, 200, 3, 0.0f, Anchor::Entry, 1},
    {2, 60, Motion::None, kEffectSheetSlashH, 100, 3, 0.0f, Anchor::Entry, 1},
    {2, 60, Motion::None, kEffectSheetSpearHit, 100, 6, 0.0f, Anchor::Entry, 1},
    {2, 60, Motion::None, kEffectSheetSkill1, 256, 2, 6.0f, Anchor::Player, 2},
    {1, 150, Motion::None, kEffectSheetSkill3, 200, 3, 3.0f, Anchor::Player, 2},
    {3, 60, Motion::None, kEffectSheetBulletDelete, 100, 3, 0.0f, Anchor::Entry, 1},
    {3, 60, Motion::None, kEffectSheetBulletDelete, 100, 3, 0.0f, Anchor::Entry, 1},
    {3, 60, Motion::None, kEffectSheetBulletDelete, 100, 3, 0.0f, Anchor::Entry, 1},
};

constexpr int32_t kSkill3HalfLength = 75;   // the aura's strip has two rows of 75 frames

// The source cell of an effect: a vertical strip, except the two-row skill-3 sheet.
Rect EffectCell(int32_t type, int32_t timer) {
    const EffectKind& k = kKinds[type];
    if (type == kEffectSkill3Aura) {
        const int32_t column = (timer < kSkill3HalfLength ? timer : timer - kSkill3HalfLength) / k.frameDiv;
        const int32_t row = timer / kSkill3HalfLength;
        return Rect{column * k.cell, row * k.cell, (column + 1) * k.cell, (row + 1) * k.cell};
    }
    const int32_t frame = timer / k.frameDiv;
    return Rect{0, frame * k.cell, k.cell, (frame + 1) * k.cell};
}

void DrawScaled(Texture* texture, const Rect& cell, const Vec3& centre, float scale, float x, float y, float z) {
    SpriteBatch->SetTransform(
        MatrixMultiply(MatrixScaling(scale, scale, 1.0f), MatrixTranslation(x, y, z)));
    SpriteBatch->Draw(texture, &cell, &centre, nullptr, kOpaqueWhite);
    SpriteBatch->SetTransform(MatrixIdentity());
}

// The caption rises from 60 to 90 pixels above the player as its counter runs out.
void DrawLevelUpCaption() {
    const Vec3 centre{64.0f, 16.0f, 0.0f};
    const float rise = static_cast<float>(90 - LevelUpDisplayCounter / 6);
    const Vec3 at{EffectAnchorPos.x, EffectAnchorPos.y - rise, EffectAnchorPos.z};
    SpriteBatch->Draw(EffectTextures[kEffectSheetLevelUpText], nullptr, &centre, &at, kOpaqueWhite);
}

void DrawEffect(int32_t i) {
    const int32_t type = EffectPool.type[i];
    if (type == kEffectLevelUp) {
        DrawLevelUpCaption();
        return;
    }
    const EffectKind& k = kKinds[type];
    Texture* texture = EffectTextures[k.sheet];
    const Rect cell = EffectCell(type, EffectPool.timer[i]);
    const float half = static_cast<float>(k.cell) / 2.0f;
    const Vec3 centre{half, half, 0.0f};
    const Vec3 at = k.anchor == Anchor::Player ? EffectAnchorPos
                                                : Vec3{EffectPool.x[i], EffectPool.y[i], EffectPool.z[i]};
    if (type == kEffectRingExplosion) {
        // Ten cells on a ring that widens by 2 pixels per timer step.
        const float radius = 2.0f * static_cast<float>(EffectPool.timer[i]);
        for (int32_t d = 0; d < 10; ++d) {
            const float a = static_cast<float>(36 * d) * kDegToRad;
            DrawScaled(texture, cell, centre, k.scale, at.x + radius * std::cos(a), at.y + radius * std::sin(a), at.z);
        }
        return;
    }
    if (k.scale == 0.0f) {
        SpriteBatch->Draw(texture, &cell, &centre, &at, kOpaqueWhite);
        return;
    }
    DrawScaled(texture, cell, centre, k.scale, at.x, at.y, at.z);
}

void DrawPass(int32_t pass) {
    for (int32_t i = 0; i < kEffectCount; ++i) {
        if (EffectPool.active[i] == 0) continue;
        const int32_t type = EffectPool.type[i];
        if (type < 1 || type > kEffectLevelUp) continue;
        const int32_t typePass = type == kEffectLevelUp ? 2 : kKinds[type].pass;
        if (typePass == pass) DrawEffect(i);
    }
}

// One update of a timed effect (types 1..15). It steps while short of its end
// and is freed in the same update that brings it there, so it is never drawn
// with a frame past its strip.
void StepTimedEffect(int32_t i) {
    const int32_t type = EffectPool.type[i];
    const EffectKind& k = kKinds[type];
    if (EffectPool.timer[i] < k.end) {
        EffectPool.timer[i] += k.step;
        if (k.motion == Motion::Rise) {
            EffectPool.y[i] -= 3.0f;
        } else if (k.motion == Motion::AlongAngle) {
            const float a = EffectPool.angle[i] * kDegToRad;
            EffectPool.x[i] += std::cos(a) * 10.0f;
            EffectPool.y[i] += std::sin(a) * 10.0f;
        }
    }
    if (EffectPool.timer[i] < k.end) return;
    if (type == kEffectCancelCoin) EffectCoinSpawn(kItemCoin, EffectPool.x[i], EffectPool.y[i], 0.0f);
    if (type == kEffectCancelBigCoin) EffectCoinSpawn(kItemBigCoin, EffectPool.x[i], EffectPool.y[i], 0.0f);
    FreeEffect(i);
}

}  // namespace

void InitEffects() {
    for (int32_t i = 0; i < kEffectCount; ++i) {
        EffectPool.type[i] = 0;
        EffectPool.timer[i] = 0;
        EffectPool.active[i] = 0;
        EffectPool.x[i] = EffectPool.y[i] = EffectPool.z[i] = 0.0f;
    }
    LevelUpDisplayCounter = 0;
    ExplosionSoundCount = 0;
}

int32_t PlaceEffect(int32_t type, float x, float y, float z) {
    for (int32_t i = 0; i < kEffectCount; ++i) {
        if (EffectPool.active[i] != 0) continue;
        EffectPool.x[i] = x;
        EffectPool.y[i] = y;
        EffectPool.z[i] = z;
        EffectPool.type[i] = type;
        EffectPool.timer[i] = 0;
        EffectPool.active[i] = 1;
        return i;
    }
    return -1;
}

void PlayExplosionSound(int32_t index) {
    if (ExplosionSoundCount < kSilentExplosions) {
        ++ExplosionSoundCount;
        return;
    }
    if (index % 2 == 0) BossDyingSound.Play(6, 0);
    else BossDying2Sound.Play(7, 0);
}

void SpawnEffect(int32_t type, float x, float y, float z) {
    const int32_t i = PlaceEffect(type, x, y, z);
    if (i < 0) return;
    switch (type) {
        case kEffectPlayerHit: PlayerHitSound.Play(3, 0); break;
        case kEffectEnemyDeath: EnemyDestroySound.Play(5, 0); break;
        case kEffectRisingExplosion:
        case kEffectRingExplosion: PlayExplosionSound(i); break;
        case kEffectFlyingExplosion:
            PlayExplosionSound(i);
            EffectPool.angle[i] = static_cast<float>(GameRandom() % 3600) / 10.0f;
            break;
        case kEffectMidBossDeath: MidBossDestroySound.Play(8, 0); break;
        case kEffectBossDeath: BossDestroySound.Play(9, 0); break;
        case kEffectLevelUp:
            LevelUpSound.Play(2, 0);
            LevelUpDisplayCounter = kLevelUpFrames;
            break;
        default: break;
    }
}

void FreeEffect(int32_t index) {
    if (index < 0 || index >= kEffectCount) return;
    if (EffectPool.type[index] == kEffectLevelUp) LevelUpDisplayCounter = 0;
    EffectPool.active[index] = 0;
    EffectPool.timer[index] = 0;
    EffectPool.type[index] = 0;
    EffectPool.x[index] = EffectPool.y[index] = EffectPool.z[index] = 0.0f;
}

void ClearEffects() {
    for (int32_t i = 0; i < kEffectCount; ++i)
        if (EffectPool.active[i] != 0) FreeEffect(i);
}

void UpdateEffects() {
    for (int32_t i = 0; i < kEffectCount; ++i) {
        if (EffectPool.active[i] == 0) continue;
        const int32_t type = EffectPool.type[i];
        if (type < 1 || type > kEffectLevelUp) continue;
        if (type != kEffectLevelUp) {
            StepTimedEffect(i);
        } else if (LevelUpDisplayCounter > 0) {
            --LevelUpDisplayCounter;
        } else {
            FreeEffect(i);
        }
    }
}

void DrawEffectsPass1() { DrawPass(1); }
void DrawEffectsPass2() { DrawPass(2); }
