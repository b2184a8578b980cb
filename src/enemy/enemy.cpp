#include "enemy/enemy.h"

int32_t EnemyDrawOrder[kEnemyCount];
int32_t EnemyDrawLayer[kEnemyCount];
int32_t EnemyDrawCount = 0;

void Enemy::Update() {}
void Enemy::Draw() {}
void SpawnEnemy(int32_t, int32_t, float, float, int32_t, int32_t) {}
void UpdateEnemies() {}
void DrawEnemiesGround() {}
void DrawEnemiesAir() {}
void DefeatAllEnemies() {}
StatusBlock GetEnemyStatus(int32_t) { return StatusBlock{}; }
Vec3 GetEnemyPosition(int32_t) { return Vec3{}; }
void SetGrandMagicStoneGuard(int32_t) {}

// The shared EnemyBase is built first (all zero), then GrandMagicStone's own
// block; the satellite lists of the other commanders start empty too, so a
// fresh slot never names another commander's satellites.
Enemy::Enemy() {
    for (int32_t& s : Element::satellites) s = -1;
    for (int32_t& s : BigElement::satellites) s = -1;
    for (int32_t& s : MagicStone::satellites) s = -1;
    status = StatusBlock{};
}
