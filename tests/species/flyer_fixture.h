#pragma once
// Set-up for the small flyers' tests: the pools of the enemy fixture, an
// empty bullet pool and the player far below, so that no gate closes and no
// facing turns towards it.
#include <vector>

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
    // The update frames (0 = the first) on which bullets appeared, and how many each time.
    struct Volleys {
        std::vector<int> frames;
        std::vector<int> sizes;
    };
    static Volleys Run(int frames) {
        Volleys v;
        for (int f = 0; f < frames; ++f) {
            const int before = ActiveBullets();
            UpdateEnemies();
            const int added = ActiveBullets() - before;
            if (added == 0) continue;
            v.frames.push_back(f);
            v.sizes.push_back(added);
        }
        return v;
    }
};
