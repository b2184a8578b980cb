// The middle flyers of the grass plain: their paths, their deaths and the
// windows, aims and volleys of their fire routines, driven frame by frame
// through the enemy pool.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <vector>

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "species/flyer_fixture.h"

namespace {

constexpr int32_t kBothSpecies[2] = {kSpeciesMiddleButterFly, kSpeciesMiddleMoth};
constexpr float kToDegrees = 57.2957763671875f;

// A bullet as it left, with the phase time of the frame that fired it.
struct Fired {
    int32_t t;
    Bullet b;
};

class MiddleFlyerTest : public FlyerFixture {
protected:
    void SetUp() override {
        FlyerFixture::SetUp();
        SetPlayer(640.0f, 600.0f);
    }

    static void SetPlayer(float px, float py) {
        EnemyTargetPos = Vec3{px, py, 0.0f};
        BulletTargetPos = EnemyTargetPos;
    }

    // Spawns the flyer into slot 0 at its path's usual spawn point.
    static Enemy& Spawn(int32_t species, int32_t variant, int32_t route, int32_t grade) {
        const float px = variant == 2 ? 140.0f : variant == 3 ? 1140.0f : 640.0f;
        const float py = variant >= 2 ? 300.0f : -100.0f;
        Enemy& e = SpawnFlyer(species, variant, px, py, route, grade);
        EXPECT_EQ(e.active, 1);
        return e;
    }

    // Runs `frames` updates of the pool; nothing frees a bullet meanwhile, so
    // each frame's bullets follow the ones before them in the pool.
    static std::vector<Fired> Run(int frames) {
        std::vector<Fired> fired;
        for (int i = 0; i < frames; ++i) {
            const int32_t t = EnemyPool[0].phaseTimer;
            const int before = ActiveBullets();
            UpdateEnemies();
            for (int k = before; k < ActiveBullets(); ++k) fired.push_back({t, EnemyBulletPool[k]});
        }
        return fired;
    }

    // Bullets fired on each frame, by phase time.
    static std::map<int32_t, int> CountByFrame(const std::vector<Fired>& fired) {
        std::map<int32_t, int> counts;
        for (const Fired& f : fired) ++counts[f.t];
        return counts;
    }

    static std::vector<Fired> On(const std::vector<Fired>& fired, int32_t t) {
        std::vector<Fired> out;
        for (const Fired& f : fired)
            if (f.t == t) out.push_back(f);
        return out;
    }

    // A volley's bullets as the comparisons below want them.
    static std::vector<float> Angles(const std::vector<Fired>& fired) {
        std::vector<float> angles;
        for (const Fired& f : fired) angles.push_back(f.b.angle);
        return angles;
    }
};

// The burst frames of path 0: four volleys 3 frames apart, twice, 81 frames apart.
std::map<int32_t, int> BurstFrames(int perVolley) {
    std::map<int32_t, int> m;
    for (int32_t t : {20, 23, 26, 29, 101, 104, 107, 110}) m[t] = perVolley;
    return m;
}

TEST_F(MiddleFlyerTest, PathZeroDropsInStandsFrom90To210ThenSinksFasterAndFaster) {
    for (int32_t species : kBothSpecies) {
        SetUp();
        SCOPED_TRACE(species);
        Enemy& e = Spawn(species, 0, 1, 1);
        Run(90);
        EXPECT_NEAR(e.y, -100.0f + 409.5f, 0.01f);
        const float standing = e.y;
        for (int32_t t = 90; t <= 210; ++t) {
            Run(1);
            ASSERT_EQ(e.y, standing) << "t " << t;
        }
        Run(1);
        EXPECT_NEAR(e.y - standing, 0.1f, 1e-4f);
        Run(1);
        EXPECT_NEAR(e.y - standing, 0.3f, 1e-4f);
        EXPECT_EQ(e.x, 640.0f);
    }
}

TEST_F(MiddleFlyerTest, ArcsBendToAStopAfter120FramesWithoutAJump) {
    struct Case {
        int32_t species, variant;
        float dx;
    };
    // The moth flies the same arc 134 pixels wider; path 3 mirrors path 2.
    const Case cases[] = {
        {kSpeciesMiddleButterFly, 2, 402.97f}, {kSpeciesMiddleMoth, 2, 537.30f}, {kSpeciesMiddleMoth, 3, -537.30f}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " path " << c.variant);
        Enemy& e = Spawn(c.species, c.variant, 1, 1);
        const float x0 = e.x;
        const float y0 = e.y;
        Run(119);
        const float x119 = e.x;
        const float y119 = e.y;
        Run(1);
        EXPECT_NEAR(e.x - x0, c.dx, 0.02f);
        EXPECT_NEAR(e.y - y0, -113.71f, 0.02f);
        // The last step of the arc is a crawl, and nothing moves from t = 120.
        EXPECT_LT(std::fabs(e.x - x119), 0.2f);
        EXPECT_LT(std::fabs(e.y - y119), 0.1f);
        const float x120 = e.x;
        const float y120 = e.y;
        Run(91);
        EXPECT_EQ(e.x, x120);
        EXPECT_EQ(e.y, y120);
    }
}

