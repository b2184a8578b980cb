// The field timelines: fixed events, the holds while a mid-boss or boss
// lives, the canyon's braking scroll, the cave's final boss, the result, the
// closing fade and the return at the fade's midpoint.
#include <gtest/gtest.h>

#include "core/item.h"
#include "enemy/enemy_gauge.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "field_test_support.h"

namespace {

using field_test::AnyActive;
using field_test::FieldTest;
using field_test::Plant;
using field_test::Retire;
using field_test::Spawns;
using testsupport::RunFieldFrame;

// Runs the field until its counter reaches `frame`; the small enemies leave
// as they come.
template <class Field>
void RunTo(FieldState& state, int32_t frame) {
    while (state.frame < frame) {
        RunFieldFrame<Field>();
        field_test::ClearSmallEnemies();
    }
}

int CountSpawnsOf(int32_t species) {
    int n = 0;
    for (const SpawnEvent& e : Spawns()) n += e.species == species ? 1 : 0;
    return n;
}

using GrassDayTimeline = FieldTest;

TEST_F(GrassDayTimeline, RouteOneOpensWithTheDivingLineAndTheCocoon) {
    RunTo<FieldGrassDay>(FieldGrassDayState, 301);
    ASSERT_GE(Spawns().size(), 7u);
    for (int i = 0; i < 7; ++i) {
        const SpawnEvent& e = Spawns()[i];
        EXPECT_EQ(e.frame, 30 + 10 * i);
        EXPECT_EQ(e.species, kSpeciesButterFly);
        EXPECT_EQ(e.variant, 0);
        EXPECT_EQ(e.x, 640.0f - 50.0f * static_cast<float>(i));
        EXPECT_EQ(e.y, -50.0f);
        EXPECT_EQ(e.route, 1);
        EXPECT_EQ(e.level, 1);
    }
    const SpawnEvent& cocoon = Spawns().back();
    EXPECT_EQ(cocoon.frame, 300);
    EXPECT_EQ(cocoon.species, kSpeciesDayCocoon);
    EXPECT_EQ(cocoon.variant, 0);
    EXPECT_EQ(cocoon.x, 640.0f);
    EXPECT_EQ(cocoon.y, -50.0f);
    // 7 + 6 + 9 + 10 butterflies before the cocoon.
    EXPECT_EQ(Spawns().size(), 33u);
}

TEST_F(GrassDayTimeline, RouteOneBrings293SmallAndMiddleEnemies) {
    field_test::SetGaugesForRoute(1);
    while (FieldGrassDayState.frame < 3600) {
        RunFieldFrame<FieldGrassDay>();
        field_test::ClearSmallEnemies();
        field_test::RetireAll(kSpeciesBigButterFly);  // shot down at once
    }
    EXPECT_EQ(FieldGrassDayState.route, 1);
    EXPECT_EQ(CountSpawnsOf(kSpeciesButterFly), 261);
    EXPECT_EQ(CountSpawnsOf(kSpeciesMiddleButterFly), 20);
    EXPECT_EQ(CountSpawnsOf(kSpeciesDayCocoon), 12);
    EXPECT_EQ(CountSpawnsOf(kSpeciesBigButterFly), 1);
    EXPECT_EQ(Spawns().size(), 294u);
}

TEST_F(GrassDayTimeline, MidBossHoldsTheCounterAt1801UntilItDies) {
    RunTo<FieldGrassDay>(FieldGrassDayState, 1800);
    RunFieldFrame<FieldGrassDay>();  // frame 1800 spawns the mid-boss
    ASSERT_FALSE(Spawns().empty());
    const SpawnEvent& boss = Spawns().back();
    EXPECT_EQ(boss.frame, 1800);
    EXPECT_EQ(boss.species, kSpeciesBigButterFly);
    EXPECT_EQ(boss.x, 640.0f);
    EXPECT_EQ(boss.y, -200.0f);
    EXPECT_EQ(boss.level, 1);
    EXPECT_EQ(FieldGrassDayState.frame, 1801);
    field_test::EnsureActive(kSpeciesBigButterFly);
    const size_t before = Spawns().size();
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(RunFieldFrame<FieldGrassDay>(), 0);
        ASSERT_EQ(FieldGrassDayState.frame, 1801);
    }
    EXPECT_EQ(Spawns().size(), before);  // the schedule runs at 1801 and has nothing there
    EXPECT_EQ(WhiteoutActive, 0);
    field_test::RetireAll(kSpeciesBigButterFly);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 1802);
}

