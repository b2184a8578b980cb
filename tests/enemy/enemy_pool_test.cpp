#include <gtest/gtest.h>

#include "enemy/enemy_fixture.h"

namespace {

class EnemyPoolTest : public EnemyFixture {};

TEST_F(EnemyPoolTest, BonusTimerRunsOnlyStrictlyInsideTheBonusArea) {
    struct Spot {
        float x, y;
        bool counts;
    };
    const Spot spots[] = {{288.0f, 100.0f, false}, {288.5f, 100.0f, true}, {992.0f, 100.0f, false},
                          {991.5f, 100.0f, true},  {500.0f, 0.0f, false},  {500.0f, 0.5f, true},
                          {500.0f, 720.0f, false}, {500.0f, 719.5f, true}, {640.0f, -50.0f, false}};
    // Path 13 stands still.
    for (const Spot& s : spots) SpawnEnemy(1, 13, s.x, s.y, 1, 1);
    UpdateEnemies();
    UpdateEnemies();
    for (size_t i = 0; i < std::size(spots); ++i) {
        SCOPED_TRACE(testing::Message() << "at " << spots[i].x << ", " << spots[i].y);
        EXPECT_EQ(EnemyPool[i].bonusTimer, spots[i].counts ? 43 : 45);
    }
    for (int f = 0; f < 50; ++f) UpdateEnemies();
    EXPECT_EQ(EnemyPool[1].bonusTimer, 0);
    EXPECT_EQ(EnemyPool[0].bonusTimer, 45);
}

TEST_F(EnemyPoolTest, KillCreditsDoubleRewardWhileTheBonusRuns) {
    const bool popups = ScorePopupsSpawn();
    SpawnEnemy(1, 0, 400.0f, 300.0f, 1, 3);
    Enemy& e = EnemyPool[0];
    e.bonusTimer = 1;
    e.Retire(1, 0, 0);
    EXPECT_EQ(BaseScore, 1600);
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(e.species, 0);
    if (popups) {
        const ScorePopup* p = FirstScorePopup();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->kind, 3);
        EXPECT_EQ(p->value, 1600);
        EXPECT_EQ(p->x, 400.0f);
        EXPECT_EQ(p->y, 300.0f);
    }
}

TEST_F(EnemyPoolTest, KillAfterTheBonusCreditsTheRewardOnce) {
    const bool popups = ScorePopupsSpawn();
    SpawnEnemy(7, 0, 400.0f, 300.0f, 1, 2);
    EnemyPool[0].bonusTimer = 0;
    EnemyPool[0].Retire(1, 0, 0);
    EXPECT_EQ(BaseScore, 2500);
    if (popups) {
        const ScorePopup* p = FirstScorePopup();
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->kind, 2);
        EXPECT_EQ(p->value, 2500);
    }
}

TEST_F(EnemyPoolTest, BossKillIsNeverDoubled) {
    const bool popups = ScorePopupsSpawn();
    const int32_t bosses[] = {4, 5, 9, 10, 14, 15, 19, 20, 23, 24, 99};
    int32_t expected = 0;
    for (int32_t species : bosses) {
        const int32_t grade = species == 5 || species == 10 ? 1 : species >= 21 ? 3 : 2;
        SpawnEnemy(species, 0, 640.0f, 100.0f, 1, grade);
        Enemy& e = EnemyPool[0];
        ASSERT_EQ(e.species, species);
        e.bonusTimer = 30;
        expected += e.reward;
        ResetScorePopups();
        e.Retire(1, 0, 0);
        EXPECT_EQ(BaseScore, expected) << "species " << species;
        if (popups) {
            const ScorePopup* p = FirstScorePopup();
            ASSERT_NE(p, nullptr);
            EXPECT_EQ(p->kind, 4);
        }
    }
}

