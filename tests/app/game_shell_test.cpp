#include <gtest/gtest.h>

#include "app/game.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/high_score.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "platform/input.h"
#include "support/game_holder.h"

namespace {

using testsupport::GameHolder;

TEST(FramePacing, RunsOneFrameAfterMoreThan16MsAndCarriesTheRemainder) {
    uint32_t last = 1000, carry = 0;
    EXPECT_FALSE(FrameDue(1016, last, carry));  // exactly 16 ms: not yet
    EXPECT_EQ(last, 1000u);
    EXPECT_TRUE(FrameDue(1033, last, carry));   // 33 ms: one frame, 1 ms carried
    EXPECT_EQ(last, 1033u);
    EXPECT_EQ(carry, 1u);
    // The carry counts towards the next frame: 16 ms later plus 1 carried is due.
    EXPECT_TRUE(FrameDue(1049, last, carry));
    EXPECT_EQ(carry, 1u);
    // A long stall runs a single frame; only elapsed & 15 is kept.
    EXPECT_TRUE(FrameDue(1149, last, carry));
    EXPECT_EQ(carry, (100u + 1u) & 15u);
}

TEST(GameConstruction, StartsOnTheTitleUnderAFadeIn) {
    GameHolder h;
    EXPECT_EQ(h.game->scene, kSceneTitle);
    EXPECT_EQ(h.game->backHeldCounter, 0);
    EXPECT_EQ(h.game->titleMenu.selection, 1);
    EXPECT_EQ(h.game->titleMenu.cooldown, 0);
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCounter, 60);
    EXPECT_EQ(TransitionFadeCode, 0);
    EXPECT_EQ(WhiteoutActive, 0);
    for (float g : EmotionGauges) EXPECT_EQ(g, 500.0f);
    for (int i = 0; i < kEnemyCount; ++i) {
        EXPECT_EQ(EnemyDrawOrder[i], -1);
        EXPECT_EQ(EnemyDrawLayer[i], -1);
    }
    EXPECT_EQ(EquippedSlots.weaponA, 0);
    EXPECT_EQ(EquippedSlots.weaponB, 0);
    EXPECT_EQ(EquippedSlots.armour, 0);
    EXPECT_EQ(EquippedSlots.accessory1, -1);
    EXPECT_EQ(EquippedSlots.accessory2, -1);
    EXPECT_EQ(BaseScore, 0);
    for (int32_t s : HighScoreTable) EXPECT_EQ(s, 0);
}

class BackButton : public ::testing::Test {
protected:
    void SetUp() override { PadState = PadStateRecord{}; }
    void TearDown() override { PadState = PadStateRecord{}; }
    GameHolder h;
};

TEST_F(BackButton, HeldForSixtyFramesEndsTheGame) {
    PadState.gamepad.buttons = PAD_BACK;
    for (int i = 0; i < 59; ++i) ASSERT_TRUE(h.game->Update()) << "frame " << i + 1;
    EXPECT_FALSE(h.game->Update());
}

TEST_F(BackButton, AOneFrameReleaseRestartsTheCount) {
    PadState.gamepad.buttons = PAD_BACK;
    for (int i = 0; i < 59; ++i) ASSERT_TRUE(h.game->Update());
    PadState.gamepad.buttons = 0;
    EXPECT_TRUE(h.game->Update());
    EXPECT_EQ(h.game->backHeldCounter, 0);
    PadState.gamepad.buttons = PAD_BACK | PAD_A;
    for (int i = 0; i < 59; ++i) ASSERT_TRUE(h.game->Update());
    EXPECT_FALSE(h.game->Update());
}

TEST_F(BackButton, CountsInEveryScene) {
    h.game->scene = kSceneQuit;
    EXPECT_FALSE(h.game->Update());  // the quit scene ends the loop at once
    h.game->scene = 7;               // a scene with nothing to run still counts BACK
    PadState.gamepad.buttons = PAD_BACK;
    for (int i = 0; i < 59; ++i) ASSERT_TRUE(h.game->Update());
    EXPECT_FALSE(h.game->Update());
}

}  // namespace
