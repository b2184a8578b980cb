#include "species/grass/night_cocoon.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void NightCocoon::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightCocoon, level); }

void NightCocoon::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