TEST_F(EnemyPoolTest, SilentRemovalKeepsVariantLayerHitFlagTargetAndScroll) {
    ScrollSpeed = 1.5f;
    EnemyTargetPos = Vec3{600.0f, 650.0f, 0.0f};
    SpawnEnemy(3, 7, 400.0f, 300.0f, 2, 1);
    UpdateEnemies();
    Enemy& e = EnemyPool[0];
    e.hitFlag = 1;
    e.phaseTimer = 12;
    e.shotCounter = 5;
    e.spinAngle = 30.0f;
    e.headingAngle = 1.0f;
    e.facingAngle = 2.0f;
    e.animFrame = 9;
    e.deathCounter = 4;
    e.cycleCounter = 2;
    e.moveFlag = 1;
    e.bobCounter = 50;
    e.status.hp = 700;
    e.Retire(3, 0, 0);

    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(e.variant, 7);
    EXPECT_EQ(e.layer, 1);
    EXPECT_EQ(e.hitFlag, 1);
    EXPECT_EQ(e.target.x, 600.0f);
    EXPECT_EQ(e.target.y, 650.0f);
    EXPECT_EQ(e.scrollSpeed, 1.5f);
    EXPECT_EQ(e.status.hp, 700);

    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(e.species, 0);
    EXPECT_EQ(e.x, 0.0f);
    EXPECT_EQ(e.y, 0.0f);
    EXPECT_EQ(e.sheet, nullptr);
    EXPECT_EQ(e.status.maxHp, 0);
    EXPECT_EQ(e.status.level, 0);
    EXPECT_EQ(e.status.defense2, 0);
    EXPECT_EQ(e.grade, 0);
    EXPECT_EQ(e.route, 0);
    EXPECT_EQ(e.reward, 0);
    EXPECT_EQ(e.bonusTimer, 0);
    EXPECT_EQ(e.phaseTimer, 0);
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_EQ(e.spinAngle, 0.0f);
    EXPECT_EQ(e.headingAngle, 0.0f);
    EXPECT_EQ(e.facingAngle, 0.0f);
    EXPECT_EQ(e.animFrame, 0);
    EXPECT_EQ(e.deathCounter, 0);
    EXPECT_EQ(e.cycleCounter, 0);
    EXPECT_EQ(e.moveFlag, 0);
    EXPECT_EQ(e.bobCounter, 0);
    EXPECT_EQ(e.phaseDuration, 0);
}

TEST_F(EnemyPoolTest, PhaseChangeKeepsTheEnemyAndRestartsItsClocks) {
    SpawnEnemy(5, 0, 640.0f, 100.0f, 1, 1);
    Enemy& e = EnemyPool[0];
    e.phaseTimer = 151;
    e.shotCounter = 40;
    e.toggle = 1;
    e.subMode = 2;
    e.spinAngle = 10.0f;
    e.headingAngle = 1.0f;
    e.cycleCounter = 1;
    e.Retire(2, 3, 480);
    EXPECT_EQ(e.active, 1);
    EXPECT_EQ(e.bossPhase, 3);
    EXPECT_EQ(e.phaseDuration, 480);
    EXPECT_EQ(e.phaseTimer, 0);
    EXPECT_EQ(e.shotCounter, 0);
    EXPECT_EQ(e.toggle, 0);
    EXPECT_EQ(e.subMode, 0);
    EXPECT_EQ(e.spinAngle, 0.0f);
    EXPECT_EQ(e.headingAngle, 0.0f);
    EXPECT_EQ(e.cycleCounter, 1);
    EXPECT_EQ(BaseScore, 0);
}

TEST_F(EnemyPoolTest, UpdateListsLiveEnemiesAndMirrorsTheirGauges) {
    ScrollSpeed = 2.0f;
    EnemyTargetPos = Vec3{640.0f, 600.0f, 0.0f};
    SpawnEnemy(1, 0, 400.0f, 100.0f, 1, 1);
    SpawnEnemy(3, 0, 500.0f, 100.0f, 1, 1);
    SpawnEnemy(5, 0, 640.0f, -50.0f, 1, 1);
    EnemyPool[1].Retire(3, 0, 0);
    EnemyPool[0].x = 410.0f;
    EnemyPool[2].status.hp = 39000;
    UpdateEnemies();

    ASSERT_EQ(EnemyDrawCount, 2);
    EXPECT_EQ(EnemyDrawOrder[0], 0);
    EXPECT_EQ(EnemyDrawLayer[0], 0);
    EXPECT_EQ(EnemyDrawOrder[1], 2);
    EXPECT_EQ(EnemyDrawLayer[1], 1);
    EXPECT_EQ(EnemyDrawOrder[2], -1);
    EXPECT_EQ(EnemyDrawLayer[2], -1);

    EXPECT_EQ(EnemyPool[2].target.y, 600.0f);
    EXPECT_EQ(EnemyPool[2].scrollSpeed, 2.0f);
    EXPECT_EQ(EnemyStatusTable[0].x, 410.0f);
    EXPECT_EQ(EnemyStatusTable[2].hp, 39000);
    EXPECT_EQ(EnemyStatusTable[2].maxHp, 40000);
    // The silently removed cocoon's bar is gone before anything is drawn.
    EXPECT_EQ(EnemyStatusTable[1].active, 0);
    EXPECT_EQ(EnemyStatusTable[1].kind, 0);
}

