#pragma once
// Species 19: the mid-boss of the canyon by night.
#include <cstdint>

#include "species/canyon/canyon_mid_boss.h"

class Bat : public virtual CanyonMidBoss {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of the mid-boss, with the bat's attacks.
    void Update();
    // The attack of the boss phase: the entry spray, sweeping fans, spinning
    // fans that turn back, random bursts.
    void Fire();

private:
    void FireSweepingFans(int32_t column);
    void FireTurningFans(int32_t column);
    void FireRandomBursts(int32_t column);
};
