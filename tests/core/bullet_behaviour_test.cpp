// Enemy bullet steering by behaviour id: route handlers and pattern bullets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/bullet.h"
#include "core/field_globals.h"

namespace {

class BulletBehaviours : public ::testing::Test {
protected:
    void SetUp() override {
        ClearBullets();
        BulletSpeedScale = 1.0f;
        BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        BulletRoute = 1;
        Difficulty = 1;
    }
    void TearDown() override { ClearBullets(); }

    // A size-2 bullet in the first free slot, with powers 11 and 12.
    static Bullet& Fire(int pattern, int id, float speed, int colour = 1, float x = 640.0f, float y = 300.0f,
                        float angle = 90.0f) {
        const int32_t slot = PlaceEnemyBullet(pattern, 2, 0, x, y, angle, speed, id, colour, 11, 12);
        return EnemyBulletPool[slot];
    }
    static void Steps(int n) {
        for (int i = 0; i < n; ++i) UpdateBullets();
    }
    static std::vector<const Bullet*> Live() {
        std::vector<const Bullet*> live;
        for (const Bullet& b : EnemyBulletPool)
            if (b.active == 1) live.push_back(&b);
        return live;
    }
    static int LiveCount() { return static_cast<int>(Live().size()); }
};

// ---- route 1 ----------------------------------------------------------------

TEST_F(BulletBehaviours, Route1SplitsIntoSixAimedBulletsOnItsFirstStepAtSpeedZero) {
    Fire(0, 1, 0.0f, 2);
    Steps(1);
    const auto live = Live();
    ASSERT_EQ(live.size(), 6u);
    EXPECT_EQ(EnemyBulletPool[0].active, 0);
    const float headings[6] = {20.0f, 20.0f, 20.0f, -20.0f, -20.0f, -20.0f};
    const float speeds[6] = {7.0f, 7.5f, 8.0f, 7.0f, 7.5f, 8.0f};
    for (int k = 0; k < 6; ++k) {
        const Bullet& c = *live[k];
        EXPECT_EQ(c.angle, headings[k]);
        EXPECT_EQ(c.speed, speeds[k]);
        EXPECT_EQ(c.aimed, 1);
        EXPECT_EQ(c.spriteType, 9);
        EXPECT_EQ(c.behaviourId, 0);
        EXPECT_EQ(c.patternFlag, 0);
        EXPECT_EQ(c.power2, 12);
        // Stepped in the same pass: one move along the aim (straight down) turned by the heading.
        const float h = headings[k] * kDegToRad + static_cast<float>(M_PI / 2);
        EXPECT_NEAR(c.x, 640.0f + std::cos(h) * speeds[k], 1e-3f);
        EXPECT_NEAR(c.y, 300.0f + std::sin(h) * speeds[k], 1e-3f);
        EXPECT_EQ(c.age, 1);
    }
    // A bullet still moving brakes first and splits on the first step that starts at 0 or less.
    ClearBullets();
    Fire(0, 1, 0.25f);
    Steps(3);
    EXPECT_EQ(LiveCount(), 1);
    Steps(1);
    EXPECT_EQ(LiveCount(), 6);
}

TEST_F(BulletBehaviours, Route1SpeedPrograms) {
    Bullet& slowThenFast = Fire(0, 11, 5.0f);
    Bullet& settle = Fire(0, 31, 3.5f, 1, 400.0f);
    Steps(29);
    EXPECT_NEAR(slowThenFast.speed, 2.1f, 1e-4f);
    Steps(20);
    EXPECT_NEAR(slowThenFast.speed, 2.1f, 1e-4f);
    Steps(1);
    EXPECT_NEAR(slowThenFast.speed, 2.3f, 1e-4f);
    EXPECT_LE(settle.speed, 3.0f);
    EXPECT_GT(settle.speed, 2.94f);
}

TEST_F(BulletBehaviours, Route1FixedColourFans) {
    Fire(0, 21, 0.3f, 2);
    Steps(1);
    EXPECT_EQ(LiveCount(), 1);
    Steps(1);
    auto live = Live();
    ASSERT_EQ(live.size(), 3u);
    const float threeWay[3] = {-30.0f, 0.0f, 30.0f};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(live[k]->angle, threeWay[k]);
        EXPECT_EQ(live[k]->colour, 1);
        EXPECT_EQ(live[k]->spriteType, 6);
        EXPECT_EQ(live[k]->speed, 9.0f);
        EXPECT_EQ(live[k]->aimed, 1);
    }
    ClearBullets();
    Fire(0, 22, 0.0f, 1);
    Steps(1);
    live = Live();
    ASSERT_EQ(live.size(), 4u);
    const float fourWay[4] = {-45.0f, -15.0f, 15.0f, 45.0f};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(live[k]->angle, fourWay[k]);
        EXPECT_EQ(live[k]->spriteType, 9);
    }
}

