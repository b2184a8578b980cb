#pragma once
// The title menu: start, credits, quit.
#include <cstdint>

class Texture;

struct TitleMenu {
    // 0, or the item chosen (1 start, 2 credits, 3 quit) once the fade is black.
    int32_t Update();
    void Draw();

    Texture* texture = nullptr;
    int32_t cooldown = 0;
    int32_t selection = 1;
};

// The credits screen: true once its fade is black.
bool UpdateCredits();
