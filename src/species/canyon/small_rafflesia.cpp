#include "species/canyon/small_rafflesia.h"

#include "core/object_base.h"

namespace {

constexpr float kRingRadius = 50.0f;

}   // namespace

// Every bullet cancelled first, then the middle burst, one big orb and a ring
// of 6 / 7 / 9 orbs in the canyon, 7 / 8 / 10 in the cave.
const OrdinaryRules SmallRafflesia::kRafflesiaRules{
    .death = {.burst = DeathBurst::kMiddle,
              .cancel = DeathCancel::kBeforeBurst,
              .bigItem = true,
              .ring = {{{0, 0, 0}, {6, 7, 9}, {7, 8, 10}}}},
    .margin = 200.0f,
    .animated = false,
};

Muzzle SmallRafflesia::RingPoint(float degrees) const { return PointAround(x, y, kRingRadius, kRingRadius, degrees); }

float SmallRafflesia::LockedAimDegrees() {
    if (shotCounter == 0) facingAngle = AimAngle(x, y);
    return facingAngle * kRadToDeg;
}
