#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/common_textures.h"
#include "fieldmap/field_map_test_support.h"
#include "platform/graphics.h"
#include "support/resource_dir.h"

namespace {

struct SheetSize {
    Texture* FieldMapScene::*slot;
    int width;
    int height;
};

const SheetSize kMapSheets[] = {
        {&FieldMapScene::worldMapDayTexture, 1280, 720},
        {&FieldMapScene::worldMapNightTexture, 1280, 720},
        {&FieldMapScene::arrowTexture, 64, 128},
        {&FieldMapScene::timeTexture, 256, 128},
        {&FieldMapScene::timeTextTexture, 1280, 512},
        {&FieldMapScene::difficultyIconTexture, 384, 128},
        {&FieldMapScene::textBoxTexture, 1280, 256},
        {&FieldMapScene::fieldBalloonTexture, 256, 192},
        {&FieldMapScene::difficultyTextTexture, 1280, 768},
        {&FieldMapScene::fieldTextTexture, 1280, 256},
        {&FieldMapScene::statusBoardTexture, 1280, 720},
        {&FieldMapScene::publicStatusTextTexture, 4320, 544},
        {&FieldMapScene::menuTexture, 256, 512},
        {&FieldMapScene::shopBoardTexture, 1280, 1024},
        {&FieldMapScene::equipBoardTexture, 1280, 1280},
        {&FieldMapScene::knightsEquipmentNameTexture, 1632, 800},
        {&FieldMapScene::knightsEquipmentTextTexture, 4800, 1536},
        {&FieldMapScene::accessoryNameTexture, 544, 480},
        {&FieldMapScene::accessoryTextTexture, 2880, 512},
        {&FieldMapScene::shotStyleNameTexture, 544, 240},
        {&FieldMapScene::shotStyleTextTexture, 1440, 512},
        {&FieldMapScene::cloudTexture, 128, 128},
};

struct CommonSheet {
    Texture** slot;
    int width;
    int height;
};

const CommonSheet kCommonSheets[] = {
        {&ItemChipTexture, 1024, 512}, {&StatusIconTexture, 512, 64}, {&NumberTexture, 384, 32},
        {&MoneyTexture, 384, 32},      {&UpNumberTexture, 384, 32},   {&DamageNumberTexture, 384, 32},
        {&InputSetTexture, 128, 768},
};

Texture* MakeSheet(int w, int h) {
    return CreateTextureFromPixels(Direct3DDevice, w, h,
                                   std::vector<uint32_t>(static_cast<size_t>(w) * static_cast<size_t>(h), 0xFFFFFFFFu),
                                   "map test sheet");
}

class FieldMapDraw : public FieldMapTest {
protected:
    static void SetUpTestSuite() {
        testsupport::CreateHeadlessGraphics();
        for (int i = 0; i < static_cast<int>(std::size(kMapSheets)); ++i) {
            mapSheets[i] = MakeSheet(kMapSheets[i].width, kMapSheets[i].height);
        }
        for (int i = 0; i < static_cast<int>(std::size(kCommonSheets)); ++i) {
            savedCommon[i] = *kCommonSheets[i].slot;
            *kCommonSheets[i].slot = MakeSheet(kCommonSheets[i].width, kCommonSheets[i].height);
        }
    }
    static void TearDownTestSuite() {
        for (Texture*& t : mapSheets) ReleaseTexture(t);
        for (int i = 0; i < static_cast<int>(std::size(kCommonSheets)); ++i) {
            ReleaseTexture(*kCommonSheets[i].slot);
            *kCommonSheets[i].slot = savedCommon[i];
        }
        testsupport::ReleaseHeadlessGraphics();
    }
    void SetUp() override {
        FieldMapTest::SetUp();
        for (int i = 0; i < static_cast<int>(std::size(kMapSheets)); ++i) scene.*kMapSheets[i].slot = mapSheets[i];
        SpriteBatch->StartRecording(8192);
        SpriteBatch->ClearRecords();
    }
    void TearDown() override {
        SpriteBatch->StopRecording();
        SpriteBatch->ClearRecords();
        FieldMapTest::TearDown();
    }

