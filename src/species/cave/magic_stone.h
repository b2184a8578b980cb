#pragma once
// Species 24.
#include <cstdint>

#include "enemy/enemy_base.h"

class MagicStone : public virtual EnemyBase {
public:
    static constexpr int kSatelliteCount = 20;
    int32_t satellites[kSatelliteCount];  // EnemyChildPool indices, -1 none
};
