#pragma once
// The ending: the five backgrounds scroll past under wiping captions.
#include <cstdint>

#include "platform/matrix.h"

class Texture;

class EndingScene {
public:
    struct Caption {
        int32_t active = 0;
        Vec3 position;
        Vec3 centre;
        Rect drawn;
        Rect final;
        int32_t timer = 0;
        int32_t duration = 0;
        int32_t alpha = 0;
    };
    static constexpr int kCaptionSlots = 10;

    void Reset();
    bool Update();
    void Draw();

    int32_t frame = 0;
    float scroll = 0.0f;
    Texture* background = nullptr;  // borrowed
    Texture* captionSheet = nullptr;
    Caption captions[kCaptionSlots];
};
