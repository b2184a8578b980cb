#include "core/user_interface.h"

#include "app/common_textures.h"

UserInterface::UserInterface() = default;
void UserInterface::Reset() {}
void UserInterface::SetLevelUpRecord(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void UserInterface::Draw() {}

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
