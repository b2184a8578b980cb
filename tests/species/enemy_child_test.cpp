#include <gtest/gtest.h>

#include "enemy/enemy_fixture.h"

namespace {

class EnemyChildTest : public EnemyFixture {
protected:
    static int LiveSatellites() {
        int n = 0;
        for (const EnemyChild& c : EnemyChildPool) n += c.active != 0 ? 1 : 0;
        return n;
    }
};

TEST_F(EnemyChildTest, SpawnFillsTheFirstFreeEntry) {
    EXPECT_EQ(SpawnEnemyChild(101, 12, 400.0f, 300.0f, 1, 60, 61), 0);
    EXPECT_EQ(SpawnEnemyChild(102, 2, 450.0f, 320.0f, 0, 70, 71), 1);
    const EnemyChild& a = EnemyChildPool[0];
    EXPECT_EQ(a.active, 1);
    EXPECT_EQ(a.x, 400.0f);
    EXPECT_EQ(a.y, 300.0f);
    EXPECT_EQ(a.species, 101);
    EXPECT_EQ(a.variant, 12);
    EXPECT_EQ(a.route, 1);
    EXPECT_EQ(a.grade, 3);
    EXPECT_EQ(a.layer, 0);
    EXPECT_EQ(a.gaugeFlag, 1);
    EXPECT_EQ(a.status.level, 21);
    EXPECT_EQ(a.status.hp, 1500);
    EXPECT_EQ(a.status.maxHp, 1500);
    EXPECT_EQ(a.status.attack, 60);
    EXPECT_EQ(a.status.attack2, 61);
    EXPECT_EQ(a.status.defense, 80);
    EXPECT_EQ(a.status.defense2, 90);
    EXPECT_EQ(a.reward, 1000);
    EXPECT_EQ(a.bonusTimer, 45);
    EXPECT_EQ(a.sheet, ElementChildTexture);
    const EnemyGaugeRecord& r = EnemyChildStatusTable[0];
    EXPECT_EQ(r.active, 1);
    EXPECT_EQ(r.kind, 1);
    EXPECT_EQ(r.x, 400.0f);
    EXPECT_EQ(r.maxHp, 1500);
    EXPECT_EQ(r.hp, 1500);
    // Without the gauge flag there is no bar.
    EXPECT_EQ(EnemyChildStatusTable[1].active, 0);
    EXPECT_EQ(EnemyChildPool[1].gaugeFlag, 0);

    // Any other species gets only the placement.
    EXPECT_EQ(SpawnEnemyChild(7, 0, 10.0f, 20.0f, 1, 60, 61), 2);
    EXPECT_EQ(EnemyChildPool[2].status.hp, 0);
    EXPECT_EQ(EnemyChildPool[2].sheet, nullptr);
    EXPECT_EQ(EnemyChildStatusTable[2].active, 0);
}

TEST_F(EnemyChildTest, FullPoolGivesMinusOneAndChangesNothing) {
    for (int i = 0; i < kEnemyChildCount; ++i) ASSERT_EQ(SpawnEnemyChild(101, i, 1.0f * i, 0.0f, 0, 1, 1), i);
    EXPECT_EQ(SpawnEnemyChild(102, 5, 999.0f, 999.0f, 1, 9, 9), -1);
    for (int i = 0; i < kEnemyChildCount; ++i) {
        EXPECT_EQ(EnemyChildPool[i].species, 101);
        EXPECT_EQ(EnemyChildPool[i].variant, i);
        EXPECT_EQ(EnemyChildPool[i].x, 1.0f * i);
        EXPECT_EQ(EnemyChildStatusTable[i].active, 0);
    }
    EXPECT_EQ(MoveEnemyChild(-1, 5.0f, 5.0f, 0.0f), -1);
}

TEST_F(EnemyChildTest, MovePlacesOnlyALiveSatellite) {
    const int32_t i = SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    EXPECT_EQ(MoveEnemyChild(i, 420.0f, 310.0f, 135.0f), i);
    EXPECT_EQ(EnemyChildPool[i].x, 420.0f);
    EXPECT_EQ(EnemyChildPool[i].y, 310.0f);
    EXPECT_EQ(EnemyChildPool[i].spinAngle, 135.0f);
    const Vec3 p = GetEnemyChildPosition(i);
    EXPECT_EQ(p.x, 420.0f);
    EXPECT_EQ(p.y, 310.0f);

    EXPECT_EQ(MoveEnemyChild(-1, 1.0f, 1.0f, 0.0f), -1);
    EXPECT_EQ(MoveEnemyChild(40, 1.0f, 1.0f, 0.0f), -1);
    EXPECT_EQ(MoveEnemyChild(5, 1.0f, 1.0f, 0.0f), -1);
    EXPECT_EQ(EnemyChildPool[5].x, 0.0f);
    EXPECT_EQ(GetEnemyChildPosition(-1).x, 0.0f);
    EXPECT_EQ(GetEnemyChildPosition(40).y, 0.0f);
}

TEST_F(EnemyChildTest, UpdateMirrorsIntoTheGaugeRecords) {
    ChildTargetPos = Vec3{640.0f, 600.0f, 0.0f};
    SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    SpawnEnemyChild(102, 0, 500.0f, 300.0f, 0, 1, 1);
    MoveEnemyChild(0, 410.0f, 305.0f, 0.0f);
    MoveEnemyChild(1, 510.0f, 306.0f, 0.0f);
    EnemyChildPool[0].status.hp = 900;
    EnemyChildPool[1].scrollSpeed = 3.0f;
    UpdateEnemyChildren();
    EXPECT_EQ(EnemyChildPool[0].target.y, 600.0f);
    EXPECT_EQ(EnemyChildPool[1].scrollSpeed, 0.0f);
    EXPECT_EQ(EnemyChildStatusTable[0].x, 410.0f);
    EXPECT_EQ(EnemyChildStatusTable[0].y, 305.0f);
    EXPECT_EQ(EnemyChildStatusTable[0].hp, 900);
    EXPECT_EQ(EnemyChildStatusTable[0].active, 1);
    // Refreshed, but still without a bar.
    EXPECT_EQ(EnemyChildStatusTable[1].x, 510.0f);
    EXPECT_EQ(EnemyChildStatusTable[1].active, 0);
}

TEST_F(EnemyChildTest, BonusTimerRunsOnlyOnScreen) {
    SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    SpawnEnemyChild(101, 0, 400.0f, -100.0f, 1, 1, 1);
    SpawnEnemyChild(101, 0, 288.0f, 300.0f, 1, 1, 1);
    for (int f = 0; f < 44; ++f) UpdateEnemyChildren();
    EXPECT_EQ(EnemyChildPool[0].bonusTimer, 1);
    UpdateEnemyChildren();
    UpdateEnemyChildren();
    EXPECT_EQ(EnemyChildPool[0].bonusTimer, 0);
    EXPECT_EQ(EnemyChildPool[1].bonusTimer, 45);
    EXPECT_EQ(EnemyChildPool[2].bonusTimer, 45);
}

TEST_F(EnemyChildTest, KilledSatelliteDiesAtTheNextUpdateWithItsReward) {
    Difficulty = 3;
    const int32_t i = SpawnEnemyChild(102, 0, 400.0f, 300.0f, 1, 1, 1);
    RemoveEnemyChild(i, 1);
    EXPECT_EQ(EnemyChildPool[i].status.hp, -1);
    EXPECT_EQ(EnemyChildPool[i].active, 1);
    EXPECT_EQ(EnemyChildPool[i].x, 400.0f);
    EXPECT_EQ(BaseScore, 0);

    UpdateEnemyChildren();
    EXPECT_EQ(EnemyChildPool[i].active, 0);
    EXPECT_EQ(EnemyChildPool[i].species, 0);
    EXPECT_EQ(BaseScore, 2000);
    EXPECT_EQ(EnemyChildStatusTable[i].active, 0);
    EXPECT_EQ(MoveEnemyChild(i, 1.0f, 1.0f, 0.0f), -1);

    // Shot down after its bonus ran out: the reward once.
    const int32_t j = SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    EnemyChildPool[j].bonusTimer = 0;
    EnemyChildPool[j].status.hp = 0;
    UpdateEnemyChildren();
    EXPECT_EQ(BaseScore, 3000);
}

TEST_F(EnemyChildTest, SilentRemovalGivesNoRewardAndClosesTheBarNextUpdate) {
    const int32_t i = SpawnEnemyChild(101, 3, 400.0f, 300.0f, 1, 50, 50);
    EnemyChildPool[i].trailUsed[0] = 1;
    EnemyChildPool[i].trailCursor = 1;
    EnemyChildPool[i].phaseTimer = 70;
    EnemyChildPool[i].shotCounter = 12;
    EnemyChildPool[i].spinAngle = 90.0f;
    RemoveEnemyChild(i, 0);
    const EnemyChild& c = EnemyChildPool[i];
    EXPECT_EQ(c.active, 0);
    EXPECT_EQ(c.species, 0);
    EXPECT_EQ(c.x, 0.0f);
    EXPECT_EQ(c.sheet, nullptr);
    EXPECT_EQ(c.status.maxHp, 0);
    EXPECT_EQ(c.status.attack, 0);
    EXPECT_EQ(c.phaseTimer, 0);
    EXPECT_EQ(c.shotCounter, 0);
    EXPECT_EQ(c.spinAngle, 0.0f);
    EXPECT_EQ(c.reward, 0);
    EXPECT_EQ(c.trailUsed[0], 0);
    EXPECT_EQ(c.trailCursor, 0);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(EnemyChildStatusTable[i].active, 1);
    UpdateEnemyChildren();
    EXPECT_EQ(EnemyChildStatusTable[i].active, 0);
    EXPECT_EQ(EnemyChildStatusTable[i].kind, 0);
    EXPECT_EQ(BaseScore, 0);
}

TEST_F(EnemyChildTest, RemovingAnIndexThatNamesNoSatelliteDoesNothing) {
    SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    EnemyChildPool[5].x = 77.0f;  // a free entry with a stale position
    for (int32_t index : {-1, 40, 41, 1000, 5}) {
        RemoveEnemyChild(index, 0);
        RemoveEnemyChild(index, 1);
    }
    EXPECT_EQ(EnemyChildPool[5].x, 77.0f);
    EXPECT_EQ(EnemyChildPool[5].status.hp, 0);
    EXPECT_EQ(EnemyChildPool[0].active, 1);
    EXPECT_EQ(EnemyChildPool[0].status.hp, 1500);
    EXPECT_EQ(LiveSatellites(), 1);
}

TEST_F(EnemyChildTest, FieldEndCreditsAndEmptiesEverySatellite) {
    SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    SpawnEnemyChild(102, 0, 400.0f, 300.0f, 0, 1, 1);
    EnemyChildPool[1].bonusTimer = 0;
    EnemyChildPool[1].trailUsed[4] = 1;
    EnemyChildPool[1].trailAge[4] = 3;
    ClearEnemyChildren();
    EXPECT_EQ(LiveSatellites(), 0);
    EXPECT_EQ(BaseScore, 2000 + 1000);
    for (const EnemyChild& c : EnemyChildPool) {
        EXPECT_EQ(c.species, 0);
        for (int k = 0; k < ElementChild::kTrailLength; ++k) EXPECT_EQ(c.trailUsed[k], 0);
    }
}

TEST_F(EnemyChildTest, SatelliteIsDrawnAlongItsTrail) {
    SpawnEnemyChild(101, 0, 400.0f, 300.0f, 1, 1, 1);
    const int32_t i = SpawnEnemyChild(102, 0, 400.0f, 300.0f, 1, 1, 1);
    EnemyChild& c = EnemyChildPool[i];
    c.trailUsed[0] = 1;
    c.trailAge[0] = 0;
    c.trailPosition[0] = Vec3{410.0f, 320.0f, 0.0f};
    c.trailUsed[3] = 1;
    c.trailAge[3] = 5;
    c.trailPosition[3] = Vec3{400.0f, 300.0f, 0.0f};
    c.trailUsed[6] = 0;
    c.trailPosition[6] = Vec3{10.0f, 10.0f, 0.0f};
    c.hitFlag = 1;
    c.status.hp = 299;

    DrawEnemyChildren();
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(Draws()[0].texture, ElementChildTexture);
    EXPECT_TRUE(SameRect(Draws()[0].source, Rect{0, 64, 64, 128}));
    EXPECT_EQ(Draws()[0].centre.x, 32.0f);
    EXPECT_FLOAT_EQ(Draws()[0].transform.m[0][0], 1.0f);
    EXPECT_FLOAT_EQ(Draws()[0].transform.m[3][0], 410.0f);
    EXPECT_FLOAT_EQ(Draws()[1].transform.m[0][0], 0.5f);
    EXPECT_FLOAT_EQ(Draws()[1].transform.m[3][1], 300.0f);
    EXPECT_EQ(Draws()[0].color, 0x96FF0000u);
    EXPECT_EQ(Draws()[1].color, 0x96FF0000u);
    EXPECT_EQ(c.hitFlag, 0);
    EXPECT_EQ(SpriteBatch->GetTransform().m[3][0], 0.0f);

    SpriteBatch->ClearRecords();
    c.Draw();
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(Draws()[0].color, 0xFFFFFFFFu);

    // Species 101 uses the top row; an entry of another species is not drawn.
    EnemyChildPool[0].trailUsed[0] = 1;
    EnemyChildPool[0].species = 7;
    SpriteBatch->ClearRecords();
    DrawEnemyChildren();
    EXPECT_EQ(Draws().size(), 2u);
    EnemyChildPool[0].species = 101;
    SpriteBatch->ClearRecords();
    EnemyChildPool[0].Draw();
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_TRUE(SameRect(Draws()[0].source, Rect{0, 0, 64, 64}));
}

}  // namespace
