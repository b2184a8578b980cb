#pragma once
// State shared by everything that runs inside a field.
#include <cstdint>

#include "platform/matrix.h"

extern int32_t CurrentField;       // 1 grass day, 2 grass night, 3 canyon day, 4 canyon night, 5 cave
extern int32_t Difficulty;         // 1..3, chosen on the world map
extern int32_t FieldClearFlags[5]; // 1 once that field has been cleared
extern float ScrollSpeed;          // the current field's scroll speed, copied each frame

// Copies of the player's position, written each frame for aiming and homing.
extern Vec3 EnemyTargetPos;
extern Vec3 ItemTargetPos;
extern Vec3 ChildTargetPos;
extern Vec3 EffectAnchorPos;
