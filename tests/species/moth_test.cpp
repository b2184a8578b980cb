// The moth: its paths, its volleys by grade, route, path and Difficulty, its
// death and its draw.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "species/flyer_fixture.h"

namespace {

class MothTest : public FlyerFixture {
protected:
    static Enemy& Spawn(int32_t variant, float x, float y, int32_t route = 1, int32_t grade = 1) {
        return SpawnFlyer(kSpeciesMoth, variant, x, y, route, grade);
    }
    // The update frames (0 = the first) on which bullets appeared, and how many each time.
    struct Volleys {
        std::vector<int> frames;
        std::vector<int> sizes;
    };
    static Volleys Run(int frames) {
        Volleys v;
        for (int f = 0; f < frames; ++f) {
            const int before = ActiveBullets();
            UpdateEnemies();
            const int added = ActiveBullets() - before;
            if (added == 0) continue;
            v.frames.push_back(f);
            v.sizes.push_back(added);
        }
        return v;
    }
};

TEST_F(MothTest, PathZeroDivesStandsAndClimbsAway) {
    Enemy& e = Spawn(0, 640.0f, -50.0f);
    SpawnEnemy(kSpeciesMoth, 2, 300.0f, 100.0f, 1, 1);
    Enemy& slide = EnemyPool[1];
    for (int t = 0; t < 60; ++t) UpdateEnemies();
    // 600 pixels less 0.166 x (0 + 1 + ... + 59).
    EXPECT_NEAR(e.y, -50.0f + 600.0f - 0.166f * 1770.0f, 1e-2f);
    const float standing = e.y;
    for (int t = 60; t <= 120; ++t) UpdateEnemies();
    EXPECT_EQ(e.y, standing);
    EXPECT_EQ(e.x, 640.0f);
    UpdateEnemies();   // t = 121
    EXPECT_NEAR(e.y, standing - 0.0833f, 1e-4f);
    // Path 2 slid 810 - 0.1 x (0 + ... + 89) to the right, and after frame
    // 120 first sinks by (150 - t) x 0.0833.
    EXPECT_NEAR(slide.x, 300.0f + 810.0f - 400.5f, 1e-2f);
    EXPECT_NEAR(slide.y, 100.0f + 29.0f * 0.0833f, 1e-4f);
    // It climbs until it leaves 200 pixels above the playfield.
    int frames = 0;
    while (e.active != 0 && frames < 1000) {
        UpdateEnemies();
        ++frames;
    }
    EXPECT_EQ(e.active, 0);
    EXPECT_LT(frames, 200);
}

TEST_F(MothTest, PathNineFliesRightWithOneLoop) {
    Enemy& e = Spawn(9, 300.0f, 200.0f);
    for (int t = 0; t < 30; ++t) UpdateEnemies();
    EXPECT_EQ(e.headingAngle, 0.0f);
    EXPECT_NEAR(e.x, 300.0f + 30.0f * 13.3f, 1e-2f);
    UpdateEnemies();   // t = 30
    EXPECT_EQ(e.headingAngle, 6.0f);
    for (int t = 31; t < 90; ++t) UpdateEnemies();
    EXPECT_EQ(e.headingAngle, 360.0f);
    // The loop closes where it began.
    EXPECT_NEAR(e.x, 300.0f + 30.0f * 13.3f, 1e-2f);
    EXPECT_NEAR(e.y, 200.0f, 1e-2f);
    UpdateEnemies();   // t = 90
    EXPECT_EQ(e.headingAngle, 0.0f);
    EXPECT_NEAR(e.x, 300.0f + 31.0f * 13.3f, 1e-2f);
}

TEST_F(MothTest, PathOneHomesForTwentyFramesThenFliesOn) {
    Enemy& e = Spawn(1, 640.0f, 100.0f);
    EnemyTargetPos = Vec3{940.0f, 500.0f, 0.0f};
    for (int t = 0; t < 20; ++t) UpdateEnemies();
    const float heading = e.headingAngle;
    EXPECT_NEAR(heading, std::atan2(500.0f - 100.0f, 940.0f - 640.0f), 2e-3f);
    EnemyTargetPos = Vec3{100.0f, 900.0f, 0.0f};
    UpdateEnemies();
    EXPECT_EQ(e.headingAngle, heading);
}

TEST_F(MothTest, FirstVolleysOfAGrassPathZeroMothByDifficulty) {
    struct Case {
        int32_t difficulty;
        std::vector<int> frames;
        int size;
    };
    const Case cases[] = {{1, {60, 90, 120}, 1}, {2, {60, 80, 100, 120}, 1}, {3, {60, 80, 100, 120}, 3}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "difficulty " << c.difficulty);
        Difficulty = c.difficulty;
        Enemy& e = Spawn(0, 640.0f, -50.0f);
        const Volleys v = Run(121);
        EXPECT_EQ(v.frames, c.frames);
        for (int n : v.sizes) EXPECT_EQ(n, c.size);
        // Straight down (87, 90, 93 at Difficulty 3), small colour 2 at speed 6, from (x - 2, y).
        const Bullet& b = EnemyBulletPool[c.size / 2];
        EXPECT_EQ(b.angle, 90.0f);
        EXPECT_EQ(b.spriteType, 7);
        EXPECT_EQ(b.colour, 2);
        EXPECT_EQ(b.speed, 6.0f);
        EXPECT_EQ(b.aimed, 0);
        EXPECT_EQ(b.x, 638.0f);
        EXPECT_EQ(b.y, e.y);
        EXPECT_EQ(b.power, e.status.attack);
        EXPECT_EQ(b.power2, e.status.attack2);
        if (c.size == 3) {
            EXPECT_EQ(EnemyBulletPool[0].angle, 87.0f);
            EXPECT_EQ(EnemyBulletPool[2].angle, 93.0f);
        }
    }
}

