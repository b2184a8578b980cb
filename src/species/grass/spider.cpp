#include "species/grass/spider.h"

#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

void Spider::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesSpider, level); }

void Spider::Update() {
    if (status.hp < 1) Retire(1, 0, 0);
}
