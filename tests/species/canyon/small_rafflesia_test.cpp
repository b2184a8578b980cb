// The two small rafflesias: which routine and form fires by grade, route,
// variant and Difficulty, how often and how many, the cycles and their
// locked aims, the ring toggle and the death.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/canyon/canyon_fixture.h"

namespace {

class SmallRafflesiaTest : public CanyonFixture {
protected:
    // Bullet angle in degrees from the direction `aimDegrees`.
    static float Off(const Bullet& b, float aimDegrees) { return b.angle - aimDegrees; }
};

TEST_F(SmallRafflesiaTest, EachFormFiresItsVolleysOnItsClock) {
    struct Case {
        int32_t species, grade, route, variant, difficulty;
        int frames;
        std::vector<int> volleys;
        std::vector<int> sizes;   // one value: every volley; else in turn
    };
    const int32_t day = kSpeciesDayRafflesia;
    const int32_t night = kSpeciesNightRafflesia;
    const Case cases[] = {
        {day, 2, 1, 0, 1, 91, {0, 45, 90}, {80}},
        {day, 2, 1, 0, 3, 41, {0, 20, 40}, {80}},
        {day, 2, 1, 1, 3, 31, {0, 15, 30}, {10}},
        {day, 2, 1, 2, 2, 91, {0, 45, 90}, {150}},
        {day, 2, 2, 0, 1, 61, {20, 40, 60}, {24}},
        {day, 2, 2, 0, 2, 21, {20}, {32}},
        {day, 2, 2, 0, 3, 21, {20}, {42}},
        {day, 2, 2, 1, 2, 17, {0, 8, 16}, {10}},
        {day, 2, 2, 2, 3, 41, {0, 20, 40}, {75}},
        {day, 2, 3, 0, 1, 51, {0, 25, 50}, {50}},
        // Twelve bursts, quiet to count 120; the next cycle starts on frame 121.
        {day, 2, 3, 1, 3, 127, Join(Steps(0, 55, 5), {121, 126}), {20}},
        {day, 2, 3, 1, 1, 6, {0, 5}, {12}},
        {day, 2, 3, 2, 1, 41, {0, 40}, {42}},
        // The cave runs the route-2 routine whatever the route.
        {day, 3, 1, 0, 1, 21, {20}, {24}},
        {night, 2, 1, 0, 2, 21, {0, 10, 20}, {16}},
        {night, 2, 1, 1, 1, 61, {0, 30, 60}, {60}},
        {night, 2, 1, 1, 3, 41, {0, 20, 40}, {75}},
        {night, 2, 1, 2, 3, 13, {0, 6, 12}, {20}},
        {night, 2, 2, 0, 1, 64, Join(Steps(0, 28, 2), {61, 63}), {6}},
        {night, 2, 2, 0, 2, 3, {0, 2}, {18}},
        {night, 2, 2, 1, 1, 92, Join(Steps(0, 55, 5), {91}), {9, 5}},
        {night, 2, 2, 1, 3, 6, {0, 5}, {17, 9}},
        {night, 2, 3, 0, 1, 62, Join(Steps(0, 27, 3), {61}), {15}},
        {night, 3, 3, 1, 1, 2, {0}, {9}},
        // Forms a routine does not have, a larger variant, or a Difficulty
        // outside 1..3: nothing.
        {night, 2, 2, 2, 1, 100, {}, {}},
        {night, 2, 3, 1, 1, 100, {}, {}},
        {day, 2, 1, 3, 1, 100, {}, {}},
        {day, 2, 1, 0, 4, 100, {}, {}},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " grade " << c.grade << " route " << c.route
                                        << " form " << c.variant << " d " << c.difficulty);
        Difficulty = c.difficulty;
        const Enemy& e = Spawn(c.species, c.variant, 640.0f, 200.0f, c.route, c.grade);
        const Volleys v = Run(c.frames);
        EXPECT_EQ(v.frames, c.volleys);
        for (size_t i = 0; i < v.sizes.size(); ++i) EXPECT_EQ(v.sizes[i], c.sizes[i % c.sizes.size()]) << i;
        if (c.volleys.empty()) {
            EXPECT_EQ(e.shotCounter, 0);
        }
    }
}