// ---- route 2 ----------------------------------------------------------------

TEST_F(BulletBehaviours, Route2DropperFallsBulletsByDifficulty) {
    BulletRoute = 2;
    const int children[3] = {2, 3, 9};   // after 30 steps at Difficulty 1, 2, 3
    for (int d = 1; d <= 3; ++d) {
        ClearBullets();
        Difficulty = d;
        Fire(0, 1, 0.0f, 2, 640.0f, 100.0f);
        Steps(9);
        EXPECT_EQ(LiveCount(), 1) << "never at age 0";
        Steps(21);
        EXPECT_EQ(LiveCount(), 1 + children[d - 1]) << "Difficulty " << d;
    }
    const auto live = Live();
    EXPECT_EQ(live[1]->angle, 85.0f);
    EXPECT_EQ(live[2]->angle, 90.0f);
    EXPECT_EQ(live[3]->angle, 95.0f);
    EXPECT_EQ(live[2]->speed, 8.0f);
    EXPECT_EQ(live[2]->aimed, 0);
    EXPECT_EQ(live[2]->spriteType, 9);
    EXPECT_NEAR(live[2]->y, 100.0f + 8.0f * 21.0f, 1e-3f);   // dropped at age 10, moved 21 times
}

TEST_F(BulletBehaviours, Route2SpeedPrograms) {
    BulletRoute = 2;
    Bullet& b11 = Fire(0, 11, 10.0f);
    Bullet& b13 = Fire(0, 13, 1.0f, 1, 400.0f, 100.0f);
    Steps(3);
    EXPECT_NEAR(b13.speed, 1.9f, 1e-5f);
    Steps(16);
    EXPECT_NEAR(b11.speed, 4.3f, 1e-4f);
    Steps(10);
    EXPECT_NEAR(b11.speed, 4.3f, 1e-4f);
    Steps(1);
    EXPECT_NEAR(b11.speed, 4.5f, 1e-4f);
}

TEST_F(BulletBehaviours, Route2TurnsIntoAnAcceleratingAimedBulletAtAge45) {
    BulletRoute = 2;
    for (int id : {12, 31}) {
        ClearBullets();
        Bullet& parent = Fire(0, id, 10.0f, 2, 640.0f, 300.0f, 270.0f);
        Steps(29);
        EXPECT_NEAR(parent.speed, -1.6f, 1e-4f);   // it may fly backwards
        Steps(15);
        EXPECT_EQ(LiveCount(), 1);
        const float x = parent.x, y = parent.y;
        Steps(1);
        const auto live = Live();
        ASSERT_EQ(live.size(), 1u) << "id " << id;
        const Bullet& c = *live[0];
        EXPECT_NE(&c, &parent);
        EXPECT_EQ(c.spriteType, 7);
        EXPECT_EQ(c.aimed, 1);
        EXPECT_EQ(c.angle, 0.0f);
        EXPECT_EQ(c.behaviourId, 13);
        EXPECT_NEAR(c.speed, 0.3f, 1e-6f);   // stepped in the same pass
        EXPECT_EQ(c.x, x);
        EXPECT_FLOAT_EQ(c.aimAngle, std::atan2(600.0f - y, 640.0f - x));
    }
}

// ---- route 3 ----------------------------------------------------------------