TEST_F(EnemyPoolTest, DeadEnemyIsCreditedAndLosesItsGaugeInTheSameFrame) {
    SpawnEnemy(11, 0, 400.0f, 300.0f, 1, 2);
    EnemyPool[0].status.hp = 0;
    UpdateEnemies();
    EXPECT_EQ(EnemyPool[0].active, 0);
    EXPECT_EQ(BaseScore, 1000);
    EXPECT_EQ(EnemyStatusTable[0].active, 0);
    EXPECT_EQ(EnemyStatusTable[0].kind, 0);
    EXPECT_EQ(EnemyStatusTable[0].fillCounter, 0);
    // Still listed for this frame, but no longer drawn.
    EXPECT_EQ(EnemyDrawCount, 1);
    DrawEnemiesGround();
    DrawEnemiesAir();
    EXPECT_TRUE(Draws().empty());
}

TEST_F(EnemyPoolTest, GroundAndAirEnemiesAreDrawnInTheirOwnPasses) {
    SpawnEnemy(1, 0, 150.0f, 100.0f, 1, 1);   // air
    SpawnEnemy(3, 0, 200.0f, 100.0f, 1, 1);   // ground
    SpawnEnemy(14, 0, 300.0f, 100.0f, 1, 2);  // air
    SpawnEnemy(10, 0, 400.0f, 100.0f, 1, 1);  // ground
    UpdateEnemies();
    // A layer change during the frame does not move an enemy to the other pass.
    EnemyPool[0].layer = 1;

    DrawEnemiesGround();
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(Draws()[0].texture, EnemySheetTextures[kSheetNormalGrassDay]);
    EXPECT_EQ(TransformPoint(Vec3{}, Draws()[0].transform).x, 200.0f);
    EXPECT_EQ(Draws()[1].texture, EnemySheetTextures[kSheetBossGrassNight]);
    EXPECT_EQ(TransformPoint(Vec3{}, Draws()[1].transform).x, 400.0f);

    SpriteBatch->ClearRecords();
    DrawEnemiesAir();
    ASSERT_EQ(Draws().size(), 2u);
    EXPECT_EQ(TransformPoint(Vec3{}, Draws()[0].transform).x, 150.0f);
    EXPECT_EQ(Draws()[1].texture, EnemySheetTextures[kSheetBossCanyonDay]);
    EXPECT_EQ(TransformPoint(Vec3{}, Draws()[1].transform).x, 300.0f);

    // Retired after the update: skipped by its pass.
    EnemyPool[2].Retire(3, 0, 0);
    SpriteBatch->ClearRecords();
    DrawEnemiesAir();
    EXPECT_EQ(Draws().size(), 1u);
}

TEST_F(EnemyPoolTest, FieldEndCreditsEveryEnemyAndEmptiesThePool) {
    SpawnEnemy(1, 0, 150.0f, 100.0f, 1, 1);
    SpawnEnemy(4, 0, 640.0f, 100.0f, 1, 1);
    SpawnEnemy(6, 0, 100.0f, -150.0f, 1, 2);
    EnemyPool[0].bonusTimer = 0;
    UpdateEnemies();
    DefeatAllEnemies();
    EXPECT_EQ(BaseScore, 300 + 25000 + 1000);
    EXPECT_EQ(ActiveEnemyCount(), 0);
    EXPECT_EQ(EnemyDrawCount, 0);
    for (int i = 0; i < kEnemyCount; ++i) EXPECT_EQ(EnemyDrawOrder[i], -1);
}

TEST_F(EnemyPoolTest, AccessorsCopyASlotAndGiveZerosOutsideThePool) {
    SpawnEnemy(13, 0, 432.0f, 123.0f, 1, 3);
    const StatusBlock s = GetEnemyStatus(0);
    EXPECT_EQ(s.hp, 5000);
    EXPECT_EQ(s.defense2, 100);
    const Vec3 p = GetEnemyPosition(0);
    EXPECT_EQ(p.x, 432.0f);
    EXPECT_EQ(p.y, 123.0f);

    for (int32_t slot : {-1, 50, 1000}) {
        const StatusBlock out = GetEnemyStatus(slot);
        EXPECT_EQ(out.level, 0);
        EXPECT_EQ(out.hp, 0);
        EXPECT_EQ(out.defense, 0);
        const Vec3 q = GetEnemyPosition(slot);
        EXPECT_EQ(q.x, 0.0f);
        EXPECT_EQ(q.y, 0.0f);
    }
}

}  // namespace
