// The canyon's mid-bosses: the phase machine from the entry to the exit,
// the death chain with its explosions, scatter and reward, and each one's
// attacks by phase and Difficulty.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/canyon/canyon_fixture.h"

namespace {

class MidBossTest : public CanyonFixture {
protected:
    // A mid-boss standing at (640, 200), in `phase` with its duration.
    static Enemy& Place(int32_t species, int32_t phase, int32_t duration) {
        Enemy& e = Spawn(species, 0, 640.0f, 200.0f, 1, 2);
        e.EnterPhase(phase, duration);
        return e;
    }
    // Runs the species' attack `calls` times; the bullets each call added.
    static std::vector<int> Fire(Enemy& e, int calls) {
        std::vector<int> added;
        for (int k = 0; k < calls; ++k) {
            const int before = ActiveBullets();
            if (e.species == kSpeciesEagle)
                e.Eagle::Fire();
            else
                e.Bat::Fire();
            added.push_back(ActiveBullets() - before);
        }
        return added;
    }
    static std::vector<int> Fired(const std::vector<int>& added) {
        std::vector<int> calls;
        for (size_t k = 0; k < added.size(); ++k)
            if (added[k] > 0) calls.push_back(static_cast<int>(k));
        return calls;
    }
};

TEST_F(MidBossTest, PhasesStartOnTheirUpdatesAndTheMidBossLeavesWithoutReward) {
    struct Case {
        int32_t species;
        std::vector<int> changes;   // updates (the spawn frame's is the first) where phases 1, 2, 3, 1, 2, 3, 4 start
    };
    const Case cases[] = {{kSpeciesEagle, {152, 454, 816, 1238, 1660, 2022, 2444}},
                          {kSpeciesBat, {152, 454, 816, 1058, 1360, 1722, 1964}}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species);
        const Enemy& e = Spawn(c.species, 0, 640.0f, -200.0f, 1, 2);
        std::vector<int> changes;
        int32_t phase = 0;
        int update = 0;
        int entryBullets = 0;
        while (e.active != 0 && update < 3000) {
            const int before = ActiveBullets();
            UpdateEnemies();
            ++update;
            if (update <= 151) entryBullets += ActiveBullets() - before;
            if (e.active != 0 && e.bossPhase != phase) {
                phase = e.bossPhase;
                changes.push_back(update);
            }
        }
        EXPECT_EQ(changes, c.changes);
        // Difficulty 1: a spray of four every 8 counts on updates 1..91.
        EXPECT_EQ(entryBullets, 12 * 4);
        // It climbs off the top about 110 frames into phase 4, unrewarded.
        EXPECT_EQ(e.active, 0);
        EXPECT_GT(update - c.changes.back(), 100);
        EXPECT_LT(update - c.changes.back(), 120);
        EXPECT_EQ(BaseScore, 0);
        EXPECT_EQ(FirstScorePopup(), nullptr);
        EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
    }
}

TEST_F(MidBossTest, EntryGlideCoversItsDistanceAndTheBobCancelsOverACycle) {
    const Enemy& e = Spawn(kSpeciesBat, 0, 640.0f, -200.0f, 1, 2);
    for (int f = 0; f < 120; ++f) UpdateEnemies();
    // 90 glide frames of 10 - 0.111 t; the bob's four quarters sum to 0.
    EXPECT_NEAR(e.y, -200.0f + 900.0f - 0.111f * 4005.0f, 1e-2f);
    EXPECT_EQ(e.x, 640.0f);
}

