// Enemy bullet steering by behaviour id: route handlers and pattern bullets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/bullet.h"
#include "core/field_globals.h"

namespace {

constexpr int kOrdinary = 0;
constexpr int kPattern = 1;

class BulletBehaviours : public ::testing::Test {
protected:
    void SetUp() override {
        ClearBullets();
        // Unless a test says otherwise nothing moves, so only the programs act.
        BulletSpeedScale = 0.0f;
        BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        BulletRoute = 1;
        Difficulty = 1;
    }
    void TearDown() override { ClearBullets(); }

    // A size-2 bullet in the first free slot, with powers 11 and 12.
    static Bullet& Fire(int flag, int id, float speed, int colour = 1, float x = 640.0f, float angle = 90.0f) {
        return EnemyBulletPool[PlaceEnemyBullet(flag != 0, BulletShot{.x = x,
                                                                       .y = 300.0f,
                                                                       .angle = angle,
                                                                       .speed = speed,
                                                                       .size = 2,
                                                                       .colour = static_cast<BulletColour>(colour),
                                                                       .behaviour = id,
                                                                       .power = 11,
                                                                       .power2 = 12})];
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
};

TEST_F(BulletBehaviours, SpeedProgramsByAge) {
    struct Check {
        int steps;
        float speed, tolerance;
    };
    struct Program {
        int flag, route, id;
        float start;
        std::vector<Check> checks;
    };
    const Program programs[] = {
        {kOrdinary, 1, 11, 5.0f, {{29, 2.1f, 1e-3f}, {49, 2.1f, 1e-3f}, {50, 2.3f, 1e-3f}}},
        {kOrdinary, 1, 31, 3.5f, {{5, 3.25f, 1e-3f}, {40, 3.0f, 0.05f}}},
        {kOrdinary, 2, 11, 10.0f, {{19, 4.3f, 1e-3f}, {29, 4.3f, 1e-3f}, {30, 4.5f, 1e-3f}}},
        {kOrdinary, 2, 13, 1.0f, {{3, 1.9f, 1e-4f}}},
        {kOrdinary, 3, 11, 7.0f, {{4, 6.2f, 1e-3f}, {14, 6.0f, 0.2f}}},
        {kPattern, 3, 2, 10.0f, {{59, 1.15f, 1e-3f}, {75, 1.15f, 1e-3f}, {76, 1.45f, 1e-3f}, {200, 6.0f, 0.3f}}},
        {kPattern, 1, 15, 0.0f, {{29, 0.0f, 0.0f}, {30, 0.1f, 1e-5f}, {200, 6.0f, 0.1f}}},
        {kPattern, 1, 16, 0.0f, {{20, 4.0f, 1e-3f}}},
        {kPattern, 1, 17, 0.0f, {{9, 0.0f, 0.0f}, {10, 0.1f, 1e-5f}, {200, 6.0f, 0.1f}}},
        {kPattern, 1, 23, 8.5f, {{29, 8.5f, 0.0f}, {30, 8.6f, 1e-4f}, {200, 9.0f, 0.1f}}},
        {kPattern, 1, 31, 2.0f, {{60, -4.0f, 1e-3f}, {200, -6.0f, 0.1f}}},
        {kPattern, 1, 32, 5.0f, {{29, 5.0f, 0.0f}, {30, 4.9f, 1e-4f}, {200, 3.0f, 0.1f}}},
        {kPattern, 1, 34, 8.5f, {{2, 9.1f, 1e-4f}, {10, 9.1f, 1e-4f}}},
        {kPattern, 1, 36, 11.0f, {{3, 12.2f, 1e-4f}, {10, 12.2f, 1e-4f}}},
    };
    for (const Program& p : programs) {
        ClearBullets();
        BulletRoute = p.route;
        const Bullet& b = Fire(p.flag, p.id, p.start);
        int done = 0;
        for (const Check& c : p.checks) {
            Steps(c.steps - done);
            done = c.steps;
            EXPECT_NEAR(b.speed, c.speed, c.tolerance) << "route " << p.route << " flag " << p.flag << " id " << p.id
                                                       << " after " << c.steps;
        }
    }
}

TEST_F(BulletBehaviours, ChildCountsAfterSteps) {
    struct Case {
        int flag, route, id, difficulty;
        float start, x;
        int steps, live, parentLive;
    };
    const Case cases[] = {
        {kOrdinary, 1, 1, 1, 0.0f, 640, 1, 6, 0},     // fired at speed 0: splits on its first step
        {kOrdinary, 1, 1, 1, 0.25f, 640, 3, 1, 1},    // 0.15, 0.05, -0.05 ...
        {kOrdinary, 1, 1, 1, 0.25f, 640, 4, 6, 0},    // ... then it splits
        {kOrdinary, 1, 21, 1, 0.3f, 640, 1, 1, 1},
        {kOrdinary, 1, 21, 1, 0.3f, 640, 2, 3, 0},
        {kOrdinary, 1, 22, 1, 0.0f, 640, 1, 4, 0},
        {kOrdinary, 2, 1, 1, 0.0f, 640, 14, 1, 1},
        {kOrdinary, 2, 1, 1, 0.0f, 640, 30, 3, 1},
        {kOrdinary, 2, 1, 2, 0.0f, 640, 9, 1, 1},
        {kOrdinary, 2, 1, 2, 0.0f, 640, 30, 4, 1},
        {kOrdinary, 2, 1, 3, 0.0f, 640, 10, 4, 1},
        {kOrdinary, 2, 1, 3, 0.0f, 640, 30, 10, 1},
        {kOrdinary, 2, 12, 1, 5.0f, 640, 44, 1, 1},
        {kOrdinary, 2, 12, 1, 5.0f, 640, 45, 1, 0},
        {kOrdinary, 2, 31, 1, 5.0f, 640, 45, 1, 0},
        {kOrdinary, 3, 1, 1, 0.1f, 640, 2, 1, 0},
        {kOrdinary, 3, 1, 2, 0.1f, 640, 2, 2, 0},
        {kOrdinary, 3, 1, 3, 0.1f, 640, 2, 3, 0},
        {kPattern, 1, 3, 1, 0.0f, 640, 9, 1, 1},
        {kPattern, 1, 3, 1, 0.0f, 640, 30, 4, 1},
        {kPattern, 2, 3, 3, 0.0f, 640, 30, 6, 1},
        {kPattern, 3, 4, 2, 0.0f, 640, 30, 5, 1},
        {kPattern, 1, 5, 3, 0.0f, 640, 5, 1, 1},      // between the edges nothing happens
        {kPattern, 1, 5, 1, 0.0f, 288, 1, 5, 0},
        {kPattern, 1, 5, 2, 0.0f, 992, 1, 7, 0},
        {kPattern, 1, 5, 3, 0.0f, 288, 1, 10, 0},
        {kPattern, 1, 11, 1, 0.0f, 640, 19, 1, 1},
        {kPattern, 1, 11, 1, 0.0f, 640, 60, 4, 1},
        {kPattern, 1, 11, 2, 0.0f, 640, 45, 4, 1},
        {kPattern, 1, 12, 3, 0.0f, 640, 36, 4, 1},
        {kPattern, 1, 13, 1, 0.0f, 640, 40, 19, 1},   // nine rings of two
        {kPattern, 1, 13, 2, 0.0f, 640, 40, 37, 1},   // twelve of three
        {kPattern, 1, 14, 3, 0.0f, 640, 40, 73, 1},   // eighteen of four
        {kPattern, 1, 16, 1, 0.0f, 640, 9, 1, 1},
        {kPattern, 1, 16, 1, 0.0f, 640, 20, 13, 1},
        {kPattern, 1, 16, 3, 0.0f, 640, 15, 13, 1},
        {kPattern, 1, 21, 1, 0.4f, 640, 2, 1, 1},
        {kPattern, 1, 21, 1, 0.4f, 640, 3, 100, 0},
        {kPattern, 1, 21, 2, 0.4f, 640, 3, 140, 0},
        {kPattern, 1, 21, 3, 0.4f, 640, 3, 210, 0},
        {kPattern, 1, 22, 1, 0.0f, 640, 4, 1, 1},
        {kPattern, 1, 22, 1, 0.0f, 640, 10, 5, 1},
        {kPattern, 1, 31, 1, 0.0f, 640, 59, 1, 1},
        {kPattern, 1, 31, 1, 0.0f, 640, 90, 2, 1},
        {kPattern, 1, 33, 1, 0.6f, 640, 2, 1, 1},
        {kPattern, 1, 33, 1, 0.6f, 640, 3, 1, 0},
        {kPattern, 1, 35, 1, 0.0f, 640, 1, 2, 0},
    };
    for (const Case& c : cases) {
        ClearBullets();
        BulletRoute = c.route;
        Difficulty = c.difficulty;
        Fire(c.flag, c.id, c.start, 1, c.x);
        Steps(c.steps);
        EXPECT_EQ(static_cast<int>(Live().size()), c.live)
            << "route " << c.route << " flag " << c.flag << " id " << c.id << " D" << c.difficulty << " after " << c.steps;
        EXPECT_EQ(EnemyBulletPool[0].active, c.parentLive) << "id " << c.id << " after " << c.steps;
    }
}

TEST_F(BulletBehaviours, ChildrenTakeTheirHeadingsSpeedsAndColours) {
    struct Child {
        float angle, speed;
        int colour, aimed, behaviour, flag;
    };
    struct Case {
        int flag, route, id, difficulty, age;
        float angle;
        int count;
        Child first, last;
    };
    // Parents are colour 2 and heading 30 degrees.
    const Case cases[] = {
        {kOrdinary, 1, 1, 1, 1, 30, 6, {20, 7, 2, 1, 0, 0}, {-20, 8, 2, 1, 0, 0}},
        {kOrdinary, 1, 21, 1, 1, 30, 3, {-30, 9, 1, 1, 0, 0}, {30, 9, 1, 1, 0, 0}},
        {kOrdinary, 1, 22, 1, 1, 30, 4, {-45, 9, 2, 1, 0, 0}, {45, 9, 2, 1, 0, 0}},
        {kOrdinary, 2, 1, 3, 10, 30, 3, {85, 8, 2, 0, 0, 0}, {95, 8, 2, 0, 0, 0}},
        {kOrdinary, 2, 12, 1, 45, 30, 1, {0, 0, 2, 1, 13, 0}, {0, 0, 2, 1, 13, 0}},
        {kOrdinary, 3, 1, 2, 1, 30, 2, {0, 7, 2, 1, 0, 0}, {0, 8, 2, 1, 0, 0}},
        {kOrdinary, 3, 1, 3, 1, 30, 3, {-20, 7, 2, 1, 0, 0}, {20, 7, 2, 1, 0, 0}},
        {kPattern, 1, 3, 3, 10, 30, 5, {120, 7, 2, 0, 0, 1}, {120, 5, 2, 0, 0, 1}},
        {kPattern, 1, 4, 1, 10, 30, 3, {-60, 7, 2, 0, 0, 1}, {-60, 6, 2, 0, 0, 1}},
        {kPattern, 1, 11, 1, 20, 30, 1, {120, 5, 2, 0, 0, 1}, {120, 5, 2, 0, 0, 1}},
        {kPattern, 1, 12, 2, 15, 30, 1, {-60, 5, 2, 0, 0, 1}, {-60, 5, 2, 0, 0, 1}},
        {kPattern, 1, 16, 2, 16, 30, 6, {30, 0, 2, 1, 17, 1}, {330, 0, 2, 1, 17, 1}},
        {kPattern, 1, 22, 1, 5, 30, 2, {15, 1, 2, 0, 23, 1}, {45, 1, 1, 0, 23, 1}},
        {kPattern, 1, 31, 1, 60, 30, 1, {30, 4, 2, 0, 0, 1}, {30, 4, 2, 0, 0, 1}},
        {kPattern, 1, 33, 1, 1, 30, 1, {30, 0, 2, 0, 34, 1}, {30, 0, 2, 0, 34, 1}},
        {kPattern, 1, 35, 1, 1, 30, 2, {-20, 0, 1, 1, 36, 1}, {20, 0, 1, 1, 36, 1}},
    };
    for (const Case& c : cases) {
        ClearBullets();
        Difficulty = c.difficulty;
        Bullet& parent = Fire(c.flag, c.id, 0.0f, 2, 640.0f, c.angle);
        parent.age = c.age;
        if (c.flag == kPattern) RunPatternBulletBehaviour(0);
        else if (c.route == 1) RunBulletBehaviourRoute1(0);
        else if (c.route == 2) RunBulletBehaviourRoute2(0);
        else RunBulletBehaviourRoute3(0);
        std::vector<const Bullet*> children;
        for (int i = 1; i < kEnemyBulletCount; ++i)
            if (EnemyBulletPool[i].active == 1) children.push_back(&EnemyBulletPool[i]);
        ASSERT_EQ(static_cast<int>(children.size()), c.count) << "id " << c.id;
        for (int k : {0, c.count - 1}) {
            const Child& want = k == 0 ? c.first : c.last;
            const Bullet& got = *children[k];
            const std::string what = "flag " + std::to_string(c.flag) + " id " + std::to_string(c.id);
            EXPECT_FLOAT_EQ(got.angle, want.angle) << what;
            EXPECT_FLOAT_EQ(got.speed, want.speed) << what;
            EXPECT_EQ(got.colour, want.colour) << what;
            EXPECT_EQ(got.aimed, want.aimed) << what;
            EXPECT_EQ(got.behaviourId, want.behaviour) << what;
            EXPECT_EQ(got.patternFlag, want.flag) << what;
            EXPECT_EQ(got.spriteType, c.id == 12 && c.flag == kOrdinary ? 7 : 3 * (want.colour - 1) + 6) << what;
            EXPECT_EQ(got.power, 11);
            EXPECT_EQ(got.power2, 12);
        }
    }
}

TEST_F(BulletBehaviours, ChildrenPlacedInHigherSlotsMoveInTheSamePass) {
    BulletSpeedScale = 1.0f;
    Fire(kOrdinary, 1, 0.0f);
    Steps(1);
    const auto live = Live();
    ASSERT_EQ(live.size(), 6u);
    for (const Bullet* c : live) {
        // One move along the aim (straight down), turned by the heading.
        const float h = c->angle * kDegToRad + static_cast<float>(M_PI / 2);
        EXPECT_NEAR(c->x, 640.0f + std::cos(h) * c->speed, 1e-3f);
        EXPECT_NEAR(c->y, 300.0f + std::sin(h) * c->speed, 1e-3f);
        EXPECT_EQ(c->age, 1);
    }
    // Route 2 id 12 becomes a bullet aimed at the player of that moment that speeds up by 0.3.
    ClearBullets();
    BulletRoute = 2;
    Bullet& parent = Fire(kOrdinary, 12, 10.0f, 1, 640.0f, 270.0f);
    Steps(44);
    BulletTargetPos = Vec3{900.0f, 700.0f, 0.0f};
    Steps(1);
    const float x = parent.x, y = parent.y;   // a freed bullet keeps its last position
    const Bullet& homing = EnemyBulletPool[1];
    EXPECT_NEAR(homing.speed, 0.3f, 1e-6f);
    EXPECT_FLOAT_EQ(homing.aimAngle, std::atan2(700.0f - y, 900.0f - x));
    Steps(1);
    EXPECT_NEAR(homing.x, x + std::cos(homing.aimAngle) * 0.3f, 1e-3f);
}

TEST_F(BulletBehaviours, EdgeBurstsDrawSpeedThenHeadingFromTheGenerator) {
    std::srand(42);
    std::vector<int> draws;
    for (int i = 0; i < 20; ++i) draws.push_back(std::rand());
    for (bool left : {true, false}) {
        ClearBullets();
        Difficulty = 3;
        std::srand(42);
        Fire(kPattern, 5, 0.0f, 2, left ? 288.0f : 992.0f);
        RunPatternBulletBehaviour(0);
        const auto live = Live();
        ASSERT_EQ(live.size(), 10u);
        for (int k = 0; k < 10; ++k) {
            const int spread = draws[2 * k + 1] % 150;
            EXPECT_EQ(live[k]->speed, static_cast<float>(draws[2 * k] % 4 + 2));
            EXPECT_EQ(live[k]->angle, static_cast<float>(left ? spread - 90 : -90 - spread));
            EXPECT_EQ(live[k]->behaviourId, left ? 6 : 7);
            EXPECT_EQ(live[k]->spriteType, 7);
        }
    }
}

TEST_F(BulletBehaviours, SpiralsRingsAndCurls) {
    // Ids 13 and 14 lay still bullets on a 20-pixel circle at 5 x age degrees.
    Difficulty = 3;
    Bullet& spiral = Fire(kPattern, 14, 0.0f, 1, 500.0f);
    spiral.age = 6;
    RunPatternBulletBehaviour(0);
    const Bullet& laid = EnemyBulletPool[4];
    EXPECT_FLOAT_EQ(laid.angle, 150.0f);
    EXPECT_NEAR(laid.x, 500.0f + 20.0f * std::cos(150.0f * kDegToRad), 1e-3f);
    EXPECT_NEAR(laid.y, 300.0f + 20.0f * std::sin(150.0f * kDegToRad), 1e-3f);
    EXPECT_EQ(laid.speed, 0.75f);
    EXPECT_EQ(laid.behaviourId, 15);

    // The bomb's order in one direction: D3 two colour-2 bullets then a colour-1 one; D1 alternates.
    const float d3[4] = {-24.0f, -24.0f, -6.0f, -22.0f};
    const int d3Colours[4] = {2, 2, 1, 2};
    const float d1[4] = {-2.0f, -20.0f, 0.0f, -18.0f};
    for (int d : {1, 3}) {
        ClearBullets();
        Difficulty = d;
        Fire(kPattern, 21, 0.0f);
        RunPatternBulletBehaviour(0);
        const auto live = Live();
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(live[k]->angle, d == 3 ? d3[k] : d1[k]) << "D" << d << " child " << k;
            EXPECT_EQ(live[k]->colour, d == 3 ? d3Colours[k] : 1 + k % 2);
        }
        EXPECT_EQ(live.back()->angle, d == 3 ? 330.0f : 324.0f - 20.0f + 8.0f);
    }

