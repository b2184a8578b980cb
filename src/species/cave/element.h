#pragma once
// Species 21.
#include <cstdint>

#include "enemy/enemy_base.h"

class Element : public virtual EnemyBase {
public:
    static constexpr int kSatelliteCount = 6;
    int32_t satellites[kSatelliteCount];  // EnemyChildPool indices, -1 none
};
