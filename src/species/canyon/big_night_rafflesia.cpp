#include "species/canyon/big_night_rafflesia.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void BigNightRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigNightRafflesia, level); }

void BigNightRafflesia::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