    struct Curl {
        int id;
        float angle, angleAfter, speedAfter;
    };
    const Curl curls[] = {{6, -10.0f, -9.5f, 1.9975f},    {6, 10.0f, 10.2f, 2.02f},    {6, 90.0f, 90.0f, 2.0f},
                          {7, -100.0f, -100.5f, 1.9975f}, {7, -200.0f, -200.2f, 2.02f}, {7, -270.0f, -270.0f, 2.0f}};
    for (const Curl& c : curls) {
        ClearBullets();
        Bullet& b = Fire(kPattern, c.id, 2.0f, 1, 640.0f, c.angle);
        RunPatternBulletBehaviour(0);
        EXPECT_FLOAT_EQ(b.angle, c.angleAfter) << c.id << " at " << c.angle;
        EXPECT_FLOAT_EQ(b.speed, c.speedAfter) << c.id << " at " << c.angle;
    }
}

TEST_F(BulletBehaviours, FullPoolStillRemovesSplittingBullets) {
    struct Splitter {
        int flag, route, id, steps;
    };
    const Splitter splitters[] = {{kOrdinary, 1, 1, 1},  {kOrdinary, 2, 12, 45}, {kOrdinary, 2, 31, 45},
                                  {kOrdinary, 3, 1, 1},  {kPattern, 1, 5, 1},    {kPattern, 1, 21, 1},
                                  {kPattern, 1, 33, 1},  {kPattern, 1, 35, 1}};
    for (const Splitter& s : splitters) {
        ClearBullets();
        BulletRoute = s.route;
        Fire(s.flag, s.id, 0.0f, 1, 250.0f);
        for (int i = 1; i < kEnemyBulletCount; ++i) Fire(kOrdinary, 0, 0.0f);
        Steps(s.steps);
        EXPECT_EQ(EnemyBulletPool[0].active, 0) << "id " << s.id;
        EXPECT_EQ(static_cast<int>(Live().size()), kEnemyBulletCount - 1) << "id " << s.id;
    }
}

}  // namespace