TEST_F(SmallRafflesiaTest, LargerVariantsStandAndTheOthersRideAndFireDownTo360) {
    ScrollSpeed = 0.01f;
    const Enemy& rider = Spawn(kSpeciesNightRafflesia, 0, 640.0f, 359.99f, 1, 2);
    SpawnEnemy(kSpeciesDayRafflesia, 3, 400.0f, 100.0f, 1, 2);
    const Enemy& stander = EnemyPool[1];
    UpdateEnemies();
    EXPECT_LE(rider.y, 360.0f);
    EXPECT_EQ(ActiveBullets(), 10);
    for (int f = 0; f < 10; ++f) UpdateEnemies();
    EXPECT_GT(rider.y, 360.0f);
    EXPECT_EQ(ActiveBullets(), 10);
    EXPECT_EQ(rider.phaseTimer, 11);
    EXPECT_EQ(stander.y, 100.0f);
}

TEST_F(SmallRafflesiaTest, DayRouteOneFormOneTogglesItsSplittingRings) {
    Difficulty = 3;
    const Enemy& e = Spawn(kSpeciesDayRafflesia, 1, 640.0f, 200.0f, 1, 2);
    const Volleys v = Run(31);
    ASSERT_EQ(v.frames, (std::vector<int>{0, 15, 30}));
    const int32_t types[3] = {5, 8, 5};
    const int32_t behaviours[3] = {21, 22, 21};
    const float starts[3] = {0.0f, -18.0f, 0.0f};
    for (int r = 0; r < 3; ++r) {
        for (int i = 0; i < 10; ++i) {
            const Bullet& b = EnemyBulletPool[10 * r + i];
            EXPECT_EQ(b.spriteType, types[r]);
            EXPECT_EQ(b.behaviourId, behaviours[r]);
            EXPECT_EQ(b.angle, starts[r] + 36.0f * static_cast<float>(i));
            EXPECT_EQ(b.speed, 6.0f);
            EXPECT_EQ(b.aimed, 1);
            EXPECT_EQ(b.patternFlag, 0);
        }
    }
    EXPECT_EQ(e.toggle, 1);
}

TEST_F(SmallRafflesiaTest, DayRouteTwoRingLeavesTheRingPointsWithAGapBelow) {
    Spawn(kSpeciesDayRafflesia, 0, 640.0f, 200.0f, 2, 2);
    Run(21);
    ASSERT_EQ(ActiveBullets(), 24);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(EnemyBulletPool[k].angle, -2.0f + 2.0f * static_cast<float>(k));
        EXPECT_EQ(EnemyBulletPool[k].spriteType, 4);
        EXPECT_EQ(EnemyBulletPool[k].aimed, 1);
    }
    for (int k = 0; k < 21; ++k) {
        const Bullet& b = EnemyBulletPool[3 + k];
        const float a = 60.0f - 15.0f * static_cast<float>(k);
        EXPECT_EQ(b.angle, a);
        EXPECT_EQ(b.aimed, 0);
        EXPECT_EQ(b.spriteType, 7);
        EXPECT_EQ(b.speed, 7.0f);
        EXPECT_NEAR(b.x, 640.0f + 50.0f * std::cos(a * 0.017453292f), 1e-3f);
        EXPECT_NEAR(b.y, 200.0f + 50.0f * std::sin(a * 0.017453292f), 1e-3f);
    }
}

TEST_F(SmallRafflesiaTest, DayRouteThreeBurstPartnersTrailByARandomTenth) {
    SetRandomScript([] { return 47; });
    Spawn(kSpeciesDayRafflesia, 1, 640.0f, 200.0f, 3, 2);
    for (int f = 0; f < 11; ++f) UpdateEnemies();
    // Count 10: speed 4 + 0.1 x 10; six directions 60 apart, the colour-2
    // partner 60 / 2 - 4 + 47 / 10 past its colour-1 bullet.
    ASSERT_EQ(ActiveBullets(), 36);
    for (int i = 0; i < 6; ++i) {
        const Bullet& one = EnemyBulletPool[24 + 2 * i];
        const Bullet& two = EnemyBulletPool[25 + 2 * i];
        EXPECT_EQ(one.angle, 60.0f * static_cast<float>(i));
        EXPECT_EQ(one.spriteType, 6);
        EXPECT_NEAR(two.angle - one.angle, 30.7f, 1e-4f);
        EXPECT_EQ(two.spriteType, 9);
        EXPECT_FLOAT_EQ(two.speed, 5.0f);
    }
}

