#pragma once
// Species 15: the boss of the canyon by day.
#include <cstdint>

#include "species/canyon/big_day_night_rafflesia.h"

class BigDayRafflesia : public virtual BigDayNightRafflesia {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the big rafflesias' frame with this boss's attack and a
    // 240-frame third phase.
    void Update();
    // The attack of the boss phase at this Difficulty; the entry, the rage
    // transition and a Difficulty outside 1..3 fire nothing and count nothing.
    void Fire();

private:
    // One pattern a phase, each with its Difficulty column.
    void CounterRotatingRings(int32_t column);   // phase 1
    void FanWheelWithTriples(int32_t column);    // phase 2
    void FanAndSheddingStar(int32_t column);     // phase 3
    void BreathingFanWheel(int32_t column);      // phase 4
};
