// The butterfly: its volleys by routine, path and Difficulty, the 200-pixel
// gate, the facing and its removal 100 pixels outside the playfield.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/bullet.h"
#include "enemy/enemy_ids.h"
#include "species/flyer_fixture.h"

namespace {

class ButterFlyTest : public FlyerFixture {
protected:
    static Enemy& Spawn(int32_t variant, float x, float y, int32_t route, int32_t grade = 1) {
        return SpawnFlyer(kSpeciesButterFly, variant, x, y, route, grade);
    }
    // Shot counters at which a routine fired over `calls` calls, the enemy held in place.
    template <class Routine>
    static std::vector<int32_t> VolleyCounters(Enemy& e, Routine routine, int calls) {
        std::vector<int32_t> counters;
        for (int i = 0; i < calls; ++i) {
            const int before = ActiveBullets();
            const int32_t c = e.shotCounter;
            routine(e);
            if (ActiveBullets() > before) counters.push_back(c);
        }
        return counters;
    }
};

TEST_F(ButterFlyTest, RouteThreeDownShotsStartAtTheFirstMultipleOfThePeriodFromSixty) {
    const std::vector<int32_t> expected[3] = {{80, 120, 160}, {60, 90, 120, 150}, {60, 80, 100, 120, 140, 160}};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        Difficulty = d;
        Enemy& e = Spawn(0, 640.0f, 100.0f, 3);
        EXPECT_EQ(VolleyCounters(
                      e, [](Enemy& b) { b.ButterFly::FireGrade1Route3(); }, 161),
                  expected[d - 1])
            << d;
        EXPECT_EQ(EnemyBulletPool[0].angle, 90.0f);
        EXPECT_EQ(EnemyBulletPool[0].spriteType, 4);
        EXPECT_EQ(EnemyBulletPool[0].x, 638.0f);
    }
    // Path 4 of the same routine: 0 and 180 degrees, both from (x - 7, y), at counter 0.
    SetUp();
    Enemy& e = Spawn(4, 640.0f, 100.0f, 3);
    e.ButterFly::FireGrade1Route3();
    ASSERT_EQ(ActiveBullets(), 2);
    EXPECT_EQ(EnemyBulletPool[0].angle, 0.0f);
    EXPECT_EQ(EnemyBulletPool[1].angle, 180.0f);
    EXPECT_EQ(EnemyBulletPool[0].x, 633.0f);
    EXPECT_EQ(EnemyBulletPool[1].x, 633.0f);
}

TEST_F(ButterFlyTest, RouteTwoVolleysGrowWithDifficulty) {
    // Path 0: one bullet from each muzzle 50 pixels to either side, a fan of three at Difficulty 3.
    const int sizes[3] = {2, 2, 6};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        Difficulty = d;
        Enemy& e = Spawn(0, 640.0f, 100.0f, 2);
        e.shotCounter = 60;
        e.ButterFly::FireGrade1Route2();
        ASSERT_EQ(ActiveBullets(), sizes[d - 1]) << d;
        EXPECT_EQ(EnemyBulletPool[0].x, 688.0f);
        EXPECT_EQ(EnemyBulletPool[sizes[d - 1] - 1].x, 588.0f);
    }
    EXPECT_EQ(EnemyBulletPool[0].angle, 75.0f);
    EXPECT_EQ(EnemyBulletPool[5].angle, 105.0f);

    // Paths 6 and 7 at Difficulty 3: for each speed 6, 6.5, 7 three bullets at 80, 90, 100.
    SetUp();
    Difficulty = 3;
    Enemy& e = Spawn(7, 640.0f, 100.0f, 2);
    e.shotCounter = 60;
    e.ButterFly::FireGrade1Route2();
    ASSERT_EQ(ActiveBullets(), 9);
    const float angles[3] = {80.0f, 90.0f, 100.0f};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(EnemyBulletPool[i].angle, angles[i % 3]) << i;
        EXPECT_EQ(EnemyBulletPool[i].speed, 6.0f + 0.5f * static_cast<float>(i / 3)) << i;
    }
    // Paths 4 and 5 at Difficulty 3: each side at 6, 6.5 and 7, right side first, 5 px out.
    SetUp();
    Difficulty = 3;
    Enemy& s = Spawn(5, 640.0f, 100.0f, 2);
    s.ButterFly::FireGrade1Route2();
    ASSERT_EQ(ActiveBullets(), 6);
    EXPECT_EQ(EnemyBulletPool[0].x, 643.0f);
    EXPECT_EQ(EnemyBulletPool[2].speed, 7.0f);
    EXPECT_EQ(EnemyBulletPool[3].x, 633.0f);
    EXPECT_EQ(EnemyBulletPool[3].angle, 180.0f);
}

