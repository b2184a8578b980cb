// The scorpion: its entry and walks, and its volleys by phase and Difficulty.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/grass/ground_boss_fixture.h"

namespace {

class ScorpionTest : public GroundBossFixture {
protected:
    static double Rad(float degrees) { return static_cast<double>(degrees * kDegToRad); }
};

TEST_F(ScorpionTest, TheWanderHeadingHoldsRadiansHomingAndIsReadAsDegreesOnALeg) {
    // Outside its box it turns home: the heading is radians (pi, due left).
    Enemy& e = BossInPhase(kSpeciesScorpion, 3, 360, 800.0f, 150.0f);
    e.phaseTimer = 5;
    UpdateEnemies();
    EXPECT_EQ(e.moveFlag, 1);
    EXPECT_NEAR(e.headingAngle, 3.14159f, 1e-4f);
    EXPECT_NEAR(e.x, 799.0f, 1e-4f);

    // Back inside the inner box between two leg changes: with no leg chosen
    // in this phase it stands; on a leg, the radians heading is taken as degrees.
    e.x = 640.0f;
    e.y = 150.0f;
    e.phaseTimer = 5;
    UpdateEnemies();
    EXPECT_EQ(e.moveFlag, 0);
    EXPECT_EQ(e.x, 640.0f);
    EXPECT_EQ(e.y, 150.0f);
    e.subMode = 2;
    e.headingAngle = 3.1415927f;
    UpdateEnemies();
    EXPECT_NEAR(e.x, 640.0f + 2.0f * std::cos(Rad(3.1415927f)), 1e-4f);
    EXPECT_NEAR(e.y, 150.0f + 2.0f * std::sin(Rad(3.1415927f)), 1e-4f);
}

TEST_F(ScorpionTest, AimedFansFireWhileTheTimerIsBelowTheDuration) {
    // 60 fire frames: a fan every 5 calls up to the 30th / 40th / 60th; one
    // more at the 60th would be a 13th at Difficulty 3.
    ExpectPhaseVolleys(kSpeciesScorpion, 2, 60, {7, 9, 12}, 33, 3);
    // The first fan: eleven spokes of three about the aim, from (x - 25, y - 75).
    SetUp();
    Enemy& e = BossInPhase(kSpeciesScorpion, 2, 60);
    UpdateEnemies();
    const Bullet& first = EnemyBulletPool[0];
    EXPECT_EQ(first.angle, -104.0f);
    EXPECT_EQ(EnemyBulletPool[17].angle, 4.0f);   // spoke 5, the third of it
    EXPECT_EQ(EnemyBulletPool[32].angle, 104.0f);
    EXPECT_EQ(first.x, e.x - 25.0f);
    EXPECT_EQ(first.y, e.y - 75.0f);
    EXPECT_EQ(first.aimed, 1);
    EXPECT_EQ(first.patternFlag, 1);
    EXPECT_EQ(first.spriteType, 6);
    EXPECT_EQ(first.speed, 7.0f);
}

TEST_F(ScorpionTest, RingsSpiralsStreamsAndSprays) {
    // Phase 1: ring A turning with the spin angle, ring B against it, each
    // bullet 50 pixels behind (x, y + 75) along its way.
    Enemy& e = BossInPhase(kSpeciesScorpion, 1, 360);
    UpdateEnemies();
    ASSERT_EQ(ActiveBullets(), 20);
    const Bullet& a1 = EnemyBulletPool[1];
    EXPECT_EQ(a1.angle, 36.0f);
    EXPECT_NEAR(a1.x, e.x - 50.0f * std::cos(Rad(36.0f)), 1e-3f);
    EXPECT_NEAR(a1.y, e.y + 75.0f - 50.0f * std::sin(Rad(36.0f)), 1e-3f);
    EXPECT_EQ(EnemyBulletPool[11].angle, -36.0f);
    EXPECT_EQ(a1.speed, 5.0f);
    EXPECT_EQ(a1.spriteType, 4);
    VolleyFrames(10);
    EXPECT_EQ(EnemyBulletPool[20].angle, 1.0f);
    EXPECT_EQ(EnemyBulletPool[20].speed, 5.5f);

    // Phase 3: 6 / 11 / 16 spirals in each 61-call cycle, the next cycle mirrored.
    const int spirals[3] = {6, 11, 16};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        Difficulty = d;
        BossInPhase(kSpeciesScorpion, 3, 360);
        int bullets = 0;
        EXPECT_EQ(VolleyFrames(61, &bullets), spirals[d - 1]) << d;
        EXPECT_EQ(bullets, 24 * spirals[d - 1]) << d;
        EXPECT_EQ(EnemyBulletPool[1].angle, -11.25f);
        EXPECT_EQ(EnemyBulletPool[1].speed, 9.0f);
        EXPECT_EQ(EnemyBulletPool[1].behaviourId, 2);
        ClearBullets();
        VolleyFrames(1);
        EXPECT_EQ(EnemyBulletPool[0].angle, 180.0f) << d;
        EXPECT_EQ(EnemyBulletPool[1].angle, 191.25f) << d;
    }

    // Phase 4 at Difficulty 2: four bullets on even calls from the right
    // flank, the slow last one turning with behaviour 3; from call 60 the left.
    SetUp();
    Difficulty = 2;
    Enemy& s = BossInPhase(kSpeciesScorpion, 4, 120);
    EXPECT_EQ(VolleyFrames(60), 30);
    const float speeds[4] = {8.0f, 7.5f, 7.0f, 6.5f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(EnemyBulletPool[i].x, s.x + 75.0f);
        EXPECT_EQ(EnemyBulletPool[i].y, s.y + 100.0f);
        EXPECT_EQ(EnemyBulletPool[i].angle, 0.0f);
        EXPECT_EQ(EnemyBulletPool[i].speed, speeds[i]);
        EXPECT_EQ(EnemyBulletPool[i].behaviourId, i == 3 ? 3 : 0);
    }
    EXPECT_EQ(EnemyBulletPool[4].angle, 24.0f);
    ClearBullets();
    VolleyFrames(1);
    EXPECT_EQ(EnemyBulletPool[0].x, s.x - 75.0f);
    EXPECT_EQ(EnemyBulletPool[0].angle, 180.0f);
    EXPECT_EQ(EnemyBulletPool[3].behaviourId, 4);

    // Phase 6: three sprays every 20 calls, speed drawn before angle, right then left.
    SetUp();
    static int32_t next = 0;
    next = 0;
    SetRandomScript([] { return next++; });
    BossInPhase(kSpeciesScorpion, 6, 600, 640.0f, 200.0f);
    EXPECT_EQ(VolleyFrames(40), 2);
    // The walk draws a heading first (0); the sprays draw speed, angle: 1, 2 | 3, 4 | 5, 6.
    EXPECT_EQ(EnemyBulletPool[0].speed, 6.0f);
    EXPECT_EQ(EnemyBulletPool[0].angle, -43.0f);
    EXPECT_EQ(EnemyBulletPool[1].speed, 8.0f);
    EXPECT_EQ(EnemyBulletPool[2].angle, -39.0f);
    EXPECT_EQ(EnemyBulletPool[0].behaviourId, 5);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 5);
    // Twenty frames on, a new heading (7), then sprays to the left: 8, 9, ...
    EXPECT_EQ(EnemyBulletPool[3].speed, 5.0f);
    EXPECT_EQ(EnemyBulletPool[3].angle, -144.0f);
}

}   // namespace
