#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/ending.h"
#include "app/game.h"
#include "core/common_textures.h"
#include "core/fade.h"
#include "scene_test_support.h"

namespace {

using scene_test::DrawingTest;
using scene_test::GameHolder;

int ActiveCaptions(const EndingScene& e) {
    int n = 0;
    for (const EndingScene::Caption& c : e.captions) n += c.active;
    return n;
}

class EndingSchedule : public ::testing::Test {
protected:
    void SetUp() override {
        TransitionFadeActive = TransitionFadeCounter = TransitionFadeCode = 0;
        ending.Reset();
    }
    void TearDown() override {
        TransitionFadeActive = TransitionFadeCounter = TransitionFadeCode = 0;
        WhiteoutActive = WhiteoutCounter = 0;
    }
    EndingScene ending;
};

TEST_F(EndingSchedule, SevenCaptionsAtFrame1350AndNeverMoreThanTen) {
    int added = 0;
    int most = 0;
    while (ending.frame <= 1960) {
        const int before = ending.frame;
        ending.Update();
        for (const EndingScene::Caption& c : ending.captions) added += (c.active == 1 && c.timer == 0);
        most = std::max(most, ActiveCaptions(ending));
        if (before == 1350) {
            EXPECT_EQ(ActiveCaptions(ending), 7);
        }
    }
    EXPECT_EQ(added, 22);  // every caption found a slot
    EXPECT_LE(most, EndingScene::kCaptionSlots);
}

TEST_F(EndingSchedule, CaptionFadesInHoldsAndFadesOutOverThreeHundredUpdates) {
    ending.AddCaption(640.0f, 256.0f, 0.0f, 0, 0, 1280, 128);
    EndingScene::Caption& c = ending.captions[0];
    EXPECT_EQ(c.alpha, 0);
    EXPECT_EQ(c.drawn.right, 0);
    EXPECT_EQ(c.centre.x, 640.0f);
    EXPECT_EQ(c.centre.y, 64.0f);
    for (int update = 1; update <= 301; ++update) {
        const int timer = c.timer;
        ending.Update();
        if (timer < 75) {
            ASSERT_EQ(c.alpha, 3 * (timer + 1)) << "timer " << timer;
        } else if (timer <= 225) {
            ASSERT_EQ(c.alpha, 255) << "timer " << timer;
        } else if (timer < 300) {
            ASSERT_EQ(c.alpha, 255 - 3 * (timer - 225)) << "timer " << timer;
        }
        ASSERT_EQ(c.active, update <= 300 ? 1 : 0) << "update " << update;
    }
    EXPECT_EQ(c.alpha, 0);
    EXPECT_EQ(c.position.x, 0.0f);
}

TEST_F(EndingSchedule, ScrollRunsToSevenHundredTwentyThenWraps) {
    std::vector<float> seen;
    for (int i = 0; i < 242; ++i) {
        ending.Update();
        seen.push_back(ending.scroll);
    }
    EXPECT_EQ(seen[0], 3.0f);
    EXPECT_EQ(seen[238], 717.0f);
    EXPECT_EQ(seen[239], 720.0f);
    EXPECT_EQ(seen[240], 0.0f);
    EXPECT_EQ(seen[241], 3.0f);
}

class EndingInGame : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        for (int i = 0; i < kFieldBackgroundCount; ++i) FieldBackgroundTextures[i] = MakeTexture(8, 8, "field");
        BlackoutTexture = MakeTexture(8, 8, "blackout");
        WhiteoutTexture = MakeTexture(8, 8, "whiteout");
        g.ending.captionSheet = MakeTexture(1280, 1152, "captions");
        g.titleMenu.texture = MakeTexture(1280, 784, "title");
        g.ending.Reset();
        g.scene = kSceneEnding;
    }
    GameHolder holder;
    Game& g = *holder.game;
};

TEST_F(EndingInGame, ReturnsToTheTitleAtTheUpdateOfFrame2020AndStartsAfreshNextTime) {
    for (int run = 0; run < 2; ++run) {
        int endedAt = -1;
        for (int i = 0; i < 2100 && g.scene == kSceneEnding; ++i) {
            const int frame = g.ending.frame;
            if (frame == 400) {
                // The white flash peaks exactly at the change to the grass night.
                EXPECT_EQ(WhiteoutCounter, 120);
                EXPECT_EQ(g.ending.background, FieldBackgroundTextures[0]);
            }
            if (frame == 1960) {
                EXPECT_EQ(g.ending.background, FieldBackgroundTextures[4]);
            }
            ASSERT_TRUE(g.Update());
            if (g.scene != kSceneEnding) {
                endedAt = frame;
                break;
            }
            if (frame == 400) {
                EXPECT_EQ(g.ending.background, FieldBackgroundTextures[1]);
            }
            g.Draw();
        }
        EXPECT_EQ(endedAt, 2020) << "run " << run;
        EXPECT_EQ(g.scene, kSceneTitle);
        EXPECT_EQ(g.ending.frame, 0);
        EXPECT_EQ(g.ending.scroll, 0.0f);
        EXPECT_EQ(g.ending.background, FieldBackgroundTextures[0]);
        EXPECT_EQ(ActiveCaptions(g.ending), 0);
        RunUntilFadeIdle(g);
        g.scene = kSceneEnding;  // a second ending in the same run
    }
}

TEST_F(EndingInGame, CaptionsAreDrawnFromTheirWipedRectangles) {
    while (g.ending.frame <= 92) g.ending.Update();  // caption 1, added at 90, stepped twice
    const auto& r = RecordDraws([&] { g.ending.Draw(); });
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].position.y, g.ending.scroll);
    EXPECT_EQ(r[1].position.y, g.ending.scroll - 720.0f);
    const DrawRecord& caption = r[2];
    EXPECT_EQ(caption.texture, g.ending.captionSheet);
    EXPECT_EQ(caption.source.left, 0);
    EXPECT_EQ(caption.source.right, 34);  // 1280 / 75 = 17 per update
    EXPECT_EQ(caption.source.bottom, 128);
    EXPECT_EQ(caption.centre.x, 640.0f);
    EXPECT_EQ(caption.centre.y, 64.0f);
    EXPECT_EQ(caption.position.x, 640.0f);
    EXPECT_EQ(caption.position.y, 256.0f);
    EXPECT_EQ(caption.color, 0x06FFFFFFu);

    // Wiping out: the erased part leaves from the left, the rest stays in place.
    while (g.ending.frame <= 90 + 228) g.ending.Update();
    RecordDraws([&] { g.ending.Draw(); });
    // The white flash of frame 280 is drawn between the background and the
    // captions; caption 1 holds the first slot.
    const DrawRecord* out = nullptr;
    for (const DrawRecord& r : SpriteBatch->Records()) {
        if (r.texture == g.ending.captionSheet && out == nullptr) out = &r;
    }
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->source.left, 34);
    EXPECT_EQ(out->source.right, 1280);
    EXPECT_EQ(out->position.x, 674.0f);
    EXPECT_EQ(out->color >> 24, 249u);
}

}  // namespace
