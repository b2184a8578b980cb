#pragma once
// The root classes every game object shares.
#include <cstdint>

#include "platform/matrix.h"

struct StatusBlock {
    int32_t level = 0;
    int32_t hp = 0;
    int32_t maxHp = 0;
    int32_t hpRegen = 0;   // percent of max HP per regeneration tick
    int32_t sp = 0;
    int32_t maxSp = 0;
    int32_t spRegen = 0;   // percent of max SP per regeneration tick
    int32_t attack = 0;
    int32_t attack2 = 0;
    int32_t defense = 0;   // 999: every hit does exactly 1
    int32_t defense2 = 0;
    float speed = 0.0f;    // pixels per frame
};
static_assert(sizeof(StatusBlock) == 48, "twelve 32-bit values");

class ObjectBase {
public:
    ObjectBase();
    // The four operations, in slot order. Callers always name the concrete
    // class's function; nothing dispatches through the table.
    virtual bool Init();
    virtual void Release();
    virtual void Update();
    virtual void Draw();

    // world = Scaling(sx, sy, sz) * Translation(tx, ty, tz)
    void SetTransform(float sx, float sy, float sz, float tx, float ty, float tz);
    // world = Scaling * RotationZ(angleDegrees) * Translation, in single precision.
    void SetTransformRotZ(float sx, float sy, float sz, float tx, float ty, float tz, float angleDegrees);
    Matrix GetWorldMatrix() const { return world; }

    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    Matrix world;
};

class CharacterBase : public ObjectBase {
public:
    StatusBlock GetStatus() const { return status; }
    StatusBlock status;
};

// pi / 180 in single precision.
constexpr float kDegToRad = 0.017453292f;
// 180 / pi in single precision.
constexpr float kRadToDeg = 57.295776f;