TEST_F(MiddleFlyerTest, DeathDropsABigOrbAndTheRingOfItsGradeAndDifficultyWithoutCancellingBullets) {
    struct Case {
        int32_t species, grade, difficulty, ring;
    };
    // Grade 1 at Difficulty 1 has no ring; grades or Difficulties outside
    // 1..3 drop none either.
    const Case cases[] = {
        {kSpeciesMiddleButterFly, 1, 1, 0}, {kSpeciesMiddleMoth, 1, 2, 2},      {kSpeciesMiddleButterFly, 1, 3, 4},
        {kSpeciesMiddleMoth, 2, 1, 2},      {kSpeciesMiddleButterFly, 2, 3, 5}, {kSpeciesMiddleMoth, 3, 2, 4},
        {kSpeciesMiddleButterFly, 3, 3, 6}, {kSpeciesMiddleMoth, 4, 2, 0},      {kSpeciesMiddleButterFly, 2, 0, 0}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " grade " << c.grade << " difficulty "
                                        << c.difficulty);
        Enemy& e = Spawn(c.species, 0, 1, c.grade == 4 ? 3 : c.grade);
        e.grade = c.grade;
        Difficulty = c.difficulty;
        e.x = 500.0f;
        e.y = 300.0f;
        SpawnBullet(kSideEnemy, BulletShot{.x = 600.0f, .y = 200.0f, .speed = 3.0f});
        e.status.hp = 0;
        UpdateEnemies();

        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(EnemyBulletPool[0].active, 1);   // no cancel
        EXPECT_EQ(EffectPool.type[0], kEffectMidBossDeath);
        EXPECT_EQ(EffectPool.active[1], 0);
        std::vector<const Item*> big, ring;
        for (const Item& it : ItemPool) {
            if (it.active == 0) continue;
            EXPECT_NEAR(it.x, 500.0f, 3.0f);   // items start a step out along their angle
            EXPECT_NEAR(it.y, 300.0f, 3.0f);
            (it.kind == kItemBigExperience ? big : ring).push_back(&it);
        }
        EXPECT_EQ(big.size(), 1u);
        ASSERT_EQ(ring.size(), static_cast<size_t>(c.ring));
        for (int k = 0; k < c.ring; ++k) EXPECT_NEAR(ring[k]->angle, 360.0f * k / c.ring, 1e-3f);
    }
}

TEST_F(MiddleFlyerTest, ABurstKeepsTheAimOfItsFirstVolleyAndTheNextBurstAimsAgain) {
    for (int32_t species : kBothSpecies) {
        SetUp();
        SCOPED_TRACE(species);
        Enemy& e = Spawn(species, 0, 1, 1);
        SetPlayer(400.0f, 650.0f);
        Run(21);
        const float firstAim = std::atan2(650.0f - e.y, 400.0f - e.x) * kToDegrees;
        SetPlayer(900.0f, 650.0f);   // the player crosses over during the burst
        const std::vector<Fired> fired = Run(110 - 21 + 1);
        for (int32_t t : {23, 26, 29}) {
            const std::vector<Fired> volley = On(fired, t);
            ASSERT_FALSE(volley.empty()) << "t " << t;
            // Each species' middle bullet of the spread lies on the aim.
            const Bullet& middle = volley[species == kSpeciesMiddleButterFly ? 0 : 1].b;
            EXPECT_NEAR(middle.angle, firstAim, 1e-3f) << "t " << t;
            EXPECT_EQ(middle.aimed, 0);
        }
        // The enemy stands from t = 90, so the second burst's aim is fixed.
        const float secondAim = std::atan2(650.0f - e.y, 900.0f - e.x) * kToDegrees;
        for (int32_t t : {101, 110}) {
            const std::vector<Fired> volley = On(fired, t);
            ASSERT_FALSE(volley.empty()) << "t " << t;
            EXPECT_NEAR(volley[species == kSpeciesMiddleButterFly ? 0 : 1].b.angle, secondAim, 1e-3f) << "t " << t;
        }
    }
}

