#include <gtest/gtest.h>

#include <string>

#include "app/scene_flow.h"
#include "app/sound.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "core/score.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "core/player_test_support.h"
#include "scene_test_support.h"

namespace {

using player_test::SetLevelOneBase;
using scene_test::GameHolder;

class FieldEntry : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ThePlayer.status;
        // The music is checked where the generated tracks exist.
        const std::string dir = MIRELUNE_RESOURCE_DIR;
        musicLoaded_ = FieldDayBgm.Load((dir + "/Sound/BGM/Field_Day.wav").c_str(), 1.0f) &&
                       FieldNightBgm.Load((dir + "/Sound/BGM/Field_Night.wav").c_str(), 1.0f) &&
                       Field3Bgm.Load((dir + "/Sound/BGM/Field3.wav").c_str(), 1.0f);
    }
    void TearDown() override {
        for (Sound* s : {&FieldDayBgm, &FieldNightBgm, &Field3Bgm}) s->Release();
        ThePlayer.status = saved_;
        EquippedSlots.shotStyle = 0;
    }
    static bool Playing(const Sound& s) { return s.buffer != nullptr && s.buffer->IsPlaying(); }
    bool musicLoaded_ = false;
    StatusBlock saved_;
};

TEST_F(FieldEntry, CanyonByDayPlaysTheDayMusicInEmotionAreaTwo) {
    if (musicLoaded_) FieldNightBgm.Play(0, kSoundPlayLooping);
    EquippedSlots.shotStyle = 1;
    BaseScore = 1234;
    HitsTakenCount = 7;
    ThePlayer.status.hp = 3;
    ThePlayer.x = 300.0f;
    ThePlayer.FieldMoney = 50;
    EnterField(3);
    EXPECT_EQ(CurrentField, 3);
    EXPECT_EQ(EmotionArea, 2);
    if (musicLoaded_) {
        EXPECT_TRUE(Playing(FieldDayBgm));
        EXPECT_TRUE(FieldDayBgm.buffer->IsLooping());
        EXPECT_FALSE(Playing(FieldNightBgm));
    }
    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(HitsTakenCount, 0);
    // The player starts the field whole, in place, with the equipped shot style.
    EXPECT_EQ(ThePlayer.status.hp, ThePlayer.status.maxHp);
    EXPECT_EQ(ThePlayer.x, 640.0f);
    EXPECT_EQ(ThePlayer.y, 500.0f);
    EXPECT_EQ(ThePlayer.FieldMoney, 0);
    EXPECT_EQ(ThePlayer.OptionType, 1);
    EXPECT_EQ(ThePlayer.status.speed, 5.2f);
}

TEST_F(FieldEntry, CavePlaysItsOwnTrackInEmotionAreaThree) {
    if (musicLoaded_) FieldDayBgm.Play(0, kSoundPlayLooping);
    EnterField(5);
    EXPECT_EQ(CurrentField, 5);
    EXPECT_EQ(EmotionArea, 3);
    if (musicLoaded_) {
        EXPECT_TRUE(Playing(Field3Bgm));
        EXPECT_FALSE(Playing(FieldDayBgm));
    }
    EXPECT_EQ(ThePlayer.OptionType, 0);
}

TEST(FieldMapHandOver, MirrorsThePlayersRecalculatedStatusEveryFrame) {
    GameHolder h;
    const StatusBlock saved = ThePlayer.status;
    SetLevelOneBase(ThePlayer);
    ThePlayer.statusParts[1] = StatusBlock{};
    ThePlayer.statusParts[1].attack = 4;
    ThePlayer.Money = 777;
    ThePlayer.exp = 12;
    ThePlayer.nextLevelExp = 3000;
    EXPECT_FALSE(h.game->UpdateFieldMap());
    EXPECT_EQ(h.game->fieldMap.playerStatus.attack, ThePlayer.status.attack);
    EXPECT_GE(h.game->fieldMap.playerStatus.attack, 13);
    EXPECT_EQ(h.game->fieldMap.playerMoney, 777);
    EXPECT_EQ(h.game->fieldMap.playerExperience, 12);
    EXPECT_EQ(h.game->fieldMap.playerNextExperience, 3000);
    ThePlayer.status = saved;
    ThePlayer.statusParts[1] = StatusBlock{};
    ThePlayer.Money = 0;
    ThePlayer.exp = 0;
}

