#include <gtest/gtest.h>

#include <map>

#include "core/fade.h"
#include "scene_test_support.h"

namespace {

using scene_test::DrawingTest;

class Overlays : public DrawingTest {
protected:
    void SetUp() override {
        DrawingTest::SetUp();
        BlackoutTexture = MakeTexture(16, 16, "blackout");
        WhiteoutTexture = MakeTexture(16, 16, "whiteout");
        TransitionFadeActive = TransitionFadeCounter = TransitionFadeCode = 0;
        WhiteoutActive = WhiteoutCounter = 0;
        SpriteBatch->StartRecording();
        SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
    }
    void TearDown() override {
        SpriteBatch->End();
        SpriteBatch->StopRecording();
        TransitionFadeActive = TransitionFadeCounter = TransitionFadeCode = 0;
        WhiteoutActive = WhiteoutCounter = 0;
        DrawingTest::TearDown();
    }
    // Draws the overlay once per counter value until it ends; returns the alpha
    // drawn at each counter value.
    template <typename DrawFn>
    std::map<int, uint32_t> Run(DrawFn draw, int32_t* counter, const int32_t* active, const Texture* texture) {
        std::map<int, uint32_t> alpha;
        for (int step = 0; step < 300 && *active == 1; ++step) {
            const int before = *counter;
            const size_t drawn = SpriteBatch->Records().size();
            draw();
            if (SpriteBatch->Records().size() == drawn) continue;
            const DrawRecord& r = SpriteBatch->Records().back();
            EXPECT_EQ(r.texture, texture);
            EXPECT_EQ(r.position.x, 0.0f);
            EXPECT_EQ(r.position.y, 0.0f);
            EXPECT_EQ(r.color & 0xFFFFFFu, 0xFFFFFFu);
            alpha[before] = r.color >> 24;
            EXPECT_EQ(*counter, before + 1);
        }
        return alpha;
    }
};

TEST_F(Overlays, BlackoutDarkensOverSixtyFramesThenClearsAndResets) {
    TransitionFadeActive = 1;
    TransitionFadeCode = 3;
    const auto alpha = Run(DrawTransitionFade, &TransitionFadeCounter, &TransitionFadeActive, BlackoutTexture);
    ASSERT_EQ(alpha.size(), 120u);
    EXPECT_EQ(alpha.at(0), 0u);
    EXPECT_EQ(alpha.at(1), 4u);
    EXPECT_EQ(alpha.at(59), 250u);
    EXPECT_EQ(alpha.at(60), 255u);
    EXPECT_EQ(alpha.at(119), 5u);
    // The draw at 120 shows nothing and ends the fade.
    EXPECT_EQ(TransitionFadeActive, 0);
    EXPECT_EQ(TransitionFadeCounter, 0);
    EXPECT_EQ(TransitionFadeCode, 0);
}

TEST_F(Overlays, WhiteFlashRisesOver120FramesAndFallsOverTheNext120) {
    WhiteoutActive = 1;
    const auto alpha = Run(DrawWhiteFlash, &WhiteoutCounter, &WhiteoutActive, WhiteoutTexture);
    ASSERT_EQ(alpha.size(), 240u);
    EXPECT_EQ(alpha.at(1), 2u);
    EXPECT_EQ(alpha.at(119), 252u);
    EXPECT_EQ(alpha.at(120), 255u);
    EXPECT_EQ(alpha.at(239), 3u);
    EXPECT_EQ(WhiteoutActive, 0);
    EXPECT_EQ(WhiteoutCounter, 0);
}

}  // namespace