TEST_F(MiddleFlyerTest, GradeOneBurstsByDifficulty) {
    struct Case {
        int32_t species, difficulty, perVolley;
        std::vector<float> offsets;   // from the aim, in firing order
        std::vector<float> speeds;    // at the burst's first volley
        std::vector<float> dx, dy;    // muzzle offsets from the flyer
        std::vector<int32_t> types;
    };
    // Grade 1, route 1, path 0. The butterfly: twin muzzles, right first,
    // each firing the whole list. The moth: the spread from below its centre,
    // its wing bullets joining from Difficulty 2.
    const Case cases[] = {
        {kSpeciesMiddleButterFly, 1, 2, {0, 0}, {6, 6}, {25, -25}, {0, 0}, {6, 6}},
        {kSpeciesMiddleButterFly,
         2,
         6,
         {-30, 0, 30, -30, 0, 30},
         {6, 6, 6, 6, 6, 6},
         {25, 25, 25, -25, -25, -25},
         {0, 0, 0, 0, 0, 0},
         {6, 6, 6, 6, 6, 6}},
        {kSpeciesMiddleButterFly,
         3,
         6,
         {-30, 0, 30, -30, 0, 30},
         {7, 7, 7, 7, 7, 7},
         {25, 25, 25, -25, -25, -25},
         {0, 0, 0, 0, 0, 0},
         {6, 6, 6, 6, 6, 6}},
        {kSpeciesMiddleMoth, 1, 3, {-3, 0, 3}, {5, 5, 5}, {0, 0, 0}, {25, 25, 25}, {9, 9, 9}},
        {kSpeciesMiddleMoth,
         2,
         5,
         {-30, -3, 0, 3, 30},
         {6, 5, 5, 5, 6},
         {25, 0, 0, 0, -25},
         {0, 25, 25, 25, 0},
         {9, 9, 9, 9, 9}},
        {kSpeciesMiddleMoth,
         3,
         5,
         {-30, -3, 0, 3, 30},
         {7, 6, 6, 6, 7},
         {25, 0, 0, 0, -25},
         {0, 25, 25, 25, 0},
         {9, 9, 9, 9, 9}},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " difficulty " << c.difficulty);
        Difficulty = c.difficulty;
        Enemy& e = Spawn(c.species, 0, 1, 1);
        e.status.attack = 17;
        e.status.attack2 = 23;
        Run(20);
        const float ex = e.x;
        const float ey = e.y + (9.0f - 0.1f * 20.0f);   // where the fire of t = 20 leaves from
        const std::vector<Fired> fired = Run(200);
        EXPECT_EQ(CountByFrame(fired), BurstFrames(c.perVolley));
        const std::vector<Fired> first = On(fired, 20);
        ASSERT_EQ(first.size(), c.offsets.size());
        const float aim = std::atan2(600.0f - ey, 640.0f - ex) * kToDegrees;
        for (size_t i = 0; i < first.size(); ++i) {
            const Bullet& b = first[i].b;
            EXPECT_NEAR(b.angle, aim + c.offsets[i], 1e-3f) << i;
            EXPECT_FLOAT_EQ(b.speed, c.speeds[i]) << i;
            EXPECT_FLOAT_EQ(b.x, ex + c.dx[i]) << i;
            EXPECT_FLOAT_EQ(b.y, ey + c.dy[i]) << i;
            EXPECT_EQ(b.spriteType, c.types[i]) << i;
            EXPECT_EQ(b.power, 17);
            EXPECT_EQ(b.power2, 23);
        }
        // Speeds gain 0.2 per counter step within each burst: + 0.6, 1.2, 1.8.
        for (int32_t burst : {20, 101}) {
            for (int32_t step = 0; step < 4; ++step) {
                const std::vector<Fired> v = On(fired, burst + 3 * step);
                ASSERT_FALSE(v.empty());
                EXPECT_NEAR(v.back().b.speed, c.speeds.back() + 0.6f * static_cast<float>(step), 1e-4f);
            }
        }
    }
}

