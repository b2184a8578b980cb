#include "species/cave/big_element.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void BigElement::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigElement, level); }

void BigElement::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void BigElement::Draw() {
    DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 28.0f, 3.0f, 3.0f);
}
