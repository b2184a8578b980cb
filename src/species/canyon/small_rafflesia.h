#pragma once
// What the two small rafflesias, DayRafflesia (species 13) and
// NightRafflesia (species 18), share: one frame with its death, the ride on
// the ground, the ring points their volleys leave from, and the draw (in
// canyon_draws.cpp).
#include <cstdint>

#include "species/canyon/ground_turret.h"

class SmallRafflesia : public virtual GroundTurret {
public:
    // Bullets spread evenly round the rafflesia: how many, and the angle between them.
    struct Directions {
        int32_t count;
        float step;
    };

    // The small-rafflesia draw: the 128 x 128 cell at (0, 64), scale 1.5.
    void DrawDayNightRafflesia();

protected:
    // One frame: the death (bullets cancelled, the middle burst, a big orb and
    // a ring), or moveAndFire(), the phase timer and the removal 200 pixels
    // outside the playfield.
    template <class MoveAndFire>
    void RunRafflesiaFrame(MoveAndFire&& moveAndFire) {
        RunOrdinaryFrame(kRafflesiaRules, moveAndFire);
    }
    // Forms 0..2 ride the ground; then the routine of the grade and route.
    template <class Species>
    void RideAndFire(Species& self, const TurretRoutines<Species>& routines) {
        RideGround(variant <= 2);
        FireTurretRoutine(self, routines);
    }
    // The point 50 pixels from the centre in the direction `degrees`.
    Muzzle RingPoint(float degrees) const;
    // Takes the aim from the centre at the start of a cycle (count 0) and
    // gives the aim of the cycle in degrees.
    float LockedAimDegrees();
    // One call of a form that runs in a cycle: outside Difficulty 1..3
    // nothing, not even the count; else fire(column), which tells whether it
    // fired; a call that fired nothing with the count at `last` or more
    // starts the cycle again (count -1, and the rotating angle 0 when
    // `restartSpin`); then count + 1.
    template <class Fire>
    void RunCycle(int32_t last, bool restartSpin, Fire&& fire) {
        const int32_t column = DifficultyColumn();
        if (column < 0) return;
        if (!fire(column) && shotCounter >= last) {
            shotCounter = -1;
            if (restartSpin) spinAngle = 0.0f;
        }
        ++shotCounter;
    }
    // The centre, where most volleys leave from.
    Muzzle Centre() const { return Muzzle{x, y}; }
    // The k-th of directions `step` degrees apart, from 0.
    static float Degrees(int32_t k, float step) { return static_cast<float>(k) * step; }

private:
    static const OrdinaryRules kRafflesiaRules;
};
