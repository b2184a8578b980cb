#include "species/canyon/bat.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void Bat::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBat, level); }

void Bat::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
