#include "species/grass/moth.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// One-frame death: a small burst and a ring of 3..8 orbs by grade and Difficulty.
constexpr OrdinaryRules kMothRules{
    .death = {.ring = {{{3, 4, 5}, {4, 5, 6}, {5, 6, 8}}}},
    .margin = 200.0f,
    .facesTarget = true,
};

}   // namespace

void Moth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMoth, level); }

void Moth::Update() {
    RunOrdinaryFrame(kMothRules, [this] { MoveAndFire(); });
}

void Moth::MoveAndFire() {
    static constexpr void (Moth::*kRoutines[6])() = {&Moth::FireGrade1Route1, &Moth::FireGrade1Route2,
                                                     &Moth::FireGrade1Route3, &Moth::FireGrade2Route1,
                                                     &Moth::FireGrade2Route2, &Moth::FireGrade2Route3};
    FlySmallFlyerPath();
    RunRoutine(*this, kRoutines, GradeRouteRoutine(CaveRoutine::kOnKnownRoutes));
}
