#include "species/canyon/big_night_rafflesia.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void BigNightRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigNightRafflesia, level); }

void BigNightRafflesia::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