TEST_F(BulletBehaviours, Route3SplitsByDifficultyAndBrakesToSix) {
    BulletRoute = 3;
    struct Fan {
        std::vector<float> headings, speeds;
    };
    const Fan fans[3] = {{{0.0f}, {7.0f}}, {{0.0f, 0.0f}, {7.0f, 8.0f}}, {{-20.0f, 0.0f, 20.0f}, {7.0f, 7.0f, 7.0f}}};
    for (int d = 1; d <= 3; ++d) {
        ClearBullets();
        Difficulty = d;
        Fire(0, 1, 0.1f);
        Steps(1);
        EXPECT_EQ(LiveCount(), 1);
        Steps(1);
        const auto live = Live();
        ASSERT_EQ(live.size(), fans[d - 1].headings.size());
        for (size_t k = 0; k < live.size(); ++k) {
            EXPECT_EQ(live[k]->angle, fans[d - 1].headings[k]);
            EXPECT_EQ(live[k]->speed, fans[d - 1].speeds[k]);
            EXPECT_EQ(live[k]->aimed, 1);
        }
    }
    ClearBullets();
    Bullet& b = Fire(0, 11, 7.0f);
    Steps(4);
    EXPECT_NEAR(b.speed, 6.2f, 1e-4f);
    Steps(10);
    EXPECT_LE(b.speed, 6.0f);
    EXPECT_GT(b.speed, 5.79f);
}

TEST_F(BulletBehaviours, FullPoolStillRemovesSplittingBullets) {
    struct Splitter {
        int route, pattern, id;
        float speed;
    };
    const Splitter splitters[] = {{1, 0, 1, 0.0f},  {3, 0, 1, 0.0f},  {1, 1, 21, 0.0f},
                                  {1, 1, 33, 0.0f}, {1, 1, 35, 0.0f}, {1, 1, 5, 0.0f}};
    for (const Splitter& s : splitters) {
        ClearBullets();
        BulletRoute = s.route;
        Fire(s.pattern, s.id, s.speed, 1, 250.0f);
        for (int i = 1; i < kEnemyBulletCount; ++i) Fire(0, 0, 0.0f);
        Steps(1);
        EXPECT_EQ(EnemyBulletPool[0].active, 0) << "id " << s.id;
        EXPECT_EQ(LiveCount(), kEnemyBulletCount - 1) << "id " << s.id;
    }
    ClearBullets();
    BulletRoute = 2;
    Fire(0, 12, 0.0f);
    for (int i = 1; i < kEnemyBulletCount; ++i) Fire(0, 0, 0.0f);
    Steps(45);
    EXPECT_EQ(EnemyBulletPool[0].active, 0);
}

// ---- pattern bullets --------------------------------------------------------

TEST_F(BulletBehaviours, PatternSpeedPrograms) {
    BulletRoute = 3;   // pattern bullets ignore the route
    Bullet& b2 = Fire(1, 2, 10.0f, 1, 300.0f, 100.0f, 0.0f);
    Bullet& b15 = Fire(1, 15, 0.0f);
    Bullet& b17 = Fire(1, 17, 0.0f, 1, 500.0f);
    Bullet& b23 = Fire(1, 23, 8.5f, 1, 640.0f, 760.0f, 270.0f);
    Bullet& b32 = Fire(1, 32, 5.0f, 1, 700.0f, 700.0f, 270.0f);
    Bullet& b34 = Fire(1, 34, 8.5f, 1, 640.0f, 500.0f, 270.0f);
    Bullet& b36 = Fire(1, 36, 11.0f, 1, 640.0f, 700.0f, 270.0f);
    Steps(9);
    EXPECT_EQ(b17.speed, 0.0f);
    EXPECT_NEAR(b34.speed, 9.1f, 1e-4f);   // one step past 9 at most
    EXPECT_NEAR(b36.speed, 12.2f, 1e-4f);
    Steps(1);
    EXPECT_NEAR(b17.speed, 0.1f, 1e-6f);
    Steps(19);
    EXPECT_EQ(b15.speed, 0.0f);
    EXPECT_EQ(b23.speed, 8.5f);
    EXPECT_EQ(b32.speed, 5.0f);
    Steps(1);
    EXPECT_NEAR(b15.speed, 0.1f, 1e-6f);
    EXPECT_NEAR(b23.speed, 8.6f, 1e-5f);
    EXPECT_NEAR(b32.speed, 4.9f, 1e-5f);
    Steps(29);
    EXPECT_NEAR(b2.speed, 10.0f - 0.15f * 59.0f, 1e-3f);
    Steps(16);
    EXPECT_NEAR(b2.speed, 1.15f, 1e-3f);
    Steps(1);
    EXPECT_NEAR(b2.speed, 1.45f, 1e-3f);
    EXPECT_LE(b32.speed, 3.0f);
    EXPECT_NEAR(b23.speed, 9.0f, 0.11f);
}

