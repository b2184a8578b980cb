#include <gtest/gtest.h>

#include <cmath>

#include "fieldmap/field_map_test_support.h"

namespace {

using MapLocations = FieldMapTest;
using MapRings = FieldMapTest;
using MapEntry = FieldMapTest;
using MapInput = FieldMapTest;
using MapBoards = FieldMapTest;
using MapEquipChoice = FieldMapTest;
using MapShop = FieldMapTest;

TEST_F(MapLocations, StartsOnTheGrassPlainWithBothLocationsClouded) {
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_EQ(scene.locationCursor, 0);
    EXPECT_EQ(scene.timeOfDay, 1);
    EXPECT_EQ(scene.difficultyChoice, 1);
    EXPECT_EQ(scene.canyonCloudTimer, 180);
    EXPECT_EQ(scene.caveCloudTimer, 180);
    EXPECT_EQ(scene.choiceSlot, -1);
    EXPECT_FLOAT_EQ(scene.arrowPosition.x, 213.0f);
    EXPECT_FLOAT_EQ(scene.arrowPosition.y, 300.0f);
    EXPECT_FLOAT_EQ(scene.boardPosition.y, -725.0f);
}

TEST_F(MapLocations, NothingClearedKeepsTheArrowOnTheGrassPlain) {
    Tap(KEY_A);
    Tap(KEY_D);
    EXPECT_EQ(scene.locationCursor, 0);
    EXPECT_EQ(scene.cooldown, 0);
    for (int i = 0; i < 300; ++i) scene.Update();
    EXPECT_EQ(scene.canyonCloudTimer, 180);
    EXPECT_EQ(scene.caveCloudTimer, 180);
}

TEST_F(MapLocations, ClearingAGrassFieldLiftsTheCanyonCloudsOnceAndHoldsInputMeanwhile) {
    FieldClearFlags[1] = 1;  // grass night
    KeyboardState[KEY_D] = 0x80;
    for (int i = 0; i < 180; ++i) {
        scene.Update();
        EXPECT_EQ(scene.locationCursor, 0) << "frame " << i;
        EXPECT_EQ(scene.inputLatch, 1);
    }
    EXPECT_EQ(scene.canyonCloudTimer, 0);
    EXPECT_EQ(scene.caveCloudTimer, 180);
    scene.Update();  // the lift is over: right moves to the canyon
    EXPECT_EQ(scene.locationCursor, 1);
    EXPECT_EQ(scene.animationId, 1);
    KeyboardState[KEY_D] = 0;
    Settle();
    EXPECT_NEAR(scene.arrowPosition.x, 640.0f, 0.01f);
    // The cave stays shut until a canyon field is cleared; a second grass clear lifts nothing.
    FieldClearFlags[0] = 1;
    Tap(KEY_D);
    EXPECT_EQ(scene.locationCursor, 1);
    EXPECT_EQ(scene.canyonCloudTimer, 0);
}

TEST_F(MapLocations, BothLiftsRunTogetherAndTheCaveOpensFromTheCanyon) {
    FieldClearFlags[0] = 1;
    FieldClearFlags[3] = 1;
    for (int i = 0; i < 100; ++i) scene.Update();
    EXPECT_EQ(scene.canyonCloudTimer, 80);
    EXPECT_EQ(scene.caveCloudTimer, 80);
    for (int i = 0; i < 80; ++i) scene.Update();
    EXPECT_EQ(scene.caveCloudTimer, 0);
    Tap(KEY_D);
    Tap(KEY_D);
    EXPECT_EQ(scene.locationCursor, 2);
    Tap(KEY_D);  // nothing beyond the cave
    EXPECT_EQ(scene.locationCursor, 2);
    Tap(KEY_A);
    EXPECT_EQ(scene.locationCursor, 1);
    EXPECT_NEAR(scene.arrowPosition.x, 640.0f, 0.01f);
}

TEST_F(MapRings, GrassConfirmOpensTheTimeRingAndCancelClosesIt) {
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapTimeRing);
    EXPECT_EQ(scene.selectedField, 1);
    EXPECT_EQ(scene.timeRingAlpha, 240);
    // A full turn plus the start angle; the radius ends just under 80.
    EXPECT_NEAR(scene.timeIconAngles[0], 90.0f + 360.0f, 1e-3f);
    const float dx = scene.timeIconPositions[0].x - 213.0f;
    const float dy = scene.timeIconPositions[0].y - 340.0f;
    EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 80.0f - 2.666f, 1e-3f);
    Tap(KEY_A);
    EXPECT_EQ(scene.timeOfDay, 2);
    Tap(KEY_D);
    EXPECT_EQ(scene.timeOfDay, 1);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_EQ(scene.timeRingAlpha, 0);
}

