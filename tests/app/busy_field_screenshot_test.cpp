// A busy field drawn with the generated art through the real render device:
// every pool full, the HUD over it, kept as screenshots/busy_field.png.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/common_textures.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/result.h"
#include "core/user_interface.h"
#include "platform/platform.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"
#include "support/screenshot.h"

namespace {

namespace fs = std::filesystem;

// The frame's own pixel at (x, y) as drawn over the field: opaque parts of the
// frame sheet must come out exactly as painted.
uint32_t FramePixel(const Texture* frame, int x, int y) { return frame->Pixels()[y * frame->Width() + x]; }

TEST(BusyFieldScreenshot, HudFrameAndPanelsStandOverAFullField) {
    ScreenshotRig rig;
    ASSERT_TRUE(rig.Ready());
    testsupport::ResourceMirror resources;
    resources.Enter();
    testsupport::GameHolder game;
    ASSERT_TRUE(game->CreateAssets());

    testsupport::ResetPlayState();
    CurrentField = 3;
    HighScoreTable[2] = 765432;
    testsupport::FillEveryPool();
    ResultPending = 0;  // the panel would hide the middle of the field
    // Frames as the main loop runs them, so the HUD's slide-in has finished.
    // They go to a device with no renderer: only the frame checked below is
    // rasterised, by the software renderer, which is slow with every pool full.
    testsupport::CreateHeadlessGraphics();
    for (int frame = 0; frame < 70; ++frame) {
        ASSERT_EQ(game->UpdatePlay(), 0);
        Direct3DDevice->BeginScene();
        Direct3DDevice->Clear(0xFFFFFFFF);
        game->DrawPlay();
        Direct3DDevice->EndScene();
        Direct3DDevice->Present();
    }
    testsupport::ReleaseHeadlessGraphics();
    Direct3DDevice = rig.Device();
    SpriteBatch = rig.Batch();

    rig.BeginFrame(0xFFFFFFFF);
    rig.Batch()->End();  // the field's draw opens its own batch
    game->DrawPlay();
    rig.Batch()->Begin(SpriteBatchApi::kAlphaBlend);
    ASSERT_TRUE(rig.EndFrame("busy_field"));
    EXPECT_TRUE(fs::exists(rig.LastPath()));

    // The frame stands over the field at its opaque points: the playfield's
    // right edge and the right-hand boards' margins. The sheet on the window's
    // device keeps no copy of its pixels: they are read from its file.
    const Texture* drawn = game->userInterface.uiTexture;
    Texture* frame = CreateTextureFromFile(nullptr, drawn->SourcePath().c_str(), drawn->Width(), drawn->Height(),
                                           drawn->ColorKey());
    ASSERT_NE(frame, nullptr);
    for (const auto& [x, y] : {std::pair{1275, 4}, std::pair{1275, 715}, std::pair{995, 360}, std::pair{1000, 340}}) {
        const uint32_t painted = FramePixel(frame, x, y);
        ASSERT_EQ(painted >> 24, 0xFFu) << x << "," << y;
        EXPECT_EQ(rig.Pixel(x, y) | 0xFF000000u, painted) << x << "," << y;
    }
    // The playfield shows the field, not the white clear colour.
    int white = 0;
    for (int y = 40; y < 700; y += 20)
        for (int x = 300; x < 980; x += 20) white += (rig.Pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_LT(white, 10);

    frame->Release();
    game->ReleaseAssets();
}

}  // namespace
