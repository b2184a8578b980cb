#include "species/canyon/eagle.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Eagle::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesEagle, level); }

void Eagle::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void Eagle::DrawEagleBat() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 256, left + 256, 384}, 128.0f, 64.0f, 2.0f, 2.0f);
}
