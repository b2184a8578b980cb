#include "core/effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/field_globals.h"
#include "core/item.h"
#include "core/sound.h"
#include "machinery_probe.h"

namespace {

using machinery_test::DrawRecording;
using machinery_test::SoundProbe;

struct SheetSize {
    int width, height;
};
// The real sizes of the nine sheets, by EffectSheet.
const SheetSize kSheetSizes[kEffectSheetCount] = {{200, 6000}, {200, 6000}, {100, 3000}, {200, 6000}, {100, 1000},
                                                  {256, 7680}, {5000, 400}, {100, 3000}, {128, 32}};

struct CoinCall {
    int32_t kind;
    float x, y, angle;
};
std::vector<CoinCall> coinCalls;
void RecordCoin(int32_t kind, float x, float y, float angle) { coinCalls.push_back({kind, x, y, angle}); }

class Effects : public ::testing::Test {
protected:
    Effects() {
        for (Texture*& sheet : EffectTextures) sheets_.push_back(std::make_unique<machinery_test::StandInSheet>(sheet));
    }
    void SetUp() override {
        InitEffects();
        coinCalls.clear();
        EffectCoinSpawn = RecordCoin;
    }
    void TearDown() override {
        EffectCoinSpawn = SpawnItem;
        InitEffects();
    }
    static int SheetOf(const Texture* t) {
        for (int i = 0; i < kEffectSheetCount; ++i)
            if (EffectTextures[i] == t) return i;
        return -1;
    }

private:
    machinery_test::HeadlessGraphics graphics_;
    std::vector<std::unique_ptr<machinery_test::StandInSheet>> sheets_;
};

TEST_F(Effects, EachTypeEndsOnTimeWithEveryFrameInsideItsStrip) {
    struct Expect {
        int updates;        // updates until the entry is freed
        Rect lastCell;      // the cell drawn after the last update it survives
    };
    const Expect expected[16] = {
        {},
        {30, {0, 3800, 200, 4000}}, {30, {0, 3800, 200, 4000}}, {30, {0, 3800, 200, 4000}},
        {30, {0, 3800, 200, 4000}}, {30, {0, 3800, 200, 4000}}, {30, {0, 3800, 200, 4000}},
        {30, {0, 3800, 200, 4000}}, {30, {0, 3800, 200, 4000}}, {30, {0, 1900, 100, 2000}},
        {30, {0, 900, 100, 1000}},  {30, {0, 7424, 256, 7680}}, {150, {4800, 200, 5000, 400}},
        {20, {0, 1900, 100, 2000}}, {20, {0, 1900, 100, 2000}}, {20, {0, 1900, 100, 2000}},
    };
    for (int type = 1; type <= 15; ++type) {
        InitEffects();
        const int32_t i = PlaceEffect(type, 400.0f, 300.0f, 0.0f);
        ASSERT_EQ(i, 0);
        DrawRecording rec;
        int updates = 0;
        Rect first{}, last{};
        for (;;) {
            SpriteBatch->ClearRecords();
            DrawEffectsPass1();
            DrawEffectsPass2();
            ASSERT_FALSE(rec.Records().empty()) << "type " << type;
            for (const DrawRecord& r : rec.Records()) {
                const SheetSize& s = kSheetSizes[SheetOf(r.texture)];
                EXPECT_GE(r.source.left, 0);
                EXPECT_LE(r.source.right, s.width) << "type " << type << " update " << updates;
                EXPECT_LE(r.source.bottom, s.height) << "type " << type << " update " << updates;
            }
            if (updates == 0) first = rec.Records()[0].source;
            last = rec.Records()[0].source;
            UpdateEffects();
            ++updates;
            if (EffectPool.active[i] == 0) break;
            ASSERT_LT(updates, 1000);
        }
        EXPECT_EQ(updates, expected[type].updates) << "type " << type;
        EXPECT_EQ(first.left, 0);
        EXPECT_EQ(first.top, 0);
        EXPECT_EQ(last.left, expected[type].lastCell.left) << "type " << type;
        EXPECT_EQ(last.top, expected[type].lastCell.top) << "type " << type;
        EXPECT_EQ(last.right, expected[type].lastCell.right) << "type " << type;
        EXPECT_EQ(last.bottom, expected[type].lastCell.bottom) << "type " << type;
        EXPECT_EQ(EffectPool.type[i], 0);
        EXPECT_EQ(EffectPool.timer[i], 0);
    }
}

TEST_F(Effects, CancelEffectsLeaveTheirCoinOnTheirLastUpdate) {
    PlaceEffect(13, 320.0f, 240.0f, 0.0f);
    PlaceEffect(14, 100.0f, 50.0f, 0.0f);
    PlaceEffect(15, 10.0f, 10.0f, 0.0f);
    for (int u = 1; u <= 19; ++u) UpdateEffects();
    EXPECT_TRUE(coinCalls.empty());
    EXPECT_EQ(EffectPool.timer[0], 57);
    UpdateEffects();
    ASSERT_EQ(coinCalls.size(), 2u);
    EXPECT_EQ(coinCalls[0].kind, 1);
    EXPECT_EQ(coinCalls[0].x, 320.0f);
    EXPECT_EQ(coinCalls[0].y, 240.0f);
    EXPECT_EQ(coinCalls[0].angle, 0.0f);
    EXPECT_EQ(coinCalls[1].kind, 2);
    EXPECT_EQ(coinCalls[1].x, 100.0f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(EffectPool.active[i], 0);
}

TEST_F(Effects, CancelCoinLandsInTheItemPool) {
    EffectCoinSpawn = SpawnItem;
    ClearItems();
    SpawnItem(1, 500.0f, 500.0f, 0.0f);
    const bool itemsBuilt = ItemPool[0].active == 1;
    ClearItems();
    if (!itemsBuilt) GTEST_SKIP() << "items are not in the game yet";
    PlaceEffect(13, 320.0f, 240.0f, 0.0f);
    for (int u = 1; u <= 20; ++u) UpdateEffects();
    EXPECT_EQ(ItemPool[0].active, 1);
    EXPECT_EQ(ItemPool[0].kind, 1);
    ClearItems();
}

TEST_F(Effects, SpawnPlaysTheSoundOfItsType) {
    SoundProbe probe;
    ExplosionSoundCount = 5;
    const Sound* expected[17] = {nullptr,          &PlayerHitSound,  &EnemyDestroySound, &BossDyingSound,
                                 &BossDying2Sound, &BossDyingSound,  &MidBossDestroySound, &BossDestroySound,
                                 nullptr,          nullptr,          nullptr,           nullptr,
                                 nullptr,          nullptr,          nullptr,           nullptr,
                                 &LevelUpSound};
    for (int type = 1; type <= 16; ++type) {
        probe.StopAll();
        SpawnEffect(type, 1.0f, 2.0f, 3.0f);
        EXPECT_EQ(EffectPool.type[type - 1], type);
        EXPECT_EQ(EffectPool.active[type - 1], 1);
        EXPECT_EQ(EffectPool.z[type - 1], 3.0f);
        EXPECT_EQ(SoundProbe::OnlyPlaying(), expected[type]) << "type " << type;
        if (expected[type] == nullptr) {
            for (const Sound& s : SoundTable) EXPECT_FALSE(SoundProbe::Playing(s)) << "type " << type;
        }
    }
    EXPECT_EQ(LevelUpDisplayCounter, 180);

    // A full pool places nothing and plays nothing.
    for (int i = 0; i < kEffectCount; ++i) PlaceEffect(9, 0.0f, 0.0f, 0.0f);
    probe.StopAll();
    SpawnEffect(1, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(SoundProbe::OnlyPlaying(), nullptr);
}

TEST_F(Effects, FirstFiveExplosionsAreSilentThenEvenAndOddEntriesAlternate) {
    SoundProbe probe;
    for (int i = 0; i < 10; ++i) PlaceEffect(8, 0.0f, 0.0f, 0.0f);
    for (int n = 0; n < 5; ++n) {
        SpawnEffect(3 + n % 3, 0.0f, 0.0f, 0.0f);
        EXPECT_EQ(SoundProbe::OnlyPlaying(), nullptr);
    }
    EXPECT_EQ(ExplosionSoundCount, 5);
    FreeEffect(10);
    FreeEffect(11);
    SpawnEffect(5, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(EffectPool.type[10], 5);
    EXPECT_EQ(SoundProbe::OnlyPlaying(), &BossDyingSound);
    probe.StopAll();
    SpawnEffect(3, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(SoundProbe::OnlyPlaying(), &BossDying2Sound);
    EXPECT_EQ(ExplosionSoundCount, 5);
}

TEST_F(Effects, ExplosionsMoveWhileTheyRun) {
    std::srand(3);
    const float angle = static_cast<float>(std::rand() % 3600) / 10.0f;
    std::srand(3);
    SpawnEffect(4, 500.0f, 400.0f, 0.0f);
    SpawnEffect(3, 500.0f, 400.0f, 0.0f);
    EXPECT_EQ(EffectPool.angle[0], angle);
    UpdateEffects();
    EXPECT_FLOAT_EQ(EffectPool.x[0], 500.0f + std::cos(angle * kDegToRad) * 10.0f);
    EXPECT_FLOAT_EQ(EffectPool.y[0], 400.0f + std::sin(angle * kDegToRad) * 10.0f);
    EXPECT_EQ(EffectPool.y[1], 397.0f);
    EXPECT_EQ(EffectPool.timer[1], 2);
}

TEST_F(Effects, LevelUpCaptionRisesAndEndsWhenItsCounterRunsOut) {
    EffectAnchorPos = Vec3{640.0f, 500.0f, 0.0f};
    SpawnEffect(16, 0.0f, 0.0f, 0.0f);
    {
        DrawRecording rec;
        DrawEffectsPass1();
        EXPECT_TRUE(rec.Records().empty());
        DrawEffectsPass2();
        ASSERT_EQ(rec.Records().size(), 1u);
        EXPECT_EQ(rec.Records()[0].position.y, 440.0f);
        EXPECT_EQ(rec.Records()[0].centre.x, 64.0f);
        EXPECT_EQ(rec.Records()[0].centre.y, 16.0f);
    }
    for (int u = 1; u <= 180; ++u) UpdateEffects();
    EXPECT_EQ(LevelUpDisplayCounter, 0);
    EXPECT_EQ(EffectPool.active[0], 1);
    UpdateEffects();
    EXPECT_EQ(EffectPool.active[0], 0);

    // Two captions count one counter down together and end in the same update.
    SpawnEffect(16, 0.0f, 0.0f, 0.0f);
    SpawnEffect(16, 0.0f, 0.0f, 0.0f);
    for (int u = 1; u <= 90; ++u) UpdateEffects();
    EXPECT_EQ(EffectPool.active[0] + EffectPool.active[1], 2);
    UpdateEffects();
    EXPECT_EQ(EffectPool.active[0] + EffectPool.active[1], 0);
}

TEST_F(Effects, RingsAurasAndPassesDrawWhereTheyBelong) {
    EffectAnchorPos = Vec3{600.0f, 500.0f, 0.0f};
    PlaceEffect(5, 400.0f, 300.0f, 0.0f);
    PlaceEffect(1, 10.0f, 20.0f, 0.0f);
    PlaceEffect(11, 0.0f, 0.0f, 0.0f);
    for (int u = 0; u < 5; ++u) UpdateEffects();   // timer 10
    DrawRecording rec;
    DrawEffectsPass1();
    ASSERT_EQ(rec.Records().size(), 10u);
    for (int d = 0; d < 10; ++d) {
        const DrawRecord& r = rec.Records()[d];
        const float a = static_cast<float>(36 * d) * kDegToRad;
        EXPECT_FLOAT_EQ(r.transform.m[0][0], 0.5f);
        EXPECT_NEAR(r.transform.m[3][0], 400.0f + 20.0f * std::cos(a), 1e-3f);
        EXPECT_NEAR(r.transform.m[3][1], 300.0f + 20.0f * std::sin(a), 1e-3f);
        EXPECT_EQ(r.centre.x, 100.0f);
        EXPECT_EQ(r.source.top, 600);
    }
    SpriteBatch->ClearRecords();
    DrawEffectsPass2();
    ASSERT_EQ(rec.Records().size(), 2u);
    EXPECT_EQ(rec.Records()[0].position.x, 10.0f);   // the player-hit spark, unscaled
    EXPECT_TRUE(machinery_test::IsIdentity(rec.Records()[0].transform));
    EXPECT_FLOAT_EQ(rec.Records()[1].transform.m[0][0], 6.0f);   // skill 1 at the player
    EXPECT_FLOAT_EQ(rec.Records()[1].transform.m[3][0], 600.0f);
    EXPECT_FLOAT_EQ(rec.Records()[1].transform.m[3][1], 500.0f);
    EXPECT_EQ(rec.Records()[1].source.top, 5 * 256);
}

}  // namespace
