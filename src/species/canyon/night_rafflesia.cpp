#include "species/canyon/night_rafflesia.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void NightRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightRafflesia, level); }

void NightRafflesia::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
