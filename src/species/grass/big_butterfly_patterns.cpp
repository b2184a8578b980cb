// The day mid-boss's volleys. Every bullet is a pattern bullet leaving from
// the enemy's position unless a muzzle is named.
#include "species/grass/big_butterfly.h"

namespace {

// Grade 1, phase 1: each of the ten ring directions carries these bullets
// (offset from the direction, speed) by Difficulty.
struct RingBullet {
    float offset;
    float speed;
};
struct RingRow {
    int32_t n;
    RingBullet bullets[7];
};
constexpr RingRow kRingRows[3] = {
    {2, {{0.0f, 5.0f}, {0.0f, 6.0f}}},
    {3, {{-3.0f, 5.0f}, {0.0f, 5.5f}, {3.0f, 5.0f}}},
    {7, {{-6.0f, 6.0f}, {-4.0f, 6.0f}, {-2.0f, 6.0f}, {0.0f, 6.0f}, {2.0f, 6.0f}, {4.0f, 6.0f}, {6.0f, 6.0f}}},
};
constexpr int32_t kRingPeriod = 15;
constexpr float kRingTurn = 18.0f;

// Grade 1, phases 2 and 3: a cycle of 91 counts that fires in its first 60.
constexpr int32_t kCycleRestart = 90;
constexpr int32_t kCycleFiring = 60;
constexpr int32_t kVolleyPeriods[3] = {4, 3, 2};
constexpr int32_t kSpreadPeriods[3] = {20, 15, 10};
constexpr float kSpinnerTurns[3] = {13.0f, 11.0f, 7.0f};
// Behaviour 1 has no step for pattern bullets: the spinners fly straight.
constexpr int32_t kSpinnerBehaviour = 1;

// Grades 2 and 3.
constexpr int32_t kGrowingPeriods[3] = {10, 10, 5};
constexpr float kGrowingHalfSteps[3] = {12.0f, 9.0f, 6.0f};
constexpr int32_t kStreamStart = 30;
constexpr int32_t kBurstPeriod = 60;
constexpr int32_t kSweepPeriod = 30;
constexpr int32_t kLastAttackCount = 360;   // the last count of phase 1 fires no burst
// The crossfire's aimed triplets: speeds per direction from 5, by Difficulty.
struct TripletRow {
    int32_t n;
    float speedStep;
};
constexpr TripletRow kTriplets[3] = {{1, 0.0f}, {2, 4.0f}, {3, 2.0f}};

}   // namespace

void BigButterFly::FireGrade1() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 1:   // the turning rings
            FireTurningRings(column);
            ++shotCounter;
            break;
        case 2:   // the aimed fans
            FireAimedFans(column);
            AdvanceCycle(kCycleRestart);
            break;
        case 3:   // the twin spinners, turning the other way each cycle
            FireTwinSpinners(column);
            if (AdvanceCycle(kCycleRestart)) toggle = toggle == 0 ? 1 : 0;
            break;
        default: break;   // entering and leaving hold their fire and their count
    }
}

void BigButterFly::FireTurningRings(int32_t column) {
    if (shotCounter % kRingPeriod != 0) return;
    const RingRow& row = kRingRows[column];
    Shot shot{.from = Offset(0.0f, 0.0f), .look = kLookL1, .aimed = true, .pattern = true};
    for (int32_t k = 0; k < 10; ++k) {
        for (int32_t b = 0; b < row.n; ++b) {
            shot.angle = spinAngle + 36.0f * static_cast<float>(k) + row.bullets[b].offset;
            shot.speed = row.bullets[b].speed;
            FireShot(shot);
        }
    }
    spinAngle += kRingTurn;
}

void BigButterFly::FireAimedFans(int32_t column) {
    const int32_t c = shotCounter;
    if (c >= kCycleFiring || c % kVolleyPeriods[column] != 0) return;
    if (c == 0) SaveAim();
    const Muzzle centre = Offset(0.0f, 0.0f);
    if (c % kSpreadPeriods[column] == 0) {   // six pairs over 104 degrees about the kept aim
        const Shot pair{.from = centre, .speed = 6.0f, .look = kLookS1, .pattern = true};
        for (int32_t k = 0; k < 6; ++k)
            FireRing(pair, 2, SavedAimDegrees() - 52.0f + 20.0f * static_cast<float>(k), 4.0f);
    }
    FireRing(Shot{.from = centre, .speed = 7.0f, .look = kLookL1, .aimed = true, .pattern = true}, 7, 60.0f, -20.0f);
}

void BigButterFly::FireTwinSpinners(int32_t column) {
    const int32_t c = shotCounter;
    if (c >= kCycleFiring || c % kVolleyPeriods[column] != 0) return;
    Shot shot{.from = PointAround(x, y, 60.0f, 30.0f, -75.0f),
              .speed = 6.0f,
              .look = kLookL1,
              .aimed = true,
              .behaviour = kSpinnerBehaviour,
              .pattern = true};
    FireRing(shot, 4, spinAngle, 90.0f);
    shot.from = PointAround(x, y, 60.0f, 30.0f, -105.0f);
    FireRing(shot, 4, -spinAngle, -90.0f);
    spinAngle += toggle == 0 ? kSpinnerTurns[column] : -kSpinnerTurns[column];
}

