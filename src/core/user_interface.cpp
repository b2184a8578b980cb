#include "core/user_interface.h"

#include "core/common_textures.h"

// Every field starts at 0 and every sheet null (member initialisers); the
// panel is idle and the first skill selected.
UserInterface::UserInterface() {
    levelUpTimer = -1;
    selectedSkill = 1;
}

bool UserInterface::LoadTextures() {
    return (uiTexture = LoadTexture("Texture/UserInterface/ui.png", 1280, 720, 0)) != nullptr &&
           (statusBarTexture = LoadTexture("Texture/UserInterface/status_bar.png", 416, 720, 0)) != nullptr &&
           (skillIconTexture = LoadTexture("Texture/UserInterface/knights_skill_icons.png", 50, 150, 0)) != nullptr &&
           (selectFrameTexture = LoadTexture("Texture/UserInterface/selectframe.png", 50, 50, 0)) != nullptr &&
           (scoreTextTexture = LoadTexture("Texture/UserInterface/score_text.png", 704, 32, 0)) != nullptr &&
           (emotionSetTexture = LoadTexture("Texture/UserInterface/emotion_set.png", 576, 96, 0)) != nullptr &&
           (emotionDescriptionTexture =
                LoadTexture("Texture/UserInterface/emotion_description.png", 128, 192, 0)) != nullptr &&
           (ringTexture = LoadTexture("Texture/UserInterface/ring.png", 64, 16, 0)) != nullptr;
}

void UserInterface::Release() {
    ReleaseTexture(ringTexture);
    ReleaseTexture(emotionDescriptionTexture);
    ReleaseTexture(emotionSetTexture);
    ReleaseTexture(scoreTextTexture);
    ReleaseTexture(selectFrameTexture);
    ReleaseTexture(skillIconTexture);
    ReleaseTexture(statusBarTexture);
    ReleaseTexture(uiTexture);
}

void UserInterface::Reset() {
    slideCounter = 0;
    slideAlpha = 0;
    status = HudStatus{};
    levelUpBase = HudStatus{};
    levelUpTimer = -1;
    swordTimer = 0;
    swordTimerMax = 0;
    selectedSkill = 1;
    for (int i = 0; i < 3; ++i) {
        skillCooldown[i] = 0;
        skillCooldownMax[i] = 0;
    }
    exp = 0;
    nextLevelExp = 0;
    fieldMoney = 0;
}

void UserInterface::SetLevelUpRecord(int32_t maxHp, int32_t maxSp, int32_t attack, int32_t defense, int32_t attack2,
                                     int32_t defense2) {
    levelUpBase.level = status.level + 1;
    levelUpBase.maxHp = maxHp;
    levelUpBase.maxSp = maxSp;
    levelUpBase.attack = attack;
    levelUpBase.defense = defense;
    levelUpBase.attack2 = attack2;
    levelUpBase.defense2 = defense2;
    levelUpTimer = 0;
}
