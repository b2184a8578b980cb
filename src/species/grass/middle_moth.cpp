#include "species/grass/middle_moth.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void MiddleMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMiddleMoth, level); }

void MiddleMoth::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
