#pragma once
// Set-up for the canyon bosses' tests: the pools of the enemy fixture, an
// empty bullet pool, a still ground (scroll 0) and the player below the boss.
#include <cstdlib>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"

class BigRafflesiaFixture : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        std::srand(7);
        Aim(Vec3{640.0f, 600.0f, 0.0f});
    }
    void TearDown() override {
        ClearBullets();
        EnemyTargetPos = BulletTargetPos = Vec3{};
        EnemyFixture::TearDown();
    }

    // The player at `p`, for the pool update and for a routine called on its own.
    static void Aim(const Vec3& p) {
        EnemyTargetPos = BulletTargetPos = p;
        EnemyPool[0].target = p;
    }
    // A boss spawned as the canyon script does (grade 2) into slot 0, centre at (640, y).
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
    static int ActiveBullets() {
        int n = 0;
        for (const Bullet& b : EnemyBulletPool) n += b.active != 0 ? 1 : 0;
        return n;
    }
    static int Effects(int32_t type) {
        int n = 0;
        for (int i = 0; i < kEffectCount; ++i) n += EffectPool.active[i] != 0 && EffectPool.type[i] == type ? 1 : 0;
        return n;
    }
    static int Items(int32_t kind) {
        int n = 0;
        for (const Item& it : ItemPool) n += it.active != 0 && it.kind == kind ? 1 : 0;
        return n;
    }
    // A still small bullet at the top left, for the cancels to take.
    static void PlaceStillBullet() {
        PlaceEnemyBullet(true, BulletShot{.x = 300.0f, .y = 50.0f, .size = 1, .power = 1, .power2 = 1});
    }
};
