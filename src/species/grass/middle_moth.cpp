#include "species/grass/middle_moth.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void MiddleMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMiddleMoth, level); }

void MiddleMoth::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
