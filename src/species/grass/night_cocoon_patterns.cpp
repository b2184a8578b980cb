// The night cocoon's six fire routines. Every bullet is an ordinary enemy
// bullet (steered by the field route's handler) from the centre muzzle unless
// a side muzzle is named; w is the spin angle.
#include "core/random.h"
#include "species/grass/night_cocoon.h"

namespace {

// Grade 1 route 1.
constexpr int32_t kAimedRingCounts[3] = {10, 15, 20};   // 36, 24 and 18 degrees apart
constexpr int32_t kAimedRingPeriod = 20;
constexpr int32_t kStreamPeriods[3] = {6, 5, 4};
constexpr float kStreamSpeedSteps[3] = {0.0f, 0.5f, 0.33f};
constexpr int32_t kTurningRingPeriods[3] = {20, 15, 10};

// Grade 1 route 2.
constexpr int32_t kSideFlagPeriods[3] = {6, 5, 3};
constexpr int32_t kSideFlagFlips[3] = {60, 50, 30};
constexpr int32_t kGroupPeriods[3] = {60, 45, 30};
constexpr int32_t kOnceCount = 30;

// Grade 1 route 3.
constexpr int32_t kWidePeriod = 20;
constexpr float kSteadyTurn = 7.0f;

// Grade 2 route 3.
constexpr int32_t kPairPeriod = 6;
constexpr int32_t kPairCounts[3] = {1, 3, 5};
constexpr float kPairOffsets[3] = {0.0f, 3.0f, 6.0f};
constexpr float kPairTurn = 18.0f;

// Behaviour ids of the cocoon's bullets.
constexpr int32_t kSplitting = 11;
constexpr int32_t kFastSplitting = 12;
constexpr int32_t kSlowing = 31;

}   // namespace

void NightCocoon::FireGrade1Route1() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0:   // an aimed ring, turned half a step on every other volley
            RunVolleyEvery(0, kAimedRingPeriod, [&] {
                const int32_t n = kAimedRingCounts[column];
                const float step = 360.0f / static_cast<float>(n);
                const float start = shotCounter % (2 * kAimedRingPeriod) == 0 ? -step / 2.0f : 0.0f;
                const Shot shot{
                    .from = CocoonMuzzle(), .speed = 6.0f, .look = kLookL2, .aimed = true, .behaviour = kSplitting};
                FireRing(shot, n, start, step);
            });
            break;
        case 1:   // two turning streams from the side muzzles
            RunVolley(0, kStreamPeriods, [&](int32_t col) {
                FireSideStreams(Shot{.from = RightMuzzle(), .speed = 6.0f, .look = kLookL2}, spinAngle, col + 1,
                                kStreamSpeedSteps[col]);
                spinAngle += static_cast<float>(GameRandom() % 10);
            });
            break;
        case 2:   // a ring turning by a random step
            RunVolley(0, kTurningRingPeriods, [&](int32_t col) {
                FireTurningRing(Shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookS2}, 20, 18.0f,
                                kTurningRingPeriods[col]);
                spinAngle += static_cast<float>(GameRandom() % 10);
            });
            break;
        default: break;   // no routine: the count stays
    }
}

void NightCocoon::FireTurningRing(const Shot& shot, int32_t n, float step, int32_t period) {
    if (shotCounter % (2 * period) == 0)
        FireRing(shot, n, spinAngle, step);
    else
        FireRing(shot, n, -spinAngle, -step);
}

