// The two mushrooms: their volleys by route, Difficulty and path, the
// firing line, the cave's stream, the death ring, and the reward of the
// canyon's ground turrets.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/canyon/canyon_fixture.h"

namespace {

class MushroomTest : public CanyonFixture {};

TEST_F(MushroomTest, VolleyPeriodAndSizeByDifficultyAndRoute) {
    const int periods[3] = {60, 45, 30};
    for (int32_t species : {kSpeciesDayMushroom, kSpeciesNightMushroom}) {
        for (int32_t d = 1; d <= 3; ++d) {
            for (int32_t route = 1; route <= 3; ++route) {
                SetUp();
                SCOPED_TRACE(testing::Message() << "species " << species << " d " << d << " route " << route);
                Difficulty = d;
                Spawn(species, 0, 640.0f, 100.0f, route, 2);
                const Volleys v = Run(121);
                EXPECT_EQ(v.frames, Multiples(periods[d - 1], 121));
                for (int n : v.sizes) EXPECT_EQ(n, route == 2 ? 4 : 3);
            }
        }
    }
}

TEST_F(MushroomTest, CentreAndSideBulletsSwapColoursBetweenTheSpecies) {
    struct Case {
        int32_t species, route, grade;
        int32_t centreType, sideType;
        float side;
        int centres;
    };
    const Case cases[] = {
        {kSpeciesDayMushroom, 1, 2, 6, 9, 30.0f, 1},
        {kSpeciesDayMushroom, 2, 2, 6, 9, 30.0f, 2},
        {kSpeciesDayMushroom, 3, 2, 6, 9, 45.0f, 1},
        {kSpeciesNightMushroom, 1, 2, 9, 6, 30.0f, 1},
        {kSpeciesNightMushroom, 2, 2, 9, 6, 45.0f, 2},
        {kSpeciesNightMushroom, 3, 2, 9, 6, 45.0f, 1},
        // The cave runs the route-2 volley whatever its route.
        {kSpeciesNightMushroom, 1, 3, 9, 6, 45.0f, 2},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " route " << c.route << " grade " << c.grade);
        const Enemy& e = Spawn(c.species, 0, 500.0f, 200.0f, c.route, c.grade);
        UpdateEnemies();
        ASSERT_EQ(ActiveBullets(), c.centres + 2);
        const float speeds[4] = {8.0f, c.centres == 2 ? 5.0f : 6.0f, 6.0f, 6.0f};
        const float angles[4] = {0.0f, c.centres == 2 ? 0.0f : -c.side, c.centres == 2 ? -c.side : c.side, c.side};
        for (int i = 0; i < c.centres + 2; ++i) {
            const Bullet& b = EnemyBulletPool[i];
            EXPECT_EQ(b.angle, angles[i]) << i;
            EXPECT_EQ(b.speed, speeds[i]) << i;
            EXPECT_EQ(b.spriteType, i < c.centres ? c.centreType : c.sideType) << i;
            EXPECT_EQ(b.aimed, 1);
            EXPECT_EQ(b.patternFlag, 0);
            EXPECT_EQ(b.behaviourId, 0);
            EXPECT_EQ(b.x, 500.0f);
            EXPECT_EQ(b.y, 190.0f);
            EXPECT_EQ(b.power, e.status.attack);
        }
    }
}

TEST_F(MushroomTest, FiresOnlyWhileAtOrAboveTheMiddleLine) {
    Difficulty = 3;
    ScrollSpeed = 1.0f;
    const Enemy& e = Spawn(kSpeciesDayMushroom, 0, 640.0f, 359.0f, 1, 2);
    UpdateEnemies();
    EXPECT_EQ(e.y, 360.0f);
    EXPECT_EQ(ActiveBullets(), 3);
    for (int f = 0; f < 100; ++f) UpdateEnemies();
    EXPECT_EQ(e.y, 460.0f);
    EXPECT_EQ(ActiveBullets(), 3);
    EXPECT_EQ(e.shotCounter, 1);
}