TEST_F(GrassDayTimeline, BossHoldsTheCounterAt3601AndTheResultFollows) {
    FieldGrassDayState.frame = 3600;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(Spawns().back().species, kSpeciesScorpion);
    EXPECT_EQ(Spawns().back().x, 640.0f);
    EXPECT_EQ(Spawns().back().y, -50.0f);
    field_test::EnsureActive(kSpeciesScorpion);
    for (int i = 0; i < 100; ++i) RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 3601);
    EXPECT_EQ(FieldGrassDayState.scrollSpeed, 2.0f);  // only the canyon brakes
    field_test::RetireAll(kSpeciesScorpion);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 3602);
}

TEST_F(GrassDayTimeline, AnotherSpeciesDoesNotHoldTheMidBossWindow) {
    Plant(kSpeciesScorpion);
    Plant(kSpeciesButterFly);
    FieldGrassDayState.frame = 1801;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 1802);
    // Past its window the mid-boss species holds nothing either.
    Plant(kSpeciesBigButterFly);
    FieldGrassDayState.frame = 1812;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 1813);
}

TEST_F(GrassDayTimeline, MidBossLostToAFullPoolLetsTheWindowPass) {
    for (int i = 0; i < kEnemyCount; ++i) Plant(kSpeciesButterFly);
    FieldGrassDayState.frame = 1800;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_FALSE(AnyActive(kSpeciesBigButterFly));
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.frame, 1802);
}

TEST_F(GrassDayTimeline, WhiteFlashAt1890AndRouteChoiceAt2010) {
    field_test::SetGaugesForRoute(3);
    FieldGrassDayState.frame = 1889;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(WhiteoutActive, 0);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(WhiteoutActive, 1);
    WhiteoutActive = 0;
    RunTo<FieldGrassDay>(FieldGrassDayState, 2010);
    EXPECT_EQ(FieldGrassDayState.route, 1);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(WhiteoutActive, 0);
    EXPECT_EQ(FieldGrassDayState.route, 3);
}

TEST_F(GrassDayTimeline, ResultAt3750AndClosingFadeAt4110) {
    ItemPool[0].active = 1;
    FieldGrassDayState.frame = 3749;
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(ResultPending, 0);
    EXPECT_EQ(FieldGrassDayState.cleared, 0);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(ResultPending, 1);
    EXPECT_EQ(ResultField, 1);
    EXPECT_EQ(FieldGrassDayState.cleared, 1);
    EXPECT_EQ(ItemPool[0].active, 0);
    RunTo<FieldGrassDay>(FieldGrassDayState, 4110);
    EXPECT_EQ(TransitionFadeActive, 0);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCode, 3);
}

TEST_F(GrassDayTimeline, ReturnsOneExactlyWhenTheFadeReaches60WithCode3) {
    FieldGrassDayState.frame = 4110;
    int32_t result = RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(result, 0);
    int frames = 0;
    while (result == 0 && frames < 200) {
        ++TransitionFadeCounter;  // the overlay's draw advances the fade
        result = RunFieldFrame<FieldGrassDay>();
        ++frames;
        if (result == 0) {
            EXPECT_LT(TransitionFadeCounter, 60);
        }
    }
    EXPECT_EQ(result, 1);
    EXPECT_EQ(TransitionFadeCounter, 60);
    // Another fade's midpoint is not the field's end.
    TransitionFadeCode = 2;
    EXPECT_EQ(RunFieldFrame<FieldGrassDay>(), 0);
}

TEST_F(GrassDayTimeline, DeathFadeEndsTheFieldAtAnyFrame) {
    FieldGrassDayState.frame = 500;
    TransitionFadeActive = 1;
    TransitionFadeCode = 3;
    TransitionFadeCounter = 59;
    EXPECT_EQ(RunFieldFrame<FieldGrassDay>(), 0);
    TransitionFadeCounter = 60;
    EXPECT_EQ(RunFieldFrame<FieldGrassDay>(), 1);
}

TEST_F(GrassDayTimeline, BackgroundScrollsTwoPixelsAndWrapsAt720) {
    for (int i = 0; i < 359; ++i) RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.scroll.y, 718.0f);
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(FieldGrassDayState.scroll.y, 0.0f);
    EXPECT_EQ(FieldGrassDayState.scroll.x, 0.0f);
}

using GrassNightTimeline = FieldTest;

