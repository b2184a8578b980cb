#pragma once
// The knight: the one static player object.
#include <cstdint>

#include "core/object_base.h"
#include "platform/input.h"

class Texture;

class PlayerBase : public CharacterBase {
public:
    PlayerBase();
};

// Loads the player's three sheets: body, sword, option; false at the first failure.
bool LoadPlayerTextures();
// Releases the option, sword and body sheets.
void ReleasePlayerTextures();

class Player : public PlayerBase {
public:
    Player();
    void ResetForField();
    void SetOptionType(int32_t optionType);
    void LevelUp();
    void SetNextLevelExp(int32_t level);
    // Sums the seven contribution blocks into the effective status.
    void RecalcStatus();
    void Update();
    void Draw() override;

    static constexpr int kHistoryLength = 100;
    static constexpr int kMaxOptions = 5;
    static constexpr int kParticleCount = 300;
    static constexpr int kPartCount = 7;  // level, weapon A, weapon B, armour, accessory 1, 2, shot style

    Texture* playerTexture = nullptr;
    Texture* swordTexture = nullptr;
    Texture* optionTexture = nullptr;
    int32_t state = 0;  // 0 normal, 1 hit, 3 skill 1, 4 skill 2, 5 skill 3
    StatusBlock statusParts[kPartCount];
    int32_t freeShotSlots = 0;
    int32_t shotDelay = 0;
    int32_t swordTimer = 0;
    int32_t invincibleTimer = 0;
    int32_t invincibleKind = 0;  // 1 hit, 2 skill 1, 3 skill 3, 0 none
    int32_t invincible = 0;
    float ringAngle = 0.0f;
    int32_t skillSelectLatch = 0;
    int32_t skill1Cooldown = 0;
    int32_t skill2Cooldown = 0;
    int32_t skill3Cooldown = 0;
    int32_t skillLockout = 0;
    int32_t selectedSkill = 1;
    int32_t regenCounter = 0;
    int32_t exp = 0;
    int32_t nextLevelExp = 3000;
    int32_t Money = 0;
    int32_t FieldMoney = 0;
    int32_t shotHitCount = 0;
    int32_t swordHitCount = 0;
    int32_t animCounter = 0;
    int32_t skill2Time = 0;
    PadStateRecord padCopy;
    int32_t padConnectedCopy = 0;
    Vec3 positionHistory[kHistoryLength];
    int32_t OptionType = 0;
    Vec3 optionPositions[kMaxOptions];
    int32_t optionCount = 0;
    int32_t particleActive[kParticleCount] = {};
    Vec3 particlePosition[kParticleCount];
    int32_t particleAge[kParticleCount] = {};
    float particleAngle[kParticleCount] = {};
};

// The player (static storage, see pools.cpp).
extern Player ThePlayer;

void ResetPlayerForField(int32_t optionType);
void UpdatePlayer();
void LevelUpPlayer();
// Writes one contribution block: slot 0 weapon A, 1 weapon B, 2 armour,
// 3 accessory (accessoryIndex 0 or 1), 4 shot style.
void SetPlayerEquipmentStatus(int32_t slot, int32_t accessoryIndex, int32_t maxHp, int32_t maxSp, int32_t attack,
                              int32_t attack2, int32_t defense, int32_t defense2, float speed);
Vec3 GetPlayerPosition();
StatusBlock GetPlayerStatus();
int32_t GetFieldMoney();
void SetFieldMoney(int32_t value);
int32_t GetExp();
void SetExp(int32_t value);
int32_t GetNextLevelExp();
int32_t GetEmotionNumberHold1();
int32_t GetEmotionNumberHold4();
