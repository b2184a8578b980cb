#include "species/grass/spider.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Spider::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesSpider, level); }

void Spider::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}
