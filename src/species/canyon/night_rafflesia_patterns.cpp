// The night rafflesia's three fire routines: three forms on route 1, two on
// route 2, one on route 3. Every bullet is an ordinary one: its behaviour
// means something only on the field route that gives it a meaning.
#include "species/canyon/night_rafflesia.h"

#include "core/saturate.h"

namespace {

constexpr int32_t kSlowOrHome = 31;   // slows to 3 on route 1; brakes, then homes, on route 2

using Directions = SmallRafflesia::Directions;
// The directions of the slowing rings.
constexpr Directions kSlowingRings[3] = {{5, 72.0f}, {8, 45.0f}, {10, 36.0f}};
// The locked ring of route 3: the aim falls in the middle of one gap.
constexpr Directions kLockedRings[3] = {{9, 40.0f}, {12, 30.0f}, {15, 24.0f}};

// The locked fans of route 2: m small colour-1 bullets from L - u, v apart;
// n large colour-2 bullets from L - w, t apart.
struct LockedFans {
    int32_t small;
    float smallStart, smallStep;
    int32_t large;
    float largeStart, largeStep;
};
constexpr LockedFans kLockedFans[3] = {
    {4, 30.0f, 20.0f, 5, 40.0f, 20.0f}, {6, 37.5f, 15.0f, 7, 45.0f, 15.0f}, {8, 35.0f, 10.0f, 9, 40.0f, 10.0f}};

constexpr int32_t kRingPoints = 6;   // the streams leave from six ring points, 60 degrees apart
constexpr int32_t kStreamCycleEnd = 60;
constexpr int32_t kStreamCounts = 30;
constexpr int32_t kFanCycleEnd = 90;
constexpr int32_t kFanCounts = 60;

}   // namespace

void NightRafflesia::FireGrade2Route1() {
    switch (variant) {
        case 0: RunVolley(0, {10, 10, 10}, [this](int32_t c) { FireSlowingRings(c); }); break;   // slowing rings
        case 1: RunVolley(0, {30, 20, 20}, [this](int32_t c) { FireCurvedArms(c); }); break;     // curved arms
        case 2: RunVolley(0, {12, 9, 6}, [this](int32_t) { FireRingPointPairs(); }); break;      // pairs
        default: break;
    }
}

void NightRafflesia::FireGrade2Route2() {
    switch (variant) {
        case 0:   // converging streams
            RunCycle(kStreamCycleEnd, true, [this](int32_t c) {
                if (shotCounter >= kStreamCounts || shotCounter % 2 != 0) return false;
                FireConvergingStreams(c);
                return true;
            });
            break;
        case 1:   // locked fans
            RunCycle(kFanCycleEnd, false, [this](int32_t c) {
                if (shotCounter >= kFanCounts) return false;
                FireLockedFans(c);
                return true;
            });
            break;
        default: break;   // form 2 holds its fire
    }
}

void NightRafflesia::FireGrade2Route3() {
    if (variant != 0) return;
    RunCycle(kStreamCycleEnd, false, [this](int32_t c) {
        if (shotCounter >= kStreamCounts || shotCounter % 3 != 0) return false;
        FireLockedRing(c);
        return true;
    });
}

void NightRafflesia::FireSlowingRings(int32_t column) {
    const Directions& d = kSlowingRings[column];
    for (int32_t k = 0; k < d.count; ++k) {
        const float a = Degrees(k, d.step);
        FireShot(
            Shot{.from = Centre(), .angle = a + spinAngle, .speed = 8.0f, .look = kLookL2, .behaviour = kSlowOrHome});
        FireShot(
            Shot{.from = Centre(), .angle = -a - spinAngle, .speed = 6.0f, .look = kLookL1, .behaviour = kSlowOrHome});
    }
    spinAngle += 6.0f;
}

void NightRafflesia::FireCurvedArms(int32_t column) {
    static constexpr int32_t kPeriods[3] = {30, 20, 20};
    const bool colourOne = shotCounter % (2 * kPeriods[column]) == 0;
    if (column < 2) {
        // Arms of six that bend as they slow, the two colours opposite ways.
        const float bend = colourOne ? 2.0f : -2.0f;
        for (int32_t i = 0; i < 10; ++i) {
            for (int32_t j = 0; j < 6; ++j) {
                FireShot(Shot{.from = Centre(),
                              .angle = Degrees(i, 36.0f) + Degrees(j, bend),
                              .speed = 8.0f - 0.3f * Real(j),
                              .look = colourOne ? kLookL1 : kLookL2});
            }
        }
    } else if (colourOne) {
        const Shot comb{.from = Centre(), .speed = 8.0f, .look = kLookL1};
        for (int32_t i = 0; i < 15; ++i) FireRing(comb, 5, Degrees(i, 24.0f) + 74.0f, 2.0f);
    } else {
        for (int32_t i = 0; i < 15; ++i) {
            const Shot stack{
                .from = Centre(), .angle = Degrees(i, 24.0f), .speed = 8.0f, .look = kLookL2, .aimed = true};
            FireColumn(stack, 5, -0.25f);
        }
    }
}

void NightRafflesia::FireRingPointPairs() {
    for (int32_t k = 0; k < 10; ++k) {
        const float a = Degrees(k, 36.0f);
        FireShot(Shot{.from = RingPoint(a), .angle = a + spinAngle, .speed = 6.0f, .look = kLookL1});
        const float b = a - spinAngle;
        FireShot(Shot{.from = RingPoint(b), .angle = b, .speed = 5.0f, .look = kLookL2});
    }
    spinAngle += 11.0f;
}

void NightRafflesia::FireConvergingStreams(int32_t column) {
    static constexpr float kSideAngles[3] = {0.0f, 45.0f, 30.0f};
    const float rise = 0.2f * Real(shotCounter);
    for (int32_t k = 0; k < kRingPoints; ++k) {
        const Muzzle p = RingPoint(Degrees(k, 60.0f) + spinAngle);
        const Shot centre{.from = p, .speed = (column > 0 ? 8.0f : 6.0f) + rise, .look = kLookL2, .aimed = true};
        if (column == 0) {
            FireShot(centre);
            continue;
        }
        Shot side{.from = p, .angle = -kSideAngles[column], .speed = 6.0f + rise, .look = kLookL1, .aimed = true};
        FireShot(side);
        FireShot(centre);
        side.angle = kSideAngles[column];
        FireShot(side);
    }
    spinAngle += 3.0f;
}

void NightRafflesia::FireLockedFans(int32_t column) {
    const LockedFans& f = kLockedFans[column];
    const float aim = LockedAimDegrees();
    if (shotCounter % 10 == 0)
        FireRing(Shot{.from = Centre(), .speed = 6.0f, .look = kLookS1}, f.small, aim - f.smallStart, f.smallStep);
    if (shotCounter % 5 == 0)
        FireRing(Shot{.from = Centre(), .speed = 8.0f, .look = kLookL2}, f.large, aim - f.largeStart, f.largeStep);
}

void NightRafflesia::FireLockedRing(int32_t column) {
    const Directions& d = kLockedRings[column];
    const float aim = LockedAimDegrees();
    FireRing(Shot{.from = Centre(), .speed = 9.0f, .look = kLookL1}, d.count, aim - d.step / 2.0f, d.step);
    const float speed = 6.0f + 0.2f * Real(shotCounter);
    for (int32_t k = 0; k < kRingPoints; ++k) {
        const Muzzle p = RingPoint(Degrees(k, 60.0f) + spinAngle);
        FireShot(Shot{.from = p, .speed = speed, .look = kLookL2, .aimed = true});
    }
    spinAngle += 9.0f;
}