class NewGame : public ::testing::Test {
protected:
    void SetUp() override {
        savedSlots_ = EquippedSlots;
        savedStatus_ = ThePlayer.status;
    }
    void TearDown() override {
        EquippedSlots = savedSlots_;
        ThePlayer.status = savedStatus_;
        for (StatusBlock& part : ThePlayer.statusParts) part = StatusBlock{};
    }
    EquippedSlotSet savedSlots_;
    StatusBlock savedStatus_;
    GameHolder holder_;  // the game's construction sets up the shot styles
};

TEST_F(NewGame, ABoughtRecordStaysOwnedAndTheEquippedIndicesStay) {
    StartNewGame();
    const int32_t price = EquipmentCatalogue.accessories[4].Buy();
    EXPECT_EQ(price, 60000);
    EquipmentCatalogue.weaponB[5].owned = 1;
    EquippedSlots = EquippedSlotSet{0, 5, 0, 4, -1, 2};
    StartNewGame();
    EXPECT_EQ(EquipmentCatalogue.accessories[4].owned, 1);
    EXPECT_EQ(EquipmentCatalogue.weaponB[5].owned, 1);
    EXPECT_EQ(EquippedSlots.weaponB, 5);
    EXPECT_EQ(EquippedSlots.accessory1, 4);
    EXPECT_EQ(EquippedSlots.accessory2, -1);
    EXPECT_EQ(EquippedSlots.shotStyle, 2);
    // The equipped records went to their blocks: weapon B 5, accessory 4, shot style 2.
    EXPECT_EQ(ThePlayer.statusParts[2].maxSp, 15);
    EXPECT_EQ(ThePlayer.statusParts[2].attack, 7);
    EXPECT_EQ(ThePlayer.statusParts[4].maxHp, 20);
    EXPECT_EQ(ThePlayer.statusParts[6].attack2, 5);
    EXPECT_EQ(ThePlayer.statusParts[6].speed, 0.0f);
}

TEST_F(NewGame, EffectiveStatsSumAnEquippedWeaponAndAnEmptyAccessorySlot) {
    SetLevelOneBase(ThePlayer);
    // Left over from an earlier equip: the empty slot must clear it.
    ThePlayer.statusParts[4].maxHp = 500;
    ThePlayer.statusParts[4].attack = 40;
    EquippedSlots = EquippedSlotSet{4, 0, 0, -1, 3, 0};
    StartNewGame();
    for (int32_t v : {ThePlayer.statusParts[4].maxHp, ThePlayer.statusParts[4].maxSp,
                      ThePlayer.statusParts[4].attack, ThePlayer.statusParts[4].defense2})
        EXPECT_EQ(v, 0);
    ThePlayer.status.hp = 100;
    ThePlayer.status.maxHp = 100;
    ThePlayer.RecalcStatus();
    // Level 1 + weapon A 4 (30/0/1/0/5/5) + weapon B 0 + armour 0 + shot style 0
    // + accessory 3 in the second slot (-50/20/5/5/-5/-5).
    const StatusBlock& s = ThePlayer.status;
    EXPECT_EQ(s.maxHp, 80);
    EXPECT_EQ(s.maxSp, 80);
    EXPECT_EQ(s.attack, 17);
    EXPECT_EQ(s.attack2, 13);
    EXPECT_EQ(s.defense, 12);
    EXPECT_EQ(s.defense2, 5);
    EXPECT_EQ(s.speed, 4.0f);
    EXPECT_EQ(s.hp, 80);  // HP keeps its fraction
}

}  // namespace
