// The night boss's four attack patterns. Every bullet is a pattern bullet from
// the muzzle 30 pixels above the centre (phase 3's from points winding in
// towards it); t is the shot counter, r the rotating angle, and the bursts of
// phases 1 and 3 sweep one way or the other by the toggle.
#include "core/random.h"
#include "species/canyon/big_night_rafflesia.h"

namespace {

// The latched aim in degrees.
float Degrees(float radians) { return radians * kRadToDeg; }

}   // namespace

void BigNightRafflesia::LatchBigRafflesiaAim() {
    const Muzzle m = BigRafflesiaMuzzle();
    facingAngle = AimAngle(m.x, m.y);
}

void BigNightRafflesia::SweepingHalfFans(int32_t column) {
    struct Row {
        int32_t fan;   // half-fan bullets, `step` apart over 180 degrees
        float step;
        int32_t ring;   // aimed ring bullets, `ringStep` apart
        float ringStep;
    };
    static constexpr Row kRows[3] = {{7, 30.0f, 30, 12.0f}, {9, 22.5f, 40, 9.0f}, {13, 15.0f, 60, 6.0f}};
    const int32_t t = shotCounter;
    if (t > 30) {   // quiet to the end of the 61-frame burst, then the other sweep
        if (t >= 60) {
            shotCounter = -1;
            toggle = toggle == 0 ? 1 : 0;
        }
        return;
    }
    const Row& row = kRows[column];
    const float ft = static_cast<float>(t);
    const Muzzle m = BigRafflesiaMuzzle();
    if (t == 0) LatchBigRafflesiaAim();
    if (t % 2 == 0) {   // a half-fan round the latched aim; its bullets stop and start again
        const float sweep = (toggle == 1 ? 0.5f : -0.5f) * ft;
        FireRing(Shot{.from = m, .speed = 5.0f + 0.3f * ft, .look = kLookL2, .behaviour = 33, .pattern = true}, row.fan,
                 Degrees(facingAngle) - 90.0f + sweep, row.step);
    }
    if (t % 15 == 0)   // a ring aimed anew
        FireRing(Shot{.from = m, .speed = 9.0f, .look = kLookS1, .aimed = true, .pattern = true}, row.ring,
                 -row.ringStep / 2.0f, row.ringStep);
}

void BigNightRafflesia::TwinRotatingStreams(int32_t column) {
    static constexpr int32_t kPeriods[3] = {4, 3, 2};
    static constexpr float kSpeeds[3] = {6.0f, 7.0f, 8.0f};
    if (shotCounter % kPeriods[column] != 0) return;
    const Muzzle m = BigRafflesiaMuzzle();
    for (int32_t h = 0; h < 2; ++h) {
        const float back = 180.0f * static_cast<float>(h);
        FireRing(Shot{.from = m, .speed = kSpeeds[column], .look = kLookS2, .pattern = true}, 3,
                 spinAngle - 3.0f + back, 3.0f);
        // A single bullet the other way that stops and bursts into an aimed pair.
        FireShot(Shot{
            .from = m, .angle = -spinAngle - back, .speed = 6.0f, .look = kLookS1, .behaviour = 35, .pattern = true});
    }
    spinAngle += 11.0f;
}

void BigNightRafflesia::ClosingSpirals(int32_t column) {
    static constexpr int32_t kPerArm[3] = {2, 3, 4};
    const int32_t t = shotCounter;
    if (t >= 30) {   // quiet to the end of the 46-frame burst, then the other way round
        if (t >= 45) {
            shotCounter = -1;
            toggle = toggle == 0 ? 1 : 0;
        }
        return;
    }
    if (t == 0) LatchBigRafflesiaAim();
    const float ft = static_cast<float>(t);
    // Toggle 0 turns with the clock in colour 2, toggle 1 against it in colour 1.
    const bool clockwise = toggle == 0;
    const float start = Degrees(facingAngle) + (clockwise ? -90.0f : 93.0f);
    const float turn = clockwise ? 1.0f : -1.0f;
    const float radius = 100.0f - 3.33f * ft;
    for (int32_t j = 0; j < 3; ++j) {
        for (int32_t i = 0; i < kPerArm[column]; ++i) {
            const float fi = static_cast<float>(i);
            const float phi = start + turn * (6.0f * ft + 2.0f * fi + 120.0f * static_cast<float>(j));
            FireShot(Shot{.from = BigRafflesiaRingPoint(radius, phi),
                          .angle = phi,
                          .speed = 10.0f - 0.1f * ft - fi,
                          .look = clockwise ? kLookL2 : kLookL1,
                          .pattern = true});
        }
    }
}

void BigNightRafflesia::RandomDoubleRings(int32_t column) {
    static constexpr int32_t kPeriods[3] = {40, 30, 20};
    if (shotCounter % kPeriods[column] != 0) return;
    spinAngle = static_cast<float>(GameRandom() % 360);
    const Muzzle m = BigRafflesiaMuzzle();
    const Shot fast{.from = m, .speed = 6.0f, .look = kLookS1, .pattern = true};
    const Shot slow{.from = m, .speed = 4.0f, .look = kLookS2, .pattern = true};
    // Thirty groups of three, 6 degrees apart, alternating fast colour 1 and slow colour 2.
    for (int32_t g = 0; g < 30; ++g)
        FireRing(g % 2 == 0 ? fast : slow, 3, spinAngle + 12.0f * static_cast<float>(g) - 6.0f, -6.0f);
}
