#pragma once
// Species 99.
#include <cstdint>

#include "enemy/enemy_base.h"

class GrandMagicStone : public virtual EnemyBase {
public:
    GrandMagicStone();
    // The final boss's stats by form (variant 0 or not) and its spawn guard
    // (240 frames for form 0, 120 otherwise) in the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot);
    // One frame of the boss; the guard counts down and, when it runs out,
    // the restore values go back into defense and defense2.
    void Update();
    // The body from its sheet, then the fading barrier while the guard holds.
    void Draw();
    // Raises the guard to `frames` unless it already holds at least that:
    // defense and defense2 become 999 until it runs out.
    void RaiseGuard(int32_t frames);
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
