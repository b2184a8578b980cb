#include "core/player.h"

#include "app/common_textures.h"

PlayerBase::PlayerBase() {
    status.level = 1;
    status.hp = 100;
    status.maxHp = 100;
    status.hpRegen = 10;
    status.sp = 60;
    status.maxSp = 60;
    status.spRegen = 20;
    status.attack = 9;
    status.attack2 = 7;
    status.defense = 11;
    status.defense2 = 5;
    status.speed = 4.0f;
}

// Every other field starts as its member initialiser says: timers, counters and
// the contribution blocks 0, selected skill 1, 3000 experience to level 2.
Player::Player() = default;

void Player::ResetForField() {}
void Player::SetOptionType(int32_t) {}
void Player::LevelUp() {}
void Player::SetNextLevelExp(int32_t) {}
void Player::RecalcStatus() {}
void Player::Update() {}
void Player::Draw() {}
void ResetPlayerForField(int32_t) {}
void UpdatePlayer() {}
void LevelUpPlayer() {}
void SetPlayerEquipmentStatus(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, float) {}
Vec3 GetPlayerPosition() { return Vec3{ThePlayer.x, ThePlayer.y, ThePlayer.z}; }
StatusBlock GetPlayerStatus() { return ThePlayer.status; }
int32_t GetFieldMoney() { return ThePlayer.FieldMoney; }
void SetFieldMoney(int32_t value) { ThePlayer.FieldMoney = value; }
int32_t GetExp() { return ThePlayer.exp; }
void SetExp(int32_t value) { ThePlayer.exp = value; }
int32_t GetNextLevelExp() { return ThePlayer.nextLevelExp; }
int32_t GetEmotionNumberHold1() { return 0; }
int32_t GetEmotionNumberHold4() { return 0; }

bool LoadPlayerTextures() {
    Player& p = ThePlayer;
    p.x = 640.0f;
    p.y = 500.0f;
    p.z = 1.0f;
    p.playerTexture = LoadTexture("Texture/Character/player.png", 640, 64, kKeyGreen);
    if (p.playerTexture == nullptr) return false;
    p.swordTexture = LoadTexture("Texture/Character/sword.png", 64, 128, kKeyGreen);
    if (p.swordTexture == nullptr) return false;
    p.optionTexture = LoadTexture("Texture/Character/element_child.png", 64, 128, kKeyGreen);
    return p.optionTexture != nullptr;
}

void ReleasePlayerTextures() {
    ReleaseTexture(ThePlayer.optionTexture);
    ReleaseTexture(ThePlayer.swordTexture);
    ReleaseTexture(ThePlayer.playerTexture);
}
