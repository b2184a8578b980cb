#include "species/grass/day_cocoon.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void DayCocoon::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayCocoon, level); }

void DayCocoon::Update() {
    RunOrdinaryFrame(kCocoonRules, [this] { MoveAndFire(); });
}

void DayCocoon::MoveAndFire() {
    static constexpr void (DayCocoon::*kRoutines[6])() = {&DayCocoon::FireGrade1Route1, &DayCocoon::FireGrade1Route2,
                                                          &DayCocoon::FireGrade1Route3, &DayCocoon::FireGrade2Route1,
                                                          &DayCocoon::FireGrade2Route2, &DayCocoon::FireGrade2Route3};
    RunRoutine(*this, kRoutines, SinkAndPickRoutine());
}
