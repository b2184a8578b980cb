#pragma once
// Species 99.
#include <cstdint>

#include "enemy/enemy_base.h"

class GrandMagicStone : public virtual EnemyBase {
public:
    GrandMagicStone();
    // Puts the block back to its constructed state (indices -1, vectors,
    // angles, timers and guard 0, restore values 150).
    void ResetGrandMagicStoneBlock();

    static constexpr int kSatelliteCount = 40;
    int32_t satellites[kSatelliteCount];  // EnemyChildPool indices, -1 none
    Vec3 vectors[4];                      // formation anchors and ring centres
    float satelliteAngles[kSatelliteCount];
    int32_t satelliteTimers[kSatelliteCount];
    int32_t guardTimer;                   // while above 0, defense and defense2 are 999
    int32_t guardLength;                  // the value the guard was last raised to
    int32_t restoreDefense;
    int32_t restoreDefense2;
};
