// The end of the cave at Difficulty 3: the MagicStone's death, the final boss
// in both its forms, each rising where the last boss was last seen, and the
// result; then the same stretch played through the game into the ending.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "app/in_field_test_support.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/result.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "platform/input.h"
#include "species/cave/cave_fixture.h"

namespace {

int FirstActive(int32_t species) {
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) return i;
    return -1;
}

class GrandMagicStoneCaveRun : public CaveFixture {
protected:
    // One frame of the cave's timeline and the pools; what is left in the
    // bullet and effect pools is thrown away.
    static void Frame() {
        FieldCave::Update();
        UpdateEnemies();
        UpdateEnemyChildren();
        ClearBullets();
        ClearEffects();
    }
    // Frames until the boss in `slot` has died of HP 0 given now; its last
    // position and how many frames it took.
    static std::pair<Vec3, int> Kill(int slot) {
        Enemy& e = EnemyPool[slot];
        e.status.hp = 0;
        Vec3 last{e.x, e.y, 0.0f};
        int frames = 0;
        while (e.active != 0 && frames < 400) {
            Frame();
            ++frames;
            if (e.active != 0) last = Vec3{e.x, e.y, 0.0f};
        }
        return {last, frames};
    }
};

// HP is set to 0 directly: the guard would make a real fight long.
TEST_F(GrandMagicStoneCaveRun, FromTheStonesDeathThroughBothFormsToTheResult) {
    Difficulty = 3;
    FieldCaveState.frame = kCaveMagicStoneFrame;
    for (int f = 0; f < 300; ++f) Frame();
    const int stone = FirstActive(kSpeciesMagicStone);
    ASSERT_GE(stone, 0);
    EXPECT_EQ(FieldCaveState.frame, kCaveMagicStoneFrame + 1);
    const auto [stoneLast, stoneFrames] = Kill(stone);
    EXPECT_EQ(stoneFrames, 241);
    EXPECT_EQ(FieldCaveState.frame, kCaveMagicStoneFrame + 1);   // held through the death

    // Form 0 rises where the stone was last seen.
    while (FieldCaveState.frame <= kCaveFirstFormFrame) FieldCave::Update();
    const int first = FirstActive(kSpeciesGrandMagicStone);
    ASSERT_GE(first, 0);
    EXPECT_EQ(EnemyPool[first].variant, 0);
    EXPECT_EQ(EnemyPool[first].x, stoneLast.x);
    EXPECT_EQ(EnemyPool[first].y, stoneLast.y);
    for (int f = 0; f < 100; ++f) Frame();   // still in its entry
    // It holds the counter from the first frame after the stone's window.
    EXPECT_EQ(FieldCaveState.frame, kCaveMagicStoneFrame + kHoldWindowLength + 1);
    const auto [firstLast, firstFrames] = Kill(first);
    EXPECT_EQ(firstFrames, 91);

    // Form 1 rises where form 0 fell.
    while (FieldCaveState.frame <= kCaveSecondFormFrame) FieldCave::Update();
    const int second = FirstActive(kSpeciesGrandMagicStone);
    ASSERT_GE(second, 0);
    EXPECT_EQ(EnemyPool[second].variant, 1);
    EXPECT_EQ(EnemyPool[second].guardTimer, 120);
    EXPECT_EQ(EnemyPool[second].x, firstLast.x);
    EXPECT_EQ(EnemyPool[second].y, firstLast.y);
    for (int f = 0; f < 200; ++f) Frame();
    EXPECT_EQ(FieldCaveState.frame, kCaveSecondFormFrame + 1);
    const auto [secondLast, secondFrames] = Kill(second);
    EXPECT_EQ(secondFrames, 271);
    EXPECT_EQ(FieldCaveState.frame, kCaveSecondFormFrame + 1);

    // The counter runs on from the frame after the window to the result.
    EXPECT_EQ(ResultPending, 0);
    while (FieldCaveState.frame <= kCaveResultFrame) Frame();
    EXPECT_EQ(ResultPending, 1);
    EXPECT_EQ(ResultField, 5);
    EXPECT_EQ(FieldCaveState.cleared, 1);
    // The three bosses paid their rewards, in order.
    std::vector<int32_t> bossRewards;
    for (const ScorePopup& p : ScorePopupPool)
        if (p.active != 0 && p.kind == kPopupBoss) bossRewards.push_back(p.value);
    EXPECT_EQ(bossRewards, (std::vector<int32_t>{100000, 200000, 300000}));
}

class CavePlaythrough : public infield_test::PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        game->userInterface.Reset();
        game->scene = kScenePlay;
    }
    void TearDown() override {
        WhiteoutActive = 0;
        PlayTest::TearDown();
    }
    testsupport::GameHolder game;
};

// The knight holds fire where he stands and shoots every boss down. To keep
// the run short the counter starts ten frames before the stone, each boss's
// HP is lowered when it is in play, the stone's to 300, each form's to 30 (so
// each breaks at once and falls before its rings close in), and the knight is
// made to last: 1000 HP and defences of 999.
TEST_F(CavePlaythrough, TheKnightShootsTheCaveBossesDownAndReachesTheEnding) {
    Difficulty = 3;
    CurrentField = 5;
    FieldCaveState.frame = kCaveMagicStoneFrame - 10;
    ThePlayer.status.hp = ThePlayer.status.maxHp = 1000;
    ThePlayer.status.defense = 999;
    ThePlayer.status.defense2 = 999;
    KeyboardState[KEY_SPACE] = 0x80;

    int lowered[3] = {-1, -1, -1};   // the stone, form 0, form 1
    bool dying[3] = {false, false, false};
    bool resultShown = false;
    int frames = 0;
    for (; frames < 6000 && game->scene == kScenePlay; ++frames) {
        ASSERT_TRUE(game->Update());
        for (int i = 0; i < kEnemyCount; ++i) {
            Enemy& e = EnemyPool[i];
            if (e.active == 0) continue;
            const int which = e.species == kSpeciesMagicStone        ? 0
                              : e.species == kSpeciesGrandMagicStone ? 1 + e.variant
                                                                     : -1;
            if (which >= 0 && e.deathCounter > 0) dying[which] = true;
            // The stone once it has floated down onto the screen.
            if (which < 0 || lowered[which] >= 0 || (which == 0 && e.bossPhase == 0)) continue;
            lowered[which] = frames;
            e.status.hp = which == 0 ? 300 : 30;
        }
        resultShown = resultShown || ResultPending == 1;
        if (TransitionFadeActive == 1 && TransitionFadeCounter < kFadeLength)
            ++TransitionFadeCounter;   // the overlay's draw
    }
    // Each was shot down and left through its death sequence.
    for (int w = 0; w < 3; ++w) EXPECT_TRUE(dying[w]) << w;
    EXPECT_LT(lowered[0], lowered[1]);
    EXPECT_LT(lowered[1], lowered[2]);
    EXPECT_TRUE(resultShown);
    ASSERT_EQ(game->scene, kSceneEnding);
    EXPECT_LT(frames, 6000);
    for (int f = 0; f < 10; ++f) ASSERT_TRUE(game->Update());
    EXPECT_EQ(game->scene, kSceneEnding);
    EXPECT_GT(game->ending.frame, 0);
}

}   // namespace
