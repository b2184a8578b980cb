// Ten seconds of the knight in a field: moving, firing, slashing, using a
// skill and collecting items, with the bullet, effect, item and popup updates
// and the draws of a frame, and not one heap allocation meanwhile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/machinery_probe.h"
#include "core/player.h"
#include "core/player_input_support.h"
#include "core/popups.h"
#include "core/user_interface.h"
#include "support/allocation_counter.h"

namespace {

using namespace player_test;

constexpr int kFrames = 600;

// What the frames saw, gathered without allocating.
struct FrameTally {
    int volleyFrames = 0;           // frames in which new lances appeared
    int maxParticles = 0;
    int framesWithOptionDraws = 0;  // all options drawn at alpha 200
    int particleDraws = 0;
    int lanceDraws = 0;
    int swordDraws = 0;
};

int ActiveParticles(const Player& p) {
    int n = 0;
    for (int32_t a : p.particleActive) n += a;
    return n;
}

class PlayerFrames : public ::testing::Test {
protected:
    void SetUp() override {
        ThePlayer.playerTexture = body;
        ThePlayer.swordTexture = sword;
        ThePlayer.optionTexture = option;
        std::srand(3);
    }
    void TearDown() override {
        for (Texture* t : {body, sword, option}) t->Release();
    }

    static Texture* Sheet(const char* name) {
        return CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu), name);
    }

    // The knight's input for frame f: fire always; a square walk; slow for the
    // third 100 frames; a sword press at 50 and 400; skill 1 at 450.
    static void InputFor(int f) {
        ReleaseAllInput();
        Hold(KEY_SPACE);
        const uint8_t walk[] = {KEY_D, KEY_S, KEY_A, KEY_W, KEY_D, KEY_A};
        Hold(walk[f / 100]);
        if (f >= 200 && f < 300) Hold(KEY_LSHIFT);
        if (f == 50 || f == 400) Hold(KEY_E);
        if (f == 450) Hold(KEY_Q);
    }

    // One frame in the in-field frame's order, then its draw.
    void RunFrame(int f, FrameTally& tally) {
        Player& p = ThePlayer;
        InputFor(f);
        const Vec3 at{p.x, p.y, p.z};
        ItemTargetPos = at;
        EffectAnchorPos = at;
        BulletTargetPos = at;
        if (f % 40 == 0) {
            SpawnItem(1 + (f / 40) % 4, p.x + 40.0f, p.y - 100.0f, 30.0f);
            SpawnEffect(13, p.x - 60.0f, p.y - 220.0f, 0.0f);  // leaves a coin when it ends
        }
        p.freeShotSlots = FreeShotSlots();
        const int shotsBefore = kPlayerShotCount - p.freeShotSlots;
        CollectItems(hud, 1.1f, 1.1f, 1.0f, 1.0f);
        UpdatePlayer();
        if (kPlayerShotCount - FreeShotSlots() > shotsBefore) ++tally.volleyFrames;
        UpdateBullets();
        UpdateEffects();
        UpdateItems();
        UpdateEmotionNumbers();
        if (ActiveParticles(p) > tally.maxParticles) tally.maxParticles = ActiveParticles(p);

        SpriteBatch->ClearRecords();
        SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
        for (Bullet& b : PlayerShotPool) {
            if (b.active != 0) b.Draw();
        }
        p.DrawParticles();
        p.DrawLayer(4);
        p.DrawLayer(1);
        p.DrawLayer(2);
        p.DrawLayer(3);
        DrawEffectsPass1();
        DrawEffectsPass2();
        DrawItems();
        DrawEmotionNumbers();
        SpriteBatch->End();

        int options = 0;
        for (const DrawRecord& r : SpriteBatch->Records()) {
            if (r.texture == option && r.color == 0xC8FFFFFFu) ++options;
            else if (r.texture == option) ++tally.particleDraws;
            else if (r.texture == PlayerShotTexture) ++tally.lanceDraws;
            else if (r.texture == sword) ++tally.swordDraws;
        }
        if (options == p.optionCount) ++tally.framesWithOptionDraws;
    }

    machinery_test::HeadlessGraphics graphics;
    machinery_test::SoundProbe sounds;
    machinery_test::StandInSheet lance{PlayerShotTexture};
    machinery_test::StandInSheet chip{ItemChipTexture};
    machinery_test::StandInSheet barrier{BarrierTexture};
    machinery_test::StandInSheet emotionDigits{EmotionNumberTexture};
    machinery_test::StandInSheet bulletDelete{EffectTextures[kEffectSheetBulletDelete]};
    machinery_test::StandInSheet skill1{EffectTextures[kEffectSheetSkill1]};
    Texture* body = Sheet("player");
    Texture* sword = Sheet("sword");
    Texture* option = Sheet("option");
    UserInterface hud;
    FieldScratch field;
};

TEST_F(PlayerFrames, SixHundredFramesOfPlayWithoutAHeapAllocation) {
    SpriteBatch->StartRecording(4096);
    FrameTally tally;
    testsupport::StartCountingAllocations();
    for (int f = 0; f < kFrames; ++f) RunFrame(f, tally);
    const long allocations = testsupport::StopCountingAllocations();
    SpriteBatch->StopRecording();
    SpriteBatch->ClearRecords();

    EXPECT_EQ(allocations, 0);
    // Volleys every fourth frame while six slots are free, paused by the swings.
    EXPECT_GT(tally.volleyFrames, 60);
    EXPECT_GT(tally.lanceDraws, 1000);
    EXPECT_EQ(tally.framesWithOptionDraws, kFrames);
    EXPECT_GE(tally.maxParticles, 200);
    EXPECT_GT(tally.particleDraws, 10000);
    EXPECT_EQ(tally.swordDraws, 2 * 10 * 5);  // two swings, ten frames of five images
    // The items reached the knight and paid out.
    EXPECT_GT(GetCoinSmallCount() + GetCoinBigCount(), 0);
    EXPECT_GT(GetExpSmallCount() + GetExpBigCount(), 0);
    EXPECT_GT(ThePlayer.Money, 0);
}

// Held where the compiler cannot see it unused, so it keeps both allocations.
std::vector<int>* volatile keptVector = nullptr;

TEST_F(PlayerFrames, TheCounterSeesAnAllocation) {
    testsupport::StartCountingAllocations();
    keptVector = new std::vector<int>(3);
    const long allocations = testsupport::StopCountingAllocations();
    delete keptVector;
    EXPECT_EQ(allocations, 2);
}

}  // namespace
