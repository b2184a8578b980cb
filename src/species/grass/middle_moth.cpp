#include "species/grass/middle_moth.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// The moth's arcs are wider: 12 - 0.1 t pixels a frame sideways.
constexpr MiddleArcSpeed kMothArc{12.0f, 0.1f};

}   // namespace

void MiddleMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMiddleMoth, level); }

void MiddleMoth::Update() {
    RunOrdinaryFrame(kMiddleFlyerRules, [this] { MoveAndFire(); });
}

void MiddleMoth::MoveAndFire() {
    static constexpr void (MiddleMoth::*kRoutines[6])() = {
        &MiddleMoth::FireGrade1Route1, &MiddleMoth::FireGrade1Route2, &MiddleMoth::FireGrade1Route3,
        &MiddleMoth::FireGrade2Route1, &MiddleMoth::FireGrade2Route2, &MiddleMoth::FireGrade2Route3};
    FlyMiddlePath(kMothArc);
    RunRoutine(*this, kRoutines, GradeRouteRoutine(CaveRoutine::kOnKnownRoutes));
}
