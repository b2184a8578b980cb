#include "core/field_globals.h"

int32_t CurrentField = 0;
int32_t Difficulty = 0;
int32_t FieldClearFlags[5] = {};
float ScrollSpeed = 0.0f;
Vec3 EnemyTargetPos;
Vec3 ItemTargetPos;
Vec3 ChildTargetPos;
Vec3 EffectAnchorPos;