TEST_F(MothTest, WhichPathsFireAndWhenByGrade) {
    // Grass, path 4: its column from muzzle B on the very first frame.
    Difficulty = 3;
    Enemy& m = Spawn(4, 640.0f, 100.0f);
    UpdateEnemies();
    ASSERT_EQ(ActiveBullets(), 3);
    EXPECT_EQ(EnemyBulletPool[2].speed, 7.0f);
    EXPECT_EQ(EnemyBulletPool[0].y, m.y + 5.0f);

    // Canyon and cave: paths 4..7 never fire and never count.
    for (int32_t grade : {2, 3}) {
        for (int32_t variant = 4; variant <= 7; ++variant) {
            SetUp();
            SCOPED_TRACE(testing::Message() << "grade " << grade << " path " << variant);
            Enemy& e = Spawn(variant, 640.0f, 100.0f, 2, grade);
            EXPECT_TRUE(Run(100).frames.empty());
            EXPECT_EQ(e.shotCounter, 0);
        }
    }

    // A grass moth on path 2 that never gets 200 pixels above the player
    // never fires, and its counter stays 0.
    SetUp();
    EnemyTargetPos = Vec3{640.0f, 250.0f, 0.0f};
    Enemy& low = Spawn(2, 300.0f, 100.0f);
    EXPECT_TRUE(Run(120).frames.empty());
    EXPECT_EQ(low.shotCounter, 0);
}

TEST_F(MothTest, CaveMothsFireTheCanyonsSecondRoutineOnEveryRoute) {
    for (int32_t route : {1, 3}) {
        SetUp();
        Difficulty = 1;
        Spawn(0, 640.0f, -50.0f, route, 3);
        // Counter 40 after the gate opened on the first frame: the fan of three.
        const Volleys v = Run(41);
        EXPECT_EQ(v.frames, std::vector<int>{40});
        EXPECT_EQ(EnemyBulletPool[0].speed, 7.0f);
        EXPECT_EQ(EnemyBulletPool[1].speed, 9.0f);
        EXPECT_EQ(EnemyBulletPool[1].spriteType, 9);
        EXPECT_EQ(EnemyBulletPool[2].angle, 30.0f);
        EXPECT_EQ(EnemyBulletPool[2].aimed, 1);
    }
}

