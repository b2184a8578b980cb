// The day cocoon's six patterns. Every bullet is an ordinary enemy bullet
// (steered by the field route's handler); the muzzles are the cocoon's centre
// muzzle and its two side muzzles.
#include "core/random.h"
#include "species/grass/day_cocoon.h"

namespace {

// Grade 1 route 1.
struct SpreadRow {
    int32_t n;
    float step;
};
constexpr SpreadRow kFanSpreads[3] = {{1, 0.0f}, {2, 4.0f}, {3, 3.0f}};   // bullets per fan direction
constexpr int32_t kFanPeriod = 20;
constexpr int32_t kFallingRingPeriod = 30;
constexpr float kFallingRingTurn = 6.0f;
constexpr int32_t kRandomShotPeriod = 10;
constexpr int32_t kRandomFanPeriod = 60;
constexpr int32_t kRandomShotBehaviour = 1;

// Grade 1 route 2.
constexpr int32_t kAimedRingCounts[3] = {15, 20, 30};   // 24, 18 and 12 degrees apart
constexpr int32_t kAimedRingPeriod = 60;
constexpr int32_t kSideFanPeriods[3] = {45, 30, 30};
constexpr int32_t kSideStreamPeriod = 30;
constexpr int32_t kStreamBehaviour = 1;

// Grade 1 route 3.
constexpr int32_t kSpiralPeriod = 10;
constexpr float kSpiralTurn = 9.0f;
constexpr int32_t kSideRingPeriod = 30;
constexpr int32_t kLongStreamPeriod = 90;

// Grade 2 routes 2 and 3.
constexpr int32_t kDoubleRingCounts[3] = {20, 30, 40};   // 18, 12 and 9 degrees apart
constexpr int32_t kDoubleRingPeriod = 60;
constexpr int32_t kSixWayPeriod = 10;
constexpr float kSixWayTurn = 12.0f;
constexpr float kSixWaySpeedSteps[3] = {0.0f, 0.5f, 0.333f};
struct GroupRow {
    int32_t n;
    float first;   // offset of the group's first bullet, the rest 1 degree apart
};
constexpr GroupRow kSixWayGroups[3] = {{1, -30.0f}, {3, -29.0f}, {5, -28.0f}};

}   // namespace

void DayCocoon::FireGrade1Route1() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0:   // aimed fans of five and four directions by turns
            RunVolleyEvery(0, kFanPeriod, [&] {
                const bool fiveWay = shotCounter % (2 * kFanPeriod) == 0;
                FireCrossFan(CrossFan{.directions = fiveWay ? 5 : 4,
                                      .look = kLookL1,
                                      .spread = kFanSpreads[column].n,
                                      .spreadStep = kFanSpreads[column].step,
                                      .speed = 5.0f});
            });
            break;
        case 1:   // a ring set round the muzzle, falling straight down
            RunVolleyEvery(0, kFallingRingPeriod, [&] {
                Shot shot{.from = CocoonMuzzle(), .angle = 90.0f, .speed = 8.0f, .look = kLookS1};
                for (int32_t k = 0; k < 10; ++k) {
                    shot.from = AroundMuzzle(spinAngle + 36.0f * static_cast<float>(k), 50.0f);
                    FireShot(shot);
                }
                spinAngle += kFallingRingTurn;
            });
            break;
        case 2:   // random sprays
            FireRandomSprays(column);
            ++shotCounter;
            break;
        default: break;   // no pattern: the count stays
    }
}

void DayCocoon::FireRandomSprays(int32_t column) {
    const int32_t c = shotCounter;
    const bool waitsForTen = column == 1;   // at Difficulty 2 the first random bullet comes at count 10
    if (c % kRandomShotPeriod == 0 && !(waitsForTen && c == 0)) {
        const int32_t turn = GameRandom() % 360;
        FireShot(Shot{.from = CocoonMuzzle(),
                      .angle = static_cast<float>(turn),
                      .speed = 6.0f,
                      .look = kLookM1,
                      .behaviour = kRandomShotBehaviour});
    }
    if (column == 0 || c % kRandomFanPeriod != 0) return;
    const int32_t angle = GameRandom() % 30 - 45;   // the angle first, then the speed
    const int32_t speed = GameRandom() % 3 + 4;
    Shot shot{.from = CocoonMuzzle(), .speed = static_cast<float>(speed), .look = kLookL1, .aimed = true};
    const int32_t speeds = column == 2 ? 3 : 1;
    for (int32_t k = 0; k < 3; ++k) {
        shot.angle = static_cast<float>(angle + 30 * k);
        FireColumn(shot, speeds, 1.0f);
    }
}

