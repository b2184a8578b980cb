#include "species/canyon/bat.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Bat::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBat, level); }

void Bat::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
