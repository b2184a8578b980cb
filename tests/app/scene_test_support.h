#pragma once
// Helpers for tests that run the game's scenes frame by frame.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <vector>

#include "app/common_textures.h"
#include "app/fade.h"
#include "app/game.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace scene_test {

// A Game built the way the entry function builds it: zero-filled, then constructed.
struct GameHolder {
    GameHolder() {
        std::memset(storage, 0, sizeof(storage));
        game = new (storage) Game();
    }
    ~GameHolder() { game->~Game(); }
    GameHolder(const GameHolder&) = delete;
    GameHolder& operator=(const GameHolder&) = delete;
    alignas(Game) unsigned char storage[sizeof(Game)];
    Game* game;
};

// A headless device and sprite batch, with a plain texture for every handle a
// scene draws, so that draws can be recorded.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        Direct3DDevice = GraphicsDevice::CreateHeadless();
        SpriteBatch = CreateSpriteBatch(Direct3DDevice);
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
        SpriteBatch->Release();
        SpriteBatch = nullptr;
        Direct3DDevice->Release();
        Direct3DDevice = nullptr;
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
