#pragma once
// Dropped pickups: coins and experience orbs.
#include <cstdint>

#include "core/object_base.h"

class Texture;

class ItemBase : public ObjectBase {};

class Item : public ItemBase {
public:
    Texture* texture = nullptr;
    int32_t active = 0;
    int32_t kind = 0;          // 1 coin, 2 big coin, 3 experience orb, 4 big experience orb
    int32_t value = 0;
    float angle = 0.0f;        // direction of travel in degrees
    float homingAngle = 0.0f;  // radians, towards the player while attracted
    float speed = 0.0f;
    int32_t attracted = 0;
    int32_t animFrame = 0;     // 0..19
    int32_t age = 0;
};

constexpr int kItemCount = 1000;
extern Item ItemPool[kItemCount];
