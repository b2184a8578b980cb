#include "species/cave/element.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Element::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesElement, level); }

void Element::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void Element::Draw() {
    DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 28.0f, 2.0f, 2.0f);
}
