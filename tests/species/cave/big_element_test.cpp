// The BigElement: its phases starting on their frames with their formations,
// the crossing sweeps of phase 1 by Difficulty, and the death sequence that
// holds the cave's timeline at its mid-boss frame.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "core/game_codes.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "species/cave/cave_fixture.h"

namespace {

class BigElementTest : public CaveFixture {
protected:
    static Enemy& SpawnBigElement(float x, float y) {
        SpawnEnemy(kSpeciesBigElement, 0, x, y, 1, 3);
        return EnemyPool[0];
    }
};

TEST_F(BigElementTest, PhasesStartOnTheirFramesAndEachChangeRemovesTheFormation) {
    Enemy& e = SpawnBigElement(640.0f, -200.0f);
    const std::pair<int, int32_t> expected[] = {{152, 1},  {604, 2},  {1116, 3}, {1478, 1},
                                                {1930, 2}, {2442, 3}, {2804, 4}};
    const int formation[5] = {0, 2, 20, 10, 0};
    std::vector<std::pair<int, int32_t>> starts;
    int32_t phase = e.bossPhase;
    int frame = 0;
    for (; frame < 3200 && e.active != 0; ++frame) {
        const int before = LiveSatellites();
        const int burstsBefore = ActiveEffects(kEffectEnemyDeath);
        UpdateEnemies();
        if (e.active == 0) break;
        if (e.bossPhase != phase) {
            phase = e.bossPhase;
            starts.emplace_back(frame + 1, phase);
            EXPECT_EQ(LiveSatellites(), 0) << frame;
            EXPECT_EQ(ActiveEffects(kEffectEnemyDeath) - burstsBefore, before) << frame;
        } else if (e.phaseTimer == 1) {
            EXPECT_EQ(LiveSatellites(), formation[phase]) << frame;
            for (const EnemyChild& c : EnemyChildPool) EXPECT_TRUE(c.active == 0 || c.gaugeFlag == 0);
        }
        UpdateEnemyChildren();
        ClearBullets();
        ClearEffects();
    }
    ASSERT_EQ(starts.size(), std::size(expected));
    for (size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(starts[i], expected[i]) << i;
    // Never shot, it rises away through the top without a reward.
    EXPECT_EQ(e.active, 0);
    EXPECT_LT(frame, 3000);
    EXPECT_EQ(BaseScore, 0);
}

TEST_F(BigElementTest, PhaseOneSweepsCrossByDifficultyPastTheAttackWindow) {
    const int perVolley[3] = {8, 12, 16};
    const float firstSpeed[3] = {7.0f, 8.0f, 10.0f};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        SCOPED_TRACE(d);
        Difficulty = d;
        Enemy& e = SpawnBigElement(640.0f, 300.0f);
        e.Retire(kRetirePhase, 1, 390);
        e.phaseTimer = 391;   // past the phase's duration: the sweeps go on
        std::vector<std::vector<Bullet>> volleys;
        for (int f = 0; f < 61; ++f) {
            std::vector<Bullet> fired = EnemyFrame();
            if (!fired.empty()) volleys.push_back(fired);
        }
        ASSERT_EQ(volleys.size(), 30u);
        for (const auto& v : volleys) EXPECT_EQ(static_cast<int>(v.size()), perVolley[d - 1]);
        // First volley: colour 1 at 15 and 165 degrees, colour 2 at 75 and 105,
        // each leaving 50 pixels out along its angle.
        const std::vector<Bullet>& first = volleys.front();
        const Bullet& b = first[0];
        EXPECT_FLOAT_EQ(b.angle, 15.0f);
        EXPECT_EQ(b.spriteType, 6);
        EXPECT_FLOAT_EQ(b.speed, firstSpeed[d - 1]);
        EXPECT_NEAR(b.x, 640.0f + 50.0f * std::cos(15.0f * kDegToRad), 1e-3f);
        EXPECT_FLOAT_EQ(first[1].angle, 75.0f);
        EXPECT_EQ(first[1].spriteType, 9);
        EXPECT_FLOAT_EQ(first[perVolley[d - 1] / 2].angle, 165.0f);
        EXPECT_FLOAT_EQ(first[perVolley[d - 1] / 2 + 1].angle, 105.0f);
        // The last volley of the cycle (c = 58): the colours have traded families.
        const std::vector<Bullet>& last = volleys.back();
        EXPECT_FLOAT_EQ(last[0].angle, 19.0f);
        EXPECT_FLOAT_EQ(last[1].angle, 71.0f);
        EXPECT_EQ(e.shotCounter, 0);
    }
}

TEST_F(BigElementTest, DeathSequenceHoldsTheCaveAtItsMidBossFrame) {
    Difficulty = 3;
    FieldCaveState.frame = 3600;
    Enemy* big = nullptr;
    auto frame = [] {
        FieldCave::Update();
        UpdateEnemies();
        UpdateEnemyChildren();
        ClearBullets();
    };
    for (int f = 0; f < 162; ++f) frame();   // into phase 1, its pair out
    for (Enemy& e : EnemyPool)
        if (e.active != 0 && e.species == kSpeciesBigElement) big = &e;
    ASSERT_NE(big, nullptr);
    ASSERT_EQ(big->bossPhase, 1);
    ASSERT_EQ(LiveSatellites(), 2);
    const int32_t scoreBefore = BaseScore;

    big->status.hp = 0;
    frame();
    // Its satellites die with it, with their own drops and doubled rewards.
    EXPECT_EQ(LiveSatellites(), 0);
    EXPECT_EQ(BaseScore - scoreBefore, 2 * 2000);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 2u * 7u);
    EXPECT_EQ(big->bossPhase, 5);
    EXPECT_GE(MagnetTimer, 1);
    for (int d = 1; d < 120; ++d) {
        frame();
        ASSERT_EQ(big->active, 1) << d;
    }
    EXPECT_EQ(FieldCaveState.frame, 3601);
    frame();   // the 121st dying frame: the destruction, the shower, the reward
    EXPECT_EQ(big->active, 0);
    EXPECT_EQ(BaseScore - scoreBefore, 2 * 2000 + 45000);
    EXPECT_EQ(ActiveItems(kItemBigExperience).size(), 5u);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 2u * 7u + 50u);
    EXPECT_EQ(FieldCaveState.frame, 3601);
    frame();
    EXPECT_EQ(FieldCaveState.frame, 3602);
}

}   // namespace
