#include "species/grass/moth.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Moth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMoth, level); }

void Moth::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
