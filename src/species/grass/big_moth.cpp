#include "species/grass/big_moth.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void BigMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigMoth, level); }

void BigMoth::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
