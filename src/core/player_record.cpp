#include "core/player.h"

#include "core/common_textures.h"
#include "core/popups.h"
#include "platform/input.h"

namespace {

constexpr float kStartX = 640.0f;
constexpr float kStartY = 500.0f;

}  // namespace

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

bool PlayerBase::Init() {
    x = kStartX;
    y = kStartY;
    z = 1.0f;
    playerTexture = LoadTexture("Texture/Character/player.png", 640, 64, kKeyGreen);
    if (playerTexture == nullptr) return false;
    swordTexture = LoadTexture("Texture/Character/sword.png", 64, 128, kKeyGreen);
    if (swordTexture == nullptr) return false;
    optionTexture = LoadTexture("Texture/Character/element_child.png", 64, 128, kKeyGreen);
    return optionTexture != nullptr;
}

void PlayerBase::Release() {
    ReleaseTexture(optionTexture);
    ReleaseTexture(swordTexture);
    ReleaseTexture(playerTexture);
}

bool LoadPlayerTextures() { return ThePlayer.PlayerBase::Init(); }
void ReleasePlayerTextures() { ThePlayer.PlayerBase::Release(); }

// Every other field starts as its member initialiser says: timers, counters and
// the contribution blocks 0, selected skill 1, 3000 experience to level 2.
Player::Player() = default;

void Player::ResetForField() {
    z = 0.0f;
    status.hp = status.maxHp;
    status.sp = status.maxSp;
    state = 0;
    x = kStartX;
    y = kStartY;
    freeShotSlots = 0;
    shotDelay = 0;
    swordTimer = 0;
    invincibleTimer = 0;
    invincibleKind = 0;
    invincible = 0;
    ringAngle = 0.0f;
    skillSelectLatch = 0;
    skill1Cooldown = 0;
    skill2Cooldown = 0;
    skill3Cooldown = 0;
    skillLockout = 0;
    selectedSkill = 1;
    regenCounter = 0;
    shotHitCount = 0;
    swordHitCount = 0;
    animCounter = 0;
    FieldMoney = 0;
}

void Player::SetOptionType(int32_t optionType) {
    skill2Time = 0;
    SetPadVibration(0, 0);
    const Vec3 here{x, y, z};
    for (Vec3& p : positionHistory) p = here;
    for (Vec3& p : optionPositions) p = here;
    OptionType = optionType;
    float speed = status.speed;
    if (OptionTypeBaseSpeed(optionType, &speed)) status.speed = speed;
    if (optionType == 0 || optionType == 1) optionCount = 4;
    if (optionType == 2) optionCount = 5;
    for (int i = 0; i < kParticleCount; ++i) {
        particleActive[i] = 0;
        particlePosition[i] = Vec3{};
        particleAge[i] = 0;
        particleAngle[i] = 0.0f;
    }
}


void ResetPlayerForField(int32_t optionType) {
    ThePlayer.ResetForField();
    ThePlayer.SetOptionType(optionType);
}

void UpdatePlayer() { ThePlayer.Update(); }
void LevelUpPlayer() { ThePlayer.LevelUp(); }

Vec3 GetPlayerPosition() { return Vec3{ThePlayer.x, ThePlayer.y, ThePlayer.z}; }
StatusBlock GetPlayerStatus() { return ThePlayer.status; }
int32_t GetFieldMoney() { return ThePlayer.FieldMoney; }
void SetFieldMoney(int32_t value) { ThePlayer.FieldMoney = value; }
int32_t GetExp() { return ThePlayer.exp; }
void SetExp(int32_t value) { ThePlayer.exp = value; }
int32_t GetNextLevelExp() { return ThePlayer.nextLevelExp; }
int32_t GetEmotionNumberHold1() { return EmotionNumberHold1.set; }
int32_t GetEmotionNumberHold4() { return EmotionNumberHold4.set; }