TEST_F(MapRings, DifficultyRingTurnsBothWaysAndCancelsBackToTheTimeRing) {
    Tap(KEY_SPACE);
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapDifficultyRing);
    EXPECT_EQ(scene.timeRingAlpha, 0);
    EXPECT_EQ(scene.difficultyRingAlpha, 240);
    const int expectLeft[] = {2, 3, 1};
    for (int d : expectLeft) {
        Tap(KEY_A);
        EXPECT_EQ(scene.difficultyChoice, d);
    }
    const int expectRight[] = {3, 2, 1};
    for (int d : expectRight) {
        Tap(KEY_D);
        EXPECT_EQ(scene.difficultyChoice, d);
    }
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapTimeRing);
    EXPECT_EQ(scene.timeRingAlpha, 240);
    EXPECT_EQ(scene.difficultyRingAlpha, 0);
}

TEST_F(MapRings, TheCaveSkipsTheTimeRingBothWays) {
    scene.canyonCloudTimer = scene.caveCloudTimer = 0;
    FieldClearFlags[0] = FieldClearFlags[2] = 1;
    Tap(KEY_D);
    Tap(KEY_D);
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.selectedField, 3);
    EXPECT_EQ(scene.mode, kMapDifficultyRing);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_EQ(scene.difficultyRingAlpha, 0);
    EXPECT_EQ(scene.timeRingAlpha, 0);
}

TEST_F(MapEntry, DifficultyIsSetExactlyAtTheFadeMidpointWithCode2) {
    Tap(KEY_SPACE);  // grass plain
    Tap(KEY_A);      // night
    Tap(KEY_SPACE);
    Tap(KEY_A);
    Tap(KEY_A);  // difficulty 3
    KeyboardState[KEY_SPACE] = 0x80;
    EXPECT_EQ(scene.Update(), 0);
    KeyboardState[KEY_SPACE] = 0;
    ASSERT_EQ(scene.mode, kMapEntering);
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCode, 2);
    EXPECT_EQ(scene.difficultyChoice, 3);
    // The overlay advances the counter once per drawn frame.
    for (TransitionFadeCounter = 0; TransitionFadeCounter < 60; ++TransitionFadeCounter) {
        ASSERT_EQ(scene.Update(), 0) << TransitionFadeCounter;
        ASSERT_EQ(Difficulty, 0);
    }
    EXPECT_EQ(scene.Update(), 2);
    EXPECT_EQ(Difficulty, 3);
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_EQ(scene.selectedField, 2);
    EXPECT_EQ(scene.cooldown, 0);
    EXPECT_EQ(scene.animationId, 0);
    EXPECT_EQ(scene.timeRingAlpha, 0);
    EXPECT_EQ(scene.difficultyRingAlpha, 0);
    // The cursor, time and difficulty stay for the next visit.
    EXPECT_EQ(scene.timeOfDay, 2);
    EXPECT_EQ(scene.difficultyChoice, 3);
}

