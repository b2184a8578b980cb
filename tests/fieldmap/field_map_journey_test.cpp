// A scripted run through the game: from the title onto the map, through every
// board, a purchase and an equip, into the first field.
#include <gtest/gtest.h>

#include "app/game.h"
#include "core/player_test_support.h"
#include "fieldmap/field_map_test_support.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"

namespace {

class MapJourney : public FieldMapTest {
protected:
    void SetUp() override {
        FieldMapTest::SetUp();
        ResetShotStyleTable();  // as the game's construction left it
        testsupport::CreateHeadlessGraphics();
        saved = ThePlayer.status;
        for (int i = 0; i < Player::kPartCount; ++i) savedParts[i] = ThePlayer.statusParts[i];
        player_test::SetLevelOneBase(ThePlayer);
    }
    void TearDown() override {
        ThePlayer.status = saved;
        for (int i = 0; i < Player::kPartCount; ++i) ThePlayer.statusParts[i] = savedParts[i];
        testsupport::ReleaseHeadlessGraphics();
        FieldMapTest::TearDown();
    }
    void Frame() {
        ASSERT_TRUE(game->Update());
        game->Draw();
    }
    void Press(uint8_t key) {
        KeyboardState[key] = 0x80;
        Frame();
        KeyboardState[key] = 0;
        for (int i = 0; i < 200 && (game->fieldMap.cooldown > 0 || TransitionFadeActive != 0); ++i) Frame();
    }

    testsupport::GameHolder game;
    StatusBlock saved;
    StatusBlock savedParts[Player::kPartCount];
};

TEST_F(MapJourney, TitleToMapBoardsPurchaseEquipAndIntoTheFirstField) {
    for (int i = 0; i < 200 && TransitionFadeActive != 0; ++i) Frame();
    Press(KEY_SPACE);  // start
    ASSERT_EQ(game->scene, kSceneFieldMap);
    ASSERT_EQ(EquipmentCatalogue.weaponA[1].status.price, 11000);

    Press(KEY_RETURN);
    Press(KEY_SPACE);  // status board
    EXPECT_EQ(game->fieldMap.mode, kMapStatusBoard);
    const int32_t attackBefore = ThePlayer.status.attack;
    EXPECT_EQ(game->fieldMap.playerStatus.attack, attackBefore);
    EXPECT_EQ(game->fieldMap.playerStatus.maxHp, ThePlayer.status.maxHp);
    Press(KEY_LSHIFT);

    ThePlayer.Money = 11000;
    Press(KEY_RETURN);
    Press(KEY_S);
    Press(KEY_S);
    Press(KEY_SPACE);  // shop, weapons A
    EXPECT_EQ(game->fieldMap.mode, kMapShop);
    Press(KEY_S);
    Press(KEY_SPACE);
    Press(KEY_SPACE);  // yes
    EXPECT_EQ(EquipmentCatalogue.weaponA[1].owned, 1);
    EXPECT_EQ(ThePlayer.Money, 0);
    EXPECT_EQ(game->fieldMap.playerMoney, 0);
    Press(KEY_LSHIFT);

    Press(KEY_RETURN);
    Press(KEY_S);
    Press(KEY_SPACE);  // equip board, weapon A
    EXPECT_EQ(game->fieldMap.mode, kMapEquipBoard);
    Press(KEY_SPACE);
    ASSERT_EQ(game->fieldMap.choiceIndex, 1);
    Press(KEY_SPACE);
    EXPECT_EQ(EquippedSlots.weaponA, 1);
    EXPECT_EQ(game->fieldMap.playerStatus.attack, attackBefore + 1);  // attack 2 in place of 1
    Press(KEY_LSHIFT);

    Press(KEY_SPACE);  // grass plain
    Press(KEY_SPACE);  // by day
    Press(KEY_A);      // difficulty 2
    KeyboardState[KEY_SPACE] = 0x80;
    Frame();
    KeyboardState[KEY_SPACE] = 0;
    for (int i = 0; i < 100 && game->scene == kSceneFieldMap; ++i) Frame();
    EXPECT_EQ(game->scene, kScenePlay);
    EXPECT_EQ(CurrentField, 1);
    EXPECT_EQ(Difficulty, 2);
    EXPECT_EQ(ThePlayer.status.attack, attackBefore + 1);
}

}  // namespace
