#include "species/grass/big_moth.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void BigMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigMoth, level); }

void BigMoth::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