TEST_F(BulletBehaviours, PatternSideFansAtAgeTen) {
    const float speeds[5] = {7.0f, 6.5f, 6.0f, 5.5f, 5.0f};
    for (int id : {3, 4})
        for (int d = 1; d <= 3; ++d) {
            ClearBullets();
            Difficulty = d;
            Fire(1, id, 0.0f, 2, 640.0f, 300.0f, 30.0f);
            Steps(9);
            EXPECT_EQ(LiveCount(), 1);
            Steps(1);
            const auto live = Live();
            ASSERT_EQ(static_cast<int>(live.size()), 1 + 2 + d);
            for (int k = 1; k <= 2 + d; ++k) {
                EXPECT_EQ(live[k]->angle, id == 3 ? 120.0f : -60.0f);
                EXPECT_EQ(live[k]->speed, speeds[k - 1]);
                EXPECT_EQ(live[k]->patternFlag, 1);
                EXPECT_EQ(live[k]->colour, 2);
            }
            Steps(10);
            EXPECT_EQ(LiveCount(), 3 + d);
        }
}

TEST_F(BulletBehaviours, PatternEdgeBurstsDrawTheirSpreadFromTheGenerator) {
    Difficulty = 2;
    Fire(1, 5, 0.0f, 2, 640.0f);
    Steps(5);
    EXPECT_EQ(LiveCount(), 1) << "between the edges nothing happens";
    ClearBullets();

    std::srand(42);
    std::vector<int> draws;
    for (int i = 0; i < 20; ++i) draws.push_back(std::rand());
    std::srand(42);
    Bullet& left = Fire(1, 5, 0.0f, 2, 288.0f);
    left.age = 1;
    RunPatternBulletBehaviour(0);
    EXPECT_EQ(left.active, 0);
    auto live = Live();
    ASSERT_EQ(live.size(), 7u);
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(live[k]->speed, static_cast<float>(draws[2 * k] % 4 + 2));
        EXPECT_EQ(live[k]->angle, static_cast<float>(draws[2 * k + 1] % 150 - 90));
        EXPECT_EQ(live[k]->behaviourId, 6);
        EXPECT_EQ(live[k]->spriteType, 7);
        EXPECT_EQ(live[k]->patternFlag, 1);
    }
    ClearBullets();
    Difficulty = 3;
    std::srand(42);
    Fire(1, 5, 0.0f, 1, 992.0f);
    RunPatternBulletBehaviour(0);
    live = Live();
    ASSERT_EQ(live.size(), 10u);
    EXPECT_EQ(live[9]->angle, static_cast<float>(-90 - draws[19] % 150));
    EXPECT_EQ(live[9]->behaviourId, 7);
}

TEST_F(BulletBehaviours, PatternCurlsTurnTowardsStraightDown) {
    struct Curl {
        int id;
        float angle, speed, angleAfter, speedAfter;
    };
    const Curl curls[] = {
        {6, -10.0f, 2.0f, -9.5f, 1.9975f},   {6, 10.0f, 2.0f, 10.2f, 2.02f},    {6, 90.0f, 2.0f, 90.0f, 2.0f},
        {7, -100.0f, 2.0f, -100.5f, 1.9975f}, {7, -200.0f, 2.0f, -200.2f, 2.02f}, {7, -270.0f, 2.0f, -270.0f, 2.0f},
    };
    for (const Curl& c : curls) {
        ClearBullets();
        Bullet& b = Fire(1, c.id, c.speed, 1, 640.0f, 300.0f, c.angle);
        RunPatternBulletBehaviour(0);
        EXPECT_FLOAT_EQ(b.angle, c.angleAfter) << c.id << " at " << c.angle;
        EXPECT_FLOAT_EQ(b.speed, c.speedAfter) << c.id << " at " << c.angle;
    }
}

