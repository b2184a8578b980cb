#pragma once
// Species 23: the cave's mid-boss. It drops in, runs its three attack phases
// twice, each with its own formation of satellites, sweeps crossing volleys of
// its own in the first, and rises away; or dies through a boss death.
#include <cstdint>

#include "enemy/species_kit.h"

class BigElement : public virtual SpeciesKit {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: bob counter and Move; then the death chain (its satellites
    // killed on its first frame), or Fire, the phase clock (a change removes
    // every satellite) and the silent removal 400 pixels outside the playfield.
    void Update();
    // The phase's movement and satellite formation, then the bob.
    void Move();
    // Phase 1 only: on even shot counts 0..58 of each 61-frame cycle, the two
    // crossing sweeps of large bullets.
    void Fire();
    // Draws the enemy from its sheet with the hit tint and clears the hit flag.
    void Draw();

    static constexpr int kSatelliteCount = 20;
    int32_t satellites[kSatelliteCount];   // EnemyChildPool indices, -1 none

private:
    // The phase after the current one, entered when its clock runs out.
    void EnterNextPhase();
    // The formations of phases 1, 2 and 3, placed at phase time t.
    void PlaceFlankingPair(int32_t t);
    void PlaceEllipse(int32_t t);
    void PlaceSpiral(int32_t t);
    // One volley of both sweeps for Difficulty column d.
    void FireSweeps(int32_t d) const;
};
