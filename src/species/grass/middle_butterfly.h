#pragma once
// Species 2: the middle flyer of the grass plain by day.
#include <cstdint>

#include "species/grass/middle_flyer.h"

struct MiddleButterFlyStream;
struct MiddleButterFlyGrade2;

class MiddleButterFly : public virtual MiddleFlyer {
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
    // Path 0 of a grade-1 routine: twin-muzzle bursts at the aim.
    void FireAimedStream(const MiddleButterFlyStream (&byDifficulty)[3]);
    // A grade-2 routine: its own volleys on path 0, on path 1 and on the arcs.
    void FireGrade2(const MiddleButterFlyGrade2& routine);
    void FireFlankedBurst(const MiddleButterFlyGrade2& routine);
    void FireFansAndWings(const MiddleButterFlyGrade2& routine);
    void FireSideShotsAndHalfRings(const MiddleButterFlyGrade2& routine);
};