TEST_F(BulletBehaviours, PatternSideDroppersByDifficulty) {
    const int period[3] = {20, 15, 12};
    for (int id : {11, 12})
        for (int d = 1; d <= 3; ++d) {
            ClearBullets();
            Difficulty = d;
            Fire(1, id, 0.0f, 1, 640.0f, 300.0f, 0.0f);
            Steps(period[d - 1] - 1);
            EXPECT_EQ(LiveCount(), 1);
            Steps(2 * period[d - 1] + 1);
            const auto live = Live();
            ASSERT_EQ(live.size(), 4u);
            EXPECT_EQ(live[1]->angle, id == 11 ? 90.0f : -90.0f);
            EXPECT_EQ(live[1]->speed, 5.0f);
            EXPECT_EQ(live[1]->behaviourId, 0);
        }
}

TEST_F(BulletBehaviours, PatternSpiralsLayStillBulletsOnACircle) {
    struct Case {
        int id, d, age;
        float p;
        int count;
    };
    const Case cases[] = {{13, 1, 4, 20.0f, 2}, {13, 3, 2, 10.0f, 4}, {14, 2, 3, 165.0f, 3},
                          {13, 1, 37, 0.0f, 0}, {13, 1, 6, 0.0f, 0},  {14, 1, 36, 0.0f, 2}};
    for (const Case& c : cases) {
        ClearBullets();
        Difficulty = c.d;
        Bullet& b = Fire(1, c.id, 0.0f, 2, 500.0f, 200.0f);
        b.age = c.age;
        RunPatternBulletBehaviour(0);
        const auto live = Live();
        ASSERT_EQ(static_cast<int>(live.size()), 1 + c.count) << c.id << " age " << c.age;
        for (int k = 1; k <= c.count; ++k) {
            const Bullet& s = *live[k];
            if (c.p != 0.0f) {
                EXPECT_FLOAT_EQ(s.angle, c.p);
                EXPECT_NEAR(s.x, 500.0f + 20.0f * std::cos(c.p * kDegToRad), 1e-3f);
                EXPECT_NEAR(s.y, 200.0f + 20.0f * std::sin(c.p * kDegToRad), 1e-3f);
            }
            EXPECT_EQ(s.speed, 0.25f * static_cast<float>(k - 1));
            EXPECT_EQ(s.behaviourId, 15);
            EXPECT_EQ(s.spriteType, 9);
        }
    }
    // Over a whole life at Difficulty 1: nine rings of two.
    ClearBullets();
    Difficulty = 1;
    Fire(1, 13, 0.0f);
    Steps(40);
    EXPECT_EQ(LiveCount(), 19);
}

TEST_F(BulletBehaviours, PatternSixWayBurstsSpeedUpTheirCarrier) {
    Bullet& b = Fire(1, 16, 0.0f, 1, 640.0f, 100.0f, 0.0f);
    Steps(9);
    EXPECT_EQ(LiveCount(), 1);
    Steps(1);
    auto live = Live();
    ASSERT_EQ(live.size(), 7u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_FLOAT_EQ(live[k + 1]->angle, 60.0f * k);
        EXPECT_EQ(live[k + 1]->aimed, 1);
        EXPECT_EQ(live[k + 1]->behaviourId, 17);
    }
    Steps(10);
    EXPECT_EQ(LiveCount(), 13);
    EXPECT_NEAR(b.speed, 4.0f, 1e-4f);
    Difficulty = 3;
    Steps(5);
    EXPECT_EQ(LiveCount(), 19);
}

