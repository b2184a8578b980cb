// The pool of 50 enemies: the per-frame update with its draw list, the two
// draw layers, the field-end clear and the accessors the skills use.
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_ids.h"

int32_t EnemyDrawOrder[kEnemyCount];
int32_t EnemyDrawLayer[kEnemyCount];
int32_t EnemyDrawCount = 0;

namespace {

void ClearDrawList() {
    for (int i = 0; i < kEnemyCount; ++i) {
        EnemyDrawOrder[i] = -1;
        EnemyDrawLayer[i] = -1;
    }
    EnemyDrawCount = 0;
}

// Draws the entries of the draw list that were listed on `layer`; an enemy
// retired during this frame's update is skipped.
void DrawLayer(int32_t layer) {
    for (int k = 0; k < EnemyDrawCount && k < kEnemyCount; ++k) {
        const int32_t slot = EnemyDrawOrder[k];
        if (EnemyDrawLayer[k] != layer || slot < 0 || slot >= kEnemyCount) continue;
        Enemy& e = EnemyPool[slot];
        if (!IsEnemySpecies(e.species)) continue;
        e.Enemy::Draw();
    }
}

}  // namespace

void UpdateEnemies() {
    ClearDrawList();
    for (int i = 0; i < kEnemyCount; ++i) {
        Enemy& e = EnemyPool[i];
        EnemyGaugeRecord& r = EnemyStatusTable[i];
        if (e.active == 0) {
            if (r.active != 0) CloseEnemyGauge(r);
            continue;
        }
        EnemyDrawOrder[EnemyDrawCount] = i;
        EnemyDrawLayer[EnemyDrawCount] = e.layer;
        ++EnemyDrawCount;

        e.target = EnemyTargetPos;
        e.scrollSpeed = ScrollSpeed;
        e.Enemy::Update();
        e.EndFrame(r);
    }
}

void DrawEnemiesGround() { DrawLayer(1); }
void DrawEnemiesAir() { DrawLayer(0); }

void DefeatAllEnemies() {
    ClearDrawList();
    for (Enemy& e : EnemyPool)
        if (e.active != 0) e.Retire(kRetireKilled, 0, 0);
}

StatusBlock GetEnemyStatus(int32_t slot) {
    if (slot < 0 || slot >= kEnemyCount) return StatusBlock{};
    return EnemyPool[slot].GetStatus();
}

Vec3 GetEnemyPosition(int32_t slot) {
    if (slot < 0 || slot >= kEnemyCount) return Vec3{};
    const Enemy& e = EnemyPool[slot];
    return Vec3{e.x, e.y, e.z};
}

void SetGrandMagicStoneGuard(int32_t frames) {
    for (Enemy& e : EnemyPool) {
        if (e.species != kSpeciesGrandMagicStone) continue;
        e.RaiseGuard(frames);
        return;
    }
}