TEST_F(MapEntry, AnotherFadeCodeAtTheMidpointEntersNothing) {
    TransitionFadeActive = 1;
    TransitionFadeCode = 3;
    TransitionFadeCounter = 60;
    EXPECT_EQ(scene.Update(), 0);
    EXPECT_EQ(Difficulty, 0);
}

TEST_F(MapEntry, FieldIdsFollowLocationAndTimeAndTheCaveIgnoresTheTime) {
    struct Case {
        int32_t location, timeOfDay, field;
    };
    const Case cases[] = {{1, 1, 1}, {1, 2, 2}, {2, 1, 3}, {2, 2, 4}, {3, 1, 5}, {3, 2, 5}};
    for (const Case& c : cases) {
        scene.mode = kMapEntering;
        scene.selectedField = c.location;
        scene.timeOfDay = c.timeOfDay;
        TransitionFadeActive = 1;
        TransitionFadeCode = 2;
        TransitionFadeCounter = 60;
        EXPECT_EQ(scene.Update(), c.field);
        EXPECT_EQ(Difficulty, scene.difficultyChoice);
    }
}

TEST_F(MapInput, HeldRowMoveRepeatsEveryTenFrames) {
    Tap(KEY_RETURN);
    ASSERT_EQ(scene.mode, kMapMainMenu);
    KeyboardState[KEY_S] = 0x80;
    for (int i = 0; i < 10; ++i) scene.Update();
    EXPECT_EQ(scene.menuRow, 2);
    scene.Update();
    EXPECT_EQ(scene.menuRow, 3);
    for (int i = 0; i < 30; ++i) scene.Update();
    EXPECT_EQ(scene.menuRow, 3);
    KeyboardState[KEY_S] = 0;
    KeyboardState[KEY_W] = 0x80;
    scene.Update();
    EXPECT_EQ(scene.menuRow, 2);
}

TEST_F(MapInput, ConfirmHeldOnBothDevicesActsOnceButOneIdleDeviceReleasesTheLatch) {
    KeyboardState[KEY_SPACE] = 0x80;
    PadState.gamepad.buttons = PAD_X;
    scene.Update();
    EXPECT_EQ(scene.mode, kMapTimeRing);
    for (int i = 0; i < 60; ++i) scene.Update();
    EXPECT_EQ(scene.mode, kMapTimeRing);
    EXPECT_EQ(scene.inputLatch, 1);
    // The keyboard goes idle: the pad's held X confirms again.
    KeyboardState[KEY_SPACE] = 0;
    scene.Update();
    EXPECT_EQ(scene.mode, kMapDifficultyRing);
    // Keyboard alone, pad idle: the held key repeats whenever the cooldown ends.
    PadState.gamepad.buttons = 0;
    KeyboardState[KEY_LSHIFT] = 0x80;
    for (int i = 0; i < 29; ++i) scene.Update();
    EXPECT_EQ(scene.mode, kMapDifficultyRing);
    scene.Update();
    EXPECT_EQ(scene.mode, kMapTimeRing);
    for (int i = 0; i < 29; ++i) scene.Update();
    EXPECT_EQ(scene.mode, kMapTimeRing);
    scene.Update();
    EXPECT_EQ(scene.mode, kMapLocationSelect);
}

TEST_F(MapInput, StickMovesLikeTheKeysAndTabKeysOnlyLatchOutsideTheShop) {
    Tap(KEY_RETURN);
    PadState.gamepad.thumbLY = -15001;
    scene.Update();
    EXPECT_EQ(scene.menuRow, 2);
    PadState.gamepad.thumbLY = -15000;  // not past the threshold
    Settle();
    scene.Update();
    EXPECT_EQ(scene.menuRow, 2);
    PadState.gamepad.thumbLY = 0;
    KeyboardState[KEY_RIGHT] = 0x80;
    scene.Update();
    EXPECT_EQ(scene.inputLatch, 1);
    EXPECT_EQ(scene.cooldown, 0);
    EXPECT_EQ(scene.mode, kMapMainMenu);
}

