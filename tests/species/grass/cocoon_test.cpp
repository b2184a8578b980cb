// The cocoons: firing only down to the middle line, their volleys by
// Difficulty, the death that cancels every bullet before it bursts, and the
// silent removal below the playfield.
#include <gtest/gtest.h>

#include "core/machinery_probe.h"
#include "core/score.h"
#include "species/grass/grass_fixture.h"

namespace {

using machinery_test::SoundProbe;

class CocoonTest : public GrassSpeciesTest {};

TEST_F(CocoonTest, NightCocoonFiresAtTheMiddleLineButNotHalfAPixelBelow) {
    for (const float startY : {359.0f, 359.5f}) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "from y " << startY);
        ScrollSpeed = 1.0f;
        Enemy& e = Spawn(kSpeciesNightCocoon, 0, 640.0f, startY, 1, 1);
        UpdateEnemies();
        EXPECT_EQ(e.y, startY + 1.0f);
        const bool fires = startY + 1.0f <= 360.0f;
        EXPECT_EQ(ActiveBullets(), fires ? 10 : 0);   // the aimed ring of ten at Difficulty 1
        EXPECT_EQ(e.shotCounter, fires ? 1 : 0);
        UpdateEnemies();
        EXPECT_EQ(e.y, startY + 2.0f);   // and it rides on
    }
}

TEST_F(CocoonTest, NightCocoonDeathCancelsThenBurstsThenDropsTheBigOrbAndTheRing) {
    SoundProbe probe;
    probe.StopAll();
    Difficulty = 2;
    Enemy& e = Spawn(kSpeciesNightCocoon, 0, 500.0f, 200.0f, 1, 2);
    PlaceEnemyBullet(false, BulletShot{.x = 700.0f, .y = 100.0f, .angle = 90.0f, .speed = 1.0f});
    const int32_t reward = e.reward;
    ASSERT_GT(e.bonusTimer, 0);
    e.status.hp = 0;
    UpdateEnemies();
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(ActiveBullets(), 0);
    // The cancelled bullet's effect takes the first entry, the burst the next.
    EXPECT_EQ(EffectPool.type[0], kEffectCancelCoin);
    EXPECT_EQ(EffectPool.type[1], kEffectMidBossDeath);
    EXPECT_EQ(EffectPool.x[1], 500.0f);
    EXPECT_EQ(EffectPool.y[1], 200.0f);
    EXPECT_TRUE(SoundProbe::Playing(MidBossDestroySound));
    EXPECT_EQ(ItemPool[0].kind, kItemBigExperience);
    EXPECT_EQ(ItemPool[0].x, 500.0f);
    for (int k = 0; k < 7; ++k) {   // seven orbs 51.4 degrees apart
        EXPECT_EQ(ItemPool[1 + k].kind, kItemExperience);
        EXPECT_FLOAT_EQ(ItemPool[1 + k].angle, 51.4f * static_cast<float>(k));
    }
    EXPECT_EQ(ItemPool[8].active, 0);
    EXPECT_EQ(BaseScore, 10 + 2 * reward);   // the cancelled bullet, then the doubled reward
}

TEST_F(CocoonTest, DayCocoonVolleysByDifficulty) {
    struct Case {
        int32_t grade, route, variant;
        int bullets[3];   // on the first frame, Difficulty 1 to 3
    };
    const Case cases[] = {
        {1, 2, 1, {25, 25, 37}},   // the side fans, and the low fan added at Difficulty 3
        {2, 2, 0, {40, 60, 80}},   // the double ring
        {1, 1, 2, {1, 3, 10}},     // Difficulty 2 keeps the random bullet for count 10
    };
    for (const Case& c : cases) {
        for (int32_t d = 1; d <= 3; ++d) {
            SetUp();
            SCOPED_TRACE(testing::Message() << "grade " << c.grade << " route " << c.route << " variant " << c.variant
                                            << " Difficulty " << d);
            Difficulty = d;
            Enemy& e = Spawn(kSpeciesDayCocoon, c.variant, 640.0f, 100.0f, c.route, c.grade);
            UpdateEnemies();
            EXPECT_EQ(ActiveBullets(), c.bullets[d - 1]);
            EXPECT_EQ(e.shotCounter, 1);
        }
    }
    // The side fans start from the left muzzle, 52 pixels left of the cocoon.
    SetUp();
    Spawn(kSpeciesDayCocoon, 1, 640.0f, 100.0f, 2, 1);
    UpdateEnemies();
    EXPECT_NEAR(EnemyBulletPool[0].x, 588.0f, 1e-3f);
}

TEST_F(CocoonTest, DayCocoonLeavesBelowThePlayfieldWithoutRewardAndVariant3StandsStill) {
    ScrollSpeed = 10.0f;
    Enemy& leaving = Spawn(kSpeciesDayCocoon, 0, 640.0f, 910.0f, 1, 1);
    SpawnEnemy(kSpeciesDayCocoon, 3, 500.0f, 100.0f, 1, 1);
    Enemy& standing = EnemyPool[1];
    UpdateEnemies();
    EXPECT_EQ(leaving.active, 0);
    EXPECT_EQ(standing.y, 100.0f);
    EXPECT_EQ(standing.shotCounter, 0);
    EXPECT_EQ(ActiveBullets(), 0);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
    EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), 0);
}

TEST_F(CocoonTest, UnknownVariantGradeOrDifficultyFiresNothingAndKeepsTheCount) {
    struct Case {
        int32_t species, variant, grade, difficulty;
    };
    const Case cases[] = {
        {kSpeciesDayCocoon, 1, 2, 1},     // the canyon form fires for variant 0 only
        {kSpeciesDayCocoon, 0, 3, 1},     // no grade 3 routines
        {kSpeciesNightCocoon, 0, 1, 0},   // Difficulty outside 1..3
        {kSpeciesNightCocoon, 3, 1, 1},   // stands still, no volley
        {kSpeciesBigMoth, 2, 2, 1},       // the canyon moth fires for variants 0 and 1 only
        {kSpeciesBigButterFly, 0, 1, 4},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " variant " << c.variant);
        Enemy& e = Spawn(c.species, c.variant, 640.0f, 100.0f, 1, c.grade == 3 ? 2 : c.grade);
        e.grade = c.grade;
        e.bossPhase = c.species == kSpeciesBigButterFly ? 1 : 0;
        Difficulty = c.difficulty;
        for (int frame = 0; frame < 120; ++frame) UpdateEnemies();
        EXPECT_EQ(ActiveBullets(), 0);
        EXPECT_EQ(e.shotCounter, 0);
    }
}

}   // namespace
