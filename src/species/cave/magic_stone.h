#pragma once
// Species 24: the cave's boss. It floats down, cycles through three
// formations of satellites (firing fanned volleys of its own in the third),
// breaks below 30001 HP and then loops spiralling sets of satellites with
// bursting aimed rings until it sinks away in a storm of explosions. Any
// variant other than 0 is a still, unarmed form that rises away (variant 1).
#include <cstdint>

#include "enemy/species_kit.h"

class MagicStone : public virtual SpeciesKit {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: bob counter and UpdateSatellites; then the death chain, or
    // Fire (variant 0), the break, the phase clock (a change removes every
    // satellite) and the silent removal 400 pixels outside the playfield.
    void Update();
    // The phase's formation and movement, then the bob.
    void UpdateSatellites();
    // The stone's own bullets: fanned volleys in phase 3, aimed rings in phase 5.
    void Fire();
    // Draws the enemy from its sheet with the hit tint and clears the hit flag.
    void Draw();

    static constexpr int kSatelliteCount = 20;
    int32_t satellites[kSatelliteCount];   // EnemyChildPool indices, -1 none

private:
    // The phase after the current one, entered when its clock runs out.
    void EnterNextPhase();
    // Below the HP threshold: phase 4, the satellites killed with their
    // drops and rewards, every enemy bullet cancelled.
    void Break();
    // Phases 1 to 3: the two rings of the phase's formation table.
    void PlaceRings(int32_t t);
    // Phase 5: a set of twenty every 90 frames, spiralling out.
    void PlaceSpiralSet(int32_t t);
    // One fanned volley (phase 3) for the current shot count.
    void FireFannedVolley() const;
    // One aimed ring (phase 5) for Difficulty column d.
    void FireAimedRing(int32_t d);
};
