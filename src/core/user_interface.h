#pragma once
// The HUD around the playfield: gauges, level, money, skills and their ring,
// score line, pickup tally, emotion faces with the multipliers, and the
// level-up panel.
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

// Element ids of UserInterface::DrawElement.
enum HudElement : int32_t {
    kHudFrame = 1,
    kHudHpGauge = 2,
    kHudSpGauge = 3,
    kHudSwordGauge = 4,
    kHudLeftPanel = 5,
    kHudExpGauge = 6,
    kHudSkill1 = 7,
    kHudSkill2 = 8,
    kHudSkill3 = 9,
    kHudSelectFrame = 10,
    kHudFieldMoney = 11,
    kHudLevel = 12,
    kHudLevelUpMaxHp = 15,     // 15..19: the gains of the level-up panel
    kHudLevelUpDefense2 = 19,
    kHudLevelUpLabel0 = 20,    // 20..24: the labels of the level-up panel
    kHudLevelUpLabel4 = 24,
    kHudScoreLine = 30,
    kHudPickupTally = 31,
    kHudEmotionFaces = 32,
    kHudEmotionCaptions = 33,
    kHudMultipliers = 34,
};

class UserInterface {
public:
    UserInterface();

    // Creates the eight HUD sheets in order; false at the first that fails.
    bool LoadTextures();
    // Releases the sheets in the reverse order.
    void Release();

    // Back to the state a field starts in: slide-in from frame 0, no panel,
    // an empty mirror. The position and the sheets stay.
    void Reset();
    // Snapshot of the player's values just before a level-up; starts the panel.
    void SetLevelUpRecord(int32_t maxHp, int32_t maxSp, int32_t attack, int32_t defense, int32_t attack2,
                          int32_t defense2);

    // The whole HUD pass of one in-field frame (advances the slide-in).
    void Draw();
    // Draws one element at (x, y); an unknown id draws nothing.
    void DrawElement(int32_t id, float x, float y, float z);
    // The level-up panel; advances its timer.
    void DrawLevelUp();
    // The faint ring around the player with the selected skill's cooldown arc.
    void DrawSkillRing();

    // The mirror, written by the in-field frame every frame before the draw.
    Vec3 position;
    HudStatus status;
    HudStatus levelUpBase;
    int32_t levelUpTimer = -1;  // -1 idle, else the panel's frame 0..299
    int32_t swordTimer = 0;
    int32_t swordTimerMax = 0;
    int32_t selectedSkill = 1;
    int32_t skillCooldown[3] = {};
    int32_t skillCooldownMax[3] = {};
    int32_t exp = 0;
    int32_t nextLevelExp = 0;
    int32_t fieldMoney = 0;

    Texture* uiTexture = nullptr;
    Texture* statusBarTexture = nullptr;
    Texture* skillIconTexture = nullptr;
    Texture* selectFrameTexture = nullptr;
    Texture* emotionSetTexture = nullptr;
    Texture* emotionDescriptionTexture = nullptr;

    int32_t slideCounter = 0;  // frames of the slide-in that have run, 0..60
    int32_t slideAlpha = 0;    // alpha of the slid-in elements, 0..255

    Texture* scoreTextTexture = nullptr;
    Texture* ringTexture = nullptr;

private:
    void DrawGauge(int32_t fillTop, int32_t fillRight, float x, float y, uint32_t color);
    void DrawSkill(int32_t skill, float x, float y, uint32_t color);
    void DrawPickupTally(float x, float y, uint32_t color);
    void DrawEmotionFaces(float x, float y, uint32_t color);
    void DrawEmotionCaptions(float x, float y, uint32_t color);
    void DrawMultipliers(float x, float y, uint32_t color);
    void DrawLevelUpValue(int32_t id, float x, float y, uint32_t color);
};