TEST_F(MapBoards, MenuRowsOpenTheirBoardsAndCancelReturnsToTheMap) {
    Tap(KEY_RETURN);
    EXPECT_EQ(scene.mode, kMapMainMenu);
    Tap(KEY_W);
    EXPECT_EQ(scene.menuRow, 1);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapLocationSelect);

    OpenMenuRow(1);
    EXPECT_EQ(scene.mode, kMapStatusBoard);
    EXPECT_FLOAT_EQ(scene.boardPosition.y, -5.0f);
    EXPECT_FLOAT_EQ(scene.highlightPosition.y, 94.0f);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_FLOAT_EQ(scene.boardPosition.y, -725.0f);

    OpenMenuRow(3);
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(scene.boardRow, 1);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapLocationSelect);
    EXPECT_EQ(scene.boardRow, -1);
    EXPECT_EQ(scene.menuRow, 1);
}

TEST_F(MapBoards, StatusHighlightStepsOverTheWideGapsAndComesBack) {
    OpenMenuRow(1);
    const float rowY[] = {94, 158, 190, 254, 286, 318, 350, 414, 446};
    for (int row = 2; row <= 9; ++row) {
        Tap(KEY_S);
        EXPECT_EQ(scene.statusRow, row);
        EXPECT_NEAR(scene.highlightPosition.y, rowY[row - 1], 1e-3f) << row;
    }
    Tap(KEY_S);
    EXPECT_EQ(scene.statusRow, 9);
    for (int row = 8; row >= 1; --row) Tap(KEY_W);
    EXPECT_EQ(scene.statusRow, 1);
    EXPECT_NEAR(scene.highlightPosition.y, 94.0f, 1e-3f);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.statusRow, 1);
}

TEST_F(MapBoards, EquipHighlightLandsOnEveryRow) {
    OpenMenuRow(2);
    ASSERT_EQ(scene.mode, kMapEquipBoard);
    EXPECT_NEAR(scene.highlightPosition.y, kEquipRowY[0], 1e-3f);
    for (int row = 2; row <= 6; ++row) {
        Tap(KEY_S);
        EXPECT_EQ(scene.boardRow, row);
        EXPECT_NEAR(scene.highlightPosition.y, kEquipRowY[row - 1], 1e-3f) << row;
    }
    Tap(KEY_S);
    EXPECT_EQ(scene.boardRow, 6);
    for (int row = 5; row >= 1; --row) {
        Tap(KEY_W);
        EXPECT_NEAR(scene.highlightPosition.y, kEquipRowY[row - 1], 1e-3f) << row;
    }
}

TEST_F(MapEquipChoice, WeaponChoiceOffersOwnedUnequippedRecordsWithoutWrapping) {
    EquipmentCatalogue.weaponA[2].owned = 1;
    EquipmentCatalogue.weaponA[5].owned = 1;
    OpenMenuRow(2);
    Tap(KEY_SPACE);
    ASSERT_EQ(scene.mode, kMapEquipChoice);
    EXPECT_EQ(scene.choiceSlot, 1);
    EXPECT_EQ(scene.choiceIndex, 2);  // 0 is worn
    EXPECT_FLOAT_EQ(scene.highlightPosition.y, 320.0f);
    Tap(KEY_S);
    EXPECT_EQ(scene.choiceIndex, 5);
    EXPECT_NEAR(scene.highlightPosition.y, 356.0f, 1e-3f);  // one item, 36 px
    Tap(KEY_S);
    EXPECT_EQ(scene.choiceIndex, 5);
    Tap(KEY_W);
    Tap(KEY_W);
    EXPECT_EQ(scene.choiceIndex, 2);
    Tap(KEY_S);
    Tap(KEY_SPACE);
    EXPECT_EQ(EquippedSlots.weaponA, 5);
    EXPECT_EQ(scene.mode, kMapEquipBoard);
    EXPECT_EQ(scene.choiceSlot, -1);
    EXPECT_EQ(scene.choiceIndex, -1);
    EXPECT_FLOAT_EQ(scene.highlightPosition.y, kEquipRowY[0]);
    // Now 0 is offered and 5 is not.
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.choiceIndex, 0);
    Tap(KEY_S);
    EXPECT_EQ(scene.choiceIndex, 2);
    Tap(KEY_S);
    EXPECT_EQ(scene.choiceIndex, 2);
}

