#pragma once
// Set-up for the small flyers' tests: the pools of the enemy fixture, an
// empty bullet pool and the player far below, so that no gate closes and no
// facing turns towards it.
#include "core/bullet.h"
#include "enemy/enemy_fixture.h"

class FlyerFixture : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        EnemyTargetPos = Vec3{640.0f, 900.0f, 0.0f};
        BulletTargetPos = EnemyTargetPos;
    }
    void TearDown() override {
        ClearBullets();
        EnemyTargetPos = BulletTargetPos = Vec3{};
        EnemyFixture::TearDown();
    }

    // Spawns into slot 0 of an empty pool, with the target point the pool
    // update would give it (for routines called on their own).
    static Enemy& SpawnFlyer(int32_t species, int32_t variant, float x, float y, int32_t route, int32_t grade) {
        SpawnEnemy(species, variant, x, y, route, grade);
        EnemyPool[0].target = EnemyTargetPos;
        return EnemyPool[0];
    }
    static int ActiveBullets() {
        int n = 0;
        for (const Bullet& b : EnemyBulletPool) n += b.active != 0 ? 1 : 0;
        return n;
    }
};
