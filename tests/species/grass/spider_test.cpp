// The spider: its volleys by phase and Difficulty.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/grass/ground_boss_fixture.h"

namespace {

class SpiderTest : public GroundBossFixture {
protected:
    // The bullets added by one frame, from pool slot `first` on.
    static int Frame(int& first) {
        first = ActiveBullets();
        UpdateEnemies();
        return ActiveBullets() - first;
    }
};

TEST_F(SpiderTest, FallingPairsFireWhileTheTimerIsBelowTheDuration) {
    // 360 fire frames, a volley every 20 / 15 / 10 calls, 14 bullets each;
    // one more at the 360th at every Difficulty.
    ExpectPhaseVolleys(kSpeciesSpider, 1, 360, {18, 24, 36}, 14, 2);
    // Each of 30, 50, ..., 150 at 7, then at 4, not aimed, ordinary, small and of the second colour.
    SetUp();
    BossInPhase(kSpeciesSpider, 1, 360);
    UpdateEnemies();
    const Bullet& b = EnemyBulletPool[1];
    EXPECT_EQ(b.angle, 30.0f);
    EXPECT_EQ(b.speed, 4.0f);
    EXPECT_EQ(b.spriteType, 7);
    EXPECT_EQ(b.patternFlag, 0);
    EXPECT_EQ(b.aimed, 0);
    EXPECT_EQ(EnemyBulletPool[13].angle, 150.0f);
}

TEST_F(SpiderTest, ClosingStreamsRingsSideShotsBurstAndRageRings) {
    // Phase 2 at call 10: the streams at -55 and +55 from the aim and the ring
    // in one frame; 20 at Difficulty 1, two streams of two and 30 x 2 at 3.
    for (int32_t d : {1, 3}) {
        SetUp();
        Difficulty = d;
        Enemy& e = BossInPhase(kSpeciesSpider, 2, 60);
        VolleyFrames(10);
        int first = 0;
        EXPECT_EQ(Frame(first), d == 1 ? 22 : 64) << d;
        const Bullet& s = EnemyBulletPool[first];
        EXPECT_EQ(s.angle, -55.0f);
        EXPECT_EQ(s.speed, 7.0f);
        EXPECT_EQ(s.spriteType, 9);
        EXPECT_EQ(s.aimed, 1);
        EXPECT_EQ(s.x, e.x);
        EXPECT_EQ(s.y, e.y + 30.0f);
        const int ring = first + (d == 1 ? 2 : 4);
        EXPECT_EQ(EnemyBulletPool[ring - 1].angle, 55.0f);
        EXPECT_EQ(EnemyBulletPool[ring + (d == 1 ? 1 : 2)].angle, d == 1 ? 18.0f : 12.0f);
        EXPECT_EQ(EnemyBulletPool[ring].speed, 9.0f);
        EXPECT_EQ(EnemyBulletPool[ring].spriteType, 7);
    }

    // Phase 3: one level shot every 20 calls, right, then left.
    SetUp();
    BossInPhase(kSpeciesSpider, 3, 360);
    EXPECT_EQ(VolleyFrames(21), 2);
    EXPECT_EQ(EnemyBulletPool[0].angle, 0.0f);
    EXPECT_EQ(EnemyBulletPool[1].angle, 180.0f);
    EXPECT_EQ(EnemyBulletPool[1].spriteType, 8);

    // Phase 4: the one burst of ten, on the 31st frame.
    SetUp();
    BossInPhase(kSpeciesSpider, 4, 120);
    VolleyFrames(30);
    EXPECT_EQ(ActiveBullets(), 0);
    int first = 0;
    EXPECT_EQ(Frame(first), 10);
    EXPECT_EQ(EnemyBulletPool[0].angle, -45.0f);
    EXPECT_EQ(EnemyBulletPool[9].angle, 225.0f);
    EXPECT_EQ(VolleyFrames(151), 0);

    // Phase 6: doubled rings of 40 up to call 80, rings of 50 from call 100,
    // each turned 2 degrees on from the last.
    SetUp();
    Enemy& r = BossInPhase(kSpeciesSpider, 6, 240, 640.0f, 200.0f);
    int bullets = 0;
    EXPECT_EQ(VolleyFrames(302, &bullets), 12);
    EXPECT_EQ(bullets, 5 * 80 + 7 * 50);
    EXPECT_EQ(EnemyBulletPool[1].speed, 6.5f);
    EXPECT_EQ(EnemyBulletPool[2].angle, 9.0f);
    EXPECT_EQ(EnemyBulletPool[80].angle, 2.0f);
    EXPECT_EQ(EnemyBulletPool[400].angle, 10.0f);
    EXPECT_FLOAT_EQ(EnemyBulletPool[401].angle, 17.2f);
    EXPECT_EQ(r.bossPhase, 6);   // the next pass

    // The warm-up, and any Difficulty outside 1..3, fire nothing and count nothing.
    SetUp();
    Enemy& w = BossInPhase(kSpeciesSpider, 5, 60);
    UpdateEnemies();
    EXPECT_EQ(w.shotCounter, 0);
    Difficulty = 0;
    w.EnterPhase(1, 360);
    EXPECT_EQ(VolleyFrames(30), 0);
    EXPECT_EQ(w.shotCounter, 0);
}

}   // namespace