TEST_F(MapEquipChoice, AccessoryWornInOneSlotIsNeverOfferedForTheOther) {
    EquipmentCatalogue.accessories[1].owned = 1;
    EquipmentCatalogue.accessories[4].owned = 1;
    OpenMenuRow(2);
    for (int i = 0; i < 3; ++i) Tap(KEY_S);
    Tap(KEY_SPACE);  // slot 1, empty
    EXPECT_EQ(scene.choiceIndex, 1);
    Tap(KEY_SPACE);
    EXPECT_EQ(EquippedSlots.accessory1, 1);
    Tap(KEY_S);
    Tap(KEY_SPACE);  // slot 2: 1 is worn in slot 1
    EXPECT_EQ(scene.choiceIndex, 4);
    Tap(KEY_W);
    EXPECT_EQ(scene.choiceIndex, 4);
    Tap(KEY_SPACE);
    EXPECT_EQ(EquippedSlots.accessory2, 4);
    // Both owned accessories worn: slot 1 offers nothing, and cannot be emptied.
    Tap(KEY_W);
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.choiceIndex, -1);
    Tap(KEY_S);
    Tap(KEY_W);
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapEquipChoice);
    EXPECT_EQ(EquippedSlots.accessory1, 1);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapEquipBoard);
    EXPECT_FLOAT_EQ(scene.highlightPosition.y, kEquipRowY[3]);
}

TEST_F(MapEquipChoice, ShotStylesNeedNoOwnershipButSkipTheWornOne) {
    for (ShotStyle& s : EquipmentCatalogue.shotStyles) s.owned = 0;
    EquippedSlots.shotStyle = 1;
    EXPECT_TRUE(scene.IsEligible(6, 0));
    EXPECT_FALSE(scene.IsEligible(6, 1));
    EXPECT_TRUE(scene.IsEligible(6, 2));
    EXPECT_EQ(scene.NextEligible(6, -1, 1), 0);
    EXPECT_EQ(scene.NextEligible(6, 0, 1), 2);
    EXPECT_EQ(scene.NextEligible(6, 2, 1), -1);
    EXPECT_FALSE(scene.IsEligible(6, 3));
    EXPECT_FALSE(scene.IsEligible(1, -1));
}

TEST_F(MapShop, TabsChangeOnlyInsideTheRangeAndResetTheRow) {
    OpenMenuRow(3);
    Tap(KEY_S);
    Tap(KEY_S);
    Tap(KEY_LEFT);
    EXPECT_EQ(scene.boardRow, 1);
    EXPECT_EQ(scene.shopRow, 2);  // no change at the first tab
    Tap(KEY_RIGHT);
    EXPECT_EQ(scene.boardRow, 2);
    EXPECT_EQ(scene.shopRow, 0);
    EXPECT_EQ(scene.shopCursorSlot, 0);
    Tap(KEY_RIGHT);
    Tap(KEY_RIGHT);
    Tap(KEY_RIGHT);
    EXPECT_EQ(scene.boardRow, 4);
    Tap(KEY_LEFT);
    EXPECT_EQ(scene.boardRow, 3);
}

