#include "species/canyon/big_day_rafflesia.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void BigDayRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigDayRafflesia, level); }

void BigDayRafflesia::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void BigDayRafflesia::DrawBigDayNightRafflesia() {
    DrawSheetCell(Rect{0, 0, 256, 256}, 128.0f, 128.0f, 1.5f, 1.5f);
}
