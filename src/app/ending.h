#pragma once
// The ending: the five backgrounds scroll past under wiping captions.
#include <cstdint>

#include "platform/matrix.h"

class Texture;

class EndingScene {
public:
    struct Caption {
        int32_t active = 0;
        Vec3 position;   // where the caption's centre is drawn
        Vec3 centre;     // half the caption's size
        Rect drawn;      // the part of the sheet drawn this frame
        Rect final;      // the caption's whole rectangle in the sheet
        int32_t timer = 0;
        int32_t duration = 0;
        int32_t alpha = 0;
    };
    static constexpr int kCaptionSlots = 10;

    // Back to frame 0 on the grass-day background with no caption.
    void Reset();
    // Shows a caption in the first free slot; dropped when all ten are busy.
    void AddCaption(float x, float y, float z, int32_t l, int32_t t, int32_t r, int32_t b);
    // One frame; true once the ending's fade is fully black.
    bool Update();
    void Draw();

    int32_t frame = 0;
    float scroll = 0.0f;
    Texture* background = nullptr;  // borrowed from the field backgrounds
    Texture* captionSheet = nullptr;
    Caption captions[kCaptionSlots];
};
