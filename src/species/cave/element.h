#pragma once
// Species 21: the cave's floating body that fires nothing itself and commands
// six satellites, in two turning rings or spread below it.
#include <cstdint>

#include "enemy/species_kit.h"

class Element : public virtual SpeciesKit {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death (bullets cancelled, burst, orbs, every satellite
    // killed with its own drops), or bob counter, Move, age + 1 and, 200
    // pixels outside the playfield, the silent removal with its satellites.
    void Update();
    // Variants 0..3: the body drops in, holds and rises away from age 360;
    // its six satellites are launched at age 0 and placed every frame. Then
    // the bob (any other variant only bobs).
    void Move();
    // Draws the enemy from its sheet with the hit tint and clears the hit flag.
    void Draw();

    static constexpr int kSatelliteCount = 6;
    int32_t satellites[kSatelliteCount];   // EnemyChildPool indices, -1 none
};
