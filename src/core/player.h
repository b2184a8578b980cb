#pragma once
// The knight: the one static player object.
#include <cstdint>

#include "core/object_base.h"
#include "platform/input.h"

class Texture;

class PlayerBase : public CharacterBase {
public:
    PlayerBase();
    // Places the player at (640, 500), z 1, and loads its three sheets in the
    // order body, sword, option; false at the first one that cannot be loaded.
    bool Init() override;
    // Releases the option, sword and body sheets, in that order.
    void Release() override;

    Texture* playerTexture = nullptr;
    Texture* swordTexture = nullptr;
    Texture* optionTexture = nullptr;
};

// The same on the one player object (asset creation and release).
bool LoadPlayerTextures();
void ReleasePlayerTextures();

class Player : public PlayerBase {
public:
    Player();
    // Field entry and field end: full HP and SP at (640, 500), every timer,
    // cooldown and counter of play cleared, skill 1 selected, no field money.
    void ResetForField();
    // Stops the pad's vibration, gathers the position history, the options and
    // the particles on the player and takes the shot style's speed and formation.
    void SetOptionType(int32_t optionType);
    // One level up: the level's row becomes the level contribution, the
    // experience to the next level is set and the level-up display starts.
    void LevelUp();
    // The experience level `level` needs; levels outside 2..30 leave it as it is.
    void SetNextLevelExp(int32_t level);
    // Sums the seven contribution blocks into the effective status; HP keeps
    // its fraction of max HP.
    void RecalcStatus();
    void Update();
    void Draw() override;
    // Places the options after the move: the fan while slow, else the two
    // pairs; option type 2 trails along the position history.
    void UpdateOptions(bool slow, float dx, float dy);
    // Takes the first free particle (none free: nothing).
    void SpawnParticle(const Vec3& position);
    void UpdateParticles();
    // One volley of option type 0, 1 or 2 while fire is held.
    void FireType0();
    void FireType1();
    void FireType2();
    void DrawParticles();
    // 1 body, 2 shield, 3 sword sweep, 4 options.
    void DrawLayer(int32_t layer);

    static constexpr int kHistoryLength = 100;
    static constexpr int kMaxOptions = 5;
    static constexpr int kParticleCount = 300;
    static constexpr int kPartCount = 7;  // level, weapon A, weapon B, armour, accessory 1, 2, shot style

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

// The base speed of option type 0, 1 or 2 (4.0, 5.2, 4.6); false for any other type.
bool OptionTypeBaseSpeed(int32_t optionType, float* speed);

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