void BigButterFly::FireGrade2() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case kBigFlyerEntering:   // growing fans straight down, or twin streams at the player
            if (variant == 0)
                FireGrowingFans(column);
            else
                FireTwinStreams();
            ++shotCounter;
            break;
        case 1:   // the crossfire in cycles of 91 counts, or bursts and sweeps
            if (variant == 0) {
                FireCrossfire(column);
                if (AdvanceCycle(kCycleRestart)) spinAngle = 0.0f;
            } else {
                FireBurstsAndSweeps();
                ++shotCounter;
            }
            break;
        default: break;   // leaving holds its fire
    }
}

void BigButterFly::FireGrowingFans(int32_t column) {
    if (shotCounter % kGrowingPeriods[column] != 0) return;
    const int32_t n = toggle;   // the first fan is empty
    const Shot shot{
        .from = Offset(0.0f, 0.0f), .speed = 7.0f + 0.2f * static_cast<float>(n), .look = kLookL1, .pattern = true};
    FireFan(shot, n, 90.0f, 2.0f * kGrowingHalfSteps[column]);
    ++toggle;
}

void BigButterFly::FireTwinStreams() {
    const int32_t c = shotCounter;
    if (c == kStreamStart) SaveAim();
    if (c < kStreamStart || c % 2 != 0) return;
    const int32_t n = toggle;
    Shot shot{.from = Offset(30.0f, 0.0f),
              .angle = SavedAimDegrees(),
              .speed = 7.0f + 0.3f * static_cast<float>(n),
              .look = kLookL1,
              .pattern = true};
    for (int32_t i = 0; i < 2; ++i) {   // the right side, then the left
        const float side = i == 0 ? 1.0f : -1.0f;
        shot.from = Offset(30.0f * side, 0.0f);
        FireShot(shot);
        shot.from = Offset(60.0f * side, 0.0f);
        FireShot(shot);
    }
    FireOpeningPairs(n);
    ++toggle;
}

void BigButterFly::FireBurstsAndSweeps() {
    const int32_t c = shotCounter;
    if (c % kBurstPeriod == 0) {   // 60 counts of bursts, 60 of rest
        if (toggle == 0) {
            toggle = 1;
            SaveAim();
        } else {
            toggle = 0;
        }
    }
    if (toggle > 0 && c % 2 == 0 && c != kLastAttackCount) {
        const int32_t n = toggle;
        const Shot shot{.from = Offset(30.0f, 0.0f),
                        .angle = SavedAimDegrees(),
                        .speed = 7.0f + 0.3f * static_cast<float>(n),
                        .look = kLookL1,
                        .pattern = true};
        FirePair(shot, Offset(30.0f, 0.0f), Offset(-30.0f, 0.0f));
        FireOpeningPairs(n);
        ++toggle;
    }
    if (c % kSweepPeriod == 0) {   // two mirrored sweeps, each at two speeds
        Shot sweep{.from = Offset(0.0f, 0.0f), .look = kLookS2, .pattern = true};
        for (int32_t i = 0; i < 10; ++i) {
            const float fi = static_cast<float>(i);
            for (int32_t j = 0; j < 2; ++j) {
                sweep.speed = 5.0f + 0.2f * fi - 2.0f * static_cast<float>(j);
                sweep.angle = 10.0f * fi - 10.0f;
                FireShot(sweep);
                sweep.angle = -170.0f - 10.0f * fi;
                FireShot(sweep);
            }
        }
    }
}

void BigButterFly::FireOpeningPairs(int32_t n) {
    if (shotCounter % 4 != 0) return;
    const float aim = SavedAimDegrees();
    const float open = 3.0f * static_cast<float>(n);
    Shot shot{.from = Offset(30.0f, 0.0f), .look = kLookL1, .pattern = true};
    for (int32_t i = 0; i < 5; ++i) {   // from the right and the left side by turns
        shot.from = Offset(i % 2 == 0 ? 30.0f : -30.0f, 0.0f);
        shot.speed = 6.0f + 0.1f * static_cast<float>(i);
        shot.angle = aim + open;
        FireShot(shot);
        shot.angle = aim - open;
        FireShot(shot);
    }
}

void BigButterFly::FireCrossfire(int32_t column) {
    const int32_t c = shotCounter;
    const Muzzle a = Offset(50.0f, -30.0f);
    const Muzzle b = Offset(-50.0f, -30.0f);
    if (c < kCycleRestart && c % 15 == 0) {   // the aimed triplet first
        const TripletRow& row = kTriplets[column];
        const Shot shot{.from = c % 30 == 0 ? a : b, .speed = 5.0f, .look = kLookL1, .aimed = true, .pattern = true};
        FireRingOfColumns(shot, 3, -30.0f, 30.0f, row.n, row.speedStep);   // -30, 0 and 30 from the aim
    }
    const bool sweepingOut = c < 30;
    const bool sweepingBack = c >= 45 && c < 75;
    if ((sweepingOut || sweepingBack) && c % 3 == 0) {   // mirrored sweeping fans
        Shot fan{.from = a, .speed = 6.0f, .look = kLookL2, .pattern = true};
        FireRing(fan, 7, spinAngle - 90.0f, 10.0f);
        fan.from = b;
        FireRing(fan, 7, 270.0f - spinAngle, -10.0f);
        spinAngle += sweepingOut ? 12.0f : -12.0f;
    }
}
