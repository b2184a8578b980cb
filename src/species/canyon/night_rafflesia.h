#pragma once
// Species 18: the small rafflesia of the canyon by night (also in the cave).
#include <cstdint>

#include "species/canyon/small_rafflesia.h"

class NightRafflesia : public virtual SmallRafflesia {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death, or the ride and fire, the phase timer and the removal.
    void Update();
    // The ride, then the fire routine of the grade and route.
    void MoveAndFire();

    // The fire routines by route (grade 3 runs the second whatever the
    // route); each fires the form of the variant, 0..2.
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();

private:
    // Route 1: two rings turning opposite ways that slow (route 1) or home
    // (route 2); curved arms; pairs from the ring points.
    void FireSlowingRings(int32_t column);
    void FireCurvedArms(int32_t column);
    void FireRingPointPairs();
    // Route 2: a 61-count cycle of streams from the six ring points; a
    // 91-count cycle of fans held on the aim taken at its start.
    void FireConvergingStreams(int32_t column);
    void FireLockedFans(int32_t column);
    // Route 3: a 61-count cycle of rings split by the aim taken at its start,
    // with aimed bullets from the six ring points.
    void FireLockedRing(int32_t column);
};
