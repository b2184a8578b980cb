#include "species/grass/night_cocoon.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void NightCocoon::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightCocoon, level); }

void NightCocoon::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
