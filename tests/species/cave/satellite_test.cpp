// A satellite by itself: its trail and the draw along it, its death with ring
// and reward, and its silent departure beyond the margin.
#include <gtest/gtest.h>

#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

constexpr int32_t kNoPattern = 5;

using SatelliteTest = CaveFixture;

TEST_F(SatelliteTest, TrailRecordsEveryOtherFrameAndShrinksWithAge) {
    const int32_t i = SpawnEnemyChild(kSpeciesSatellite2, kNoPattern, 400.0f, 300.0f, 1, 10, 10);
    EnemyChild& c = EnemyChildPool[i];
    // Ages 0..4, moved 10 pixels right every frame: points at ages 0, 2 and 4.
    for (int f = 0; f < 5; ++f) {
        UpdateEnemyChildren();
        MoveEnemyChild(i, c.x + 10.0f, 300.0f, 0.0f);
    }
    EXPECT_EQ(c.phaseTimer, 5);
    EXPECT_EQ(c.trailCursor, 3);
    const float xs[3] = {400.0f, 420.0f, 440.0f};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(c.trailUsed[k], 1);
        EXPECT_EQ(c.trailAge[k], 2 - k);
        EXPECT_EQ(c.trailPosition[k].x, xs[k]);
    }
    EXPECT_EQ(c.trailUsed[3], 0);

    c.hitFlag = 1;
    DrawEnemyChildren();
    ASSERT_EQ(Draws().size(), 3u);
    const float scales[3] = {0.8f, 0.9f, 1.0f};
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(Draws()[k].transform.m[0][0], scales[k]);
        EXPECT_FLOAT_EQ(Draws()[k].transform.m[3][0], xs[k]);
        EXPECT_EQ(Draws()[k].color, 0x96FFF200u);
        EXPECT_TRUE(SameRect(Draws()[k].source, Rect{0, 64, 64, 128}));
    }
    EXPECT_EQ(c.hitFlag, 0);

    // Eleven records by age 20: the ring wraps, the oldest point has age 9.
    for (int f = 5; f < 21; ++f) UpdateEnemyChildren();
    EXPECT_EQ(c.trailCursor, 1);
    EXPECT_EQ(c.trailAge[0], 0);
    EXPECT_EQ(c.trailAge[1], 9);
    SpriteBatch->ClearRecords();
    DrawEnemyChildren();
    ASSERT_EQ(Draws().size(), 10u);
    EXPECT_NEAR(Draws()[1].transform.m[0][0], 0.1f, 1e-6f);
    EXPECT_EQ(Draws()[1].color, 0xFFFFFFFFu);
}

TEST_F(SatelliteTest, DeathDropsARingByDifficultyAndPaysDoubleWhileTheBonusRuns) {
    const int rings[3] = {5, 6, 7};
    const float steps[3] = {72.0f, 60.0f, 51.4f};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        SCOPED_TRACE(d);
        Difficulty = d;
        const int32_t i = SpawnEnemyChild(kSpeciesSatellite, kNoPattern, 400.0f, 300.0f, 1, 10, 10);
        EnemyChildPool[i].trailUsed[2] = 1;
        EnemyChildPool[i].status.hp = 0;
        UpdateEnemyChildren();
        const auto items = ActiveItems(kItemExperience);
        ASSERT_EQ(static_cast<int>(items.size()), rings[d - 1]);
        EXPECT_FLOAT_EQ(items[1]->angle, steps[d - 1]);
        EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 1);
        EXPECT_EQ(BaseScore, 2000);
        EXPECT_EQ(EnemyChildPool[i].active, 0);
        EXPECT_EQ(EnemyChildPool[i].trailUsed[2], 0);
    }
    // After 45 frames on screen the bonus is spent: the reward once.
    const int32_t i = SpawnEnemyChild(kSpeciesSatellite, kNoPattern, 400.0f, 300.0f, 1, 10, 10);
    for (int f = 0; f < 45; ++f) UpdateEnemyChildren();
    RemoveEnemyChild(i, 1);
    UpdateEnemyChildren();
    EXPECT_EQ(BaseScore, 2000 + 1000);
}

TEST_F(SatelliteTest, BeyondTheMarginItLeavesWithoutBurstOrReward) {
    struct Case {
        float x, y;
        bool leaves;
    };
    const Case cases[] = {{40.0f, 300.0f, true},    {41.0f, 300.0f, false},  {1240.0f, 300.0f, true},
                          {1239.0f, 300.0f, false}, {500.0f, -200.0f, true}, {500.0f, 920.0f, true}};
    for (const Case& k : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        const int32_t i = SpawnEnemyChild(kSpeciesSatellite, kNoPattern, k.x, k.y, 1, 10, 10);
        UpdateEnemyChildren();
        EXPECT_EQ(EnemyChildPool[i].active, k.leaves ? 0 : 1);
        EXPECT_EQ(EnemyChildPool[i].trailUsed[0], k.leaves ? 0 : 1);
        EXPECT_EQ(BaseScore, 0);
        EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 0);
        EXPECT_TRUE(ActiveItems(kItemExperience).empty());
    }
}

}   // namespace