TEST_F(GrassNightTimeline, BigMothAt1800AndSpiderAt3600HoldTheirWindows) {
    FieldGrassNightState.frame = 1800;
    RunFieldFrame<FieldGrassNight>();
    EXPECT_EQ(Spawns().back().species, kSpeciesBigMoth);
    EXPECT_EQ(Spawns().back().y, -200.0f);
    field_test::EnsureActive(kSpeciesBigMoth);
    for (int i = 0; i < 20; ++i) RunFieldFrame<FieldGrassNight>();
    EXPECT_EQ(FieldGrassNightState.frame, 1801);
    field_test::RetireAll(kSpeciesBigMoth);
    FieldGrassNightState.frame = 3600;
    RunFieldFrame<FieldGrassNight>();
    EXPECT_EQ(Spawns().back().species, kSpeciesSpider);
    field_test::EnsureActive(kSpeciesSpider);
    for (int i = 0; i < 20; ++i) RunFieldFrame<FieldGrassNight>();
    EXPECT_EQ(FieldGrassNightState.frame, 3601);
}

using CanyonTimeline = FieldTest;

TEST_F(CanyonTimeline, BossBrakesTheScrollBy0008ToExactlyZeroAndItStaysZero) {
    FieldCanyonDayState.frame = 5400;
    RunFieldFrame<FieldCanyonDay>();
    EXPECT_EQ(Spawns().back().species, kSpeciesBigDayRafflesia);
    EXPECT_EQ(Spawns().back().level, 2);
    EXPECT_EQ(FieldCanyonDayState.scrollSpeed, 2.0f);  // the spawn frame does not brake
    field_test::EnsureActive(kSpeciesBigDayRafflesia);
    float expected = 2.0f;
    int frames = 0;
    while (expected > 0.0f) {
        RunFieldFrame<FieldCanyonDay>();
        expected -= 0.008f;
        if (expected <= 0.0f) expected = 0.0f;
        ASSERT_EQ(FieldCanyonDayState.scrollSpeed, expected) << "after " << frames;
        ++frames;
    }
    EXPECT_GE(frames, 249);
    EXPECT_LE(frames, 251);
    EXPECT_EQ(FieldCanyonDayState.scrollSpeed, 0.0f);
    const float y = FieldCanyonDayState.scroll.y;
    for (int i = 0; i < 10; ++i) RunFieldFrame<FieldCanyonDay>();
    EXPECT_EQ(FieldCanyonDayState.scroll.y, y);
    field_test::RetireAll(kSpeciesBigDayRafflesia);
    RunTo<FieldCanyonDay>(FieldCanyonDayState, 5600);
    EXPECT_EQ(FieldCanyonDayState.scrollSpeed, 0.0f);
    EXPECT_EQ(ResultField, 3);
}

TEST_F(CanyonTimeline, NightMidBossHoldsAt2701WithoutBraking) {
    FieldCanyonNightState.frame = 2700;
    RunFieldFrame<FieldCanyonNight>();
    EXPECT_EQ(Spawns().back().species, kSpeciesBat);
    EXPECT_EQ(Spawns().back().y, -200.0f);
    field_test::EnsureActive(kSpeciesBat);
    for (int i = 0; i < 30; ++i) RunFieldFrame<FieldCanyonNight>();
    EXPECT_EQ(FieldCanyonNightState.frame, 2701);
    EXPECT_EQ(FieldCanyonNightState.scrollSpeed, 2.0f);
    field_test::RetireAll(kSpeciesBat);
    RunTo<FieldCanyonNight>(FieldCanyonNightState, 2791);
    EXPECT_EQ(WhiteoutActive, 1);
}

using CaveTimeline = FieldTest;

TEST_F(CaveTimeline, BigElementAndStoneHoldTheirWindows) {
    FieldCaveState.frame = 3600;
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(Spawns().back().species, kSpeciesBigElement);
    EXPECT_EQ(Spawns().back().level, 3);
    field_test::EnsureActive(kSpeciesBigElement);
    for (int i = 0; i < 10; ++i) RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 3601);
    field_test::RetireAll(kSpeciesBigElement);
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 3602);

    FieldCaveState.frame = 7200;
    Spawns().clear();
    RunFieldFrame<FieldCave>();
    ASSERT_EQ(Spawns().size(), 8u);  // the last row and the stone
    EXPECT_EQ(Spawns().back().species, kSpeciesMagicStone);
    EXPECT_EQ(Spawns().back().x, 640.0f);
    EXPECT_EQ(Spawns().back().y, -200.0f);
    field_test::EnsureActive(kSpeciesMagicStone);
    for (int i = 0; i < 10; ++i) RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7201);
    EXPECT_EQ(Spawns().size(), 8u);
}

