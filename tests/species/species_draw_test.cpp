#include <gtest/gtest.h>

#include <cmath>

#include "enemy/enemy_fixture.h"

namespace {

class SpeciesDrawTest : public EnemyFixture {};

struct DrawCase {
    int32_t species, grade, variant;
    EnemySheet sheet;
    Rect cell;  // with animation frame 9, so animated sheets show cell 2
    float cx, cy, sx, sy;
};

const DrawCase kDrawCases[] = {
    {1, 1, 0, kSheetNormalGrassDay, {128, 0, 192, 64}, 32, 32, 2, 2},
    {6, 1, 0, kSheetNormalGrassNight, {128, 0, 192, 64}, 32, 32, 2, 2},
    {2, 1, 0, kSheetBossGrassDay, {512, 0, 768, 256}, 128, 128, 1.5f, 1},
    {7, 1, 0, kSheetBossGrassNight, {512, 0, 768, 256}, 128, 128, 1.5f, 1},
    {3, 1, 0, kSheetNormalGrassDay, {0, 64, 64, 128}, 32, 32, 2, 2},
    {8, 1, 0, kSheetNormalGrassNight, {0, 64, 64, 128}, 32, 32, 2, 2},
    {4, 1, 0, kSheetBossGrassDay, {512, 0, 768, 256}, 128, 128, 2, 1.5f},
    {9, 1, 0, kSheetBossGrassNight, {512, 0, 768, 256}, 128, 128, 2, 1.5f},
    {5, 1, 0, kSheetBossGrassDay, {512, 256, 768, 512}, 128, 128, 1.5f, 1.5f},
    {10, 1, 0, kSheetBossGrassNight, {512, 256, 768, 512}, 128, 128, 1.5f, 1.5f},
    {11, 2, 0, kSheetNormalCanyonDay, {0, 0, 64, 64}, 32, 32, 2, 2},
    {16, 2, 0, kSheetNormalCanyonNight, {0, 0, 64, 64}, 32, 32, 2, 2},
    {13, 2, 0, kSheetNormalCanyonDay, {0, 64, 128, 192}, 64, 64, 1.5f, 1.5f},
    {18, 2, 0, kSheetNormalCanyonNight, {0, 64, 128, 192}, 64, 64, 1.5f, 1.5f},
    {14, 2, 0, kSheetBossCanyonDay, {512, 256, 768, 384}, 128, 64, 2, 2},
    {19, 2, 0, kSheetBossCanyonNight, {512, 256, 768, 384}, 128, 64, 2, 2},
    {15, 2, 0, kSheetBossCanyonDay, {0, 0, 256, 256}, 128, 128, 1.5f, 1.5f},
    {20, 2, 0, kSheetBossCanyonNight, {0, 0, 256, 256}, 128, 128, 1.5f, 1.5f},
    {21, 3, 0, kSheetNormalCave, {0, 0, 64, 64}, 32, 28, 2, 2},
    {23, 3, 0, kSheetNormalCave, {0, 0, 64, 64}, 32, 28, 3, 3},
    {24, 3, 0, kSheetBossCave, {0, 0, 128, 256}, 64, 128, 1, 1},
    {25, 3, 0, kSheetNormalCave, {0, 64, 128, 128}, 64, 32, 1.5f, 1.5f},
    {25, 3, 5, kSheetNormalCave, {0, 128, 128, 192}, 64, 32, 1.5f, 1.5f},
    {25, 3, 7, kSheetNormalCave, {0, 256, 128, 320}, 64, 32, 1.5f, 1.5f},
    {99, 3, 1, kSheetBossCave, {0, 0, 128, 256}, 64, 128, 1, 1},
};

TEST_F(SpeciesDrawTest, EverySpeciesDrawsItsCellTintedWhileHit) {
    for (const DrawCase& c : kDrawCases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "species " << c.species << " variant " << c.variant);
        SpawnEnemy(c.species, c.variant, 500.0f, 300.0f, 1, c.grade);
        Enemy& e = EnemyPool[0];
        ASSERT_EQ(e.active, 1);
        e.animFrame = 9;
        e.hitFlag = 1;
        e.Enemy::Draw();
        ASSERT_GE(Draws().size(), 1u);
        const DrawRecord& d = Draws()[0];
        EXPECT_EQ(d.texture, EnemySheetTextures[c.sheet]);
        EXPECT_TRUE(SameRect(d.source, c.cell))
            << d.source.left << "," << d.source.top << "," << d.source.right << "," << d.source.bottom;
        EXPECT_EQ(d.centre.x, c.cx);
        EXPECT_EQ(d.centre.y, c.cy);
        EXPECT_EQ(d.color, 0x96FFF200u);
        EXPECT_FLOAT_EQ(d.transform.m[0][0], c.sx);
        EXPECT_FLOAT_EQ(d.transform.m[1][1], c.sy);
        EXPECT_FLOAT_EQ(d.transform.m[3][0], 500.0f);
        EXPECT_FLOAT_EQ(d.transform.m[3][1], 300.0f);
        EXPECT_EQ(e.hitFlag, 0);
        EXPECT_EQ(SpriteBatch->GetTransform().m[3][0], 0.0f);

        SpriteBatch->ClearRecords();
        e.Enemy::Draw();
        EXPECT_EQ(Draws()[0].color, 0xFFFFFFFFu);
    }
}

