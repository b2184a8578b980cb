#include "species/canyon/night_mushroom.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void NightMushroom::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightMushroom, level); }

void NightMushroom::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
