// The two canyon bosses' shared frame: the phase cycle and the withdrawal of
// an untouched boss, the rage at a third of their HP, the death chain.
#include <gtest/gtest.h>

#include <string>

#include "core/item.h"
#include "core/popups.h"
#include "core/score.h"
#include "species/canyon/big_day_night_rafflesia_fixture.h"

namespace {

struct BossTimeline {
    int32_t species;
    int32_t withdrawalUpdate;   // counting the spawn frame's update as the first
};

class BigRafflesiaTimeline : public BigRafflesiaFixture, public ::testing::WithParamInterface<BossTimeline> {};

TEST_P(BigRafflesiaTimeline, UntouchedBossWithdrawsAfterTwoCyclesWithoutReward) {
    const BossTimeline p = GetParam();
    Enemy& e = SpawnBoss(p.species);
    for (int update = 1; update < p.withdrawalUpdate; ++update) {
        UpdateEnemies();
        ClearBullets();
        if (update == 151) {
            EXPECT_EQ(e.bossPhase, 0);
        }
        if (update == 152) {
            EXPECT_EQ(e.bossPhase, 1);
            EXPECT_EQ(e.phaseDuration, 240);
        }
        if (e.bossPhase == 3) {
            ASSERT_EQ(e.phaseDuration, p.species == kSpeciesBigDayRafflesia ? 240 : 270);
        }
    }
    ASSERT_EQ(e.active, 1);
    EXPECT_EQ(e.bossPhase, 4);
    EXPECT_EQ(e.cycleCounter, 1);
    EXPECT_EQ(e.y, 130.0f);   // the ground stands still: so does the boss
    EXPECT_EQ(ActiveEffects(kEffectBossDeath), 0);

    UpdateEnemies();
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(e.species, 0);
    EXPECT_EQ(ActiveEffects(kEffectBossDeath), 1);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(FirstScorePopup(), nullptr);
    EXPECT_EQ(ItemCount(kItemExperience) + ItemCount(kItemBigExperience), 0);
}

// From a third of its HP: one cancel, 121 frames of explosions, two rage
// phases, the withdrawal 1445 frames after the threshold frame.
TEST_P(BigRafflesiaTimeline, RagesAtTheThresholdAndWithdrawsAfterTwoRagePhases) {
    Enemy& e = SpawnBoss(GetParam().species);
    for (int update = 1; update <= 160; ++update) UpdateEnemies();
    ASSERT_EQ(e.bossPhase, 1);

    e.status.hp = 15001;
    UpdateEnemies();
    EXPECT_EQ(e.bossPhase, 1);
    ASSERT_GT(ActiveBullets(), 0);

    e.status.hp = 15000;
    UpdateEnemies();   // the threshold frame: its own volley goes with the rest
    EXPECT_EQ(e.bossPhase, 5);
    EXPECT_EQ(e.phaseDuration, 60);
    EXPECT_EQ(e.phaseTimer, 1);
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_EQ(ActiveBullets(), 0);
    EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 0);

    // No second cancel and no attack in the transition; one explosion a frame,
    // the last on the frame that starts the rage.
    for (int k = 1; k <= 121; ++k) {
        PlaceStillBullet();
        UpdateEnemies();
        ASSERT_EQ(ActiveEffects(kEffectRisingExplosion), k);
        ASSERT_EQ(e.bossPhase, k < 121 ? 5 : 6) << k;
    }
    EXPECT_EQ(ActiveBullets(), 121);
    EXPECT_EQ(e.phaseDuration, 600);
    EXPECT_EQ(e.cycleCounter, 0);
    const int32_t scoreAfterCancel = BaseScore;

    for (int k = 122; k < 1445; ++k) {
        UpdateEnemies();
        ClearBullets();
        if (k == 782) {
            EXPECT_EQ(e.cycleCounter, 0);
        }
        if (k == 783) {
            EXPECT_EQ(e.cycleCounter, 1);
            EXPECT_EQ(e.phaseTimer, 0);
        }
    }
    ASSERT_EQ(e.active, 1);
    EXPECT_EQ(e.bossPhase, 6);
    EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 121);
    UpdateEnemies();
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(ActiveEffects(kEffectBossDeath), 1);
    EXPECT_EQ(BaseScore, scoreAfterCancel);
    EXPECT_EQ(ItemCount(kItemExperience) + ItemCount(kItemBigExperience), 0);
}

INSTANTIATE_TEST_SUITE_P(CanyonBosses, BigRafflesiaTimeline,
                         ::testing::Values(BossTimeline{kSpeciesBigDayRafflesia, 2688},
                                           BossTimeline{kSpeciesBigNightRafflesia, 2748}),
                         [](const ::testing::TestParamInfo<BossTimeline>& info) {
                             return info.param.species == kSpeciesBigDayRafflesia ? std::string("Day")
                                                                                  : std::string("Night");
                         });

using BigRafflesiaDeath = BigRafflesiaFixture;

// Brought from full HP to 0 in one frame it dies without raging: 121 frames
// cancelling every bullet, 45 explosions, the burst, the scatter and the reward.
TEST_F(BigRafflesiaDeath, ChainCancelsEveryFrameAndScattersByDifficulty) {
    const struct { int32_t difficulty, bigOrbs, orbs; } rows[] = {{1, 3, 18}, {2, 4, 32}, {3, 5, 50}};
    for (const auto& row : rows) {
        testsupport::ResetPlayState();
        ClearBullets();
        Difficulty = row.difficulty;
        Enemy& e = SpawnBoss(kSpeciesBigNightRafflesia);
        e.EnterPhase(2, 180);
        e.status.hp = 0;
        for (int frame = 1; frame <= 120; ++frame) {
            PlaceStillBullet();
            UpdateEnemies();
            ASSERT_EQ(ActiveBullets(), 0) << frame;
            ASSERT_EQ(e.bossPhase, 8);
            ASSERT_EQ(e.active, 1);
        }
        EXPECT_GE(MagnetTimer, 1);
        EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 45);
        EXPECT_EQ(ItemCount(kItemBigExperience), 0);
        PlaceStillBullet();
        UpdateEnemies();
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(ActiveBullets(), 0);
        EXPECT_EQ(ActiveEffects(kEffectBossDeath), 1);
        EXPECT_EQ(ItemCount(kItemBigExperience), row.bigOrbs) << row.difficulty;
        EXPECT_EQ(ItemCount(kItemExperience), row.orbs) << row.difficulty;
        // 121 cancelled small bullets at 10 each, and the reward.
        EXPECT_EQ(BaseScore, 121 * 10 + 60000);
        bool rewardPopup = false;
        for (const ScorePopup& s : ScorePopupPool) rewardPopup = rewardPopup || (s.kind == 4 && s.value == 60000);
        EXPECT_TRUE(rewardPopup);
    }
}

}   // namespace