TEST_F(MapShop, TheListScrollsWhileTheCursorHoldsTheMiddleSlot) {
    OpenMenuRow(3);
    const int slotsWeapons[] = {0, 1, 2, 2, 2, 3, 4};
    for (int row = 1; row <= 6; ++row) {
        Tap(KEY_S);
        EXPECT_EQ(scene.shopRow, row);
        EXPECT_EQ(scene.shopCursorSlot, slotsWeapons[row]) << row;
    }
    Tap(KEY_S);
    EXPECT_EQ(scene.shopRow, 6);
    for (int row = 5; row >= 0; --row) {
        Tap(KEY_W);
        EXPECT_EQ(scene.shopCursorSlot, slotsWeapons[row]) << row;
    }
    for (int i = 0; i < 3; ++i) Tap(KEY_RIGHT);
    ASSERT_EQ(scene.boardRow, 4);
    const int slotsAccessories[] = {0, 1, 2, 2, 3, 4};
    for (int row = 1; row <= 5; ++row) {
        Tap(KEY_S);
        EXPECT_EQ(scene.shopCursorSlot, slotsAccessories[row]) << row;
    }
    Tap(KEY_S);
    EXPECT_EQ(scene.shopRow, 5);
    for (int row = 4; row >= 0; --row) {
        Tap(KEY_W);
        EXPECT_EQ(scene.shopCursorSlot, slotsAccessories[row]) << row;
    }
}

TEST_F(MapShop, BuyingNeedsThePriceAndAnUnownedRecord) {
    SetRecord(EquipmentCatalogue.weaponB[1], {0, 0, 2, 0, 0, 0, 12000}, 0);
    OpenMenuRow(3);
    Tap(KEY_RIGHT);
    Tap(KEY_S);
    ASSERT_EQ(scene.boardRow, 2);
    ASSERT_EQ(scene.shopRow, 1);

    ThePlayer.Money = 11999;
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(scene.animationId, 0);
    EXPECT_EQ(scene.cooldown, 0);

    ThePlayer.Money = 12000;
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapBuyConfirm);
    EXPECT_EQ(scene.buyChoice, 1);
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(EquipmentCatalogue.weaponB[1].owned, 1);
    EXPECT_EQ(ThePlayer.Money, 0);
    EXPECT_EQ(scene.boardRow, 2);
    EXPECT_EQ(scene.shopRow, 1);

    // Owned: not again, however rich.
    ThePlayer.Money = 50000;
    Tap(KEY_SPACE);
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(ThePlayer.Money, 50000);
}

TEST_F(MapShop, ConfirmBoxSaysNoOrCancelsWithoutBuying) {
    SetRecord(EquipmentCatalogue.accessories[0], {-20, 10, 3, 3, -3, -3, 20000}, 0);
    ThePlayer.Money = 20001;
    OpenMenuRow(3);
    for (int i = 0; i < 3; ++i) Tap(KEY_RIGHT);
    Tap(KEY_SPACE);
    ASSERT_EQ(scene.mode, kMapBuyConfirm);
    Tap(KEY_A);
    EXPECT_EQ(scene.buyChoice, 1);
    Tap(KEY_D);
    EXPECT_EQ(scene.buyChoice, 0);
    KeyboardState[KEY_SPACE] = 0x80;
    scene.Update();
    KeyboardState[KEY_SPACE] = 0;
    EXPECT_EQ(scene.cooldown, 19);
    Settle();
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(EquipmentCatalogue.accessories[0].owned, 0);
    Tap(KEY_SPACE);
    Tap(KEY_LSHIFT);
    EXPECT_EQ(scene.mode, kMapShop);
    EXPECT_EQ(ThePlayer.Money, 20001);
    // The price plus one leaves one.
    Tap(KEY_SPACE);
    Tap(KEY_SPACE);
    EXPECT_EQ(ThePlayer.Money, 1);
    EXPECT_EQ(EquipmentCatalogue.accessories[0].owned, 1);
}

}  // namespace

