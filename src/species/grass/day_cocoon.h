#pragma once
// Species 3: the cocoon of the grass plain by day (grade 1) and of the canyon
// by day (grade 2), a ground turret that rides down with the field.
#include <cstdint>

#include "species/grass/cocoon.h"

class DayCocoon : public virtual Cocoon {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death, or riding down and firing, phase timer and the
    // removal 200 pixels outside the playfield.
    void Update();
    // The ride with the scroll, then the fire routine of the grade and route.
    void MoveAndFire();

    // The six patterns: grade 1 by route (variants 0..2), grade 2 by route
    // (variant 0 only).
    void FireGrade1Route1();
    void FireGrade1Route2();
    void FireGrade1Route3();
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();

private:
    // Grade 1 route 1, variant 2: a random bullet every 10 counts (not at
    // count 0 at Difficulty 2) and, from Difficulty 2, a random aimed fan
    // every 60.
    void FireRandomSprays(int32_t column);
    // Grade 1 route 2, variant 1: fans from the left and the right muzzle by
    // turns.
    void FireSideFans(int32_t column);
};
