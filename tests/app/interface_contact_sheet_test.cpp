// The whole interface on one page: the title, every mode and board of the
// world map (a purchase and both kinds of equip choice among them) and a busy
// field under the HUD, rendered through the software device and laid out at
// half size in build/interface_contact_sheet.png, so that an art change can be
// checked by eye in one look.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/game.h"
#include "assetgen/writer.h"
#include "core/effects.h"
#include "core/field_globals.h"
#include "core/player_test_support.h"
#include "core/result.h"
#include "fieldmap/field_map_test_support.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"
#include "support/screenshot.h"

namespace {

namespace fs = std::filesystem;

// Magenta never appears in the art: a pixel left at it was drawn by nothing.
constexpr uint32_t kClear = 0xFFFF00FFu;
constexpr int kColumns = 4;
constexpr int kCaption = 28;   // label strip above each half-size frame

struct Frame {
    std::string name;
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
};

class InterfaceContactSheet : public FieldMapTest {
protected:
    void SetUp() override {
        FieldMapTest::SetUp();
        resources.Enter();
        saved = ThePlayer.status;
        for (int i = 0; i < Player::kPartCount; ++i) savedParts[i] = ThePlayer.statusParts[i];
    }
    void TearDown() override {
        game->ReleaseAssets();
        quietBatch->Release();
        quietDevice->Release();
        testsupport::ResetPlayState();
        ThePlayer.status = saved;
        for (int i = 0; i < Player::kPartCount; ++i) ThePlayer.statusParts[i] = savedParts[i];
        FieldMapTest::TearDown();
    }

    // A frame of the game, drawn only while a fade runs, and then on a
    // headless device: the fade advances in the draw, and nothing else of the
    // scenes' draws changes anything.
    void Step() {
        ASSERT_TRUE(game->Update());
        if (TransitionFadeActive == 0) return;
        Direct3DDevice = quietDevice;
        SpriteBatch = quietBatch;
        game->Draw();
        Direct3DDevice = rig.Device();
        SpriteBatch = rig.Batch();
    }
    // One frame with the key held, then until the animation and any fade end.
    void Press(uint8_t key) {
        KeyboardState[key] = 0x80;
        Step();
        KeyboardState[key] = 0;
        for (int i = 0; i < 200 && (game->fieldMap.cooldown > 0 || TransitionFadeActive != 0); ++i) Step();
    }
    // The frame as the player sees it, kept for the contact sheet (and, with
    // MIRELUNE_KEEP_FRAMES set, also full size in screenshots/).
    void Capture(const std::string& name, bool play = false) {
        rig.BeginFrame(kClear);
        rig.Batch()->End();   // every scene opens its own batch
        if (play) {
            game->DrawPlay();
        } else {
            game->Draw();
        }
        rig.Batch()->Begin(SpriteBatchApi::kAlphaBlend);
        const bool keep = std::getenv("MIRELUNE_KEEP_FRAMES") != nullptr;
        ASSERT_TRUE(rig.EndFrame(keep ? name.c_str() : nullptr)) << name;
        frames.push_back(Frame{name, rig.Pixels(), rig.Width(), rig.Height()});
    }

