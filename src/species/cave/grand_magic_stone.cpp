#include "species/cave/grand_magic_stone.h"

#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/game_codes.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"
#include "platform/graphics.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr float kMargin = 400.0f;
constexpr int32_t kBreakHp = 20000;      // at or below this form 0 breaks
constexpr int32_t kBreakGuard = 480;     // the guard raised at the break
constexpr int32_t kGuardDefense = 999;   // every hit does 1
constexpr int32_t kRestoredDefense = 150;
constexpr int32_t kBarrierAlpha = 180;   // the barrier's alpha when the guard is fresh
constexpr int32_t kEndless = 99999;      // the duration of a phase that never ends in play

enum Phase : int32_t {
    kEntry = 0,
    kBentArms = 1,   // form 1: its one phase, the cross
    kFans = 2,
    kSwarm = 3,
    kSentinels = 4,
    kBroken = 5,
    kClosingRings = 6,
    kEllipses = 7,
    kDying = 99,
};

// Both forms sink through explosions of effect 5 and end in a ring of ten.
constexpr SinkingDeath FormDeath(int32_t explosionFrames, int32_t whiteoutFrame, float sink, int32_t finalFrame) {
    return SinkingDeath{.dyingPhase = kDying,
                        .explosionFrames = explosionFrames,
                        .whiteoutFrame = whiteoutFrame,
                        .sink = sink,
                        .blastEffect = kEffectRingExplosion,
                        .finalFrame = finalFrame,
                        .ringCount = 10,
                        .ringRadius = 100.0f,
                        .ringEffect = kEffectRingExplosion};
}
constexpr SinkingDeath kFirstFormDeath = FormDeath(60, -1, 3.0f, 90);
constexpr SinkingDeath kSecondFormDeath = FormDeath(240, 90, 1.0f, 270);

}   // namespace

GrandMagicStone::GrandMagicStone() { ResetGrandMagicStoneBlock(); }

void GrandMagicStone::ResetGrandMagicStoneBlock() {
    for (int i = 0; i < kSatelliteCount; ++i) {
        satellites[i] = -1;
        satelliteAngles[i] = 0.0f;
        satelliteTimers[i] = 0;
    }
    for (Vec3& v : vectors) v = Vec3{};
    guardTimer = 0;
    guardLength = 0;
    restoreDefense = kRestoredDefense;
    restoreDefense2 = kRestoredDefense;
}

void GrandMagicStone::InitStatus(int32_t slot) {
    if (slot < 0 || slot >= kEnemyCount) return;
    // The row does not depend on the level.
    ApplySpeciesStats(slot, kSpeciesGrandMagicStone, 0);
    Enemy& e = EnemyPool[slot];
    e.RaiseGuard(e.variant == 0 ? 240 : 120);
}

void GrandMagicStone::RaiseGuard(int32_t frames) {
    if (guardTimer >= frames) return;
    guardTimer = frames;
    guardLength = frames;
    status.defense = kGuardDefense;
    status.defense2 = kGuardDefense;
}

void GrandMagicStone::Update() {
    AdvanceBobCounter();
    UpdateSatellites();
    if (status.hp < 1) {
        if (deathCounter == 0) ReleaseFormation(kChildKill);
        RunSinkingDeath(variant == 0 ? kFirstFormDeath : kSecondFormDeath);
        return;
    }
    Fire();
    if (guardTimer > 0) {
        --guardTimer;
        if (guardTimer == 0) {
            status.defense = restoreDefense;
            status.defense2 = restoreDefense2;
        }
    }
    if (variant == 0 && bossPhase < kBroken && status.hp <= kBreakHp) Break();
    if (PhaseClockExpired()) {
        ReleaseFormation(kChildRemoveSilently);
        EnterNextPhase();
    }
    RemoveWhenOutside(kMargin, [this] { ReleaseFormation(kChildRemoveSilently); });
}

void GrandMagicStone::EnterNextPhase() {
    const bool second = variant != 0;
    switch (bossPhase) {
        case kEntry: EnterPhase(kBentArms, second ? kEndless : 840); break;
        case kBentArms:   // form 1 stays in its one phase
            if (second)
                EnterPhase(kBentArms, kEndless);
            else
                EnterPhase(kFans, 600);
            break;
        case kFans: EnterPhase(kSwarm, 480); break;
        case kSwarm: EnterPhase(kSentinels, 480); break;
        case kSentinels: EnterPhase(kBentArms, 840); break;   // the cycle again
        case kBroken: EnterPhase(kClosingRings, 270); break;
        case kClosingRings:
        case kEllipses: EnterPhase(kEllipses, kEndless); break;   // the last phase, for good
        default: break;
    }
}

void GrandMagicStone::Break() {
    EnterPhase(kBroken, 60);
    RemoveEnemyChildren(satellites, kChildKill);
    CancelEnemyBullets(1);
    RaiseGuard(kBreakGuard);
}

void GrandMagicStone::ReleaseFormation(int32_t mode) {
    RemoveEnemyChildren(satellites, mode);
    for (int i = 0; i < kSatelliteCount; ++i) {
        satelliteAngles[i] = 0.0f;
        satelliteTimers[i] = 0;
    }
}

void GrandMagicStone::Draw() {
    DrawSheetCell(Rect{0, 0, 128, 256}, 64.0f, 128.0f, 1.0f, 1.0f);
    if (guardTimer <= 0 || guardLength <= 0) return;
    // The barrier fades from alpha 180 as the guard runs out.
    const int64_t fade = static_cast<int64_t>(kBarrierAlpha) * guardTimer / guardLength;
    const uint32_t alpha = fade > 255 ? 255u : static_cast<uint32_t>(fade);
    world = MatrixMultiply(MatrixScaling(4.5f, 4.5f, 0.0f), MatrixTranslation(x, y, z));
    SpriteBatch->SetTransform(world);
    const Rect cell{0, 0, 64, 64};
    const Vec3 centre{32.0f, 32.0f, 0.0f};
    if (BarrierTexture != nullptr)
        SpriteBatch->Draw(BarrierTexture, &cell, &centre, nullptr, (alpha << 24) | 0x00FFFFFFu);
    SpriteBatch->SetTransform(MatrixIdentity());
}
