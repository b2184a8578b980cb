#include "species/cave/floor_crystal.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void FloorCrystal::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesFloorCrystal, level); }

void FloorCrystal::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void FloorCrystal::Draw() {
    // Variants 0..3 and 4..7 share the four crystal looks, one row each.
    if (variant < 0 || variant > 7) {
        hitFlag = 0;
        return;
    }
    const int32_t top = 64 + 64 * (variant % 4);
    DrawSheetCell(Rect{0, top, 128, top + 64}, 64.0f, 32.0f, 1.5f, 1.5f);
}