    template <typename F>
    std::vector<DrawRecord> Capture(F&& draw) {
        SpriteBatch->ClearRecords();
        SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
        draw();
        SpriteBatch->End();
        return SpriteBatch->Records();
    }
    static int Count(const std::vector<DrawRecord>& records, const Texture* t) {
        int n = 0;
        for (const DrawRecord& r : records) n += r.texture == t;
        return n;
    }
    // One frame of the map drawn, every source rectangle checked against its sheet.
    void FrameChecked() {
        scene.Update();
        if (scene.cooldown > 0 || scene.animationId != 0) animationsSeen.insert(scene.animationId);
        const std::vector<DrawRecord> records = Capture([&] { scene.Draw(); });
        ASSERT_FALSE(records.empty());
        for (const DrawRecord& r : records) {
            ASSERT_NE(r.texture, nullptr) << "mode " << scene.mode;
            ASSERT_TRUE(r.source.left >= 0 && r.source.top >= 0 && r.source.right <= r.texture->Width() &&
                        r.source.bottom <= r.texture->Height() && r.source.left < r.source.right &&
                        r.source.top < r.source.bottom)
                    << "mode " << scene.mode << " anim " << scene.animationId << " rect " << r.source.left << ","
                    << r.source.top << "-" << r.source.right << "," << r.source.bottom << " of "
                    << r.texture->Width() << "x" << r.texture->Height();
        }
    }
    void TapChecked(uint8_t key) {
        KeyboardState[key] = 0x80;
        FrameChecked();
        KeyboardState[key] = 0;
        for (int i = 0; i < 400 && scene.cooldown > 0; ++i) FrameChecked();
    }

