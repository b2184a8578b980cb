// The FloorCrystal: riding the floor's scroll, its turning cross, its streams
// along an aim latched every 20 frames, the silent looks and its death ring.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

class FloorCrystalTest : public CaveFixture {
protected:
    static Enemy& SpawnCrystal(int32_t variant) {
        ScrollSpeed = 2.0f;
        SpawnEnemy(kSpeciesFloorCrystal, variant, 640.0f, 300.0f, 1, 3);
        return EnemyPool[0];
    }
};

TEST_F(FloorCrystalTest, CrossOfFourMuzzlesTurnsADegreeAFrameAndFiresEveryFourth) {
    for (int32_t variant : {0, 1}) {
        SetUp();
        SCOPED_TRACE(variant);
        Enemy& e = SpawnCrystal(variant);
        for (int c = 0; c <= 8; ++c) {
            const std::vector<Bullet> fired = EnemyFrame();
            EXPECT_FLOAT_EQ(e.y, 300.0f + 2.0f * static_cast<float>(c + 1));
            if (c % 4 != 0) {
                EXPECT_TRUE(fired.empty()) << c;
                continue;
            }
            ASSERT_EQ(fired.size(), 4u) << c;
            for (int k = 0; k < 4; ++k) {
                const float a = static_cast<float>(c + 90 * k) * kDegToRad;
                EXPECT_NEAR(fired[k].x, 640.0f + 30.0f * std::cos(a), 1e-3f);
                EXPECT_NEAR(fired[k].y, e.y + 30.0f * std::sin(a), 1e-3f);
                EXPECT_FLOAT_EQ(fired[k].angle, variant == 0 ? 0.0f : 180.0f);
                EXPECT_FLOAT_EQ(fired[k].speed, 8.0f);
                EXPECT_EQ(fired[k].spriteType, variant == 0 ? 6 : 9);
                EXPECT_EQ(fired[k].aimed, 0);
            }
        }
    }
}

TEST_F(FloorCrystalTest, StreamsSpeedUpAlongTheAimLatchedEveryTwentyFrames) {
    Enemy& e = SpawnCrystal(3);
    ScrollSpeed = 0.0f;
    for (int c = 0; c < 22; ++c) {
        if (c == 1) EnemyTargetPos = Vec3{340.0f, 300.0f, 0.0f};   // the stream keeps its aim
        const std::vector<Bullet> fired = EnemyFrame();
        if (c % 2 != 0) {
            EXPECT_TRUE(fired.empty()) << c;
            continue;
        }
        ASSERT_EQ(fired.size(), 2u) << c;
        const float aim = c < 20 ? 90.0f : 180.0f;
        EXPECT_NEAR(fired[0].angle, aim - 30.0f, 1e-3f) << c;
        EXPECT_NEAR(fired[1].angle, aim + 30.0f, 1e-3f) << c;
        EXPECT_FLOAT_EQ(fired[0].speed, 5.0f + 0.5f * static_cast<float>((c % 20) / 2)) << c;
        EXPECT_EQ(fired[0].spriteType, 9);
    }
    EXPECT_EQ(e.shotCounter, 22);
}

TEST_F(FloorCrystalTest, LooksOnlyVariantsScrollAndDieForTheirRingButNeverFire) {
    Difficulty = 3;
    Enemy& e = SpawnCrystal(6);
    for (int f = 0; f < 30; ++f) EXPECT_TRUE(EnemyFrame().empty());
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_FLOAT_EQ(e.y, 360.0f);
    e.status.hp = 0;
    EnemyFrame();
    const auto items = ActiveItems(kItemExperience);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_FLOAT_EQ(items[9]->angle, 324.0f);
    EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 1);
    EXPECT_EQ(BaseScore, 2 * 2000);

    // Beyond the looks: it neither scrolls nor fires, and nothing is drawn.
    Enemy& odd = SpawnCrystal(8);
    EnemyFrame();
    EXPECT_FLOAT_EQ(odd.y, 300.0f);
    odd.hitFlag = 1;
    SpriteBatch->ClearRecords();
    odd.FloorCrystal::Draw();
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(odd.hitFlag, 0);
}

}   // namespace
