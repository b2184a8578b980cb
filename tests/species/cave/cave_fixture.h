#pragma once
// Set-up for the cave's tests: the pools of the enemy fixture, empty bullet
// and item pools, the player below the middle of the playfield, and counts of
// what the satellites and their commanders leave in the pools.
#include <vector>

#include "core/bullet.h"
#include "core/random.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"

class CaveFixture : public EnemyFixture {
protected:
    static constexpr Vec3 kPlayer{640.0f, 600.0f, 0.0f};

    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        MagnetTimer = 0;
        Difficulty = 1;
        EnemyTargetPos = ChildTargetPos = BulletTargetPos = kPlayer;
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        ClearBullets();
        MagnetTimer = 0;
        EnemyTargetPos = ChildTargetPos = BulletTargetPos = Vec3{};
        EnemyFixture::TearDown();
    }

    static std::vector<const Bullet*> ActiveBullets() {
        std::vector<const Bullet*> bullets;
        for (const Bullet& b : EnemyBulletPool)
            if (b.active != 0) bullets.push_back(&b);
        return bullets;
    }
    static int LiveSatellites() {
        int n = 0;
        for (const EnemyChild& c : EnemyChildPool) n += c.active != 0 ? 1 : 0;
        return n;
    }
    // The bullets in the pool, taken out of it.
    static std::vector<Bullet> TakeBullets() {
        std::vector<Bullet> fired;
        for (const Bullet* b : ActiveBullets()) fired.push_back(*b);
        ClearBullets();
        return fired;
    }
    // One frame of the satellites, or of the enemy pool; what it fired.
    static std::vector<Bullet> SatelliteFrame() {
        UpdateEnemyChildren();
        return TakeBullets();
    }
    static std::vector<Bullet> EnemyFrame() {
        UpdateEnemies();
        return TakeBullets();
    }
};
