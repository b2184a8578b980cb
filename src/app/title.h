#pragma once
// The title menu: start, credits, quit.
#include <cstdint>

class Texture;

struct TitleMenu {
    // 0, or the item chosen (1 start, 2 credits, 3 quit) once the fade is black.
    int32_t Update();
    void Draw();

    Texture* texture = nullptr;  // the title screen on top, the selection strip below it
    int32_t cooldown = 0;        // frames until the cursor may move again
    int32_t selection = 1;       // 1 start, 2 credits, 3 quit
};

// The credits screen: true once its fade is black.
bool UpdateCredits();

// True in a frame in which any of the pad's A/B/X/Y buttons, Space or Return is down.
bool DecidePressed();
