#pragma once
// What the canyon's ground turrets, the mushrooms (species 11 and 16) and the
// small rafflesias (species 13 and 18), share: the ride on the scrolling
// ground and the choice of their fire routine.
#include <cstdint>

#include "enemy/species_kit.h"

class GroundTurret : public virtual SpeciesKit {
protected:
    // A species' three fire routines, for routes 1, 2 and 3.
    template <class Species>
    using TurretRoutines = void (Species::*const[3])();

    // y + the scroll speed when `rides`; x and z stay.
    void RideGround(bool rides) {
        if (rides) y += scrollSpeed;
    }
    // Which routine fires this frame: none (-1) below y = 360; at grade 2 the
    // route's (0..2, none for another route); at grade 3 the route-2 routine
    // whatever the route; none at any other grade.
    int32_t TurretRoutine() const;
    // Runs the routine of the frame, if any.
    template <class Species>
    void FireTurretRoutine(Species& self, const TurretRoutines<Species>& routines) {
        RunRoutine(self, routines, TurretRoutine());
    }
};
