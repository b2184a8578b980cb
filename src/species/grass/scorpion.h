#pragma once
// Species 5: the boss of the grass plain by day.
#include <cstdint>

#include "species/grass/ground_boss.h"

class Scorpion : public virtual GroundBoss {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the bob counter (after the entry), then the ground boss's
    // frame with the scorpion's walk and volleys.
    void Update();
    // The walk of the phase; the rage is a wander round the rage point.
    void Move();
    // The volleys of the phase, by Difficulty.
    void Fire();

private:
    // The rage wander: back to the rage point when it strays, else a new
    // random heading every 20 frames at 2 pixels per frame.
    void WanderInRage();

    // Phase 1: two rings of ten turning apart.
    void FireTwinRings();
    // Phase 2: an aimed fan of eleven triple spokes.
    void FireAimedFans();
    // Phase 3: a spiral of twelve pairs, mirrored every 61 calls.
    void FireMirroredSpirals();
    // Phase 4: a turning stream from the right flank, then from the left.
    void FireTwinStreams();
    // Phase 6: three random sprays every 20 calls, right and left in turn.
    void FireRageSprays();
};
