#pragma once
// Species 16: the ground mushroom of the canyon by night (also in the cave).
#include <cstdint>

#include "species/canyon/mushroom.h"

class NightMushroom : public virtual Mushroom {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death, or the ride and fire and the removal.
    void Update();
    // The ride, then the fire routine of the grade and route.
    void MoveAndFire();

    // The fire routines by route (grade 3 runs the second whatever the route).
    void FireGrade2Route1();
    void FireGrade2Route2();
    void FireGrade2Route3();
};