TEST_F(MothTest, PathEightOpensItsPairFromStraightDown) {
    Enemy& e = Spawn(8, 640.0f, -50.0f, 2, 2);
    const Volleys v = Run(100);
    ASSERT_EQ(v.frames.size(), 20u);
    EXPECT_EQ(v.frames.back(), 57);
    EXPECT_EQ(EnemyBulletPool[0].angle, 90.0f);
    EXPECT_EQ(EnemyBulletPool[1].angle, 90.0f);
    EXPECT_EQ(EnemyBulletPool[38].angle, 90.0f - 171.0f);
    EXPECT_EQ(EnemyBulletPool[39].angle, 90.0f + 171.0f);
    EXPECT_EQ(e.spinAngle, 180.0f);
    EXPECT_EQ(e.shotCounter, 100);
}

TEST_F(MothTest, DiesOnItsNextUpdateBeforeMoving) {
    Difficulty = 3;
    Enemy& e = Spawn(8, 500.0f, 300.0f, 1, 3);
    e.status.hp = 0;
    UpdateEnemies();
    EXPECT_EQ(e.active, 0);
    int orbs = 0;
    for (const Item& it : ItemPool) {
        if (it.active == 0) continue;
        EXPECT_EQ(it.angle, 45.0f * static_cast<float>(orbs));
        EXPECT_NEAR(it.x, 500.0f + 2.0f * std::cos(it.angle * kDegToRad), 1e-3f);
        ++orbs;
    }
    EXPECT_EQ(orbs, 8);
    EXPECT_EQ(EffectPool.type[0], kEffectEnemyDeath);
    EXPECT_EQ(EffectPool.y[0], 300.0f);
}

TEST_F(MothTest, FacingAndDrawFollowThePlayerOrTheHeading) {
    // Exactly 100 pixels above the player: it faces the player.
    EnemyTargetPos = Vec3{740.0f, 400.0f, 0.0f};
    Enemy& e = Spawn(2, 640.0f, 300.0f);
    e.headingAngle = 1.0f;
    UpdateEnemies();
    EXPECT_NEAR(e.facingAngle, std::atan2(100.0, 100.0), 1e-6);
    // 99 pixels above: the heading, which paths 2 and 3 leave at its value.
    e.y = 301.0f;
    UpdateEnemies();
    EXPECT_EQ(e.facingAngle, 1.0f);

    // Path 2 turns the cell by the facing; 1 radian is 57.3 - 90 degrees.
    e.animFrame = 13;
    e.hitFlag = 1;
    e.status.hp = e.status.maxHp / 5;
    e.Enemy::Draw();
    e.status.hp -= 1;
    e.hitFlag = 1;
    e.Enemy::Draw();
    ASSERT_EQ(Draws().size(), 2u);
    const DrawRecord& d = Draws()[0];
    EXPECT_TRUE(SameRect(d.source, Rect{192, 0, 256, 64}));
    EXPECT_EQ(d.color, 0x96FFF200u);
    EXPECT_EQ(Draws()[1].color, 0x96FF0000u);
    const Vec3 right = TransformPoint(Vec3{1.0f, 0.0f, 0.0f}, d.transform);
    const float turn = (57.2957763671875f - 90.0f) * kDegToRad;
    EXPECT_NEAR(right.x - e.x, 2.0f * std::cos(turn), 1e-4f);
    EXPECT_NEAR(right.y - e.y, 2.0f * std::sin(turn), 1e-4f);
    EXPECT_EQ(e.hitFlag, 0);
}

}   // namespace