TEST_F(MidBossTest, DeathChainExplodesSinksAndScattersByDifficulty) {
    struct Case {
        int32_t species, difficulty, groups, ring;
    };
    const Case cases[] = {{kSpeciesEagle, 1, 3, 6}, {kSpeciesBat, 2, 4, 8}, {kSpeciesEagle, 3, 5, 10}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " d " << c.difficulty);
        Difficulty = c.difficulty;
        Enemy& e = Place(c.species, 2, 300);
        PlaceEnemyBullet(true, BulletShot{.x = 400.0f, .y = 300.0f, .size = 2});
        e.animFrame = 17;
        e.status.hp = 0;
        UpdateEnemies();
        EXPECT_EQ(e.bossPhase, 5);
        EXPECT_EQ(ActiveBullets(), 0);
        EXPECT_EQ(ActiveEffects(kEffectCancelBigCoin), 1);
        for (int f = 1; f < 120; ++f) {
            UpdateEnemies();
            if (f < 90) {
                EXPECT_GE(MagnetTimer, 1);
            }
        }
        EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 45);
        EXPECT_EQ(ActiveBullets(), 0);
        EXPECT_EQ(e.animFrame, 17);
        EXPECT_EQ(e.active, 1);
        EXPECT_EQ(BaseScore, 50);
        const float x = e.x;
        UpdateEnemies();   // the 121st frame
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), 1);
        EXPECT_EQ(BaseScore, 50 + 35000);
        ASSERT_NE(FirstScorePopup(), nullptr);
        const auto big = ActiveItems(kItemBigExperience);
        ASSERT_EQ(static_cast<int>(big.size()), c.groups);
        EXPECT_EQ(static_cast<int>(ActiveItems(kItemExperience).size()), c.groups * c.ring);
        if (c.difficulty == 3) {
            // The odd groups sit 50 pixels lower, 50 apart from x - 100.
            EXPECT_FLOAT_EQ(big[1]->x - big[0]->x, 50.0f);
            EXPECT_NEAR(big[0]->x, x - 100.0f, 1e-3f);
            EXPECT_FLOAT_EQ(big[1]->y - big[0]->y, 50.0f);
        }
    }
}

TEST_F(MidBossTest, RewardCarriesTheBossPopup) {
    Enemy& e = Place(kSpeciesBat, 1, 240);
    e.bonusTimer = 90;
    e.status.hp = 0;
    for (int f = 0; f < 121; ++f) UpdateEnemies();
    EXPECT_EQ(e.active, 0);
    ASSERT_NE(FirstScorePopup(), nullptr);
    EXPECT_EQ(FirstScorePopup()->kind, kPopupBoss);
    EXPECT_EQ(FirstScorePopup()->value, 35000);
}

TEST_F(MidBossTest, EagleWingSweepsClimbTo270OnEvenCountsAndComeBack) {
    struct Case {
        int32_t difficulty;
        int size;
        float offset;
    };
    for (const Case& c : {Case{1, 6, 15.0f}, Case{2, 12, 15.0f}, Case{3, 20, 30.0f}}) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "d " << c.difficulty);
        Difficulty = c.difficulty;
        Enemy& e = Place(kSpeciesEagle, 1, 240);
        std::vector<int> added = Fire(e, 1);
        ASSERT_EQ(added[0], c.size);
        EXPECT_EQ(EnemyBulletPool[0].angle, -60.0f - c.offset);
        EXPECT_EQ(EnemyBulletPool[0].spriteType, 6);
        EXPECT_EQ(EnemyBulletPool[0].x, 690.0f);
        EXPECT_EQ(EnemyBulletPool[0].patternFlag, 1);
        EXPECT_EQ(EnemyBulletPool[1].angle, 240.0f + c.offset);
        EXPECT_EQ(EnemyBulletPool[1].spriteType, 9);
        EXPECT_EQ(EnemyBulletPool[1].x, 590.0f);
        added = Fire(e, 59);
        EXPECT_NEAR(e.spinAngle, 270.0f, 1e-2f);
        ClearBullets();
        added = Fire(e, 60);
        EXPECT_NEAR(e.spinAngle, 0.0f, 1e-2f);
        EXPECT_EQ(Fired(added).size(), 30u);
        Fire(e, 1);   // count 120: no volley, the cycle starts again
        EXPECT_EQ(e.shotCounter, 0);
        EXPECT_EQ(e.spinAngle, 0.0f);
    }
}