TEST_F(MiddleFlyerTest, GradeOneHoldsItsFireOffPathZeroAndNeverCounts) {
    for (int32_t species : kBothSpecies) {
        for (int32_t variant : {1, 2, 3}) {
            for (int32_t route : {1, 2, 3}) {
                SetUp();
                SCOPED_TRACE(testing::Message() << "species " << species << " path " << variant << " route " << route);
                Difficulty = 3;
                Enemy& e = Spawn(species, variant, route, 1);
                for (int frame = 0; frame < 230; ++frame) {
                    Run(1);
                    ASSERT_EQ(e.shotCounter, 0) << "frame " << frame;
                }
                EXPECT_EQ(ActiveBullets(), 0);
            }
        }
    }
}

TEST_F(MiddleFlyerTest, ButterFlyGradeTwoRouteTwoFansWingsSideShotsAndHalfRings) {
    Difficulty = 3;
    // Path 1: fan (9 at speed 7 and 8 between them at 5), wings (6 pairs),
    // fan, wings, at t = 30, 60, 90 and 120.
    Spawn(kSpeciesMiddleButterFly, 1, 2, 2);
    std::vector<Fired> fired = Run(220);
    EXPECT_EQ(CountByFrame(fired), (std::map<int32_t, int>{{30, 17}, {60, 12}, {90, 17}, {120, 12}}));
    const std::vector<Fired> fan = On(fired, 30);
    EXPECT_EQ(Angles(fan),
              (std::vector<float>{50, 60, 70, 80, 90, 100, 110, 120, 130, 55, 65, 75, 85, 95, 105, 115, 125}));
    EXPECT_EQ(fan[0].b.speed, 7.0f);
    EXPECT_EQ(fan[9].b.speed, 5.0f);
    EXPECT_EQ(fan[0].b.spriteType, 4);
    const std::vector<Fired> wings = On(fired, 60);
    EXPECT_EQ(Angles(wings), (std::vector<float>{50, 130, 54, 126, 58, 122, 62, 118, 66, 114, 70, 110}));
    EXPECT_EQ(wings[0].b.speed, 8.0f);
    EXPECT_EQ(wings[0].b.spriteType, 7);

    // Paths 2 and 3: 31-frame cycles of side shots on every third count up
    // to 30, the muzzle and colour changing each cycle; then four half-rings.
    SetUp();
    Difficulty = 3;
    Enemy& e = Spawn(kSpeciesMiddleButterFly, 2, 2, 2);
    fired = Run(220);
    std::map<int32_t, int> expected;
    for (int32_t start : {30, 61, 92, 123})
        for (int32_t c = 0; c <= 30 && start + c <= 149; c += 3) expected[start + c] = 3;
    for (int32_t t : {150, 165, 180, 195}) expected[t] = 27;
    EXPECT_EQ(CountByFrame(fired), expected);
    const std::vector<Fired> right = On(fired, 30);
    EXPECT_EQ(right[0].b.speed, 9.0f);
    EXPECT_EQ(right[1].b.speed, 8.0f);
    EXPECT_NEAR(right[1].b.angle - right[0].b.angle, 20.0f, 1e-3f);
    EXPECT_NEAR(right[2].b.angle - right[0].b.angle, -20.0f, 1e-3f);
    const std::vector<Fired> ring = On(fired, 195);
    EXPECT_EQ(ring.front().b.angle, -90.0f);
    EXPECT_NEAR(ring.back().b.angle, 83.16f, 1e-3f);
    EXPECT_EQ(ring.back().b.aimed, 1);
    EXPECT_EQ(ring.back().b.x, e.x);
    EXPECT_EQ(ring.back().b.speed, 7.0f);
}

TEST_F(MiddleFlyerTest, ButterFlySideMuzzleAndColourSwapEachCycle) {
    // Route 1, path 3: the first cycle fires colour 1 from the right, the
    // next colour 2 from the left.
    Enemy& e = Spawn(kSpeciesMiddleButterFly, 3, 1, 2);
    Run(30);
    std::vector<Fired> volley = Run(1);
    ASSERT_EQ(volley.size(), 1u);
    EXPECT_EQ(volley[0].t, 30);
    EXPECT_EQ(volley[0].b.x, e.x + 20.0f);
    EXPECT_EQ(volley[0].b.spriteType, 6);
    EXPECT_EQ(volley[0].b.colour, 1);
    EXPECT_TRUE(Run(1).empty());
    Run(29);
    volley = Run(1);
    ASSERT_EQ(volley.size(), 1u);
    EXPECT_EQ(volley[0].t, 61);
    EXPECT_EQ(volley[0].b.x, e.x - 20.0f);
    EXPECT_EQ(volley[0].b.spriteType, 9);
    EXPECT_EQ(volley[0].b.colour, 2);
}

