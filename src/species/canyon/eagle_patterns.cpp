// The eagle's attacks by boss phase: the entry spray from under its beak,
// sweeps from both wings, bombs that burst into aimed rings, double rings
// from the wings with aimed fans. Every bullet is a pattern bullet.
#include "core/random.h"
#include "species/canyon/eagle.h"

namespace {

constexpr float kWingSpan = 50.0f;   // the wing muzzles are this far either side
constexpr float kBeakDrop = 30.0f;   // the beak muzzle is this far below the centre
constexpr int32_t kBomb = 21;        // slows, then bursts into ten aimed rings

// The wing sweeps by Difficulty: bullets per wing, their offset, speed rows.
struct WingSweep {
    int32_t fan;
    float offset;
    int32_t rows;
};
constexpr WingSweep kWingSweeps[3] = {{3, 15.0f, 1}, {3, 15.0f, 2}, {5, 30.0f, 2}};
constexpr int32_t kSweepCycleEnd = 120;
constexpr int32_t kBombPeriod = 30;
constexpr int32_t kRingCounts = 60;   // volleys on counts 0, 5, ..., 55
constexpr int32_t kRingGap = 5;
constexpr int32_t kRingPause = 20;   // every 20 counts a volley without the rings
constexpr int32_t kRingCycleEnd = 90;

// How the sweep angle turns after the volley of count n: up by 0.6 n, then
// easing, so that it climbs to 270 by count 60 and comes back to 0.
float SweepTurn(int32_t n) {
    const float f = static_cast<float>(n);
    if (n < 30) return 0.6f * f;
    if (n < 60) return 18.0f - 0.6f * (f - 30.0f);
    if (n < 90) return -0.6f * (f - 60.0f);
    return -(18.0f - 0.6f * (f - 90.0f));
}

}   // namespace

void Eagle::Fire() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 0: FireEntrySpray(column, Offset(0.0f, kBeakDrop)); break;   // the entry spray
        case 1: FireWingSweeps(column); break;                            // wing sweeps
        case 2: FireBombs(); break;                                       // bombs
        case 3: FireWingRings(column); break;                             // wing rings and aimed fans
        default: return;                                                  // leaving and dying: nothing
    }
    ++shotCounter;
}

void Eagle::FireWingSweeps(int32_t column) {
    const int32_t n = shotCounter;
    if (n >= kSweepCycleEnd) {
        spinAngle = 0.0f;
        shotCounter = -1;
        return;
    }
    if (n % 2 != 0) return;
    const WingSweep& w = kWingSweeps[column];
    for (int32_t k = 0; k < w.fan; ++k) {
        const float fan = 15.0f * static_cast<float>(k);
        for (int32_t j = 0; j < w.rows; ++j) {
            const float speed = 7.0f - 2.0f * static_cast<float>(j);
            // The left wing's bullet mirrors the right's about the vertical.
            FireShot(Shot{.from = Offset(kWingSpan, 0.0f),
                          .angle = spinAngle - 60.0f - w.offset + fan,
                          .speed = speed,
                          .look = kLookL1,
                          .pattern = true});
            FireShot(Shot{.from = Offset(-kWingSpan, 0.0f),
                          .angle = 240.0f - spinAngle + w.offset - fan,
                          .speed = speed,
                          .look = kLookL2,
                          .pattern = true});
        }
    }
    spinAngle += SweepTurn(n);
}

void Eagle::FireBombs() {
    if (!VolleyDue(0, kBombPeriod)) return;
    const int32_t r = GameRandom();
    FireShot(Shot{.from = Offset(0.0f, kBeakDrop),
                  .angle = -static_cast<float>(r % 180),
                  .speed = 7.0f,
                  .look = kLookM2,
                  .behaviour = kBomb,
                  .pattern = true});
}

void Eagle::FireWingRings(int32_t column) {
    const int32_t n = shotCounter;
    if (n >= kRingCounts || n % kRingGap != 0) {
        if (n >= kRingCycleEnd) {
            spinAngle = 0.0f;
            shotCounter = -1;
        }
        return;
    }
    if (n % kRingPause == 0) {
        spinAngle += 9.0f;
    } else {
        const int32_t count = column == 0 ? 10 : 20;
        const float step = column == 0 ? 36.0f : 18.0f;
        for (int32_t m = 0; m < count; ++m) {
            const float a = step * static_cast<float>(m);
            FireShot(Shot{.from = Offset(kWingSpan, 0.0f),
                          .angle = a + spinAngle,
                          .speed = 5.0f,
                          .look = kLookS2,
                          .pattern = true});
            FireShot(Shot{.from = Offset(-kWingSpan, 0.0f),
                          .angle = a - spinAngle,
                          .speed = 5.0f,
                          .look = kLookS2,
                          .pattern = true});
        }
        spinAngle += 1.0f;
    }
    // The aimed fan under the beak, faster as the cycle goes on.
    const float rise = 0.1f * static_cast<float>(n);
    const Shot fan{
        .from = Offset(0.0f, kBeakDrop), .speed = 5.0f + rise, .look = kLookL1, .aimed = true, .pattern = true};
    if (column < 2) {
        FireRing(fan, 5, -40.0f, 20.0f);
        return;
    }
    for (int32_t k = 0; k < 9; ++k) {
        Shot s = fan;
        s.angle = 10.0f * static_cast<float>(k) - 40.0f;
        s.speed = (k % 2 == 0 ? 5.0f : 7.0f) + rise;
        FireShot(s);
    }
}
