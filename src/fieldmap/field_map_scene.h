#pragma once
// The world map between fields: locations, shop and equipment boards.
#include <cstdint>

#include "core/object_base.h"

class Texture;

class FieldMapScene {
public:
    FieldMapScene();
    // 0 while the player stays on the map, else the field id 1..5 entered.
    int32_t Update();
    void Draw();
    // Creates the scene's 22 textures in order; false at the first that fails.
    bool LoadTextures();
    // Releases the textures that were created.
    void ReleaseTextures();

    Texture* worldMapDayTexture = nullptr;
    Texture* worldMapNightTexture = nullptr;
    Texture* arrowTexture = nullptr;
    Texture* timeTexture = nullptr;
    Texture* timeTextTexture = nullptr;
    Texture* difficultyIconTexture = nullptr;
    Texture* textBoxTexture = nullptr;
    Texture* fieldBalloonTexture = nullptr;
    Texture* difficultyTextTexture = nullptr;
    Texture* fieldTextTexture = nullptr;
    Texture* statusBoardTexture = nullptr;
    Texture* publicStatusTextTexture = nullptr;
    Texture* menuTexture = nullptr;
    Texture* shopBoardTexture = nullptr;
    Texture* equipBoardTexture = nullptr;
    Texture* knightsEquipmentNameTexture = nullptr;
    Texture* knightsEquipmentTextTexture = nullptr;
    Texture* accessoryNameTexture = nullptr;
    Texture* accessoryTextTexture = nullptr;
    Texture* shotStyleNameTexture = nullptr;
    Texture* shotStyleTextTexture = nullptr;
    Texture* cloudTexture = nullptr;

    // The player's status, money and experience, copied in by the game every
    // frame on the map before the update.
    StatusBlock playerStatus;
    int32_t playerMoney = 0;
    int32_t playerExperience = 0;
    int32_t playerNextExperience = 0;
};
