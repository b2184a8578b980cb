#pragma once
// Species 1: the small flyer of the grass plain by day, the most common enemy.
#include <cstdint>

#include "species/grass/small_flyer.h"

class ButterFly : public virtual SmallFlyer {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death drop, or animation, facing, path and fire, phase
    // timer and the removal 100 pixels outside the playfield.
    void Update();
    // The path of the variant, then the fire routine of the grade and route.
    void MoveAndFire();

    // The shot routines: grade 1 by route, grade 2 by route (grade 3 runs the
    // second of these whatever the route).
    void FireGrade1Route1();
    void FireGrade1Route2();
    void FireGrade1Route3();
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();

private:
    // Paths 4 and 5 of the grade-2 routines: from the first shot count on,
    // every period, a side pair whose sides each fire `first` at speed 6 and
    // then `second` at speed 7.
    void FireMixedSidePair(const int32_t (&periods)[3], BulletLook first, BulletLook second);
};