TEST_F(SpeciesDrawTest, HitTintTurnsRedBelowAFifthOfMaxHp) {
    SpawnEnemy(1, 0, 500.0f, 300.0f, 1, 1);
    Enemy& e = EnemyPool[0];
    e.status.hp = 20;
    e.hitFlag = 1;
    e.Enemy::Draw();
    e.status.hp = 19;
    e.hitFlag = 1;
    e.Enemy::Draw();
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(Draws()[0].color, 0x96FFF200u);
    EXPECT_EQ(Draws()[1].color, 0x96FF0000u);
}

TEST_F(SpeciesDrawTest, SmallFlyerTurnsByPath) {
    SpawnEnemy(1, 2, 500.0f, 300.0f, 1, 1);
    Enemy& e = EnemyPool[0];
    // Facing straight down draws the cell upright.
    e.facingAngle = static_cast<float>(M_PI / 2);
    e.Enemy::Draw();
    // Facing to the right turns it a quarter back.
    e.facingAngle = 0.0f;
    e.Enemy::Draw();
    e.variant = 10;
    e.headingAngle = 180.0f;
    e.Enemy::Draw();
    e.variant = 5;
    e.Enemy::Draw();
    ASSERT_EQ(Draws().size(), 4u);
    const auto cellRight = [&](size_t i) {
        return TransformPoint(Vec3{1.0f, 0.0f, 0.0f}, Draws()[i].transform);
    };
    EXPECT_NEAR(cellRight(0).x, 502.0f, 1e-3f);
    EXPECT_NEAR(cellRight(0).y, 300.0f, 1e-3f);
    EXPECT_NEAR(cellRight(1).x, 500.0f, 1e-3f);
    EXPECT_NEAR(cellRight(1).y, 298.0f, 1e-3f);
    EXPECT_NEAR(cellRight(2).x, 500.0f, 1e-3f);
    EXPECT_NEAR(cellRight(2).y, 302.0f, 1e-3f);
    EXPECT_NEAR(cellRight(3).x, 502.0f, 1e-3f);
}

TEST_F(SpeciesDrawTest, FloorCrystalWithoutALookDrawsNothing) {
    SpawnEnemy(25, 8, 500.0f, 300.0f, 1, 3);
    Enemy& e = EnemyPool[0];
    e.hitFlag = 1;
    e.Enemy::Draw();
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(e.hitFlag, 0);
}

TEST_F(SpeciesDrawTest, GuardedFinalBossIsDrawnInsideAFadingBarrier) {
    SpawnEnemy(99, 0, 640.0f, 200.0f, 1, 3);
    Enemy& e = EnemyPool[0];
    e.guardLength = 480;
    e.guardTimer = 240;
    e.Enemy::Draw();
    ASSERT_EQ(Draws().size(), 2u);
    const DrawRecord& barrier = Draws()[1];
    EXPECT_EQ(barrier.texture, BarrierTexture);
    EXPECT_TRUE(SameRect(barrier.source, Rect{0, 0, 64, 64}));
    EXPECT_EQ(barrier.color, 0x5AFFFFFFu);
    EXPECT_FLOAT_EQ(barrier.transform.m[0][0], 4.5f);
    EXPECT_FLOAT_EQ(barrier.transform.m[3][0], 640.0f);
    EXPECT_EQ(SpriteBatch->GetTransform().m[0][0], 1.0f);

    SpriteBatch->ClearRecords();
    e.guardTimer = 1;
    e.Enemy::Draw();
    EXPECT_EQ(Draws()[1].color, 0x00FFFFFFu);

    SpriteBatch->ClearRecords();
    e.guardTimer = 0;
    e.Enemy::Draw();
    EXPECT_EQ(Draws().size(), 1u);
}

TEST_F(SpeciesDrawTest, SpeciesUpdateStandsStillAndRetiresTheDead) {
    SpawnEnemy(21, 0, 500.0f, 300.0f, 1, 3);
    SpawnEnemy(14, 0, 640.0f, 100.0f, 1, 2);
    UpdateEnemies();
    EXPECT_EQ(EnemyPool[0].x, 500.0f);   // the Element drops in, straight down
    EXPECT_EQ(EnemyPool[1].active, 1);
    EnemyPool[0].status.hp = -40;
    EnemyPool[1].status.hp = 0;
    UpdateEnemies();
    EXPECT_EQ(ActiveEnemyCount(), 0);
    EXPECT_EQ(BaseScore, 10000 + 35000);
}

}  // namespace
