#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/common_textures.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/machinery_probe.h"
#include "core/player.h"
#include "core/player_input_support.h"
#include "core/popups.h"
#include "core/score.h"
#include "core/sound.h"
#include "core/user_interface.h"

namespace {

using machinery_test::SoundProbe;

// Items in a grass field at difficulty 1 with every gauge at 500, the knight
// at (640, 500), level 1.
class Items : public ::testing::Test {
protected:
    void SetUp() override { sounds.StopAll(); }
    // The in-field frame's pickup with the field-start multipliers of a grass field.
    void Collect(float m = 1.1f, float x = 1.1f, float f = 1.0f, float e = 1.0f) { CollectItems(hud, m, x, f, e); }
    // An item placed where the knight stands.
    static void AtPlayer(int32_t kind) { SpawnItem(kind, ThePlayer.x, ThePlayer.y, 0.0f); }

    static int LiveNumbers(int32_t kind) {
        int n = 0;
        for (const EmotionNumber& e : EmotionNumberPool) n += e.active != 0 && e.kind == kind ? 1 : 0;
        return n;
    }
    static int LiveItems() {
        int n = 0;
        for (const Item& item : ItemPool) n += item.active;
        return n;
    }

    player_test::FieldScratch field;
    SoundProbe sounds;
    UserInterface hud;
};

TEST_F(Items, ACoinInFieldOneGivesElevenMoneyAndTenScore) {
    ThePlayer.Money = 1000;
    AtPlayer(1);
    Collect();
    EXPECT_EQ(ThePlayer.Money, 1011);
    EXPECT_EQ(ThePlayer.FieldMoney, 11);
    EXPECT_EQ(BaseScore, 10);
    EXPECT_EQ(GetCoinSmallCount(), 1);
    EXPECT_EQ(LiveItems(), 0);
    EXPECT_TRUE(SoundProbe::Playing(ItemGetSound));
    ASSERT_EQ(LiveNumbers(1), 1);
    const EmotionNumber& n = EmotionNumberPool[0];
    EXPECT_EQ(n.targetValue, 1.1f);
    EXPECT_EQ(n.x, 640.0f);
    EXPECT_EQ(n.y, 596.0f);
    // Event 10 in the grass at difficulty 1 moves gauges 4 and 6 by 1.
    EXPECT_EQ(EmotionGauges[3], 501.0f);
    EXPECT_EQ(EmotionGauges[5], 501.0f);
    EXPECT_EQ(EmotionGauges[2], 499.0f);

    AtPlayer(2);
    Collect();
    EXPECT_EQ(ThePlayer.Money, 1011 + 110);
    EXPECT_EQ(ThePlayer.FieldMoney, 121);
    EXPECT_EQ(BaseScore, 110);
    EXPECT_EQ(GetCoinBigCount(), 1);

    // In the cave with the money gauge full: trunc(2.0 x 10 x 3).
    ThePlayer.Money = 0;
    AtPlayer(1);
    Collect(2.0f, 1.1f, 3.0f, 1.0f);
    EXPECT_EQ(ThePlayer.Money, 60);
}

TEST_F(Items, OrbsGiveExperienceScoreAndTheirGaugeEvent) {
    AtPlayer(3);
    Collect();
    EXPECT_EQ(ThePlayer.exp, 11);
    EXPECT_EQ(BaseScore, 20);
    EXPECT_EQ(GetExpSmallCount(), 1);
    EXPECT_EQ(LiveNumbers(4), 1);
    EXPECT_EQ(EmotionGauges[0], 501.5f);  // event 1 at difficulty 1
    EXPECT_EQ(EmotionGauges[5], 501.5f);

    AtPlayer(4);
    Collect();
    EXPECT_EQ(ThePlayer.exp, 11 + 110);
    EXPECT_EQ(BaseScore, 220);
    EXPECT_EQ(GetExpBigCount(), 1);

    // Past the field's level cap the orbs give nothing but still count, score and sound.
    sounds.StopAll();
    AtPlayer(4);
    Collect(1.1f, 1.1f, 1.0f, 0.0f);
    EXPECT_EQ(ThePlayer.exp, 121);
    EXPECT_EQ(BaseScore, 420);
    EXPECT_EQ(GetExpBigCount(), 2);
    EXPECT_TRUE(SoundProbe::Playing(ItemGetSound));
}

TEST_F(Items, HoldsSuppressNumbersButOnlyTheBigCoinsSound) {
    AtPlayer(1);
    AtPlayer(1);
    Collect();
    EXPECT_EQ(GetCoinSmallCount(), 2);
    EXPECT_EQ(LiveNumbers(1), 1);  // the second coin found the hold set
    EXPECT_EQ(ThePlayer.Money, 22);

    // A coin under the hold still sounds.
    sounds.StopAll();
    AtPlayer(1);
    Collect();
    EXPECT_TRUE(SoundProbe::Playing(ItemGetSound));
    EXPECT_EQ(LiveNumbers(1), 1);

    // A big coin under the hold: money, but neither sound nor number.
    sounds.StopAll();
    AtPlayer(2);
    Collect();
    EXPECT_EQ(ThePlayer.Money, 143);
    EXPECT_FALSE(SoundProbe::Playing(ItemGetSound));
    EXPECT_EQ(LiveNumbers(1), 1);

    // The money hold does not touch the orbs; their own hold stops only the number.
    AtPlayer(3);
    AtPlayer(4);
    Collect();
    EXPECT_EQ(LiveNumbers(4), 1);
    sounds.StopAll();
    AtPlayer(3);
    Collect();
    EXPECT_TRUE(SoundProbe::Playing(ItemGetSound));
    EXPECT_EQ(LiveNumbers(4), 1);

    // Ten frames later the holds are gone.
    for (int i = 0; i < 11; ++i) UpdateEmotionNumbers();
    sounds.StopAll();
    AtPlayer(2);
    Collect();
    EXPECT_TRUE(SoundProbe::Playing(ItemGetSound));
    EXPECT_EQ(LiveNumbers(1), 2);
}

TEST_F(Items, EachOrbGivesAtMostOneLevel) {
    // Two big orbs worth 2000 each in one frame: two levels.
    hud.status.level = 1;  // the frame's mirror
    ThePlayer.exp = 2999;
    AtPlayer(4);
    AtPlayer(4);
    Collect(1.0f, 1.0f, 1.0f, 20.0f);
    EXPECT_EQ(ThePlayer.status.level, 3);
    EXPECT_EQ(ThePlayer.exp, 2999 + 4000 - 3000 - 3125);
    EXPECT_EQ(ThePlayer.status.maxHp, 120);  // the stats follow each level
    EXPECT_EQ(ThePlayer.nextLevelExp, 3250);
    // The HUD's panel holds the stats from before the second level-up.
    const HudStatus& before = hud.levelUpBase;
    EXPECT_EQ(hud.levelUpTimer, 0);
    EXPECT_EQ(before.level, 2);
    EXPECT_EQ(before.maxHp, 110);
    EXPECT_EQ(before.maxSp, 60);
    EXPECT_EQ(before.attack, 10);
    EXPECT_EQ(before.defense, 12);
    EXPECT_EQ(before.attack2, 8);
    EXPECT_EQ(before.defense2, 6);

    // One orb worth 7000: one level, the rest waits for the next pickup.
    ThePlayer.exp = 0;
    AtPlayer(4);
    Collect(1.0f, 1.0f, 1.0f, 70.0f);
    EXPECT_EQ(ThePlayer.status.level, 4);
    EXPECT_EQ(ThePlayer.exp, 7000 - 3250);
    EXPECT_EQ(ThePlayer.nextLevelExp, 3375);

    // Coins never level up.
    ThePlayer.exp = 99999;
    AtPlayer(1);
    Collect();
    EXPECT_EQ(ThePlayer.status.level, 4);
}

TEST_F(Items, MoneyAndExperienceSaturateInsteadOfOverflowing) {
    ThePlayer.Money = 2147483000;
    ThePlayer.FieldMoney = -5;
    AtPlayer(2);
    Collect(1e30f, 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(ThePlayer.Money, 2147483647);
    EXPECT_EQ(ThePlayer.FieldMoney, 2147483647);
    AtPlayer(1);
    Collect(std::nanf(""), 1.0f, 1.0f, 1.0f);
    EXPECT_EQ(ThePlayer.Money, 0);

    // At the top of the table the bar is full at once and the level-up takes its share.
    ThePlayer.status.level = 30;
    ThePlayer.nextLevelExp = 99999;
    ThePlayer.exp = 2147483000;
    AtPlayer(4);
    Collect(1.1f, 1e30f, 1.0f, 1.0f);
    EXPECT_EQ(ThePlayer.status.level, 31);
    EXPECT_EQ(ThePlayer.exp, 2147483647 - 99999);
}

TEST_F(Items, AttractionAndPickupRanges) {
    // Pickup within 17 pi (53.4 px), attraction within 37 pi (116.2 px).
    SpawnItem(1, 640.0f + 53.0f, 500.0f, 0.0f);
    SpawnItem(1, 640.0f + 54.0f, 500.0f, 0.0f);
    SpawnItem(1, 640.0f, 500.0f + 117.0f, 0.0f);
    Collect();
    EXPECT_EQ(ItemPool[0].active, 0);
    EXPECT_EQ(ItemPool[1].attracted, 1);
    EXPECT_EQ(ItemPool[2].attracted, 0);

    // The first forty frames of a sword swing reach about 317 px.
    ThePlayer.swordTimer = 140;
    SpawnItem(3, 640.0f - 300.0f, 500.0f, 0.0f);  // slot 0, moved 2 px right
    Collect();
    EXPECT_EQ(ItemPool[0].attracted, 0);
    ThePlayer.swordTimer = 141;
    Collect();
    EXPECT_EQ(ItemPool[0].attracted, 1);
    EXPECT_EQ(ItemPool[2].attracted, 1);

    // An unknown kind is taken only when it touches the knight, without effect.
    SpawnItem(7, 640.0f + 3.0f, 500.0f, 0.0f);
    Collect();
    EXPECT_EQ(ItemPool[3].active, 0);
    EXPECT_EQ(BaseScore, 10);
}

TEST_F(Items, SpawnScatterByKind) {
    machinery_test::HeadlessGraphics graphics;
    machinery_test::StandInSheet chip{ItemChipTexture};
    std::srand(5);
    const int spread = std::rand() % 30;
    const int tenths = std::rand() % 20;
    std::srand(5);
    SpawnItem(1, 300.0f, 200.0f, 45.0f);
    EXPECT_EQ(ItemPool[0].angle, 75.0f + spread);
    EXPECT_EQ(ItemPool[0].speed, 5.0f + tenths / 10.0f);
    EXPECT_EQ(ItemPool[0].x, 300.0f);
    EXPECT_EQ(ItemPool[0].value, 100);
    EXPECT_EQ(ItemPool[0].texture, ItemChipTexture);

    float minAngle = 1e9f, maxAngle = -1e9f, minSpeed = 1e9f, maxSpeed = -1e9f;
    for (int i = 0; i < 900; ++i) {
        ClearItems();
        SpawnItem(2, 0.0f, 0.0f, 0.0f);
        minAngle = std::min(minAngle, ItemPool[0].angle);
        maxAngle = std::max(maxAngle, ItemPool[0].angle);
        minSpeed = std::min(minSpeed, ItemPool[0].speed);
        maxSpeed = std::max(maxSpeed, ItemPool[0].speed);
    }
    EXPECT_EQ(minAngle, 75.0f);
    EXPECT_EQ(maxAngle, 104.0f);
    EXPECT_EQ(minSpeed, 5.0f);
    EXPECT_FLOAT_EQ(maxSpeed, 6.9f);

    ClearItems();
    SpawnItem(3, 300.0f, 200.0f, 90.0f);
    EXPECT_NEAR(ItemPool[0].x, 300.0f, 1e-4f);
    EXPECT_NEAR(ItemPool[0].y, 202.0f, 1e-4f);
    EXPECT_EQ(ItemPool[0].speed, 1.0f);
    EXPECT_EQ(ItemPool[0].angle, 90.0f);
    SpawnItem(4, 300.0f, 200.0f, 10.0f);
    EXPECT_EQ(ItemPool[1].x, 300.0f);
    EXPECT_EQ(ItemPool[1].angle, 90.0f);
    EXPECT_EQ(ItemPool[1].speed, 5.0f);
}

TEST_F(Items, TheThousandAndFirstItemIsDropped) {
    for (int i = 0; i < kItemCount; ++i) SpawnItem(1, static_cast<float>(i), 0.0f, 0.0f);
    EXPECT_EQ(LiveItems(), kItemCount);
    SpawnItem(4, 5.0f, 5.0f, 0.0f);
    for (const Item& item : ItemPool) ASSERT_EQ(item.kind, 1);
    ResetItem(500);
    SpawnItem(4, 5.0f, 5.0f, 0.0f);
    EXPECT_EQ(GetItemKind(500), 4);
}

TEST_F(Items, ACoinLostBelowThePlayfieldMovesGaugesThreeAndFive) {
    SpawnItem(1, 640.0f, 700.0f, 0.0f);
    const float lift = std::sin(ItemPool[0].angle * kDegToRad);
    float highest = 700.0f;
    float afterPopOut = 0.0f;
    int frames = 0;
    while (ItemPool[0].active != 0 && frames < 120) {
        UpdateItems();
        ++frames;
        if (ItemPool[0].active != 0) highest = std::min(highest, ItemPool[0].y);
        if (frames == 30) afterPopOut = ItemPool[0].y;
    }
    EXPECT_EQ(ItemPool[0].active, 0);
    EXPECT_LT(frames, 60);
    // The jump peaks 64.8 px up at age 17 and ends the pop-out 36 px up.
    EXPECT_NEAR(highest, 700.0f - 64.8f * lift, 1e-2f);
    EXPECT_NEAR(afterPopOut, 700.0f - 36.0f * lift, 1e-2f);
    // Event 7 in the grass at difficulty 1: 3.0 on gauges 3 and 5.
    EXPECT_EQ(EmotionGauges[2], 503.0f);
    EXPECT_EQ(EmotionGauges[3], 497.0f);
    EXPECT_EQ(EmotionGauges[4], 503.0f);
    EXPECT_EQ(EmotionGauges[5], 497.0f);
    // The slot starts its next item from zero.
    EXPECT_EQ(ItemPool[0].age, 0);
    EXPECT_EQ(ItemPool[0].animFrame, 0);

    const std::pair<int32_t, std::array<float, 2>> lost[] = {
        {2, {507.5f, 507.5f}}, {3, {502.25f, 502.25f}}, {4, {506.0f, 506.0f}}};
    for (const auto& [kind, raised] : lost) {
        ResetEmotionGauges();
        SpawnItem(kind, 640.0f, 800.0f, 90.0f);
        UpdateItems();
        EXPECT_EQ(LiveItems(), 0);
        EXPECT_EQ(EmotionGauges[kind <= 2 ? 2 : 1], raised[0]) << "kind " << kind;
        EXPECT_EQ(EmotionGauges[4], raised[1]) << "kind " << kind;
    }
}

TEST_F(Items, TheMagnetPullsEveryItemOnceItsPopOutIsOver) {
    SpawnItem(1, 400.0f, 300.0f, 0.0f);
    SpawnItem(4, 900.0f, 100.0f, 0.0f);
    MagnetTimer = 1;
    UpdateItems();
    EXPECT_EQ(MagnetTimer, 0);
    EXPECT_EQ(ItemPool[0].attracted, 1);
    EXPECT_EQ(ItemPool[1].attracted, 1);
    for (int i = 1; i < 30; ++i) UpdateItems();
    const Vec3 before = GetItemPosition(0);
    UpdateItems();
    const Vec3 after = GetItemPosition(0);
    EXPECT_NEAR(std::hypot(after.x - before.x, after.y - before.y), 12.0f, 1e-3f);
    const float toPlayer = std::atan2(500.0f - before.y, 640.0f - before.x);
    EXPECT_NEAR(std::atan2(after.y - before.y, after.x - before.x), toPlayer, 1e-4f);
}

TEST_F(Items, FieldEndClearsItemsAndCounters) {
    SpawnItem(1, 400.0f, 300.0f, 0.0f);
    SetCoinSmallCount(3);
    SetExpBigCount(6);
    ResetItemsAndCounters();
    EXPECT_EQ(LiveItems(), 0);
    EXPECT_EQ(GetCoinSmallCount() + GetExpBigCount(), 0);
    EXPECT_EQ(GetItemKind(kItemCount), 0);  // outside the pool: nothing
}

TEST_F(Items, DrawRowsColumnsAndScaleByKind) {
    machinery_test::HeadlessGraphics graphics;
    machinery_test::StandInSheet chip{ItemChipTexture};
    SpawnItem(2, 100.0f, 100.0f, 0.0f);
    SpawnItem(1, 200.0f, 100.0f, 0.0f);
    SpawnItem(3, 300.0f, 100.0f, 0.0f);
    SpawnItem(4, 400.0f, 100.0f, 0.0f);
    ItemPool[1].animFrame = 19;
    ItemPool[2].animFrame = 4;
    machinery_test::DrawRecording rec;
    DrawItems();
    const std::vector<DrawRecord>& r = rec.Records();
    ASSERT_EQ(r.size(), 4u);
    const int rows[] = {0, 64, 128, 128};
    const int columns[] = {0, 576, 128, 0};
    const float scales[] = {0.75f, 0.75f, 0.75f, 1.5f};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(r[i].texture, ItemChipTexture);
        EXPECT_EQ(r[i].source.top, rows[i]) << i;
        EXPECT_EQ(r[i].source.bottom, rows[i] + 64) << i;
        EXPECT_EQ(r[i].source.left, columns[i]) << i;
        EXPECT_EQ(r[i].source.right, columns[i] + 64) << i;
        EXPECT_EQ(r[i].transform.m[0][0], scales[i]) << i;
        EXPECT_EQ(r[i].transform.m[3][0], ItemPool[i].x);
        EXPECT_EQ(r[i].centre.x, 32.0f);
        EXPECT_EQ(r[i].color, 0xFFFFFFFFu);
    }
}

}  // namespace
