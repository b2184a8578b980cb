#include "species/canyon/night_mushroom.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void NightMushroom::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightMushroom, level); }

void NightMushroom::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
