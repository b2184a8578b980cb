#include <gtest/gtest.h>

#include "app/game.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/player.h"
#include "platform/input.h"
#include "scene_test_support.h"

namespace {

using scene_test::DrawingTest;
using scene_test::GameHolder;

class TitleScene : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        g.titleMenu.texture = MakeTexture(1280, 784, "title");
        g.creditsTexture = MakeTexture(1280, 720, "credits");
        BlackoutTexture = MakeTexture(16, 16, "blackout");
        RunUntilFadeIdle(g);  // the opening fade-in
    }
    static void Press(uint8_t key, bool down) { KeyboardState[key] = down ? 0x80 : 0; }
    // One press of S, then frames until the cursor's cooldown has run out.
    void StepDown() {
        Press(KEY_S, true);
        ASSERT_TRUE(Frame(g));
        Press(KEY_S, false);
        for (int i = 0; i < 9; ++i) ASSERT_TRUE(Frame(g));
        ASSERT_EQ(g.titleMenu.cooldown, 0);
    }
    GameHolder holder;
    Game& g = *holder.game;
};

TEST_F(TitleScene, HoldingDownStepsEveryTenFramesAndStopsAtQuit) {
    Press(KEY_S, true);
    std::vector<int> changes;
    int last = g.titleMenu.selection;
    for (int frame = 1; frame <= 40; ++frame) {
        ASSERT_TRUE(Frame(g));
        if (g.titleMenu.selection != last) changes.push_back(frame);
        last = g.titleMenu.selection;
    }
    EXPECT_EQ(changes, (std::vector<int>{1, 11}));
    EXPECT_EQ(g.titleMenu.selection, 3);
    EXPECT_EQ(g.scene, kSceneTitle);
}

TEST_F(TitleScene, UpAndDownTogetherFromCreditsStayOnCredits) {
    StepDown();
    ASSERT_EQ(g.titleMenu.selection, 2);
    // The stick up and the S key down in one frame.
    PadState.gamepad.thumbLY = 20000;
    Press(KEY_S, true);
    ASSERT_TRUE(Frame(g));
    EXPECT_EQ(g.titleMenu.selection, 2);
}

TEST_F(TitleScene, StartChangesSceneSixtyFramesLaterAndIgnoresASecondPress) {
    EquippedSlots.weaponA = 2;
    Press(KEY_SPACE, true);
    ASSERT_TRUE(Frame(g));  // frame 0: the fade starts
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCode, 1);
    Press(KEY_SPACE, false);
    for (int frame = 1; frame < 60; ++frame) {
        // A second decide and a cursor move meanwhile change nothing.
        Press(KEY_RETURN, frame == 30);
        Press(KEY_S, frame == 31);
        ASSERT_TRUE(Frame(g));
        ASSERT_EQ(g.scene, kSceneTitle) << "frame " << frame;
    }
    EXPECT_EQ(g.titleMenu.selection, 1);
    ASSERT_TRUE(g.Update());  // frame 60
    EXPECT_EQ(g.scene, kSceneFieldMap);
    // The start set up a new game: the equipped weapon A is applied to the player.
    EXPECT_EQ(ThePlayer.statusParts[1].attack, 3);
    EquippedSlots.weaponA = 0;
}

TEST_F(TitleScene, QuitEndsTheProgramAtTheFadesMidpoint) {
    StepDown();
    Press(KEY_S, true);
    ASSERT_TRUE(Frame(g));
    Press(KEY_S, false);
    ASSERT_EQ(g.titleMenu.selection, 3);
    // Deciding also waits for the cursor's cooldown.
    PadState.gamepad.buttons = PAD_Y;
    ASSERT_TRUE(Frame(g));
    EXPECT_EQ(TransitionFadeActive, 0);
    PadState.gamepad.buttons = 0;
    for (int i = 0; i < 8; ++i) ASSERT_TRUE(Frame(g));
    PadState.gamepad.buttons = PAD_Y;
    ASSERT_TRUE(Frame(g));
    PadState.gamepad.buttons = 0;
    for (int frame = 1; frame < 60; ++frame) ASSERT_TRUE(Frame(g)) << "frame " << frame;
    EXPECT_EQ(TransitionFadeCounter, 60);
    EXPECT_FALSE(g.Update());
    EXPECT_EQ(g.scene, kSceneQuit);
}

TEST_F(TitleScene, CreditsReturnToTheTitleWithInputIgnoredWhileFading) {
    StepDown();
    Press(KEY_RETURN, true);
    ASSERT_TRUE(Frame(g));
    Press(KEY_RETURN, false);
    for (int i = 0; i < 60 && g.scene == kSceneTitle; ++i) ASSERT_TRUE(Frame(g));
    ASSERT_EQ(g.scene, kSceneCredits);
    // The credits take no input until their fade-in has ended.
    Press(KEY_SPACE, true);
    while (TransitionFadeActive != 0) {
        ASSERT_TRUE(Frame(g));
        ASSERT_NE(TransitionFadeCode, 4);
    }
    ASSERT_TRUE(Frame(g));
    EXPECT_EQ(TransitionFadeCode, 4);
    Press(KEY_SPACE, false);
    for (int i = 0; i < 60 && g.scene == kSceneCredits; ++i) ASSERT_TRUE(Frame(g));
    ASSERT_EQ(g.scene, kSceneTitle);
    EXPECT_EQ(g.titleMenu.selection, 2);
    // Back on the title, a held cursor does nothing until the fade has cleared.
    Press(KEY_S, true);
    while (TransitionFadeActive != 0) {
        ASSERT_TRUE(Frame(g));
        ASSERT_EQ(g.titleMenu.selection, 2);
    }
    ASSERT_TRUE(Frame(g));
    EXPECT_EQ(g.titleMenu.selection, 3);
}

TEST_F(TitleScene, StripMarksTheSelectedLineNarrowerForLowerItems) {
    struct Expected {
        float scaleX, x, y;
    };
    const Expected expected[] = {{1.0f, 640.0f, 448.0f}, {0.75f, 640.0f, 544.0f}, {0.5f, 640.0f, 640.0f}};
    for (int item = 1; item <= 3; ++item) {
        g.titleMenu.selection = item;
        const auto& r = RecordDraws([&] { g.titleMenu.Draw(); });
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[0].source.right, 1280);
        EXPECT_EQ(r[0].source.bottom, 720);
        EXPECT_EQ(r[0].transform.m[3][1], 0.0f);
        EXPECT_EQ(r[0].color, 0xFFFFFFFFu);
        const DrawRecord& strip = r[1];
        EXPECT_EQ(strip.source.left, 0);
        EXPECT_EQ(strip.source.top, 720);
        EXPECT_EQ(strip.source.right, 640);
        EXPECT_EQ(strip.source.bottom, 784);
        EXPECT_EQ(strip.centre.x, 320.0f);
        EXPECT_EQ(strip.centre.y, 32.0f);
        const Expected& e = expected[item - 1];
        EXPECT_EQ(strip.transform.m[0][0], e.scaleX) << "item " << item;
        EXPECT_EQ(strip.transform.m[1][1], 1.0f);
        EXPECT_EQ(strip.transform.m[3][0], e.x);
        EXPECT_EQ(strip.transform.m[3][1], e.y) << "item " << item;
        // The draw leaves the identity transform in force.
        EXPECT_EQ(SpriteBatch->GetTransform().m[3][1], 0.0f);
        EXPECT_EQ(SpriteBatch->GetTransform().m[0][0], 1.0f);
    }
}

}  // namespace
