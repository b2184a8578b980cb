#pragma once
// Species 7: the middle flyer of the grass plain by night.
#include <cstdint>

#include "species/grass/middle_flyer.h"

struct MiddleMothBurst;
struct MiddleMothGrade2;

class MiddleMoth : public virtual MiddleFlyer {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death step, or animation, path and fire, phase timer
    // and the removal 200 pixels outside the playfield.
    void Update();
    // The path of the variant, then the fire routine of the grade and route.
    void MoveAndFire();

    // The fire routines: grade 1 by route, grade 2 by route (grade 3 runs the
    // second of these whatever the route).
    void FireGrade1Route1();
    void FireGrade1Route2();
    void FireGrade1Route3();
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();

private:
    // Path 0: the three-bullet spread from below the centre, with a wing
    // bullet either side where the burst has them.
    void FireSpreadBurst(const MiddleMothBurst& burst);
    // A grade-2 routine: the spread on path 0, fans and streams on path 1,
    // wing fans and ring shots on the arcs.
    void FireGrade2(const MiddleMothGrade2& routine);
    void FireFansAndStreams(const MiddleMothGrade2& routine);
    void FireWingFansAndRingShots(const MiddleMothGrade2& routine);
};