TEST_F(MushroomTest, PathOneHoldsItsVolleyAndOtherPathsStandStill) {
    ScrollSpeed = 2.0f;
    const Enemy& rider = Spawn(kSpeciesDayMushroom, 1, 640.0f, 100.0f, 1, 2);
    SpawnEnemy(kSpeciesNightMushroom, 2, 400.0f, 100.0f, 2, 2);
    const Enemy& stander = EnemyPool[1];
    for (int f = 0; f < 10; ++f) UpdateEnemies();
    EXPECT_EQ(rider.y, 120.0f);
    EXPECT_EQ(rider.shotCounter, 0);
    EXPECT_EQ(stander.y, 100.0f);
    EXPECT_EQ(ActiveBullets(), 0);
}

TEST_F(MushroomTest, StreamLatchesTheAimForEachFortyOneCountCycle) {
    Difficulty = 1;
    // A cave mushroom on path 1 streams whatever its route; the aim is taken
    // from the muzzle (640, 90).
    EnemyTargetPos = Vec3{940.0f, 390.0f, 0.0f};
    Spawn(kSpeciesDayMushroom, 1, 640.0f, 100.0f, 3, 3);
    Volleys v = Run(41);
    EXPECT_EQ(v.frames, (std::vector<int>{0, 2, 4, 6, 8}));
    for (int k = 0; k < 5; ++k) {
        const Bullet& b = EnemyBulletPool[k];
        EXPECT_NEAR(b.angle, 45.0f, 1e-3f);
        EXPECT_EQ(b.aimed, 0);
        EXPECT_FLOAT_EQ(b.speed, 9.0f - 0.2f * static_cast<float>(k));
        EXPECT_EQ(b.spriteType, 6);
    }
    // The player moves mid-cycle: the next cycle takes the new aim.
    EnemyTargetPos = Vec3{340.0f, 390.0f, 0.0f};
    v = Run(41);
    EXPECT_EQ(v.frames, (std::vector<int>{0, 2, 4, 6, 8}));
    EXPECT_NEAR(EnemyBulletPool[5].angle, 135.0f, 1e-3f);

    SetUp();
    Difficulty = 3;
    Spawn(kSpeciesNightMushroom, 1, 640.0f, 100.0f, 2, 2);
    v = Run(41);
    EXPECT_EQ(v.frames.size(), 10u);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 9);
}

TEST_F(MushroomTest, DeathRingByGradeAndDifficulty) {
    struct Case {
        int32_t grade, difficulty, count;
        float step;
    };
    const Case cases[] = {{2, 1, 4, 90.0f}, {2, 2, 5, 72.0f}, {2, 3, 6, 60.0f},
                          {3, 1, 5, 72.0f}, {3, 2, 6, 60.0f}, {3, 3, 8, 45.0f}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << " d " << c.difficulty);
        Difficulty = c.difficulty;
        Enemy& e = Spawn(kSpeciesNightMushroom, 0, 500.0f, 300.0f, 1, c.grade);
        e.status.hp = 0;
        UpdateEnemies();
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 1);
        EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
        ExpectExperienceRing(c.count, c.step);
    }
}

// The small rafflesias' too: 500 and 3500 for the kill, doubled while the
// bonus timer (45 and 90 frames on screen) runs.
TEST_F(MushroomTest, GroundTurretRewardIsDoubledOnlyInsideTheBonusWindow) {
    struct Case {
        int32_t species;
        int window;
        int32_t reward;
    };
    const Case cases[] = {{kSpeciesDayMushroom, 45, 500},
                          {kSpeciesNightMushroom, 45, 500},
                          {kSpeciesDayRafflesia, 90, 3500},
                          {kSpeciesNightRafflesia, 90, 3500}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "species " << c.species);
        SetUp();
        EXPECT_EQ(KillAfter(c.species, c.window - 1), kPopupDoubled);
        EXPECT_EQ(BaseScore, 2 * c.reward);
        SetUp();
        EXPECT_EQ(KillAfter(c.species, c.window), kPopupReward);
        EXPECT_EQ(BaseScore, c.reward);
    }
}

}   // namespace