TEST_F(BulletBehaviours, PatternBombBurstsIntoTwoColourRings) {
    const int counts[3] = {100, 140, 210};
    for (int d = 1; d <= 3; ++d) {
        ClearBullets();
        Difficulty = d;
        Fire(1, 21, 0.4f, 2);
        Steps(2);
        EXPECT_EQ(LiveCount(), 1);
        Steps(1);
        EXPECT_EQ(LiveCount(), counts[d - 1]) << "Difficulty " << d;
    }
    // The order within one direction at Difficulty 3: two colour-2 bullets, then a colour-1 bullet.
    ClearBullets();
    Fire(1, 21, 0.0f);
    RunPatternBulletBehaviour(0);
    const auto live = Live();
    ASSERT_EQ(live.size(), 210u);
    EXPECT_EQ(live[0]->angle, -24.0f);
    EXPECT_EQ(live[0]->speed, 5.0f);
    EXPECT_EQ(live[0]->colour, 2);
    EXPECT_EQ(live[1]->speed, 6.0f);
    EXPECT_EQ(live[2]->angle, -6.0f);
    EXPECT_EQ(live[2]->colour, 1);
    EXPECT_EQ(live[2]->spriteType, 6);
    EXPECT_EQ(live[209]->angle, 324.0f + 6.0f);
    EXPECT_EQ(live[0]->aimed, 1);
    EXPECT_EQ(live[0]->patternFlag, 1);

    ClearBullets();
    Difficulty = 1;
    Fire(1, 21, 0.0f);
    RunPatternBulletBehaviour(0);
    const auto easy = Live();
    EXPECT_EQ(easy[0]->angle, -2.0f);
    EXPECT_EQ(easy[0]->colour, 1);
    EXPECT_EQ(easy[1]->angle, -20.0f);
    EXPECT_EQ(easy[1]->colour, 2);
    EXPECT_EQ(easy[1]->speed, 5.0f);
}

TEST_F(BulletBehaviours, PatternSheddersAndTurners) {
    Bullet& twin = Fire(1, 22, 0.0f, 1, 640.0f, 100.0f, 90.0f);
    Steps(10);
    auto live = Live();
    ASSERT_EQ(live.size(), 5u);
    EXPECT_EQ(live[1]->angle, 75.0f);
    EXPECT_EQ(live[1]->colour, 2);
    EXPECT_EQ(live[2]->angle, 105.0f);
    EXPECT_EQ(live[2]->colour, 1);
    EXPECT_EQ(live[2]->speed, 1.0f);
    EXPECT_EQ(live[2]->behaviourId, 23);
    twin.Deactivate();
    ClearBullets();

    Bullet& back = Fire(1, 31, 2.0f, 1, 640.0f, 300.0f, 90.0f);
    Steps(59);
    EXPECT_EQ(LiveCount(), 1);
    Steps(1);
    live = Live();
    ASSERT_EQ(live.size(), 2u);
    EXPECT_EQ(live[1]->angle, 90.0f);
    EXPECT_EQ(live[1]->speed, 4.0f);
    EXPECT_EQ(live[1]->colour, 2);
    EXPECT_NEAR(back.speed, -4.0f, 1e-3f);
    Steps(25);
    EXPECT_NEAR(back.speed, -6.0f, 0.11f);
    EXPECT_LE(back.speed, -6.0f + 1e-4f);

    ClearBullets();
    Fire(1, 33, 0.6f, 1, 640.0f, 300.0f, 45.0f);
    Steps(2);
    EXPECT_EQ(LiveCount(), 1);
    Steps(1);
    live = Live();
    ASSERT_EQ(live.size(), 1u);
    EXPECT_EQ(live[0]->behaviourId, 34);
    EXPECT_EQ(live[0]->angle, 45.0f);
    EXPECT_EQ(live[0]->colour, 2);
    EXPECT_NEAR(live[0]->speed, 0.3f, 1e-6f);

    ClearBullets();
    Fire(1, 35, 0.0f, 2);
    Steps(1);
    live = Live();
    ASSERT_EQ(live.size(), 2u);
    EXPECT_EQ(live[0]->angle, -20.0f);
    EXPECT_EQ(live[1]->angle, 20.0f);
    EXPECT_EQ(live[1]->aimed, 1);
    EXPECT_EQ(live[1]->colour, 1);
    EXPECT_EQ(live[1]->behaviourId, 36);
}

}  // namespace
