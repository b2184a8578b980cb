#pragma once
// Species 14: the mid-boss of the canyon by day.
#include <cstdint>

#include "species/canyon/canyon_mid_boss.h"

class Eagle : public virtual CanyonMidBoss {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of the mid-boss, with the eagle's attacks.
    void Update();
    // The attack of the boss phase: the entry spray, wing sweeps, bombs,
    // wing rings with aimed fans.
    void Fire();

private:
    void FireWingSweeps(int32_t column);
    void FireBombs();
    void FireWingRings(int32_t column);
};