TEST_F(CaveTimeline, BelowDifficulty3TheStoneLeadsStraightToTheResult) {
    for (int32_t difficulty : {1, 2}) {
        Difficulty = difficulty;
        FieldCaveState.frame = 7201;
        FieldCaveState.cleared = 0;
        Spawns().clear();
        RunTo<FieldCave>(FieldCaveState, 7351);
        EXPECT_EQ(CountSpawnsOf(kSpeciesGrandMagicStone), 0);
        EXPECT_EQ(ResultPending, 1);
        EXPECT_EQ(ResultField, 5);
        EXPECT_EQ(FieldCaveState.cleared, 1);
    }
}

TEST_F(CaveTimeline, FirstFormHoldsOnlyAfterTheStoneWindow) {
    Difficulty = 3;
    FieldCaveState.frame = 7205;
    RunFieldFrame<FieldCave>();
    ASSERT_EQ(Spawns().back().species, kSpeciesGrandMagicStone);
    EXPECT_EQ(Spawns().back().variant, 0);
    EXPECT_EQ(Spawns().back().route, 1);
    EXPECT_EQ(Spawns().back().level, 3);
    field_test::EnsureActive(kSpeciesGrandMagicStone);
    // 7206 to 7211 test only the stone: the counter runs on to 7212.
    for (int i = 0; i < 6; ++i) RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7212);
    for (int i = 0; i < 30; ++i) RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7212);
    field_test::RetireAll(kSpeciesGrandMagicStone);
    RunTo<FieldCave>(FieldCaveState, 7221);
    EXPECT_EQ(Spawns().back().species, kSpeciesGrandMagicStone);
    EXPECT_EQ(Spawns().back().variant, 1);
    EXPECT_EQ(Spawns().back().frame, 7220);
    field_test::EnsureActive(kSpeciesGrandMagicStone);
    for (int i = 0; i < 10; ++i) RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7221);
    field_test::RetireAll(kSpeciesGrandMagicStone);
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7222);
}

TEST_F(CaveTimeline, ResultAt7350AndFadeAt7710) {
    FieldCaveState.frame = 7350;
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(ResultPending, 1);
    EXPECT_EQ(ResultField, 5);
    RunTo<FieldCave>(FieldCaveState, 7710);
    EXPECT_EQ(TransitionFadeActive, 0);
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCode, 3);
}

}  // namespace

namespace {

TEST_F(CaveTimeline, FinalBossRisesWhereTheStoneAndThenItsFirstFormWereLastSeen) {
    Difficulty = 3;
    FieldCaveState.frame = 7201;
    const int stone = Plant(kSpeciesMagicStone, 600.0f, 150.0f);
    RunFieldFrame<FieldCave>();
    EnemyPool[stone].x = 610.0f;
    EnemyPool[stone].y = 170.0f;
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7201);
    Retire(stone);  // its position is zeroed: the last copy stays
    RunTo<FieldCave>(FieldCaveState, 7206);
    ASSERT_EQ(Spawns().back().species, kSpeciesGrandMagicStone);
    EXPECT_EQ(Spawns().back().x, 610.0f);
    EXPECT_EQ(Spawns().back().y, 170.0f);

    field_test::EnsureActive(kSpeciesGrandMagicStone, 610.0f, 170.0f);
    RunTo<FieldCave>(FieldCaveState, 7212);
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].species == kSpeciesGrandMagicStone) {
            EnemyPool[i].x = 420.0f;
            EnemyPool[i].y = 260.0f;
        }
    RunFieldFrame<FieldCave>();
    EXPECT_EQ(FieldCaveState.frame, 7212);
    field_test::RetireAll(kSpeciesGrandMagicStone);
    RunTo<FieldCave>(FieldCaveState, 7221);
    EXPECT_EQ(Spawns().back().variant, 1);
    EXPECT_EQ(Spawns().back().x, 420.0f);
    EXPECT_EQ(Spawns().back().y, 260.0f);
}

// At 7200 the pool is full: the stone is lost and nothing of it is seen. The
// record holds no point on the screen (here the start value), so the final
// boss rises where the broken stone drifts to; so does its second form when
// the first was last seen under the left panel.
TEST_F(CaveTimeline, FinalBossRisesOnTheScreenWhenNoPositionOnItIsRecorded) {
    Difficulty = 3;
    FieldCaveState.bossPosition = Vec3{};
    FieldCaveState.frame = 7200;
    for (int i = 0; i < kEnemyCount; ++i) Plant(kSpeciesElement);
    FieldCave::Update();
    EXPECT_FALSE(AnyActive(kSpeciesMagicStone));
    RunTo<FieldCave>(FieldCaveState, 7206);
    int first = -1;
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == kSpeciesGrandMagicStone) first = i;
    ASSERT_GE(first, 0);
    EXPECT_EQ(EnemyPool[first].variant, 0);
    EXPECT_EQ(EnemyPool[first].x, 640.0f);
    EXPECT_EQ(EnemyPool[first].y, 160.0f);

    RunTo<FieldCave>(FieldCaveState, 7212);
    EnemyPool[first].x = 212.0f;
    EnemyPool[first].y = 80.0f;
    FieldCave::Update();
    Retire(first);
    RunTo<FieldCave>(FieldCaveState, 7221);
    ASSERT_EQ(Spawns().back().species, kSpeciesGrandMagicStone);
    EXPECT_EQ(Spawns().back().variant, 1);
    EXPECT_EQ(Spawns().back().x, 640.0f);
    EXPECT_EQ(Spawns().back().y, 160.0f);
}

