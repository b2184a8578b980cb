#pragma once
// Species 23.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigElement : public virtual EnemyBase {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of a live enemy of this species.
    void Update();
    // Draws the enemy from its sheet with the hit tint and clears the hit flag.
    void Draw();

    static constexpr int kSatelliteCount = 20;
    int32_t satellites[kSatelliteCount];  // EnemyChildPool indices, -1 none
};