void NightCocoon::FireGrade1Route2() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0: {   // aimed fans of three and two by the side flag, which flips on its own clock
            if (VolleyDue(0, kSideFlagPeriods[column])) {
                const Shot shot{
                    .from = CocoonMuzzle(), .speed = 9.0f, .look = kLookL2, .aimed = true, .behaviour = kSplitting};
                FireFan(shot, toggle == 0 ? 3 : 2, 0.0f, 36.0f);
            }
            if (shotCounter != 0 && shotCounter % kSideFlagFlips[column] == 0) toggle = toggle == 0 ? 1 : 0;
            ++shotCounter;
            break;
        }
        case 1:   // five aimed groups of five
            RunVolley(0, kGroupPeriods, [&](int32_t) {
                const Shot shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookS2, .aimed = true};
                for (int32_t g = 0; g < 5; ++g) FireRing(shot, 5, 30.0f * static_cast<float>(g) - 66.0f, 3.0f);
            });
            break;
        case 2: {   // two fans once, the second fast and splitting
            static constexpr TwinFans kFans[3] = {{4, 6, 3, 5, 30.0f}, {6, 6, 5, 5, 20.0f}, {8, 6, 7, 5, 10.0f}};
            FireTwinFans(kFans[column], Shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookL2, .aimed = true},
                         Shot{.from = CocoonMuzzle(),
                              .speed = 12.0f,
                              .look = kLookS2,
                              .aimed = true,
                              .behaviour = kFastSplitting});
            break;
        }
        default: break;
    }
}

void NightCocoon::FireTwinFans(const TwinFans& fans, Shot a, Shot b) {
    if (shotCounter == kOnceCount) {
        const auto fireFan = [&](const Shot& shot, int32_t groups, int32_t speeds) {
            const float first = -0.5f * fans.step * static_cast<float>(groups - 1);
            FireRingOfColumns(shot, groups, first, fans.step, speeds, 0.5f);
        };
        fireFan(a, fans.groupsA, fans.speedsA);
        fireFan(b, fans.groupsB, fans.speedsB);
    }
    ++shotCounter;
}

void NightCocoon::FireGrade1Route3() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0:
        case 1:   // a wide aimed ring, the second variant turned half a step
            RunVolleyEvery(0, kWidePeriod, [&] {
                const Shot shot{
                    .from = CocoonMuzzle(), .speed = 12.0f, .look = kLookL2, .aimed = true, .behaviour = kSplitting};
                FireRing(shot, 20, variant == 0 ? 0.0f : -12.0f, 24.0f);
            });
            break;
        case 2:   // a ring turning by a steady step
            RunVolley(0, kTurningRingPeriods, [&](int32_t col) {
                FireTurningRing(Shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookS2}, 10, 36.0f,
                                kTurningRingPeriods[col]);
                spinAngle += kSteadyTurn;
            });
            break;
        default: break;
    }
}

void NightCocoon::FireGrade2Route1() { FireAlternatingCrossFans(kLookL2, kLookL1, spinAngle); }

void NightCocoon::FireGrade2Route2() {
    const int32_t column = DifficultyColumn();
    if (variant != 0 || column < 0) return;
    static constexpr TwinFans kFans[3] = {{4, 4, 3, 3, 15.0f}, {6, 5, 5, 4, 15.0f}, {8, 6, 7, 5, 15.0f}};
    FireTwinFans(kFans[column], Shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookL1, .aimed = true},
                 Shot{.from = CocoonMuzzle(), .speed = 12.0f, .look = kLookS2, .aimed = true, .behaviour = kSlowing});
}

void NightCocoon::FireGrade2Route3() {
    const int32_t column = DifficultyColumn();
    if (column < 0 || (variant != 0 && variant != 1)) return;
    RunVolleyEvery(0, kPairPeriod, [&] {   // pairs of both colours on a spiral, the second variant mirrored
        const bool mirrored = variant == 1;
        const bool fast = shotCounter % (2 * kPairPeriod) == 0;
        const float base = spinAngle + (mirrored ? 180.0f : 0.0f) - kPairOffsets[column];
        Shot second{.from = CocoonMuzzle(), .speed = fast ? 9.0f : 8.0f, .look = kLookS2};
        Shot first{.from = CocoonMuzzle(), .speed = fast ? 6.0f : 5.0f, .look = kLookS1};
        for (int32_t k = 0; k < kPairCounts[column]; ++k) {
            second.angle = base + 3.0f * static_cast<float>(k);
            FireShot(second);
            first.angle = second.angle + (mirrored ? 9.0f : -9.0f);
            FireShot(first);
        }
        spinAngle += mirrored ? -kPairTurn : kPairTurn;
    });
}
