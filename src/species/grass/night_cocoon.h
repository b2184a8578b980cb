#pragma once
// Species 8: the cocoon of the grass plain by night (grade 1) and of the
// canyon by night (grade 2), a ground turret that rides down with the field.
#include <cstdint>

#include "species/grass/cocoon.h"

class NightCocoon : public virtual Cocoon {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death, or riding down and firing, phase timer and the
    // removal 200 pixels outside the playfield.
    void Update();
    // The ride with the scroll, then the fire routine of the grade and route.
    void MoveAndFire();

    // The six fire routines: grade 1 by route, grade 2 by route.
    void FireGrade1Route1();
    void FireGrade1Route2();
    void FireGrade1Route3();
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();

private:
    // n bullets `step` apart from the centre muzzle, turned by the spin angle
    // w: at w, w + step, ... on counts that are multiples of twice the
    // period, else at -w, -w - step, ...
    void FireTurningRing(const Shot& shot, int32_t n, float step, int32_t period);
    // Two fans about 0, fired once, at count 30 (every call counts): shot a's
    // fan, then shot b's, `step` degrees between directions, each direction a
    // column of speeds 0.5 apart.
    struct TwinFans {
        int32_t groupsA, speedsA;
        int32_t groupsB, speedsB;
        float step;
    };
    void FireTwinFans(const TwinFans& fans, Shot a, Shot b);
};
