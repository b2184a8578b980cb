#pragma once
// Species 25: a crystal lying on the cave floor, riding its scroll and firing
// from where it lies (variants 0..3); variants 4..7 show the same looks and
// never fire.
#include <cstdint>

#include "enemy/species_kit.h"

class FloorCrystal : public virtual SpeciesKit {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame: the death (burst, ten orbs, reward), or the scroll (variants
    // below 8), Fire, phase timer + 1 and the silent removal 200 pixels
    // outside the playfield.
    void Update();
    // Variants 0, 1: a cross of four muzzles turning a degree a frame, firing
    // every fourth frame. Variants 2, 3: streams of ten pairs either side of
    // an aim taken every 20 frames, speeding up. Other variants fire nothing
    // and leave the shot counter alone.
    void Fire();
    // Draws the enemy from its sheet with the hit tint and clears the hit flag.
    void Draw();

private:
    void FireTurningCross(float angle, BulletLook look) const;
    void FireLatchedStream(BulletLook look);
};
