#include "species/grass/middle_butterfly.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void MiddleButterFly::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMiddleButterFly, level); }

void MiddleButterFly::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void MiddleButterFly::DrawMiddleButterFlyMoth() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 256, 256}, 128.0f, 128.0f, 1.5f, 1.0f);
}
