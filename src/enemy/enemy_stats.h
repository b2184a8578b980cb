#pragma once
// The species stat table: what SpawnEnemy and the species' stat functions
// write into a freshly filled slot.
#include <cstdint>

class Texture;

// The draw layer of a species (1 ground, 0 air); -1 for an unknown species.
int32_t SpeciesLayer(int32_t species);
// True when the species has a stat row at this level.
bool SpeciesHasStatRow(int32_t species, int32_t level);
// The species' sprite sheet (whichever field spawns it); null when unknown.
Texture* SpeciesSheet(int32_t species);

// Writes the species' row for `level` into the enemy of pool slot `slot`:
// layer, level, HP and max HP, attacks, defences, first phase duration,
// reward, bonus timer, and opens the slot's gauge record. The row is chosen
// by the level and, for the species with two forms, by whether the enemy's
// variant is 0. A level the species lacks sets only the layer.
void ApplySpeciesStats(int32_t slot, int32_t species, int32_t level);
