#pragma once
// Set-up for the grass bosses' tests: the enemy fixture's pools, an empty
// bullet pool, the knight low in the middle, no magnet and no random script
// left behind; the boss spawned where the field timeline spawns it.
#include "core/bullet.h"
#include "core/item.h"
#include "core/random.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"

class GroundBossFixture : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        MagnetTimer = 0;
        EnemyTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        BulletTargetPos = EnemyTargetPos;
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        ClearBullets();
        MagnetTimer = 0;
        EnemyTargetPos = BulletTargetPos = Vec3{};
        EnemyFixture::TearDown();
    }

    // The boss at the timeline's spawn point (640, -50), in slot 0.
    static Enemy& SpawnBoss(int32_t species) {
        SpawnEnemy(species, 0, 640.0f, -50.0f, 1, 1);
        return EnemyPool[0];
    }
    // The boss standing at (x, y) on the first frame of `phase`.
    static Enemy& BossInPhase(int32_t species, int32_t phase, int32_t duration, float x = 640.0f, float y = 150.0f) {
        Enemy& e = SpawnBoss(species);
        e.x = x;
        e.y = y;
        e.EnterPhase(phase, duration);
        return e;
    }
    // Runs `frames` frames; the number of them on which bullets appeared.
    static int VolleyFrames(int frames, int* bullets = nullptr) {
        int volleys = 0;
        for (int f = 0; f < frames; ++f) {
            const int before = ActiveBullets();
            UpdateEnemies();
            const int added = ActiveBullets() - before;
            volleys += added > 0 ? 1 : 0;
            if (bullets != nullptr) *bullets += added;
        }
        return volleys;
    }

    // One whole phase (its fire frames and the 62 after) at each Difficulty
    // 1..3: the frames with a volley must be volleys[d - 1], each of
    // `perVolley` bullets, and the phase must have given way to `next`.
    void ExpectPhaseVolleys(int32_t species, int32_t phase, int32_t duration, const int (&volleys)[3], int perVolley,
                            int32_t next) {
        for (int32_t d = 1; d <= 3; ++d) {
            SCOPED_TRACE(testing::Message() << "Difficulty " << d);
            SetUp();
            Difficulty = d;
            Enemy& e = BossInPhase(species, phase, duration);
            int bullets = 0;
            EXPECT_EQ(VolleyFrames(duration + 62, &bullets), volleys[d - 1]);
            EXPECT_EQ(bullets, perVolley * volleys[d - 1]);
            EXPECT_EQ(e.bossPhase, next);
        }
        ClearBullets();
    }
};
