#include "species/canyon/mushroom.h"

#include "core/object_base.h"

namespace {

// The volleys' period by Difficulty.
constexpr int32_t kVolleyPeriods[3] = {60, 45, 30};
// The stream's length (shot counts) by Difficulty, and its cycle.
constexpr int32_t kStreamCounts[3] = {10, 15, 20};
constexpr int32_t kStreamCycleEnd = 40;
constexpr float kCentreSpeed = 8.0f;
constexpr float kSecondCentreSpeed = 5.0f;
constexpr float kSideSpeed = 6.0f;
constexpr float kStreamSpeed = 9.0f;
constexpr float kStreamSlowing = 0.1f;
constexpr int32_t kRoute2 = 1;

// A small burst and a ring of 4 / 5 / 6 orbs in the canyon, 5 / 6 / 8 in the cave.
constexpr OrdinaryDeath kMushroomDeath{.ring = {{{0, 0, 0}, {4, 5, 6}, {5, 6, 8}}}};

}   // namespace

void Mushroom::DieMushroom() { DieOrdinary(kMushroomDeath); }

void Mushroom::FireMushroomVolley(const MushroomLooks& looks, int32_t routeIndex) {
    if (variant == 0) FireCentreAndSides(looks, routeIndex, 1);
}

void Mushroom::FireMushroomRoute2(const MushroomLooks& looks) {
    switch (variant) {
        case 0: FireCentreAndSides(looks, kRoute2, 2); break;   // two centre bullets and the sides
        case 1: FireMushroomStream(looks); break;               // the aimed stream
        default: break;
    }
}

void Mushroom::FireCentreAndSides(const MushroomLooks& looks, int32_t routeIndex, int32_t centres) {
    RunVolley(0, kVolleyPeriods, [&](int32_t) {
        const Shot centre{.from = MushroomMuzzle(), .speed = kCentreSpeed, .look = looks.centre, .aimed = true};
        FireColumn(centre, centres, kSecondCentreSpeed - kCentreSpeed);
        const Shot side{.from = MushroomMuzzle(), .speed = kSideSpeed, .look = looks.side, .aimed = true};
        const float w = looks.sideAngle[routeIndex];
        FireFan(side, 2, 0.0f, 2.0f * w);
    });
}

void Mushroom::FireMushroomStream(const MushroomLooks& looks) {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    const Muzzle muzzle = MushroomMuzzle();
    const int32_t n = shotCounter;
    if (n == 0) facingAngle = AimAngle(muzzle.x, muzzle.y);
    if (n < kStreamCounts[column] && n % 2 == 0) {
        FireShot(Shot{.from = muzzle,
                      .angle = facingAngle * kRadToDeg,
                      .speed = kStreamSpeed - kStreamSlowing * static_cast<float>(n),
                      .look = looks.centre});
    }
    if (n >= kStreamCycleEnd) shotCounter = -1;
    ++shotCounter;
}
