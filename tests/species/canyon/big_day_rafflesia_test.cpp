// The day boss's attack: the counter-rotating rings and the fan wheel with its
// orbiting triples by Difficulty, and a full pool taking what it has room for.
#include <gtest/gtest.h>

#include "species/canyon/big_day_night_rafflesia_fixture.h"

namespace {

using BigDayRafflesiaPatterns = BigRafflesiaFixture;

TEST_F(BigDayRafflesiaPatterns, RingsAndFanWheelByDifficulty) {
    const struct {
        int32_t difficulty, ring, fans, triples;
    } rows[] = {{1, 10, 30, 12}, {2, 15, 50, 18}, {3, 20, 70, 18}};
    for (const auto& row : rows) {
        ClearBullets();
        Difficulty = row.difficulty;
        Enemy& e = SpawnBoss(kSpeciesBigDayRafflesia);
        // Phase 1: t = 0 turns the rings by 10 instead of firing; t = 3 fires
        // both rings, colour 2 from r and colour 1 from -r.
        e.EnterPhase(1, 240);
        EXPECT_EQ(FireCount(e), 0);
        EXPECT_EQ(e.spinAngle, 10.0f);
        EXPECT_EQ(FireCount(e) + FireCount(e), 0);
        ASSERT_EQ(FireCount(e), 2 * row.ring) << row.difficulty;
        EXPECT_EQ(EnemyBulletPool[0].angle, 10.0f);
        EXPECT_EQ(EnemyBulletPool[0].spriteType, 9);
        EXPECT_EQ(EnemyBulletPool[1].angle, -10.0f);
        EXPECT_EQ(EnemyBulletPool[1].speed, 9.0f);
        EXPECT_EQ(EnemyBulletPool[1].spriteType, 6);
        EXPECT_EQ(EnemyBulletPool[1].patternFlag, 1);
        EXPECT_EQ(EnemyBulletPool[1].y, 100.0f);   // the muzzle, 30 above the centre
        EXPECT_EQ(e.spinAngle, 11.0f);

        // Phase 2: fans and triples on t = 0, triples alone on t = 3, fans
        // alone on t = 10, nothing from t = 60; t = 90 starts the sub-cycle again.
        ClearBullets();
        e.EnterPhase(2, 180);
        EXPECT_EQ(FireCount(e), row.fans + row.triples) << row.difficulty;
        int quiet = 0;
        for (int t = 1; t <= 9; ++t) quiet += FireCount(e);
        EXPECT_EQ(quiet, 3 * row.triples);
        EXPECT_EQ(FireCount(e), row.fans);
        e.shotCounter = 60;
        int rest = 0;
        for (int t = 60; t <= 90; ++t) rest += FireCount(e);
        EXPECT_EQ(rest, 0);
        EXPECT_EQ(e.shotCounter, 0);
        e.Retire(3, 0, 0);
    }

    // Outside Difficulty 1..3 nothing is fired and nothing counted.
    ClearBullets();
    Difficulty = 0;
    Enemy& e = SpawnBoss(kSpeciesBigDayRafflesia);
    e.EnterPhase(2, 180);
    EXPECT_EQ(FireCount(e), 0);
    EXPECT_EQ(e.shotCounter, 0);
}

TEST_F(BigDayRafflesiaPatterns, HeaviestFrameFillsThePoolAndGoesOn) {
    Difficulty = 3;
    Enemy& e = SpawnBoss(kSpeciesBigDayRafflesia);
    for (int i = 0; i < kEnemyBulletCount - 50; ++i) PlaceStillBullet();
    e.EnterPhase(2, 180);
    EXPECT_EQ(FireCount(e), 50);   // of 88
    EXPECT_EQ(ActiveBullets(), kEnemyBulletCount);
    EXPECT_EQ(e.shotCounter, 1);
    EXPECT_EQ(e.spinAngle, 2.0f);
}

}   // namespace
