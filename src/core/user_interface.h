#pragma once
// The HUD around the playfield.
#include <cstdint>

#include "platform/matrix.h"

class Texture;

// The player's values as the HUD shows them.
struct HudStatus {
    int32_t level = 0;
    int32_t hp = 0;  // 0 while the player's HP is below 1
    int32_t maxHp = 0;
    int32_t sp = 0;
    int32_t maxSp = 0;
    int32_t attack = 0;
    int32_t defense = 0;
    int32_t attack2 = 0;
    int32_t defense2 = 0;
};

class UserInterface {
public:
    UserInterface();
    void Reset();
    // Snapshot of the player's values just before a level-up; starts the panel.
    void SetLevelUpRecord(int32_t maxHp, int32_t maxSp, int32_t attack, int32_t defense, int32_t attack2,
                          int32_t defense2);
    void Draw();

    // Written by the in-field frame every frame.
    Vec3 position;
    HudStatus status;
    HudStatus levelUpBase;
    int32_t levelUpTimer = -1;
    int32_t swordTimer = 0;
    int32_t swordTimerMax = 0;
    int32_t selectedSkill = 1;
    int32_t skillCooldown[3] = {};
    int32_t skillCooldownMax[3] = {};
    int32_t exp = 0;
    int32_t nextLevelExp = 0;
    int32_t fieldMoney = 0;

    // Creates the eight HUD sheets in order; false at the first that fails.
    bool LoadTextures();
    // Releases the sheets in the reverse order.
    void Release();

    Texture* uiTexture = nullptr;
    Texture* statusBarTexture = nullptr;
    Texture* skillIconTexture = nullptr;
    Texture* selectFrameTexture = nullptr;
    Texture* scoreTextTexture = nullptr;
    Texture* emotionSetTexture = nullptr;
    Texture* emotionDescriptionTexture = nullptr;
    Texture* ringTexture = nullptr;
};
