#include "species/grass/night_cocoon.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void NightCocoon::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightCocoon, level); }

void NightCocoon::Update() {
    RunOrdinaryFrame(kCocoonRules, [this] { MoveAndFire(); });
}

void NightCocoon::MoveAndFire() {
    static constexpr void (NightCocoon::*kRoutines[6])() = {
        &NightCocoon::FireGrade1Route1, &NightCocoon::FireGrade1Route2, &NightCocoon::FireGrade1Route3,
        &NightCocoon::FireGrade2Route1, &NightCocoon::FireGrade2Route2, &NightCocoon::FireGrade2Route3};
    RunRoutine(*this, kRoutines, SinkAndPickRoutine());
}
