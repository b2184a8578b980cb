#include "species/canyon/day_rafflesia.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void DayRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayRafflesia, level); }

void DayRafflesia::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void DayRafflesia::DrawDayNightRafflesia() {
    DrawSheetCell(Rect{0, 64, 128, 192}, 64.0f, 64.0f, 1.5f, 1.5f);
}