TEST_F(MidBossTest, EagleBombsAndWingRings) {
    SetRandomScript([] { return 250; });
    Enemy& bomber = Place(kSpeciesEagle, 2, 300);
    const std::vector<int> bombs = Fire(bomber, 301);
    EXPECT_EQ(Fired(bombs), Multiples(30, 301));
    const Bullet& bomb = EnemyBulletPool[0];
    EXPECT_EQ(bomb.angle, -70.0f);
    EXPECT_EQ(bomb.spriteType, 8);
    EXPECT_EQ(bomb.behaviourId, 21);
    EXPECT_EQ(bomb.speed, 7.0f);
    EXPECT_EQ(bomb.y, 230.0f);

    for (int32_t d : {1, 3}) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "d " << d);
        Difficulty = d;
        Enemy& e = Place(kSpeciesEagle, 3, 360);
        const std::vector<int> added = Fire(e, 92);
        EXPECT_EQ(Fired(added), Join(Multiples(5, 60), {91}));
        const int fan = d == 3 ? 9 : 5;
        const int rings = d == 3 ? 40 : 20;
        for (int n : {0, 20, 40, 91}) EXPECT_EQ(added[n], fan) << n;
        for (int n : {5, 10, 15, 25, 55}) EXPECT_EQ(added[n], rings + fan) << n;
        // The first ring (count 5) turns by the 9 of count 0.
        const Bullet& right = EnemyBulletPool[fan];
        EXPECT_EQ(right.angle, 9.0f);
        EXPECT_EQ(right.spriteType, 7);
        EXPECT_EQ(EnemyBulletPool[fan + 1].angle, -9.0f);
        if (d == 3) {
            EXPECT_FLOAT_EQ(EnemyBulletPool[1].speed, 7.0f);
        }
    }
}

TEST_F(MidBossTest, BatSprayFansAndBursts) {
    // The entry spray: angle and speed from two draws, the speed a real tenth.
    SetRandomScript([] { return 57; });
    Enemy& sprayer = Place(kSpeciesBat, 0, 90);
    EXPECT_EQ(Fired(Fire(sprayer, 9)), (std::vector<int>{0, 8}));
    EXPECT_EQ(EnemyBulletPool[0].angle, 12.0f);
    EXPECT_FLOAT_EQ(EnemyBulletPool[0].speed, 8.7f);
    EXPECT_EQ(EnemyBulletPool[0].aimed, 1);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 6);
    EXPECT_EQ(EnemyBulletPool[1].spriteType, 9);

    // Sweeping fans: the aim from 30 pixels above, ten fans a cycle, the
    // swing and the colour turning with each 41-count cycle.
    SetUp();
    Difficulty = 2;
    EnemyTargetPos = Vec3{640.0f, 600.0f, 0.0f};
    Enemy& sweeper = Place(kSpeciesBat, 1, 240);
    std::vector<int> added = Fire(sweeper, 82);
    EXPECT_EQ(Fired(added), Join(Steps(0, 18, 2), Steps(41, 59, 2)));
    EXPECT_EQ(added[0], 7);
    EXPECT_NEAR(EnemyBulletPool[0].angle, 90.0f - 60.0f, 1e-3f);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 9);
    EXPECT_EQ(EnemyBulletPool[0].y, 200.0f);
    EXPECT_NEAR(EnemyBulletPool[7].angle, 90.0f - 60.0f + 1.5f, 1e-3f);   // count 2: + 0.75 x 2
    EXPECT_FLOAT_EQ(EnemyBulletPool[7].speed, 4.4f);
    EXPECT_NEAR(EnemyBulletPool[77].angle, 90.0f - 60.0f - 1.5f, 1e-3f);   // next cycle, count 2
    EXPECT_EQ(EnemyBulletPool[77].spriteType, 6);

    // Spinning fans: every 4 counts below 150 and from 210, turning back.
    SetUp();
    Enemy& spinner = Place(kSpeciesBat, 2, 300);
    added = Fire(spinner, 215);
    EXPECT_EQ(Fired(added), Join(Steps(0, 148, 4), {212}));
    EXPECT_EQ(EnemyBulletPool[5].angle, -30.0f + 27.0f);
    EXPECT_EQ(EnemyBulletPool[5].behaviourId, 31);
    EXPECT_EQ(EnemyBulletPool[5].spriteType, 4);
    EXPECT_EQ(EnemyBulletPool[ActiveBullets() - 5].angle, -30.0f - 27.0f * 53.0f);

    // Random bursts: quiet for the phase's first 90 frames, then 7 pairs.
    SetUp();
    Difficulty = 3;
    Enemy& burster = Place(kSpeciesBat, 3, 180);
    EXPECT_TRUE(Fired(Fire(burster, 5)).empty());
    EXPECT_EQ(burster.shotCounter, 0);
    burster.phaseTimer = 90;
    added = Fire(burster, 5);
    EXPECT_EQ(Fired(added), (std::vector<int>{0, 4}));
    EXPECT_EQ(added[0], 14);
    EXPECT_EQ(EnemyBulletPool[0].behaviourId, 0);
    EXPECT_EQ(EnemyBulletPool[1].behaviourId, 32);
    EXPECT_EQ(EnemyBulletPool[1].spriteType, 6);
}

}   // namespace
