#include <gtest/gtest.h>

#include "enemy/enemy_fixture.h"

namespace {

class EnemyGaugeTest : public EnemyFixture {
protected:
    static EnemyGaugeRecord Record(int32_t kind, float x, float y, int32_t maxHp, int32_t hp) {
        EnemyGaugeRecord r;
        r.active = 1;
        r.kind = kind;
        r.x = x;
        r.y = y;
        r.maxHp = maxHp;
        r.hp = hp;
        return r;
    }
    // Width of the fill strip of the draw that just happened.
    static int32_t FillWidth() {
        for (const DrawRecord& d : Draws())
            if (d.source.top == 0) return d.source.right;
        return -1;
    }
};

TEST_F(EnemyGaugeTest, SmallBarsSitAboveTheEnemyAndFollowItsHp) {
    EnemyGaugeRecord r = Record(1, 400.0f, 300.0f, 100, 100);
    DrawEnemyGauge(r);
    ASSERT_EQ(Draws().size(), 3u);
    EXPECT_TRUE(SameRect(Draws()[0].source, Rect{0, 128, 512, 160}));
    EXPECT_TRUE(SameRect(Draws()[1].source, Rect{0, 0, 506, 32}));
    EXPECT_TRUE(SameRect(Draws()[2].source, Rect{0, 96, 512, 128}));
    for (const DrawRecord& d : Draws()) {
        EXPECT_EQ(d.texture, StatusGaugeTexture);
        EXPECT_EQ(d.color, 0xFFFFFFFFu);
        EXPECT_EQ(d.centre.x, 256.0f);
        EXPECT_EQ(d.centre.y, 280.0f);
    }
    // The frame's top edge lies 70 pixels above the enemy, centred on it.
    const Vec3 corner = TransformPoint(Vec3{-256.0f, -280.0f, 0.0f}, Draws()[0].transform);
    EXPECT_FLOAT_EQ(corner.x, 336.0f);
    EXPECT_FLOAT_EQ(corner.y, 230.0f);
    const Matrix& after = SpriteBatch->GetTransform();
    EXPECT_EQ(after.m[0][0], 1.0f);
    EXPECT_EQ(after.m[3][0], 0.0f);

    SpriteBatch->ClearRecords();
    r = Record(2, 400.0f, 300.0f, 3000, 1500);
    DrawEnemyGauge(r);
    EXPECT_EQ(FillWidth(), 256);
    EXPECT_FLOAT_EQ(TransformPoint(Vec3{0.0f, -280.0f, 0.0f}, Draws()[0].transform).y, 195.0f);

    SpriteBatch->ClearRecords();
    r = Record(1, 400.0f, 300.0f, 300, 1);
    DrawEnemyGauge(r);
    EXPECT_EQ(FillWidth(), 7);
}

TEST_F(EnemyGaugeTest, BossBarFillsOver125FramesBeforeFollowingHp) {
    SpawnEnemy(5, 0, 640.0f, -50.0f, 1, 1);
    EnemyGaugeRecord& r = EnemyStatusTable[0];
    DrawEnemyGauges();
    ASSERT_EQ(Draws().size(), 3u);
    EXPECT_EQ(Draws()[0].centre.y, 16.0f);
    // The bar spans x 384..896, y 80..112.
    const Vec3 corner = TransformPoint(Vec3{-256.0f, -16.0f, 0.0f}, Draws()[0].transform);
    EXPECT_FLOAT_EQ(corner.x, 384.0f);
    EXPECT_FLOAT_EQ(corner.y, 80.0f);
    EXPECT_EQ(FillWidth(), 6);
    EXPECT_EQ(r.fillCounter, 4);

    // HP lost during the fill does not stop it.
    EnemyPool[0].status.hp = 20000;
    for (int frame = 1; frame < 125; ++frame) {
        UpdateEnemies();
        SpriteBatch->ClearRecords();
        DrawEnemyGauges();
        ASSERT_EQ(FillWidth(), 6 + 4 * frame) << "frame " << frame;
    }
    EXPECT_EQ(r.fillCounter, 500);
    SpriteBatch->ClearRecords();
    DrawEnemyGauges();
    EXPECT_EQ(FillWidth(), 256);
    EXPECT_EQ(r.fillCounter, 500);
}

TEST_F(EnemyGaugeTest, NextBossInASlotFillsItsBarAfresh) {
    // A record left open with a finished fill, as an older build could.
    EnemyStatusTable[0].fillCounter = 500;
    SpawnEnemy(10, 0, 640.0f, -50.0f, 1, 1);
    EXPECT_EQ(EnemyStatusTable[0].fillCounter, 0);

    // Killed and replaced: the counter is 0 again for the next boss.
    DrawEnemyGauges();
    EnemyPool[0].status.hp = 0;
    UpdateEnemies();
    EXPECT_EQ(EnemyStatusTable[0].fillCounter, 0);
    SpawnEnemy(5, 0, 640.0f, -50.0f, 1, 1);
    SpriteBatch->ClearRecords();
    DrawEnemyGauges();
    EXPECT_EQ(FillWidth(), 6);
}

TEST_F(EnemyGaugeTest, SilentlyRemovedEnemyShowsNoBar) {
    SpawnEnemy(15, 0, 640.0f, -50.0f, 1, 2);
    EnemyPool[0].Retire(3, 0, 0);
    UpdateEnemies();
    DrawEnemyGauges();
    EXPECT_TRUE(Draws().empty());
    EXPECT_EQ(EnemyStatusTable[0].kind, 0);
}

TEST_F(EnemyGaugeTest, DeadOrUnknownRecordsDrawNothing) {
    EnemyGaugeRecord dead = Record(1, 400.0f, 300.0f, 100, 0);
    EnemyGaugeRecord none = Record(0, 400.0f, 300.0f, 100, 50);
    EnemyGaugeRecord four = Record(4, 400.0f, 300.0f, 100, 50);
    DrawEnemyGauge(dead);
    DrawEnemyGauge(none);
    DrawEnemyGauge(four);
    EXPECT_TRUE(Draws().empty());
}

TEST_F(EnemyGaugeTest, FillWidthNeedsAMaxHpAndStaysInsideTheStrip) {
    EnemyGaugeRecord noMax = Record(1, 400.0f, 300.0f, 0, 50);
    DrawEnemyGauge(noMax);
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(FillWidth(), -1);

    SpriteBatch->ClearRecords();
    EnemyGaugeRecord over = Record(2, 400.0f, 300.0f, 100, 250);
    DrawEnemyGauge(over);
    EXPECT_EQ(FillWidth(), 512);

    SpriteBatch->ClearRecords();
    EnemyGaugeRecord boss = Record(3, 0.0f, 0.0f, -5, 10);
    boss.fillCounter = 500;
    DrawEnemyGauge(boss);
    EXPECT_EQ(Draws().size(), 2u);
}

TEST_F(EnemyGaugeTest, SatelliteBarsAfterTheEnemiesAndOnlyTheFirstForty) {
    EnemyChildStatusTable[39] = Record(1, 500.0f, 500.0f, 1500, 1500);
    EnemyChildStatusTable[40] = Record(1, 500.0f, 500.0f, 1500, 1500);
    EnemyChildStatusTable[49] = Record(1, 500.0f, 500.0f, 1500, 1500);
    EnemyStatusTable[49] = Record(2, 100.0f, 100.0f, 100, 100);
    DrawEnemyGauges();
    ASSERT_EQ(Draws().size(), 6u);
    EXPECT_FLOAT_EQ(TransformPoint(Vec3{}, Draws()[0].transform).x, 100.0f);
    EXPECT_FLOAT_EQ(TransformPoint(Vec3{}, Draws()[3].transform).x, 500.0f);

    ClearEnemyGauges();
    EXPECT_EQ(EnemyChildStatusTable[39].active, 0);
    EXPECT_EQ(EnemyStatusTable[49].active, 0);
    EXPECT_EQ(EnemyStatusTable[49].kind, 0);
    EXPECT_EQ(EnemyChildStatusTable[40].active, 1);
}

}  // namespace
