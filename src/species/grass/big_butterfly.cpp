#include "species/grass/big_butterfly.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void BigButterFly::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigButterFly, level); }

void BigButterFly::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void BigButterFly::DrawBigButterFlyMoth() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 256, 256}, 128.0f, 128.0f, 2.0f, 1.5f);
}
