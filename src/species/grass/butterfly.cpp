#include "species/grass/butterfly.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// One-frame death: a small burst and a ring of 3..8 orbs by grade and
// Difficulty; it leaves 100 pixels outside the playfield.
constexpr OrdinaryRules kButterFlyRules{
    .death = {.ring = {{{3, 4, 5}, {4, 5, 6}, {5, 6, 8}}}},
    .margin = 100.0f,
    .facesTarget = true,
};

}   // namespace

void ButterFly::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesButterFly, level); }

void ButterFly::Update() {
    RunOrdinaryFrame(kButterFlyRules, [this] { MoveAndFire(); });
}

void ButterFly::MoveAndFire() {
    static constexpr void (ButterFly::*kRoutines[6])() = {&ButterFly::FireGrade1Route1, &ButterFly::FireGrade1Route2,
                                                          &ButterFly::FireGrade1Route3, &ButterFly::FireGrade2Route1,
                                                          &ButterFly::FireGrade2Route2, &ButterFly::FireGrade2Route3};
    FlySmallFlyerPath();
    RunRoutine(*this, kRoutines, GradeRouteRoutine(CaveRoutine::kOnEveryRoute));
}
