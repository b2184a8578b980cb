#include "species/canyon/ground_turret.h"

namespace {

constexpr float kFireLine = 360.0f;   // turrets fire only while in the upper half
constexpr int32_t kCanyonGrade = 2;
constexpr int32_t kCaveGrade = 3;
constexpr int32_t kCaveRoutine = 1;   // the cave runs the route-2 routine

}   // namespace

int32_t GroundTurret::TurretRoutine() const {
    if (y > kFireLine) return -1;
    if (grade == kCanyonGrade) return route >= 1 && route <= 3 ? route - 1 : -1;
    if (grade == kCaveGrade) return kCaveRoutine;
    return -1;
}
