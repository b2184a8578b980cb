// The night boss's attack: the half-fans with their aimed rings and the
// random double rings by Difficulty, and the aim each burst latches once.
#include <gtest/gtest.h>

#include <cmath>

#include "species/canyon/big_day_night_rafflesia_fixture.h"

namespace {

using BigNightRafflesiaPatterns = BigRafflesiaFixture;

TEST_F(BigNightRafflesiaPatterns, HalfFansAndDoubleRingsByDifficulty) {
    const struct { int32_t difficulty, fan, ring, period; } rows[] = {{1, 7, 30, 40}, {2, 9, 40, 30}, {3, 13, 60, 20}};
    for (const auto& row : rows) {
        ClearBullets();
        Difficulty = row.difficulty;
        Enemy& e = SpawnBoss(kSpeciesBigNightRafflesia);
        // Phase 1: a half-fan and an aimed ring on t = 0, nothing on odd t, a half-fan on t = 2.
        e.EnterPhase(1, 240);
        EXPECT_EQ(FireCount(e), row.fan + row.ring) << row.difficulty;
        EXPECT_EQ(FireCount(e), 0);
        EXPECT_EQ(FireCount(e), row.fan);

        // Phase 4: 90 bullets a volley, every `period` calls.
        ClearBullets();
        e.EnterPhase(4, 360);
        EXPECT_EQ(FireCount(e), 90) << row.difficulty;
        int between = 0;
        for (int t = 1; t < row.period; ++t) between += FireCount(e);
        EXPECT_EQ(between, 0);
        EXPECT_EQ(FireCount(e), 90);
        e.Retire(3, 0, 0);
    }

    // A full pool takes what it has room for; the counter runs on.
    ClearBullets();
    Difficulty = 3;
    Enemy& e = SpawnBoss(kSpeciesBigNightRafflesia);
    for (int i = 0; i < kEnemyBulletCount - 40; ++i) PlaceStillBullet();
    e.EnterPhase(4, 360);
    EXPECT_EQ(FireCount(e), 40);
    EXPECT_EQ(e.shotCounter, 1);
}

// The half-fans keep the aim taken at the burst's first frame; the rings aim
// anew; the next burst takes a fresh aim and sweeps the other way.
TEST_F(BigNightRafflesiaPatterns, PhaseOneAimsOncePerBurst) {
    Enemy& e = SpawnBoss(kSpeciesBigNightRafflesia);   // muzzle (640, 100)
    e.EnterPhase(1, 240);
    Fire(e);   // t = 0: the player straight below, 90 degrees
    EXPECT_NEAR(EnemyBulletPool[0].angle, 0.0f, 1e-4f);
    EXPECT_EQ(EnemyBulletPool[0].behaviourId, 33);

    Aim(Vec3{340.0f, 100.0f, 0.0f});   // level with the muzzle, to its left
    ClearBullets();
    Fire(e);
    Fire(e);   // t = 2: the old aim, swept back by 1 degree
    EXPECT_NEAR(EnemyBulletPool[0].angle, -1.0f, 1e-4f);
    for (int t = 3; t <= 13; ++t) Fire(e);
    ClearBullets();
    Fire(e);   // t = 14: a half-fan still on the old aim
    Fire(e);   // t = 15: a ring aimed at the new position
    ASSERT_EQ(ActiveBullets(), 7 + 30);
    EXPECT_NEAR(EnemyBulletPool[0].angle, -7.0f, 1e-4f);
    EXPECT_EQ(EnemyBulletPool[7].aimed, 1);
    EXPECT_NEAR(std::fabs(EnemyBulletPool[7].aimAngle), 3.14159265f, 1e-4f);

    for (int t = 16; t <= 60; ++t) Fire(e);
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_EQ(e.toggle, 1);
    ClearBullets();
    Fire(e);   // the next burst aims at 180 degrees and sweeps the other way
    EXPECT_NEAR(EnemyBulletPool[0].angle, 90.0f, 1e-4f);
    Fire(e);
    Fire(e);
    EXPECT_NEAR(EnemyBulletPool[37].angle, 91.0f, 1e-4f);
}

}   // namespace
