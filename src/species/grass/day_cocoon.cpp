#include "species/grass/day_cocoon.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void DayCocoon::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayCocoon, level); }

void DayCocoon::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void DayCocoon::DrawDayNightCocoon() {
    DrawSheetCell(Rect{0, 64, 64, 128}, 32.0f, 32.0f, 2.0f, 2.0f);
}