namespace {

// Equipping hands the record's deltas to the player's contribution block of
// that slot; the player's sum then changes its effective stats.
class MapApplyEquipment : public FieldMapTest {
protected:
    void SetUp() override {
        FieldMapTest::SetUp();
        savedStatus = ThePlayer.status;
        for (int i = 0; i < Player::kPartCount; ++i) savedParts[i] = ThePlayer.statusParts[i];
        for (StatusBlock& part : ThePlayer.statusParts) part = StatusBlock{};
        StatusBlock& level = ThePlayer.statusParts[0];
        level.maxHp = 100;
        level.maxSp = 60;
        level.attack = 9;
        level.attack2 = 7;
        level.defense = 11;
        level.defense2 = 5;
        level.speed = 4.0f;
        ThePlayer.status.hp = 50;
        ThePlayer.status.maxHp = 100;
    }
    void TearDown() override {
        ThePlayer.status = savedStatus;
        for (int i = 0; i < Player::kPartCount; ++i) ThePlayer.statusParts[i] = savedParts[i];
        FieldMapTest::TearDown();
    }
    StatusBlock savedStatus;
    StatusBlock savedParts[Player::kPartCount];
};

TEST_F(MapApplyEquipment, EquippedWeaponAndAccessoryChangeTheEffectiveStats) {
    SetRecord(EquipmentCatalogue.weaponA[4], {30, 0, 1, 0, 5, 5, 75000}, 1);
    SetRecord(EquipmentCatalogue.accessories[3], {-50, 20, 5, 5, -5, -5, 60000}, 1);
    OpenMenuRow(2);
    Tap(KEY_SPACE);
    ASSERT_EQ(scene.choiceIndex, 4);
    Tap(KEY_SPACE);
    ThePlayer.RecalcStatus();
    EXPECT_EQ(ThePlayer.status.maxHp, 130);
    EXPECT_EQ(ThePlayer.status.hp, 65);  // half of the new max
    EXPECT_EQ(ThePlayer.status.attack, 10);
    EXPECT_EQ(ThePlayer.status.defense, 16);
    EXPECT_EQ(ThePlayer.status.defense2, 10);
    EXPECT_EQ(ThePlayer.status.maxSp, 60);

    // Accessory slot 2 fills the second accessory block.
    for (int i = 0; i < 4; ++i) Tap(KEY_S);
    Tap(KEY_SPACE);
    Tap(KEY_SPACE);
    EXPECT_EQ(EquippedSlots.accessory2, 3);
    EXPECT_EQ(ThePlayer.statusParts[5].maxHp, -50);
    EXPECT_EQ(ThePlayer.statusParts[4].maxHp, 0);
    ThePlayer.RecalcStatus();
    EXPECT_EQ(ThePlayer.status.maxHp, 80);
    EXPECT_EQ(ThePlayer.status.maxSp, 80);
    EXPECT_EQ(ThePlayer.status.attack, 15);
    EXPECT_EQ(ThePlayer.status.attack2, 12);
    EXPECT_EQ(ThePlayer.status.defense, 11);
    EXPECT_EQ(ThePlayer.status.defense2, 5);
}

TEST_F(MapApplyEquipment, ShotStyleGoesToItsOwnBlockAndOtherRowsDoNothing) {
    SetRecord(EquipmentCatalogue.shotStyles[2], {0, 0, 5, 5, 0, 0, 0}, 1);
    scene.choiceIndex = 2;
    scene.ApplyEquipment(6);
    EXPECT_EQ(ThePlayer.statusParts[6].attack, 5);
    EXPECT_EQ(ThePlayer.statusParts[6].attack2, 5);
    EXPECT_EQ(ThePlayer.statusParts[6].speed, 0.0f);
    EXPECT_EQ(ThePlayer.statusParts[5].attack, 0);
    scene.ApplyEquipment(0);
    scene.ApplyEquipment(7);
    for (int i = 1; i <= 5; ++i) EXPECT_EQ(ThePlayer.statusParts[i].attack, 0) << i;
}

}  // namespace
