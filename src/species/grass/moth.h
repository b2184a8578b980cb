#pragma once
// Species 6: the small flyer of the grass plain by night.
#include <cstdint>

#include "species/grass/small_flyer.h"

class Moth : public virtual SmallFlyer {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death step, or animation, facing, path and fire,
    // phase timer and the removal 200 pixels outside the playfield.
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
};