    ScreenshotRig rig;
    GraphicsDevice* quietDevice = GraphicsDevice::CreateHeadless();
    SpriteBatchApi* quietBatch = CreateSpriteBatch(quietDevice);
    testsupport::GameHolder game;
    std::vector<Frame> frames;
    testsupport::ResourceMirror resources;
    StatusBlock saved;
    StatusBlock savedParts[Player::kPartCount];
};

// Each frame at half size under its name, four to a row.
assetgen::Canvas LayOut(const std::vector<Frame>& frames) {
    using namespace assetgen;
    const int cellW = 640, cellH = 360 + kCaption;
    const int rows = (int(frames.size()) + kColumns - 1) / kColumns;
    Canvas sheet(kColumns * cellW, rows * cellH, Rgb(24, 24, 32));
    TextStyle caption;
    caption.size = 18;
    caption.color = Rgb(235, 235, 245);
    for (size_t k = 0; k < frames.size(); ++k) {
        const Frame& f = frames[k];
        const int x0 = int(k % kColumns) * cellW, y0 = int(k / kColumns) * cellH;
        sheet.Text(f.name, float(x0 + 8), float(y0 + kCaption / 2), caption);
        // Each 2 x 2 block of the frame averaged into one pixel.
        for (int y = 0; y < f.height / 2; ++y)
            for (int x = 0; x < f.width / 2; ++x) {
                int r = 0, g = 0, b = 0;
                for (int dy = 0; dy < 2; ++dy)
                    for (int dx = 0; dx < 2; ++dx) {
                        const uint32_t p = f.pixels[size_t(2 * y + dy) * size_t(f.width) + size_t(2 * x + dx)];
                        r += R(p), g += G(p), b += B(p);
                    }
                sheet.Set(x0 + x, y0 + kCaption + y, Rgb(r / 4, g / 4, b / 4));
            }
    }
    return sheet;
}

TEST_F(InterfaceContactSheet, EveryMapModeBoardAndABusyFieldOnOnePage) {
    ASSERT_TRUE(rig.Ready());
    ASSERT_TRUE(game->CreateAssets());
    player_test::SetLevelOneBase(ThePlayer);

    for (int i = 0; i < 200 && TransitionFadeActive != 0; ++i) Step();
    Capture("title");
    Press(KEY_SPACE);
    ASSERT_EQ(game->scene, kSceneFieldMap);
    Capture("map_locations");
    Press(KEY_RETURN);
    Capture("map_menu");
    Press(KEY_SPACE);
    Capture("map_status_board");
    Press(KEY_LSHIFT);

    // The shop: a purchase of the second lance, then the accessories.
    ThePlayer.Money = 30000;
    Press(KEY_RETURN);
    Press(KEY_S);
    Press(KEY_S);
    Press(KEY_SPACE);
    Press(KEY_S);
    Capture("map_shop");
    Press(KEY_SPACE);
    Capture("map_buy_confirm");
    Press(KEY_SPACE);
    ASSERT_EQ(EquipmentCatalogue.weaponA[1].owned, 1);
    Capture("map_shop_purchased");
    for (int k = 0; k < 3; ++k) Press(KEY_RIGHT);
    Capture("map_shop_accessories");
    Press(KEY_LSHIFT);

    // The equip board, a choice with the new lance, and the swords' choice
    // with nothing to offer.
    Press(KEY_RETURN);
    Press(KEY_S);
    Press(KEY_SPACE);
    Capture("map_equip_board");
    Press(KEY_SPACE);
    ASSERT_EQ(game->fieldMap.choiceIndex, 1);
    Capture("map_equip_choice");
    Press(KEY_LSHIFT);
    Press(KEY_S);
    Press(KEY_SPACE);
    ASSERT_EQ(game->fieldMap.choiceIndex, -1);
    Capture("map_equip_choice_nothing");
    Press(KEY_LSHIFT);
    Press(KEY_LSHIFT);

    // The rings on the grass plain, by day and by night.
    Press(KEY_SPACE);
    Capture("map_time_day");
    Press(KEY_D);
    Capture("map_time_night");
    Press(KEY_SPACE);
    Capture("map_difficulty");
    Press(KEY_LSHIFT);
    Press(KEY_LSHIFT);

    // A cleared grass field lifts the canyon's clouds; then the canyon's ring.
    FieldClearFlags[0] = 1;
    for (int i = 0; i < 200 && game->fieldMap.canyonCloudTimer > 120; ++i) Step();
    Capture("map_clouds_lifting");
    for (int i = 0; i < 200 && game->fieldMap.canyonCloudTimer > 0; ++i) Step();
    Press(KEY_D);
    Press(KEY_SPACE);
    Capture("map_canyon_time_night");
    Press(KEY_LSHIFT);

    // A busy field under the HUD, skill 3 in use and cooling down; then the
    // same with a level-up showing.
    testsupport::ResetPlayState();
    CurrentField = 3;
    testsupport::FillEveryPool();
    ResultPending = 0;
    ThePlayer.selectedSkill = 3;
    ThePlayer.skill3Cooldown = 1000;
    ASSERT_EQ(game->UpdatePlay(), 0);
    // The skill's aura round the knight, in the first entry of the full pool.
    EffectPool.type[0] = 12;
    EffectPool.timer[0] = 40;
    game->userInterface.slideCounter = 60;   // slid in long ago
    game->userInterface.slideAlpha = 255;
    Capture("busy_field", true);
    game->userInterface.SetLevelUpRecord(90, 50, 6, 8, 5, 4);
    game->userInterface.levelUpTimer = 100;
    Capture("busy_field_level_up", true);

    // Every frame full size, drawn edge to edge and holding a picture, not a
    // few flat fills.
    ASSERT_EQ(frames.size(), 18u);
    for (const Frame& f : frames) {
        ASSERT_EQ(f.width, 1280) << f.name;
        ASSERT_EQ(f.height, 720) << f.name;
        EXPECT_EQ(
            std::count_if(f.pixels.begin(), f.pixels.end(), [](uint32_t p) { return (p | 0xFF000000u) == kClear; }), 0)
            << f.name;
        std::vector<uint32_t> sample;
        for (size_t i = 0; i < f.pixels.size(); i += 97) sample.push_back(f.pixels[i] & 0xFFFFFFu);
        std::sort(sample.begin(), sample.end());
        EXPECT_GE(std::unique(sample.begin(), sample.end()) - sample.begin(), 200) << f.name;
    }
    // Each step of the journey changed the picture.
    for (size_t k = 1; k < frames.size(); ++k) EXPECT_NE(frames[k].pixels, frames[k - 1].pixels) << frames[k].name;
    const assetgen::Canvas sheet = LayOut(frames);
    const fs::path out = fs::path(MIRELUNE_BUILD_DIR) / "interface_contact_sheet.png";
    assetgen::WriteIfChanged(out, assetgen::EncodePng(sheet));
    EXPECT_TRUE(fs::exists(out));
}

}   // namespace
