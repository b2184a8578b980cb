#pragma once
// Set-up for the grass mid-bosses and cocoons: the pools of the enemy fixture,
// an empty bullet pool, the player well below the playfield's middle and the
// standard generator seeded.
#include <cstdlib>
#include <vector>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "core/random.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"

class GrassSpeciesTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        MagnetTimer = 0;
        EnemyTargetPos = BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        std::srand(7);
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        ClearBullets();
        EnemyTargetPos = BulletTargetPos = Vec3{};
        EnemyFixture::TearDown();
    }

    // Spawns into slot 0 of the empty pool.
    static Enemy& Spawn(int32_t species, int32_t variant, float x, float y, int32_t route, int32_t grade) {
        SpawnEnemy(species, variant, x, y, route, grade);
        return EnemyPool[0];
    }
};
