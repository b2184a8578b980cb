#pragma once
// Species 10: the boss of the grass plain by night.
#include <cstdint>

#include "species/grass/ground_boss.h"

class Spider : public virtual GroundBoss {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the ground boss's frame with the spider's walk and volleys.
    void Update();
    // The walk of the phase; the rage holds the rage point.
    void Move();
    // The volleys of the phase, by Difficulty; outside 1..3, and in the
    // phases without volleys, the call neither fires nor counts.
    void Fire();

private:
    // Phase 1: seven downward pairs, fast and slow.
    void FireFallingPairs(int32_t column);
    // Phase 2: two aimed streams closing in, and an aimed ring every 10 calls.
    void FireClosingStreams(int32_t column);
    // Phase 3: one shot to the right, then to the left, every 20 calls.
    void FireSideShots();
    // Phase 4: one burst of ten on the 31st call.
    void FireOpenBurst();
    // Phase 6: aimed rings turning 2 degrees a ring, doubled before call 90.
    void FireRageRings(int32_t column);
};
