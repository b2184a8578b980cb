#pragma once
// The running state of one field's timeline.
#include <cstdint>

#include "platform/matrix.h"

// The scroll speed every field starts with.
constexpr float kFieldStartScrollSpeed = 2.0f;

struct FieldState {
    int32_t frame = 0;          // advanced each frame except while a boss holds it
    int32_t route = 1;          // 1..3, chosen in the middle of the field
    Vec3 scroll;                // background scroll; y wraps at 720
    float scrollSpeed = kFieldStartScrollSpeed;   // pixels per frame
    int32_t cleared = 0;
};

// The cave also remembers where its boss last stood.
struct CaveFieldState : FieldState {
    Vec3 bossPosition;
};

extern FieldState FieldGrassDayState;
extern FieldState FieldGrassNightState;
extern FieldState FieldCanyonDayState;
extern FieldState FieldCanyonNightState;
extern CaveFieldState FieldCaveState;
