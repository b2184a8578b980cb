#include "species/grass/moth.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void Moth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMoth, level); }

void Moth::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