TEST_F(ButterFlyTest, TheGateFreezesTheCounterWithin200PixelsOfThePlayer) {
    Difficulty = 1;
    Enemy& e = Spawn(2, 640.0f, 100.0f, 1);
    e.target = Vec3{640.0f, 300.0f, 0.0f};   // exactly 200 pixels below: closed
    for (int i = 0; i < 40; ++i) e.ButterFly::FireGrade1Route1();
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_EQ(ActiveBullets(), 0);
    e.target.y = 300.5f;
    const std::vector<int32_t> fired = VolleyCounters(
        e, [](Enemy& b) { b.ButterFly::FireGrade1Route1(); }, 31);
    EXPECT_EQ(fired, std::vector<int32_t>{30});
    EXPECT_EQ(EnemyBulletPool[0].aimed, 1);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 6);
    // Closed again: the counter stays where it stopped, and resumes from there.
    e.target.y = 250.0f;
    e.ButterFly::FireGrade1Route1();
    EXPECT_EQ(e.shotCounter, 31);
    e.target.y = 900.0f;
    e.ButterFly::FireGrade1Route1();
    EXPECT_EQ(e.shotCounter, 32);
}

TEST_F(ButterFlyTest, CanyonRoutinesByPath) {
    // Path 4, route 1: each side a small colour-2 bullet at 6, then a small colour-1 one at 7.
    Enemy& e = Spawn(4, 640.0f, 100.0f, 1, 2);
    e.ButterFly::FireGrade2Route1();
    ASSERT_EQ(ActiveBullets(), 4);
    const int types[4] = {7, 4, 7, 4};
    const float speeds[4] = {6.0f, 7.0f, 6.0f, 7.0f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(EnemyBulletPool[i].spriteType, types[i]) << i;
        EXPECT_EQ(EnemyBulletPool[i].speed, speeds[i]) << i;
    }
    // Path 0, route 3 at Difficulty 1: the aimed fan every 60 from 30.
    SetUp();
    Enemy& f = Spawn(0, 640.0f, 100.0f, 3, 2);
    EXPECT_EQ(VolleyCounters(
                  f, [](Enemy& b) { b.ButterFly::FireGrade2Route3(); }, 121),
              (std::vector<int32_t>{60, 120}));
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 6);
    EXPECT_EQ(EnemyBulletPool[1].spriteType, 9);
    EXPECT_EQ(EnemyBulletPool[1].speed, 8.0f);
    // A canyon butterfly on path 7 never fires, whatever the route.
    for (int32_t route = 1; route <= 3; ++route) {
        SetUp();
        Spawn(7, 640.0f, -50.0f, route, 2);
        for (int i = 0; i < 150; ++i) UpdateEnemies();
        EXPECT_EQ(ActiveBullets(), 0) << route;
    }
}

TEST_F(ButterFlyTest, CaveLoopShotsOnlyDuringTheLoop) {
    // Route 0 still runs the canyon's second routine in the cave.
    Enemy& e = Spawn(9, 300.0f, 200.0f, 0, 3);
    std::vector<int> frames;
    for (int t = 0; t < 120; ++t) {
        const int before = ActiveBullets();
        UpdateEnemies();
        if (ActiveBullets() == before) continue;
        frames.push_back(t);
        EXPECT_EQ(EnemyBulletPool[before].angle, e.headingAngle);
    }
    ASSERT_EQ(frames.size(), 30u);
    EXPECT_EQ(frames.front(), 30);
    EXPECT_EQ(frames.back(), 88);
    EXPECT_EQ(EnemyBulletPool[0].speed, 5.0f);
    EXPECT_EQ(EnemyBulletPool[0].spriteType, 6);
}

TEST_F(ButterFlyTest, FacesThePlayerFromExactly100PixelsAbove) {
    Enemy& e = Spawn(13, 640.0f, 400.0f, 1);   // path 13 stands still
    e.headingAngle = 2.0f;
    e.target = Vec3{540.0f, 500.0f, 0.0f};
    EnemyTargetPos = e.target;
    UpdateEnemies();
    EXPECT_NEAR(e.facingAngle, std::atan2(100.0, -100.0), 1e-6);
    e.y = 401.0f;
    UpdateEnemies();
    EXPECT_EQ(e.facingAngle, 2.0f);
    EXPECT_EQ(e.x, 640.0f);
}

TEST_F(ButterFlyTest, LeavesAHundredPixelsOutsideThePlayfield) {
    // Path 3 slides left; it goes once x <= 140, without reward.
    Enemy& e = Spawn(3, 220.0f, 100.0f, 1);
    int frames = 0;
    float lastX = e.x;
    while (e.active != 0 && frames < 90) {
        lastX = e.x;
        UpdateEnemies();
        ++frames;
    }
    EXPECT_EQ(e.active, 0);
    EXPECT_GT(lastX, 140.0f);
    EXPECT_EQ(BaseScore, 0);
}

}   // namespace