TEST_F(MiddleFlyerTest, MothGradeTwoRouteTwoFansStreamsWingFansAndRingShots) {
    Difficulty = 3;
    // Path 1: fans of 9 from each wing on counts 0, 10, 20; ten aimed
    // streams of 3 from each wing from count 30; rest from 60 to 90.
    Spawn(kSpeciesMiddleMoth, 1, 2, 2);
    std::vector<Fired> fired = Run(220);
    std::map<int32_t, int> expected;
    for (int32_t start : {30, 121}) {
        for (int32_t c : {0, 10, 20}) expected[start + c] = 18;
        for (int32_t c = 30; c < 60 && start + c <= 179; c += 3) expected[start + c] = 6;
    }
    EXPECT_EQ(CountByFrame(fired), expected);
    EXPECT_FLOAT_EQ(On(fired, 40)[0].b.speed, 8.0f);
    const std::vector<Fired> stream = On(fired, 63);
    EXPECT_EQ(Angles(stream), (std::vector<float>{-20, 0, 20, -20, 0, 20}));
    EXPECT_EQ(stream[0].b.aimed, 1);
    EXPECT_FLOAT_EQ(stream[0].b.speed, 4.6f);
    EXPECT_EQ(stream[0].b.spriteType, 9);

    // Paths 2 and 3: wing fans of 7 on even counts up to 10 of each 30-frame
    // cycle, rings of 10 on counts 0, 10, 20 while t < 120.
    SetUp();
    Difficulty = 3;
    Spawn(kSpeciesMiddleMoth, 2, 2, 2);
    fired = Run(220);
    expected.clear();
    for (int32_t start = 30; start < 180; start += 30) {
        for (int32_t c = 0; c <= 10; c += 2) expected[start + c] += 7;
        if (start < 120)
            for (int32_t c : {0, 10, 20}) expected[start + c] += 10;
    }
    EXPECT_EQ(CountByFrame(fired), expected);
    const std::vector<Fired> ring = On(fired, 50);
    ASSERT_EQ(ring.size(), 10u);
    EXPECT_EQ(Angles(ring), (std::vector<float>{50, 50, 70, 70, 90, 90, 110, 110, 130, 130}));
    EXPECT_EQ(ring[0].b.speed, 6.0f);
    EXPECT_EQ(ring[1].b.speed, 7.0f);
    // Each ring shot leaves 25 pixels out along its own angle.
    EXPECT_NEAR(ring[0].b.x - ring[8].b.x, 50.0f * std::cos(50.0f / kToDegrees), 1e-3f);
    EXPECT_NEAR(ring[4].b.y - ring[0].b.y, 25.0f * (1.0f - std::sin(50.0f / kToDegrees)), 1e-3f);
    const std::vector<Fired> rightFan = On(fired, 32);
    EXPECT_FLOAT_EQ(rightFan[1].b.angle - rightFan[0].b.angle, 30.0f);
    EXPECT_FLOAT_EQ(rightFan[0].b.speed, 5.6f);
    // The fan's wing against the straight-down ring shot of the same frame:
    // right in the first cycle, left in the next.
    for (int32_t t : {30, 60}) {
        const std::vector<Fired> v = On(fired, t);
        ASSERT_EQ(v.size(), 17u);
        EXPECT_NEAR(v[0].b.x - v[11].b.x, t == 30 ? 25.0f : -25.0f, 1e-3f);
    }
}

TEST_F(MiddleFlyerTest, GradeThreeFiresTheSecondCanyonRoutineOnEveryRoute) {
    for (int32_t species : kBothSpecies) {
        for (int32_t variant : {1, 2}) {
            SetUp();
            Difficulty = 2;
            Spawn(species, variant, 2, 2);
            const std::vector<Fired> reference = Run(220);
            ASSERT_FALSE(reference.empty());
            for (int32_t route : {1, 2, 3}) {
                SetUp();
                SCOPED_TRACE(testing::Message() << "species " << species << " path " << variant << " route " << route);
                Difficulty = 2;
                Spawn(species, variant, route, 3);
                const std::vector<Fired> fired = Run(220);
                ASSERT_EQ(fired.size(), reference.size());
                for (size_t i = 0; i < fired.size(); ++i) {
                    EXPECT_EQ(fired[i].t, reference[i].t);
                    EXPECT_EQ(fired[i].b.angle, reference[i].b.angle);
                    EXPECT_EQ(fired[i].b.speed, reference[i].b.speed);
                    EXPECT_EQ(fired[i].b.spriteType, reference[i].b.spriteType);
                }
            }
        }
    }
}

}   // namespace
