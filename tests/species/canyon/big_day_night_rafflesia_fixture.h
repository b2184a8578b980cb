#pragma once
// Set-up for the canyon bosses' tests: the grass bosses' fixture (pools, an
// empty bullet pool, the player low in the middle), a still ground (scroll 0)
// and a seeded random generator; the boss spawned at grade 2 as the canyon
// script spawns it.
#include <cstdlib>

#include "core/game_codes.h"
#include "species/grass/ground_boss_fixture.h"

class BigRafflesiaFixture : public GroundBossFixture {
protected:
    void SetUp() override {
        GroundBossFixture::SetUp();
        std::srand(7);
    }

    // The player at `p`, for the pool update and for a routine called on its own.
    static void Aim(const Vec3& p) {
        EnemyTargetPos = BulletTargetPos = p;
        EnemyPool[0].target = p;
    }
    // A boss in slot 0, centre at (640, y), the muzzle 30 pixels higher.
    static Enemy& SpawnBoss(int32_t species, float y = 130.0f) {
        SpawnEnemy(species, 0, 640.0f, y, 1, 2);
        EnemyPool[0].target = EnemyTargetPos;
        return EnemyPool[0];
    }
    // One call of the species' attack routine.
    static void Fire(Enemy& e) {
        if (e.species == kSpeciesBigDayRafflesia) {
            e.BigDayRafflesia::Fire();
        } else {
            e.BigNightRafflesia::Fire();
        }
    }
    // The bullets one call of the attack adds.
    static int FireCount(Enemy& e) {
        const int before = ActiveBullets();
        Fire(e);
        return ActiveBullets() - before;
    }
    // A still small bullet at the top left, for the cancels to take.
    static void PlaceStillBullet() {
        PlaceEnemyBullet(true, BulletShot{.x = 300.0f, .y = 50.0f, .size = 1, .power = 1, .power2 = 1});
    }
};
