#pragma once
// Species 13: the small rafflesia of the canyon by day (also in the cave).
#include <cstdint>

#include "species/canyon/small_rafflesia.h"

class DayRafflesia : public virtual SmallRafflesia {
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
    // Route 1: rings of five-bullet stacks with small triplets; rings that
    // split on route 1, colour 1 and 2 by turns; two rings of tight combs.
    void FireStackedRings();
    void FireSplittingRing();
    void FireDoubleCombs();
    // Route 2: an aimed fan and a ring from the ring points open at the
    // bottom; two spiral arms turning opposite ways; combs and a heavy fan.
    void FireGappedRing(int32_t column);
    void FireTwinSpirals(int32_t column);
    void FireCombsAndFan();
    // Route 3: arrowhead rings, colour 1 and 2 by turns; a 121-count cycle of
    // bursts that speed up; columns with flanking pairs.
    void FireChevronRing(int32_t period);
    void FireAcceleratingBursts(int32_t column);
    void FireFlankedColumns(int32_t column);
};
