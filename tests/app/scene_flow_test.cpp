#include <gtest/gtest.h>

#include <string>

#include "app/scene_flow.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "core/player_test_support.h"
#include "core/score.h"
#include "core/sound.h"
#include "platform/audio.h"
#include "platform/input.h"
#include "scene_test_support.h"

namespace {

using player_test::SetLevelOneBase;
using scene_test::GameHolder;

class FieldEntry : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = ThePlayer.status;
        // The music is checked where the generated tracks exist.
        const std::string dir = testsupport::ResourceDir().string();
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
    SetPadVibration(30000, 30000);
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
    uint16_t left = 1, right = 1;
    GetPadVibration(&left, &right);
    EXPECT_EQ(left + right, 0);
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
    EXPECT_EQ(player_test::Stats(ThePlayer.statusParts[2]), (player_test::StatRow{0, 15, 7, 0, 0, 0}));
    EXPECT_EQ(player_test::Stats(ThePlayer.statusParts[4]), (player_test::StatRow{20, 10, 2, 2, 2, 2}));
    EXPECT_EQ(player_test::Stats(ThePlayer.statusParts[6]), (player_test::StatRow{0, 0, 5, 5, 0, 0}));
    EXPECT_EQ(ThePlayer.statusParts[6].speed, 0.0f);
}

TEST_F(NewGame, EffectiveStatsSumAnEquippedWeaponAndAnEmptyAccessorySlot) {
    SetLevelOneBase(ThePlayer);
    // Left over from an earlier equip: the empty slot must clear it.
    ThePlayer.statusParts[4].maxHp = 500;
    ThePlayer.statusParts[4].attack = 40;
    EquippedSlots = EquippedSlotSet{4, 0, 0, -1, 3, 0};
    StartNewGame();
    EXPECT_EQ(player_test::Stats(ThePlayer.statusParts[4]), (player_test::StatRow{}));
    ThePlayer.status.hp = 100;
    ThePlayer.status.maxHp = 100;
    ThePlayer.RecalcStatus();
    // Level 1 + weapon A 4 (30/0/1/0/5/5) + weapon B 0 + armour 0 + shot style 0
    // + accessory 3 in the second slot (-50/20/5/5/-5/-5).
    EXPECT_EQ(player_test::Stats(ThePlayer.status), (player_test::StatRow{80, 80, 17, 13, 12, 5}));
    EXPECT_EQ(ThePlayer.status.speed, 4.0f);
    EXPECT_EQ(ThePlayer.status.hp, 80);  // HP keeps its fraction
}

}  // namespace
