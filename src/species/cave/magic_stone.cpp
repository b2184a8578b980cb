#include "species/cave/magic_stone.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void MagicStone::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMagicStone, level); }

void MagicStone::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void MagicStone::Draw() {
    DrawSheetCell(Rect{0, 0, 128, 256}, 64.0f, 128.0f, 1.0f, 1.0f);
}
