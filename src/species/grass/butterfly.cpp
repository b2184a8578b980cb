#include "species/grass/butterfly.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void ButterFly::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesButterFly, level); }

void ButterFly::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void ButterFly::DrawButterFlyMoth() {
    // Flyers on the aimed paths turn towards their facing, the weaving paths
    // along their heading; every other path is drawn upright.
    float angle = 0.0f;
    if (variant >= 1 && variant <= 3) {
        angle = facingAngle * 57.2957763671875f - 90.0f;
    } else if (variant >= 9 && variant <= 12) {
        angle = headingAngle - 90.0f;
    }
    const int32_t left = 64 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 64, 64}, 32.0f, 32.0f, 2.0f, 2.0f, angle);
}
