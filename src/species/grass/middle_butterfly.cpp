#include "species/grass/middle_butterfly.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// The butterfly's arcs: 9 - 0.075 t pixels a frame sideways.
constexpr MiddleArcSpeed kButterFlyArc{9.0f, 0.075f};

}   // namespace

void MiddleButterFly::InitStatus(int32_t slot, int32_t level) {
    ApplySpeciesStats(slot, kSpeciesMiddleButterFly, level);
}

void MiddleButterFly::Update() {
    RunOrdinaryFrame(kMiddleFlyerRules, [this] { MoveAndFire(); });
}

void MiddleButterFly::MoveAndFire() {
    static constexpr void (MiddleButterFly::*kRoutines[6])() = {
        &MiddleButterFly::FireGrade1Route1, &MiddleButterFly::FireGrade1Route2, &MiddleButterFly::FireGrade1Route3,
        &MiddleButterFly::FireGrade2Route1, &MiddleButterFly::FireGrade2Route2, &MiddleButterFly::FireGrade2Route3};
    FlyMiddlePath(kButterFlyArc);
    RunRoutine(*this, kRoutines, GradeRouteRoutine(CaveRoutine::kOnKnownRoutes));
}
