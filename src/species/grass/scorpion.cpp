#include "species/grass/scorpion.h"

#include "core/game_codes.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void Scorpion::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesScorpion, level); }

void Scorpion::Update() {
    if (status.hp < 1) Retire(kRetireKilled, 0, 0);
}

void Scorpion::DrawScorpionSpider() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 256, left + 256, 512}, 128.0f, 128.0f, 1.5f, 1.5f);
}
