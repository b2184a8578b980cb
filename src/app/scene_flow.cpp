// The title's choices, the credits' draw and the world map's hand-over to a field.
#include "app/scene_flow.h"

#include "app/game.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "core/score.h"
#include "core/sound.h"
#include "platform/graphics.h"

namespace {

constexpr int32_t kTitleStart = 1;

// Slot kinds of SetPlayerEquipmentStatus.
constexpr int32_t kSlotWeaponA = 0;
constexpr int32_t kSlotWeaponB = 1;
constexpr int32_t kSlotArmour = 2;
constexpr int32_t kSlotAccessory = 3;
constexpr int32_t kSlotShotStyle = 4;

void ApplyRecord(int32_t slot, int32_t accessoryIndex, const EquipmentStatus& s) {
    SetPlayerEquipmentStatus(slot, accessoryIndex, s.maxHp, s.maxSp, s.attack, s.attack2, s.defense, s.defense2,
                             0.0f);
}

struct FieldEntry {
    Sound* music;
    int32_t emotionArea;
};

// Fields 1..5: grass day, grass night, canyon day, canyon night, cave.
FieldEntry FieldEntryFor(int32_t fieldId) {
    switch (fieldId) {
        case 1: return {&FieldDayBgm, 1};
        case 2: return {&FieldNightBgm, 1};
        case 3: return {&FieldDayBgm, 2};
        case 4: return {&FieldNightBgm, 2};
        case 5: return {&Field3Bgm, 3};
        default: return {nullptr, EmotionArea};
    }
}

}  // namespace

void StartNewGame() {
    ResetEquipmentTable();
    ResetWeaponTables();
    ResetAccessoryTable();
    // An empty accessory slot (-1) reads as all zeros.
    ApplyRecord(kSlotWeaponA, 0, GetWeaponAStatus(EquippedSlots.weaponA));
    ApplyRecord(kSlotWeaponB, 0, GetWeaponBStatus(EquippedSlots.weaponB));
    ApplyRecord(kSlotArmour, 0, GetEquipmentStatus(EquippedSlots.armour));
    ApplyRecord(kSlotShotStyle, 0, GetShotStyleStatus(EquippedSlots.shotStyle));
    ApplyRecord(kSlotAccessory, 0, GetAccessoryStatus(EquippedSlots.accessory1));
    ApplyRecord(kSlotAccessory, 1, GetAccessoryStatus(EquippedSlots.accessory2));
}

void EnterField(int32_t fieldId) {
    StopAllSounds();
    CurrentField = fieldId;
    const FieldEntry entry = FieldEntryFor(fieldId);
    if (entry.music != nullptr) entry.music->Play(0, kSoundPlayLooping);
    EmotionArea = entry.emotionArea;
    ResetPlayerForField(GetEquippedShotStyle());
    BaseScore = 0;
    HitsTakenCount = 0;
}

int32_t Game::UpdateTitle() {
    const int32_t choice = titleMenu.Update();
    if (choice == kTitleStart) StartNewGame();
    return choice;
}

void Game::DrawCredits() {
    SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
    const Vec3 origin{};
    SpriteBatch->Draw(creditsTexture, nullptr, nullptr, &origin, 0xFFFFFFFFu);
    if (TransitionFadeActive == 1) DrawTransitionFade();
    SpriteBatch->End();
}

bool Game::UpdateFieldMap() {
    // The boards show the effect of the current equipment.
    ThePlayer.RecalcStatus();
    fieldMap.playerStatus = ThePlayer.status;
    fieldMap.playerMoney = ThePlayer.Money;
    fieldMap.playerExperience = ThePlayer.exp;
    fieldMap.playerNextExperience = ThePlayer.nextLevelExp;
    const int32_t fieldId = fieldMap.Update();
    if (fieldId == 0) return false;
    EnterField(fieldId);
    return true;
}
