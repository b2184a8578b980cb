#pragma once
// The five field timelines: Update runs one frame (1 once the field is over),
// Draw draws the scrolling background and the white flash.
#include <cstdint>

struct FieldGrassDay {
    static int32_t Update();
    static void Draw();
};
struct FieldGrassNight {
    static int32_t Update();
    static void Draw();
};
struct FieldCanyonDay {
    static int32_t Update();
    static void Draw();
};
struct FieldCanyonNight {
    static int32_t Update();
    static void Draw();
};
struct FieldCave {
    static int32_t Update();
    static void Draw();
};
