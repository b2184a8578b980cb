#include "species/canyon/day_mushroom.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void DayMushroom::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayMushroom, level); }

void DayMushroom::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void DayMushroom::DrawDayNightMushroom() {
    DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 32.0f, 2.0f, 2.0f);
}