void DayCocoon::FireGrade1Route2() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0:   // an aimed ring, two speeds a direction
            RunVolleyEvery(0, kAimedRingPeriod, [&] {
                const int32_t n = kAimedRingCounts[column];
                const Shot shot{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookS1, .aimed = true};
                FireRingOfColumns(shot, n, 0.0f, 360.0f / static_cast<float>(n), 2, 1.0f);
            });
            break;
        case 1:   // side fans, the left muzzle first
            RunVolley(0, kSideFanPeriods, [&](int32_t col) { FireSideFans(col); });
            break;
        case 2:   // side streams
            RunVolleyEvery(0, kSideStreamPeriod, [&] {
                FireSideStreams(
                    Shot{.from = RightMuzzle(), .speed = 7.0f, .look = kLookM1, .behaviour = kStreamBehaviour}, 0.0f, 1,
                    0.0f);
            });
            break;
        default: break;
    }
}

void DayCocoon::FireSideFans(int32_t column) {
    const int32_t period = kSideFanPeriods[column];
    Shot shot{.from = shotCounter % (2 * period) == 0 ? LeftMuzzle() : RightMuzzle(), .speed = 5.0f, .look = kLookS1};
    FireRingOfColumns(shot, 5, 50.0f, 20.0f, 5, 0.5f);   // 50 to 130 degrees, five speeds each
    if (column != 2) return;
    shot.speed = 3.0f;
    for (int32_t k = 0; k < 4; ++k) FireFan(shot, 3, 60.0f + 20.0f * static_cast<float>(k), 2.0f);
}

void DayCocoon::FireGrade1Route3() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (variant) {
        case 0:   // mirrored spirals from the side muzzles
            RunVolleyEvery(0, kSpiralPeriod, [&] {
                Shot shot{.from = RightMuzzle(), .speed = 5.0f, .look = kLookL1};
                FireRing(shot, column + 1, spinAngle, 20.0f);
                shot.from = LeftMuzzle();
                FireRing(shot, column + 1, 180.0f - spinAngle, -20.0f);
                spinAngle += kSpiralTurn;
            });
            break;
        case 1:   // side fans, and three bullets straight down at Difficulty 3
            RunVolleyEvery(0, kSideRingPeriod, [&] {
                const bool wide = column > 0;
                const int32_t n = wide ? 9 : 6;
                const float start = wide ? -80.0f : -60.0f;
                const float step = wide ? 20.0f : 24.0f;
                Shot shot{.from = RightMuzzle(), .speed = 6.0f, .look = kLookS1};
                FireRing(shot, n, start, step);
                shot.from = LeftMuzzle();
                FireRing(shot, n, start + 180.0f, step);
                if (column != 2) return;
                shot.from = CocoonMuzzle();
                FireFan(shot, 3, 90.0f, 5.0f);
            });
            break;
        case 2:   // long side streams
            RunVolleyEvery(0, kLongStreamPeriod, [&] {
                FireSideStreams(
                    Shot{.from = RightMuzzle(), .speed = 3.0f, .look = kLookM1, .behaviour = kStreamBehaviour}, 0.0f,
                    10, 0.5f);
            });
            break;
        default: break;
    }
}

void DayCocoon::FireGrade2Route1() { FireAlternatingCrossFans(kLookL1, kLookL2, 0.0f); }

void DayCocoon::FireGrade2Route2() {
    const int32_t column = DifficultyColumn();
    if (variant != 0 || column < 0) return;
    RunVolleyEvery(0, kDoubleRingPeriod, [&] {   // each direction a fast first-colour and a slower second-colour bullet
        const int32_t n = kDoubleRingCounts[column];
        const float h = 360.0f / static_cast<float>(n);
        Shot first{.from = CocoonMuzzle(), .speed = 7.0f, .look = kLookS1, .aimed = true};
        Shot second{.from = CocoonMuzzle(), .speed = 6.0f, .look = kLookS2, .aimed = true};
        for (int32_t k = 0; k < n; ++k) {
            first.angle = h * static_cast<float>(k);
            FireShot(first);
            second.angle = first.angle + h / 2.0f;
            FireShot(second);
        }
    });
}

void DayCocoon::FireGrade2Route3() {
    const int32_t column = DifficultyColumn();
    if (variant != 0 || column < 0) return;
    RunVolleyEvery(0, kSixWayPeriod, [&] {   // two six-way spirals turning against each other
        const float r = spinAngle;
        const Shot first{.from = CocoonMuzzle(), .speed = 7.0f, .look = kLookL1};
        FireRingOfColumns(first, 6, -r, -60.0f, column + 1, kSixWaySpeedSteps[column]);
        const GroupRow& group = kSixWayGroups[column];
        const Shot second{.from = CocoonMuzzle(), .speed = 7.0f, .look = kLookL2};
        for (int32_t k = 0; k < 6; ++k)
            FireRing(second, group.n, r + 60.0f * static_cast<float>(k) + group.first, 1.0f);
        spinAngle += kSixWayTurn;
    });
}