// The soak asks which enemy holds a field's counter.
TEST_F(CaveTimeline, HolderIsTheBossAliveInTheWindowOfThePresentFrame) {
    FieldGrassDayState.frame = 1801;
    Plant(kSpeciesBigMoth);
    EXPECT_EQ(FieldHolder(1), -1);   // another species
    const int butterfly = Plant(kSpeciesBigButterFly);
    EXPECT_EQ(FieldHolder(1), butterfly);
    FieldGrassDayState.frame = 1812;
    EXPECT_EQ(FieldHolder(1), -1);

    FieldCaveState.frame = 7212;
    const int stone = Plant(kSpeciesMagicStone);
    EXPECT_EQ(FieldHolder(5), -1);   // past the stone's window
    const int boss = Plant(kSpeciesGrandMagicStone);
    EXPECT_EQ(FieldHolder(5), boss);
    FieldCaveState.frame = 7205;
    EXPECT_EQ(FieldHolder(5), stone);
    EXPECT_EQ(FieldHolder(6), -1);
}

}  // namespace

namespace {

// The spawns land in the enemy pool with the schedule's and the timeline's
// fields.
using FieldSpawnsInPool = FieldTest;

int SlotOf(int32_t species) {
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) return i;
    return -1;
}

TEST_F(FieldSpawnsInPool, MidBossTakesTheFirstFreeSlotWithRouteOneAndItsGrade) {
    Plant(kSpeciesButterFly);
    FieldGrassNightState.frame = 1800;
    FieldGrassNightState.route = 3;
    RunFieldFrame<FieldGrassNight>();
    const int slot = SlotOf(kSpeciesBigMoth);
    ASSERT_EQ(slot, 1);
    EXPECT_EQ(EnemyPool[slot].x, 640.0f);
    EXPECT_EQ(EnemyPool[slot].y, -200.0f);
    EXPECT_EQ(EnemyPool[slot].route, 1);
    EXPECT_EQ(EnemyPool[slot].grade, 1);
    EXPECT_EQ(EnemyPool[slot].variant, 0);
    EXPECT_EQ(EnemyStatusTable[slot].kind, 3);
}

TEST_F(FieldSpawnsInPool, CanyonBigButterFlyIsAMiddleEnemyOnRouteOne) {
    FieldCanyonDayState.route = 2;
    FieldCanyonDayState.frame = 4760;
    RunFieldFrame<FieldCanyonDay>();
    const int slot = SlotOf(kSpeciesBigButterFly);
    ASSERT_GE(slot, 0);
    EXPECT_EQ(EnemyPool[slot].route, 1);
    EXPECT_EQ(EnemyPool[slot].grade, 2);
    EXPECT_EQ(EnemyStatusTable[slot].kind, 2);
    // It is no mid-boss here: the counter runs on.
    EXPECT_EQ(FieldCanyonDayState.frame, 4761);
}

TEST_F(FieldSpawnsInPool, ScheduledWaveFillsSlotsInOrderAndAFullPoolLosesTheRest) {
    for (int i = 0; i < kEnemyCount - 1; ++i) Plant(kSpeciesButterFly);
    FieldGrassDayState.frame = 180;  // three butterflies at 440, 640 and 840
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(EnemyPool[kEnemyCount - 1].species, kSpeciesButterFly);
    EXPECT_EQ(EnemyPool[kEnemyCount - 1].x, 440.0f);
    EXPECT_EQ(EnemyPool[kEnemyCount - 1].variant, 1);
    field_test::Retire(3);
    FieldGrassDayState.frame = 190;  // the next frame of the wave spawns normally
    RunFieldFrame<FieldGrassDay>();
    EXPECT_EQ(EnemyPool[3].x, 440.0f);
    EXPECT_EQ(EnemyPool[3].y, -50.0f);
}

}  // namespace
