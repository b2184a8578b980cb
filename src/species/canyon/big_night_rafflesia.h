#pragma once
// Species 20: the boss of the canyon by night.
#include <cstdint>

#include "species/canyon/big_day_night_rafflesia.h"

class BigNightRafflesia : public virtual BigDayNightRafflesia {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the big rafflesias' frame with this boss's attack and a
    // 270-frame third phase.
    void Update();
    // The attack of the boss phase at this Difficulty; the entry, the rage
    // transition and a Difficulty outside 1..3 fire nothing and count nothing.
    void Fire();

private:
    // One pattern a phase, each with its Difficulty column. The bursts of
    // phases 1 and 3 aim once, at their first frame (facingAngle, radians).
    void SweepingHalfFans(int32_t column);      // phase 1
    void TwinRotatingStreams(int32_t column);   // phase 2
    void ClosingSpirals(int32_t column);        // phase 3
    void RandomDoubleRings(int32_t column);     // phase 4
    // Latches the direction from the muzzle to the player.
    void LatchBigRafflesiaAim();
};