    static Texture* mapSheets[std::size(kMapSheets)];
    static Texture* savedCommon[std::size(kCommonSheets)];
    std::set<int32_t> animationsSeen;
};

Texture* FieldMapDraw::mapSheets[std::size(kMapSheets)] = {};
Texture* FieldMapDraw::savedCommon[std::size(kCommonSheets)] = {};

TEST_F(FieldMapDraw, EveryModeAndAnimationDrawsInsideItsSheets) {
    // Wide and negative values, owned records to list, money beyond six digits.
    scene.playerStatus = StatusBlock{30, 900, 1900, 10, 60, 1060, 20, -53, 138, 999, 33, 4.0f};
    scene.playerMoney = 12345678;
    scene.playerExperience = 123456;
    scene.playerNextExperience = 99999;
    ThePlayer.Money = 50000;
    for (int i = 0; i < kWeaponCount; ++i) {
        SetRecord(EquipmentCatalogue.weaponA[i], {i, -i, 12 * i - 40, 150, -99, 7, 20000 * i}, i % 2 == 0);
        SetRecord(EquipmentCatalogue.weaponB[i], {0, 0, i, 0, -15, 0, 9000 * i}, i == 0);
        SetRecord(EquipmentCatalogue.armour[i], {0, 0, 0, 0, i, 18, 1000000 + i}, i < 3);
    }
    for (int i = 0; i < kAccessoryCount; ++i) SetRecord(EquipmentCatalogue.accessories[i], {-50, 20, 5, 5, -5, -5, 20000}, i != 2);
    FieldClearFlags[0] = 1;
    FieldClearFlags[2] = 1;
    for (int i = 0; i < 181; ++i) FrameChecked();  // both cloud lifts

    const uint8_t tour[] = {
            // locations and rings
            KEY_D, KEY_D, KEY_A, KEY_A, KEY_SPACE, KEY_A, KEY_D, KEY_LSHIFT, KEY_SPACE, KEY_SPACE, KEY_A, KEY_D,
            KEY_LSHIFT, KEY_LSHIFT,
            // main menu and status board
            KEY_RETURN, KEY_S, KEY_S, KEY_W, KEY_LSHIFT, KEY_RETURN, KEY_SPACE, KEY_S, KEY_S, KEY_S, KEY_S, KEY_S,
            KEY_S, KEY_S, KEY_S, KEY_W, KEY_W, KEY_LSHIFT,
            // equip board: every row's choice; accessory slot 2 left empty
            KEY_RETURN, KEY_S, KEY_SPACE, KEY_SPACE, KEY_S, KEY_W, KEY_SPACE, KEY_S, KEY_SPACE, KEY_S, KEY_SPACE,
            KEY_S, KEY_SPACE, KEY_S, KEY_S, KEY_SPACE, KEY_S, KEY_SPACE, KEY_SPACE, KEY_S, KEY_SPACE, KEY_LSHIFT,
            KEY_S, KEY_SPACE, KEY_S, KEY_SPACE, KEY_W, KEY_W, KEY_W, KEY_W, KEY_W, KEY_SPACE, KEY_LSHIFT, KEY_LSHIFT,
            // shop: every tab scrolled to its end, refusals, a "no", a cancel and a purchase
            KEY_RETURN, KEY_S, KEY_S, KEY_SPACE, KEY_S, KEY_S, KEY_S, KEY_S, KEY_S, KEY_S, KEY_W, KEY_SPACE,
            KEY_RIGHT, KEY_S, KEY_SPACE, KEY_D, KEY_A, KEY_SPACE, KEY_S, KEY_SPACE, KEY_D, KEY_SPACE, KEY_SPACE,
            KEY_LSHIFT, KEY_RIGHT, KEY_S, KEY_S, KEY_S, KEY_S, KEY_S, KEY_S, KEY_SPACE, KEY_RIGHT, KEY_S, KEY_S,
            KEY_S, KEY_S, KEY_S, KEY_SPACE, KEY_LSHIFT, KEY_LEFT, KEY_LSHIFT,
            // the cave, then the canyon by night into the field
            KEY_D, KEY_D, KEY_SPACE, KEY_LSHIFT, KEY_A, KEY_SPACE, KEY_A, KEY_SPACE, KEY_SPACE,
    };
    for (uint8_t key : tour) TapChecked(key);
    ASSERT_EQ(scene.mode, kMapEntering);
    EXPECT_EQ(EquipmentCatalogue.weaponB[1].owned, 1);
    EXPECT_EQ(EquipmentCatalogue.weaponB[2].owned, 0);
    for (TransitionFadeCounter = 0; TransitionFadeCounter < 60; ++TransitionFadeCounter) FrameChecked();
    EXPECT_EQ(scene.Update(), 4);
    for (int32_t id = 1; id <= 34; ++id) EXPECT_TRUE(animationsSeen.count(id)) << "animation " << id << " never ran";
}

TEST_F(FieldMapDraw, EveryPartIdStaysInsideItsSheetInEveryMode) {
    EquipmentCatalogue.accessories[3].owned = 1;
    for (int32_t mode = 1; mode <= 10; ++mode) {
        scene.mode = mode;
        scene.choiceSlot = mode == kMapEquipChoice ? 4 : -1;
        scene.boardRow = 4;
        scene.choiceIndex = mode == kMapEquipChoice ? 3 : -1;
        for (int32_t id = 0; id <= 100; ++id) {
            for (const DrawRecord& r : Capture([&] { scene.DrawPart(id, Vec3{100.0f, 100.0f, 0.0f}); })) {
                EXPECT_TRUE(r.source.left >= 0 && r.source.top >= 0 && r.source.right <= r.texture->Width() &&
                            r.source.bottom <= r.texture->Height())
                        << "part " << id << " mode " << mode;
            }
        }
    }
    const int32_t none[] = {0, 8, 9, 41, 90, 95, -1};
    for (int32_t id : none) EXPECT_TRUE(Capture([&] { scene.DrawPart(id, Vec3{}); }).empty()) << id;
    for (int32_t mode = 4; mode <= 10; ++mode) {
        scene.mode = mode;
        EXPECT_TRUE(Capture([&] { scene.DrawPart(7, Vec3{}); }).empty()) << mode;
    }
}

TEST_F(FieldMapDraw, StatLineTakesItsDigitSheetFromTheSign) {
    const Vec3 at{100.0f, 200.0f, 0.0f};
    auto line = Capture([&] { scene.DrawStatLine(47, 3, at); });
    ASSERT_EQ(line.size(), 4u);
    EXPECT_EQ(line[0].texture, StatusIconTexture);
    EXPECT_EQ(line[0].source.left, 192);  // attack icon
    EXPECT_EQ(line[1].texture, UpNumberTexture);
    EXPECT_EQ(line[1].source.left, 7 * 32);
    EXPECT_FLOAT_EQ(line[1].position.x, 188.0f);
    EXPECT_EQ(line[2].source.left, 4 * 32);
    EXPECT_FLOAT_EQ(line[2].position.x, 164.0f);
    EXPECT_EQ(line[3].source.left, 352);
    EXPECT_FLOAT_EQ(line[3].position.x, 140.0f);
    EXPECT_EQ(Capture([&] { scene.DrawStatLine(0, 1, at); })[1].texture, NumberTexture);
    auto negative = Capture([&] { scene.DrawStatLine(-15, 6, at); });
    EXPECT_EQ(negative[1].texture, DamageNumberTexture);
    EXPECT_EQ(negative[1].source.left, 5 * 32);
    EXPECT_EQ(negative[2].source.left, 1 * 32);
}

TEST_F(FieldMapDraw, CloudsCoverALocationUntilTheirTimerEnds) {
    scene.canyonCloudTimer = 180;
    scene.caveCloudTimer = 0;
    auto full = Capture([&] { scene.DrawCloudCover(); });
    ASSERT_EQ(full.size(), 60u);
    EXPECT_EQ(full[0].color, 0xFEFFFFFFu);  // alpha 254
    EXPECT_FLOAT_EQ(full[0].position.x, 491.0f);
    EXPECT_FLOAT_EQ(full[0].position.y, -64.0f);
    scene.canyonCloudTimer = 90;
    scene.caveCloudTimer = 1;
    auto lifting = Capture([&] { scene.DrawCloudCover(); });
    ASSERT_EQ(lifting.size(), 120u);
    EXPECT_EQ(lifting[0].color >> 24, 127u);
    EXPECT_FLOAT_EQ(lifting[0].position.y, -64.0f - 360.0f);
    EXPECT_FLOAT_EQ(lifting[60].position.x, 918.0f);
    scene.canyonCloudTimer = scene.caveCloudTimer = 0;
    EXPECT_TRUE(Capture([&] { scene.DrawCloudCover(); }).empty());
}

TEST_F(FieldMapDraw, RingIconOfTheChoiceIsBrightAndTheOthersHalf) {
    scene.difficultyRingAlpha = 240;
    scene.difficultyChoice = 2;
    auto icons = Capture([&] { scene.DrawPart(3, Vec3{}); });
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_EQ(icons[0].color >> 24, 120u);
    EXPECT_EQ(icons[1].color >> 24, 255u);
    EXPECT_EQ(icons[2].color >> 24, 120u);
    // The cave has no time ring, not even while one would close.
    scene.selectedField = 3;
    scene.animationId = 5;
    scene.mode = kMapLocationSelect;
    EXPECT_EQ(Count(Capture([&] { scene.Draw(); }), scene.timeTexture), 0);
    scene.selectedField = 1;
    EXPECT_EQ(Count(Capture([&] { scene.Draw(); }), scene.timeTexture), 2);
}

TEST_F(FieldMapDraw, MoneyShowsItsSixLowDigits) {
    scene.playerMoney = 1234567;
    auto money = Capture([&] { scene.DrawPart(27, Vec3{}); });
    ASSERT_EQ(money.size(), 7u);
    const int expected[] = {7, 6, 5, 4, 3, 2};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(money[1 + i].source.left, 32 * expected[i]);
}

TEST_F(FieldMapDraw, PriceOverlaysMarkOwnedAndTooDearRecords) {
    scene.playerMoney = 100;
    auto owned = Capture([&] { scene.DrawPrice(50, 1, 1); });
    ASSERT_EQ(owned.size(), 7u);
    EXPECT_EQ(owned[6].source.top, 944);
    auto dear = Capture([&] { scene.DrawPrice(101, 1, 0); });
    ASSERT_EQ(dear.size(), 7u);
    EXPECT_EQ(dear[6].source.top, 864);
    EXPECT_EQ(dear[6].color, 0xFF000000u);
    EXPECT_EQ(Capture([&] { scene.DrawPrice(100, 1, 0); }).size(), 6u);
}

TEST_F(FieldMapDraw, EmptyAccessorySlotShowsNoNameAndNoStatLines) {
    EquipmentCatalogue.accessories[1].owned = 1;
    scene.boardPosition = Vec3{-5.0f, -5.0f, 0.0f};
    scene.mode = kMapEquipBoard;
    scene.boardRow = 4;
    scene.choiceIndex = -1;
    auto board = Capture([&] { scene.Draw(); });
    EXPECT_EQ(Count(board, scene.accessoryNameTexture), 0);
    EXPECT_EQ(Count(board, scene.accessoryTextTexture), 0);
    EXPECT_EQ(Count(board, StatusIconTexture), 0);
    // The choice for the empty slot lists the one owned accessory and no worn name.
    scene.mode = kMapEquipChoice;
    scene.choiceSlot = 4;
    scene.choiceIndex = 1;
    auto choice = Capture([&] { scene.DrawPart(16, Vec3{}); });
    ASSERT_EQ(Count(choice, scene.accessoryNameTexture), 1);
    EXPECT_FLOAT_EQ(choice.back().position.y, -5.0f + 224.0f + 60.0f);
    EXPECT_EQ(choice.back().source.top, 80);
}

TEST_F(FieldMapDraw, ChoiceComparisonShowsTheChangeAgainstTheWornItem) {
    SetRecord(EquipmentCatalogue.accessories[3], {-50, 20, 5, 5, -5, -5, 60000}, 1);
    scene.mode = kMapEquipChoice;
    scene.choiceSlot = 4;
    scene.choiceIndex = 3;
    // An empty slot compares against zeros: three losses, three gains.
    auto empty = Capture([&] { scene.DrawPart(15, Vec3{}); });
    EXPECT_EQ(Count(empty, DamageNumberTexture), 9);
    EXPECT_EQ(Count(empty, UpNumberTexture), 9);
    EXPECT_EQ(Count(empty, NumberTexture), 18);  // the six current values
    EXPECT_EQ(Count(empty, StatusIconTexture), 6);
    ASSERT_EQ(empty.back().texture, scene.accessoryTextTexture);
    EXPECT_EQ(empty.back().source.left, 3 * 480);
    // Worn in the slot: equal stats show a plain zero.
    SetRecord(EquipmentCatalogue.accessories[1], {-50, 0, 5, 0, 0, 0, 20000}, 1);
    EquippedSlots.accessory1 = 1;
    auto worn = Capture([&] { scene.DrawPart(15, Vec3{}); });
    EXPECT_EQ(Count(worn, DamageNumberTexture), 6);
    EXPECT_EQ(Count(worn, UpNumberTexture), 6);
    EXPECT_EQ(Count(worn, NumberTexture), 18 + 6);
    scene.choiceIndex = -1;
    EXPECT_TRUE(Capture([&] { scene.DrawPart(15, Vec3{}); }).empty());
}

TEST_F(FieldMapDraw, ShopSlidingOutDrawsOnlyTheBoardTabsAndMoney) {
    scene.mode = kMapLocationSelect;
    scene.animationId = 29;
    scene.boardRow = -1;
    auto records = Capture([&] { scene.Draw(); });
    EXPECT_EQ(Count(records, scene.knightsEquipmentNameTexture), 0);
    EXPECT_EQ(Count(records, scene.accessoryNameTexture), 0);
    EXPECT_EQ(Count(records, StatusIconTexture), 0);
    EXPECT_EQ(Count(records, scene.arrowTexture), 1);  // the map arrow, no row highlight
    int tabs = 0;
    for (const DrawRecord& r : records) {
        if (r.texture == scene.shopBoardTexture && r.source.top >= 736 && r.source.top < 864) {
            ++tabs;
            EXPECT_TRUE(r.source.left == 448 || r.source.left == 0) << r.source.left;
        }
    }
    EXPECT_EQ(tabs, 4);
}

}  // namespace
