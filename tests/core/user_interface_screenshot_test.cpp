// A busy HUD drawn with the generated art through the real render device and
// kept as screenshots/hud_busy.png in the build folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/common_textures.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/score.h"
#include "core/user_interface.h"
#include "support/resource_dir.h"
#include "support/screenshot.h"

namespace {

namespace fs = std::filesystem;

class HudScreenshot : public ::testing::Test {
protected:
    void SetUp() override {
        resources_.Enter();
    }
    void TearDown() override {
        ui.Release();
        ReleaseCommonTextures();
    }

    // A field well under way: wounded, swinging, two skills cooling down,
    // the panel of a level-up showing and the gauges leaning.
    void MakeBusy() {
        ui.position = Vec3{640.0f, 520.0f, 0.0f};
        ui.status = HudStatus{12, 340, 500, 30, 120, 48, 40, 36, 30};
        ui.levelUpBase = HudStatus{12, 0, 470, 0, 110, 45, 38, 34, 29};
        ui.levelUpTimer = 100;
        ui.swordTimer = 60;
        ui.swordTimerMax = 180;
        ui.selectedSkill = 2;
        const int32_t cooldown[3] = {0, 700, 1500}, length[3] = {600, 1200, 1800};
        for (int i = 0; i < 3; ++i) ui.skillCooldown[i] = cooldown[i], ui.skillCooldownMax[i] = length[i];
        ui.exp = 2100;
        ui.nextLevelExp = 3600;
        ui.fieldMoney = 4321;
        ui.slideCounter = 60;  // slid in long ago
        ui.slideAlpha = 255;
        CurrentField = 3;
        BaseScore = 123450;
        HighScoreTable[2] = 987650;
        BigExpItemCount = 7, ExpItemCount = 123, BigCoinCount = 15, CoinCount = 2048;
        const float lead[3] = {720.0f, 650.0f, 920.0f};  // gauges 1, 4 and 5
        EmotionGauges[0] = lead[0], EmotionGauges[1] = 1000.0f - lead[0];
        EmotionGauges[3] = lead[1], EmotionGauges[2] = 1000.0f - lead[1];
        EmotionGauges[4] = lead[2], EmotionGauges[5] = 1000.0f - lead[2];
    }

    UserInterface ui;
    testsupport::ResourceMirror resources_;
};

TEST_F(HudScreenshot, BusyHudRendersEveryElement) {
    if (!fs::exists("Texture/UserInterface/ui.png")) GTEST_SKIP() << "no generated HUD art in this build";
    ScreenshotRig rig;
    ASSERT_TRUE(rig.Ready());
    ASSERT_TRUE(LoadCommonTextures());
    ASSERT_TRUE(ui.LoadTextures());
    MakeBusy();

    auto frame = [&](const char* name) {
        rig.BeginFrame(0xFFFFFFFF);
        const Vec3 origin{};
        rig.Batch()->Draw(FieldBackgroundTextures[2], nullptr, nullptr, &origin, 0xFFFFFFFF);
        ui.Draw();
        return rig.EndFrame(name);
    };
    ASSERT_TRUE(frame("hud_busy"));
    // The HP fill shows in its strip; an empty gauge leaves the frame's back.
    const uint32_t filled = rig.Pixel(170, 48);
    ui.status.hp = 0;
    ASSERT_TRUE(frame("hud_busy_hp_empty"));
    EXPECT_NE(rig.Pixel(170, 48), filled);
}

}  // namespace
