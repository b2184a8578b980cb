#pragma once
// Helpers for tests that run the game's scenes frame by frame.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/game.h"
#include "core/common_textures.h"
#include "core/fade.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"

namespace scene_test {

using testsupport::GameHolder;

// A headless device and sprite batch, with a plain texture for every handle a
// scene draws, so that draws can be recorded.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::CreateHeadlessGraphics();
        std::memset(KeyboardState, 0, sizeof(KeyboardState));
        PadState = PadStateRecord{};
    }
    void TearDown() override {
        std::memset(KeyboardState, 0, sizeof(KeyboardState));
        PadState = PadStateRecord{};
        for (Texture* t : textures_) t->Release();
        // The handles made here must not outlive the test.
        BlackoutTexture = nullptr;
        WhiteoutTexture = nullptr;
        for (Texture*& t : FieldBackgroundTextures) t = nullptr;
        testsupport::ReleaseHeadlessGraphics();
    }
    Texture* MakeTexture(int w, int h, const char* name) {
        Texture* t = CreateTextureFromPixels(Direct3DDevice, w, h, std::vector<uint32_t>(w * h, 0xFF808080u), name);
        textures_.push_back(t);
        return t;
    }
    // One pass of the main loop: update, then draw unless the game is to end.
    static bool Frame(Game& g) {
        if (!g.Update()) return false;
        g.Draw();
        return true;
    }
    // The draws made by `draw` inside one sprite batch.
    template <typename DrawFn>
    static const std::vector<DrawRecord>& RecordDraws(DrawFn draw) {
        SpriteBatch->ClearRecords();
        SpriteBatch->StartRecording();
        SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
        draw();
        SpriteBatch->End();
        SpriteBatch->StopRecording();
        return SpriteBatch->Records();
    }
    // Runs frames without input until no fade is running.
    static void RunUntilFadeIdle(Game& g) {
        for (int i = 0; i < 200 && TransitionFadeActive != 0; ++i) ASSERT_TRUE(Frame(g));
        ASSERT_EQ(TransitionFadeActive, 0);
    }

private:
    std::vector<Texture*> textures_;
};

}  // namespace scene_test
