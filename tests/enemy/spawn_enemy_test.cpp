#include <gtest/gtest.h>

#include "enemy/enemy_fixture.h"

namespace {

class SpawnEnemyTest : public EnemyFixture {};

struct SpawnCase {
    int32_t species, variant, grade;
    int32_t level, hp, attack, defense, defense2, reward, bonus, gauge, layer, phase;
    EnemySheet sheet;
};

// Rows of the species stat table, one or more per grade.
const SpawnCase kCases[] = {
    {1, 0, 1, 1, 100, 15, 10, 5, 300, 45, 1, 0, 0, kSheetNormalGrassDay},
    {1, 4, 2, 11, 200, 40, 45, 40, 500, 45, 1, 0, 0, kSheetNormalGrassDay},
    {1, 0, 3, 21, 300, 55, 65, 60, 800, 45, 1, 0, 0, kSheetNormalGrassDay},
    {3, 0, 1, 3, 1250, 20, 25, 15, 2000, 90, 2, 1, 0, kSheetNormalGrassDay},
    {3, 0, 2, 13, 1500, 30, 65, 55, 3500, 90, 2, 1, 0, kSheetNormalGrassDay},
    {4, 0, 1, 5, 20000, 20, 30, 20, 25000, 0, 3, 0, 90, kSheetBossGrassDay},
    {4, 0, 2, 15, 10000, 40, 80, 70, 15000, 0, 2, 0, 90, kSheetBossGrassDay},
    {4, 0, 3, 25, 15000, 70, 130, 120, 22500, 0, 2, 0, 90, kSheetBossGrassDay},
    {4, 2, 3, 30, 20000, 75, 130, 120, 30000, 0, 2, 0, 90, kSheetBossGrassDay},
    {7, 1, 3, 23, 2500, 65, 90, 100, 4000, 90, 2, 0, 0, kSheetBossGrassNight},
    {9, 0, 2, 15, 10000, 40, 70, 80, 15000, 0, 2, 0, 570, kSheetBossGrassNight},
    {9, 1, 3, 30, 20000, 75, 120, 130, 30000, 0, 2, 0, 570, kSheetBossGrassNight},
    {10, 0, 1, 10, 40000, 25, 30, 35, 30000, 0, 3, 1, 90, kSheetBossGrassNight},
    {16, 0, 3, 21, 500, 55, 70, 75, 1000, 45, 1, 1, 0, kSheetNormalCanyonNight},
    {13, 0, 2, 13, 3000, 35, 65, 55, 3500, 90, 2, 1, 0, kSheetNormalCanyonDay},
    {19, 0, 2, 15, 30000, 45, 80, 90, 35000, 0, 3, 0, 90, kSheetBossCanyonNight},
    {20, 0, 2, 20, 45000, 55, 100, 110, 60000, 0, 3, 1, 90, kSheetBossCanyonNight},
    {21, 0, 3, 23, 3000, 60, 90, 90, 5000, 90, 2, 0, 0, kSheetNormalCave},
    {23, 0, 3, 25, 55000, 65, 120, 120, 45000, 0, 3, 0, 90, kSheetNormalCave},
    {24, 0, 3, 30, 100000, 75, 130, 130, 100000, 0, 3, 0, 90, kSheetBossCave},
    {24, 1, 3, 99, 999999, 1, 999, 999, 0, 0, 0, 0, 999, kSheetBossCave},
    {25, 2, 3, 30, 1500, 65, 90, 90, 2000, 45, 1, 1, 0, kSheetNormalCave},
};

TEST_F(SpawnEnemyTest, FillsTheSlotWithTheSpeciesRowOfItsGrade) {
    ScrollSpeed = 2.5f;
    for (const SpawnCase& c : kCases) {
        SetUp();
        ScrollSpeed = 2.5f;
        SpawnEnemy(c.species, c.variant, 321.0f, -50.0f, 2, c.grade);
        SCOPED_TRACE(testing::Message() << "species " << c.species << " variant " << c.variant << " grade " << c.grade);
        const Enemy& e = EnemyPool[0];
        EXPECT_EQ(e.active, 1);
        EXPECT_EQ(e.x, 321.0f);
        EXPECT_EQ(e.y, -50.0f);
        EXPECT_EQ(e.z, 0.0f);
        EXPECT_EQ(e.species, c.species);
        EXPECT_EQ(e.variant, c.variant);
        EXPECT_EQ(e.route, 2);
        EXPECT_EQ(e.grade, c.grade);
        EXPECT_EQ(e.bossPhase, 0);
        EXPECT_EQ(e.scrollSpeed, 2.5f);
        EXPECT_EQ(e.sheet, EnemySheetTextures[c.sheet]);

        EXPECT_EQ(e.status.level, c.level);
        EXPECT_EQ(e.status.hp, c.hp);
        EXPECT_EQ(e.status.maxHp, c.hp);
        EXPECT_EQ(e.status.attack, c.attack);
        EXPECT_EQ(e.status.attack2, c.attack);
        EXPECT_EQ(e.status.defense, c.defense);
        EXPECT_EQ(e.status.defense2, c.defense2);
        EXPECT_EQ(e.status.sp, 0);
        EXPECT_EQ(e.status.speed, 0.0f);
        EXPECT_EQ(e.reward, c.reward);
        EXPECT_EQ(e.bonusTimer, c.bonus);
        EXPECT_EQ(e.layer, c.layer);
        EXPECT_EQ(e.phaseDuration, c.phase);

        const EnemyGaugeRecord& r = EnemyStatusTable[0];
        EXPECT_EQ(r.active, c.gauge != 0 ? 1 : 0);
        EXPECT_EQ(r.kind, c.gauge);
        if (c.gauge != 0) {
            EXPECT_EQ(r.x, 321.0f);
            EXPECT_EQ(r.y, -50.0f);
            EXPECT_EQ(r.maxHp, c.hp);
            EXPECT_EQ(r.hp, c.hp);
        }
    }
}

TEST_F(SpawnEnemyTest, FinalBossFormsStartGuarded) {
    SpawnEnemy(99, 0, 640.0f, 200.0f, 1, 3);
    SpawnEnemy(99, 1, 640.0f, 200.0f, 1, 3);
    const Enemy& form0 = EnemyPool[0];
    const Enemy& form1 = EnemyPool[1];
    EXPECT_EQ(form0.status.hp, 100000);
    EXPECT_EQ(form0.reward, 200000);
    EXPECT_EQ(form1.status.hp, 50000);
    EXPECT_EQ(form1.reward, 300000);
    EXPECT_EQ(form0.guardTimer, 240);
    EXPECT_EQ(form0.guardLength, 240);
    EXPECT_EQ(form1.guardTimer, 120);
    EXPECT_EQ(form1.guardLength, 120);
    for (const Enemy* e : {&form0, &form1}) {
        EXPECT_EQ(e->status.level, 50);
        EXPECT_EQ(e->status.attack, 80);
        EXPECT_EQ(e->status.defense, 999);
        EXPECT_EQ(e->status.defense2, 999);
        EXPECT_EQ(EnemyStatusTable[e == &form0 ? 0 : 1].kind, 3);
        EXPECT_EQ(e->sheet, EnemySheetTextures[kSheetBossCave]);
    }
}

TEST_F(SpawnEnemyTest, FinalBossGuardRunsOutAndRestoresItsDefences) {
    SpawnEnemy(99, 1, 640.0f, 200.0f, 1, 3);
    Enemy& e = EnemyPool[0];
    for (int f = 0; f < 119; ++f) UpdateEnemies();
    EXPECT_EQ(e.guardTimer, 1);
    EXPECT_EQ(e.status.defense, 999);
    UpdateEnemies();
    EXPECT_EQ(e.guardTimer, 0);
    EXPECT_EQ(e.status.defense, 150);
    EXPECT_EQ(e.status.defense2, 150);
}

TEST_F(SpawnEnemyTest, SkillGuardNeverShortensTheFinalBossGuard) {
    SpawnEnemy(1, 0, 400.0f, 100.0f, 1, 1);
    SpawnEnemy(99, 0, 640.0f, 200.0f, 1, 3);
    Enemy& boss = EnemyPool[1];
    SetGrandMagicStoneGuard(90);
    EXPECT_EQ(boss.guardTimer, 240);
    EXPECT_EQ(boss.guardLength, 240);

    boss.guardTimer = 30;
    boss.status.defense = 150;
    boss.status.defense2 = 150;
    SetGrandMagicStoneGuard(90);
    EXPECT_EQ(boss.guardTimer, 90);
    EXPECT_EQ(boss.guardLength, 90);
    EXPECT_EQ(boss.status.defense, 999);
    EXPECT_EQ(boss.status.defense2, 999);
    EXPECT_EQ(EnemyPool[0].status.defense, 10);
}

TEST_F(SpawnEnemyTest, TakesTheLowestFreeSlot) {
    for (int i = 0; i < 3; ++i) SpawnEnemy(6, 0, 100.0f * i, 0.0f, 1, 1);
    EnemyPool[1].Retire(3, 0, 0);
    SpawnEnemy(8, 0, 555.0f, 0.0f, 1, 2);
    EXPECT_EQ(EnemyPool[1].species, 8);
    EXPECT_EQ(EnemyPool[1].x, 555.0f);
    SpawnEnemy(2, 0, 0.0f, 0.0f, 1, 1);
    EXPECT_EQ(EnemyPool[3].species, 2);
}

TEST_F(SpawnEnemyTest, FullPoolLeavesEverySlotUnchanged) {
    for (int i = 0; i < kEnemyCount; ++i) SpawnEnemy(1, i % 13, 10.0f * i, 5.0f, 1, 1 + i % 3);
    ASSERT_EQ(ActiveEnemyCount(), kEnemyCount);
    EnemyPool[7].status.hp = 3;
    std::vector<EnemyGaugeRecord> gauges(std::begin(EnemyStatusTable), std::end(EnemyStatusTable));

    SpawnEnemy(99, 0, 640.0f, 200.0f, 1, 3);
    for (int i = 0; i < kEnemyCount; ++i) {
        const Enemy& e = EnemyPool[i];
        EXPECT_EQ(e.species, 1);
        EXPECT_EQ(e.variant, i % 13);
        EXPECT_EQ(e.x, 10.0f * i);
        EXPECT_EQ(e.grade, 1 + i % 3);
        EXPECT_EQ(e.guardTimer, 0);
        EXPECT_EQ(EnemyStatusTable[i].kind, gauges[i].kind);
        EXPECT_EQ(EnemyStatusTable[i].maxHp, gauges[i].maxHp);
    }
    EXPECT_EQ(EnemyPool[7].status.hp, 3);
}

// A slot that held a commander or the final boss keeps nothing of it.
TEST_F(SpawnEnemyTest, SpawnEmptiesTheSatelliteListsAndTheFinalBossBlock) {
    SpawnEnemy(99, 0, 640.0f, 200.0f, 1, 3);
    Enemy& e = EnemyPool[0];
    for (int32_t& s : e.Element::satellites) s = 3;
    for (int32_t& s : e.BigElement::satellites) s = 4;
    for (int32_t& s : e.MagicStone::satellites) s = 5;
    for (int32_t& s : e.GrandMagicStone::satellites) s = 6;
    e.guardTimer = 300;
    e.guardLength = 480;
    e.restoreDefense = 10;
    e.restoreDefense2 = 20;
    e.Retire(3, 0, 0);

    SpawnEnemy(23, 0, 640.0f, -100.0f, 1, 3);
    for (int32_t s : e.Element::satellites) EXPECT_EQ(s, -1);
    for (int32_t s : e.BigElement::satellites) EXPECT_EQ(s, -1);
    for (int32_t s : e.MagicStone::satellites) EXPECT_EQ(s, -1);
    for (int32_t s : e.GrandMagicStone::satellites) EXPECT_EQ(s, -1);
    EXPECT_EQ(e.guardTimer, 0);
    EXPECT_EQ(e.guardLength, 0);
    EXPECT_EQ(e.restoreDefense, 150);
    EXPECT_EQ(e.restoreDefense2, 150);

    // The next final boss in the slot gets its own 120-frame guard, not the
    // 300 frames left by the last one.
    e.guardTimer = 300;
    e.Retire(3, 0, 0);
    SpawnEnemy(99, 1, 640.0f, 200.0f, 1, 3);
    EXPECT_EQ(e.guardTimer, 120);
    EXPECT_EQ(e.guardLength, 120);
}

TEST_F(SpawnEnemyTest, NewEnemyIsNotDrawnWithTheLastOnesHitTint) {
    SpawnEnemy(1, 0, 400.0f, 300.0f, 1, 1);
    Enemy& e = EnemyPool[0];
    e.hitFlag = 1;
    e.status.hp = 0;
    UpdateEnemies();
    ASSERT_EQ(e.active, 0);
    EXPECT_EQ(e.hitFlag, 1);

    SpawnEnemy(6, 0, 400.0f, 300.0f, 1, 1);
    EXPECT_EQ(e.hitFlag, 0);
    e.Enemy::Draw();
    ASSERT_EQ(Draws().size(), 1u);
    EXPECT_EQ(Draws()[0].color, 0xFFFFFFFFu);
}

TEST_F(SpawnEnemyTest, UnknownSpeciesOrLevelSpawnsNothing) {
    SpawnEnemy(12, 0, 400.0f, 300.0f, 1, 2);
    SpawnEnemy(0, 0, 400.0f, 300.0f, 1, 1);
    SpawnEnemy(101, 0, 400.0f, 300.0f, 1, 3);
    SpawnEnemy(1, 0, 400.0f, 300.0f, 1, 4);
    SpawnEnemy(1, 0, 400.0f, 300.0f, 1, 0);
    SpawnEnemy(3, 0, 400.0f, 300.0f, 1, 3);
    SpawnEnemy(5, 0, 400.0f, 300.0f, 1, 2);
    SpawnEnemy(11, 0, 400.0f, 300.0f, 1, 1);
    SpawnEnemy(25, 0, 400.0f, 300.0f, 1, 2);
    EXPECT_EQ(ActiveEnemyCount(), 0);
    for (const EnemyGaugeRecord& r : EnemyStatusTable) EXPECT_EQ(r.active, 0);
}

TEST_F(SpawnEnemyTest, StatFunctionsWriteTheSlotTheyAreGiven) {
    // The field scripts place their bosses themselves and call the stat
    // functions directly.
    Enemy& e = EnemyPool[4];
    e.active = 1;
    e.species = 14;
    e.x = 640.0f;
    e.y = -200.0f;
    Eagle::InitStatus(4, 2);
    EXPECT_EQ(e.status.hp, 30000);
    EXPECT_EQ(e.status.defense, 90);
    EXPECT_EQ(e.status.defense2, 80);
    EXPECT_EQ(e.layer, 0);
    EXPECT_EQ(EnemyStatusTable[4].kind, 3);
    EXPECT_EQ(EnemyStatusTable[4].y, -200.0f);
    EXPECT_EQ(EnemyPool[0].status.hp, 0);

    // A level the species lacks sets only the layer.
    Enemy& f = EnemyPool[5];
    f.layer = 0;
    BigDayRafflesia::InitStatus(5, 3);
    EXPECT_EQ(f.layer, 1);
    EXPECT_EQ(f.status.hp, 0);
    EXPECT_EQ(EnemyStatusTable[5].active, 0);
}

}  // namespace
