#include "species/cave/grand_magic_stone.h"

#include "core/common_textures.h"
#include "core/game_codes.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"
#include "platform/graphics.h"

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
    restoreDefense = 150;
    restoreDefense2 = 150;
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
    status.defense = 999;
    status.defense2 = 999;
}

void GrandMagicStone::Update() {
    if (status.hp < 1) {
        Retire(kRetireKilled, 0, 0);
        return;
    }
    if (guardTimer > 0) {
        --guardTimer;
        if (guardTimer == 0) {
            status.defense = restoreDefense;
            status.defense2 = restoreDefense2;
        }
    }
}

void GrandMagicStone::Draw() {
    DrawSheetCell(Rect{0, 0, 128, 256}, 64.0f, 128.0f, 1.0f, 1.0f);
    if (guardTimer <= 0 || guardLength <= 0) return;
    // The barrier fades from alpha 180 as the guard runs out.
    uint32_t alpha = static_cast<uint32_t>(180.0f / static_cast<float>(guardLength) * static_cast<float>(guardTimer));
    if (alpha > 255u) alpha = 255u;
    world = MatrixMultiply(MatrixScaling(4.5f, 4.5f, 0.0f), MatrixTranslation(x, y, z));
    SpriteBatch->SetTransform(world);
    const Rect cell{0, 0, 64, 64};
    const Vec3 centre{32.0f, 32.0f, 0.0f};
    if (BarrierTexture != nullptr) SpriteBatch->Draw(BarrierTexture, &cell, &centre, nullptr, (alpha << 24) | 0x00FFFFFFu);
    SpriteBatch->SetTransform(MatrixIdentity());
}
