#include "species/canyon/night_rafflesia.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void NightRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightRafflesia, level); }

void NightRafflesia::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