TEST_F(SmallRafflesiaTest, NightCyclesLockTheirAimAtCountZero) {
    // Route 2, form 1: the fans hold the aim of count 0 through the cycle.
    EnemyTargetPos = Vec3{640.0f, 600.0f, 0.0f};
    Spawn(kSpeciesNightRafflesia, 1, 640.0f, 200.0f, 2, 2);
    UpdateEnemies();
    ASSERT_EQ(ActiveBullets(), 9);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(Off(EnemyBulletPool[k], 90.0f), -30.0f + 20.0f * k, 1e-3f);
    for (int k = 0; k < 5; ++k) EXPECT_NEAR(Off(EnemyBulletPool[4 + k], 90.0f), -40.0f + 20.0f * k, 1e-3f);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 4);
    EXPECT_EQ(EnemyBulletPool[4].spriteType, 9);
    EnemyTargetPos = Vec3{1040.0f, 200.0f, 0.0f};
    for (int f = 1; f < 91; ++f) UpdateEnemies();
    EXPECT_NEAR(Off(EnemyBulletPool[ActiveBullets() - 5], 90.0f), -40.0f, 1e-3f);
    const int before = ActiveBullets();
    UpdateEnemies();   // count 0 again: the aim turns to the player's new place
    EXPECT_NEAR(EnemyBulletPool[before + 4].angle, -40.0f, 1e-3f);

    // Route 3: a ring with the aim in the middle of a gap, and six aimed
    // bullets from the ring points that speed up through the cycle.
    SetUp();
    Spawn(kSpeciesNightRafflesia, 0, 640.0f, 200.0f, 3, 2);
    UpdateEnemies();
    ASSERT_EQ(ActiveBullets(), 15);
    for (int k = 0; k < 9; ++k) EXPECT_NEAR(Off(EnemyBulletPool[k], 90.0f), -20.0f + 40.0f * k, 1e-3f);
    for (int k = 0; k < 6; ++k) {
        const Bullet& b = EnemyBulletPool[9 + k];
        EXPECT_EQ(b.aimed, 1);
        EXPECT_EQ(b.speed, 6.0f);
        EXPECT_NEAR(b.x, 640.0f + 50.0f * std::cos(60.0f * k * 0.017453292f), 1e-3f);
    }
    for (int f = 1; f < 28; ++f) UpdateEnemies();
    EXPECT_FLOAT_EQ(EnemyBulletPool[ActiveBullets() - 1].speed, 6.0f + 0.2f * 27.0f);
}

TEST_F(SmallRafflesiaTest, DeathCancelsBulletsAndDropsByGradeAndDifficulty) {
    struct Case {
        int32_t species, grade, difficulty, count;
        float step;
    };
    const Case cases[] = {
        {kSpeciesDayRafflesia, 2, 1, 6, 60.0f}, {kSpeciesNightRafflesia, 2, 2, 7, 51.4f},
        {kSpeciesDayRafflesia, 2, 3, 9, 40.0f}, {kSpeciesNightRafflesia, 3, 1, 7, 51.4f},
        {kSpeciesDayRafflesia, 3, 2, 8, 45.0f}, {kSpeciesNightRafflesia, 3, 3, 10, 36.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << " d " << c.difficulty);
        Difficulty = c.difficulty;
        PlaceEnemyBullet(false, BulletShot{.x = 400.0f, .y = 300.0f, .size = 1});
        Enemy& e = Spawn(c.species, 0, 500.0f, 400.0f, 1, c.grade);
        e.status.hp = 0;
        UpdateEnemies();
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(ActiveBullets(), 0);
        EXPECT_EQ(ActiveEffects(kEffectCancelCoin), 1);
        EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), 1);
        EXPECT_EQ(ActiveItems(kItemBigExperience).size(), 1u);
        ExpectExperienceRing(c.count, c.step);
    }
}

}   // namespace
