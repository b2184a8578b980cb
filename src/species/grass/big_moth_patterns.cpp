// The night mid-boss's volleys. Every bullet is a pattern bullet with
// behaviour 0, so it flies straight. The upper muzzle is (x, y - 30), the
// twin muzzles 30 pixels to either side of it.
#include <cstdlib>

#include "core/random.h"
#include "species/grass/big_moth.h"

namespace {

// Phase 1, the turning cross: per twin muzzle `arms` arms `armStep` apart,
// each a line of `perArm` bullets leaving at 6, 6 + step, ...
struct CrossRow {
    int32_t arms;
    float armStep;
    int32_t perArm;
    float speedStep;
};
constexpr CrossRow kCross[3] = {{2, 180.0f, 2, 0.5f}, {2, 180.0f, 4, 0.25f}, {3, 120.0f, 4, 0.25f}};
constexpr float kCrossTurn = 21.0f;
constexpr float kAimedFanSpeeds[7] = {6.0f, 6.25f, 6.5f, 6.75f, 6.0f, 5.75f, 5.5f};

// Phase 2: the two fans round the kept aim (20 degrees between directions),
// each direction `spread` bullets 2 degrees apart.
struct KeptAimRow {
    int32_t fanA;
    int32_t fanB;
    int32_t spread;
};
constexpr KeptAimRow kKeptAim[3] = {{4, 3, 1}, {8, 7, 1}, {8, 7, 3}};
constexpr int32_t kKeptAimRestart = 120;   // the cycle lasts 121 frames
constexpr int32_t kKeptAimEnd = 45;        // the kept-aim fans come before this count
constexpr int32_t kAimedEnd = 90;          // and the aimed fans after it, up to this

// Phase 3: the ring turns for 240 counts, then the streaks.
constexpr int32_t kRingEnd = 240;
constexpr int32_t kRingSlowdownEnd = 120;

// Grades 2 and 3: the arms of one volley by variant and Difficulty: arms per
// muzzle and the angle between them, the step between an arm's four bullets
// and between their speeds (from 4 down).
struct ArmRow {
    int32_t arms;
    float armStep;
    float bulletStep;
    float speedStep;
};
constexpr ArmRow kWallArms[3] = {{4, 90.0f, 1.0f, 0.1f}, {5, 72.0f, 1.0f, 0.1f}, {6, 60.0f, 1.0f, 0.1f}};
constexpr ArmRow kQuickArms{6, 60.0f, 2.0f, 0.2f};
constexpr int32_t kWallPeriods[3] = {20, 15, 10};
constexpr int32_t kQuickPeriod = 10;
constexpr int32_t kWallStart = 90;

}   // namespace

void BigMoth::FireGrade1() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 1:   // the cross and the aimed fan
            FireCrossAndFan(column);
            ++shotCounter;
            break;
        case 2:   // the kept-aim fans, a cycle of 121 counts
            FireKeptAimFans(column);
            AdvanceCycle(kKeptAimRestart);
            break;
        case 3:   // the ring, then the streaks
            FireRingThenStreaks(column);
            ++shotCounter;
            break;
        default: break;   // entering and leaving hold their fire and their count
    }
}

void BigMoth::FireCrossAndFan(int32_t column) {
    const int32_t c = shotCounter;
    if (c % 5 == 0) {
        const CrossRow& row = kCross[column];
        const Muzzle twins[2] = {Offset(30.0f, -30.0f), Offset(-30.0f, -30.0f)};
        Shot arm{.from = twins[0], .speed = 6.0f, .look = kLookL2, .pattern = true};
        for (int32_t side = 0; side < 2; ++side) {
            arm.from = twins[side];
            FireRingOfColumns(arm, row.arms, spinAngle + 90.0f * static_cast<float>(side), row.armStep, row.perArm,
                              row.speedStep);
        }
        spinAngle += kCrossTurn;
    }
    if (c % 15 == 0) {
        Shot fan{.from = Offset(0.0f, 0.0f), .look = kLookS2, .aimed = true, .pattern = true};
        for (int32_t k = 0; k < 7; ++k) {
            fan.angle = -60.0f + 20.0f * static_cast<float>(k);
            fan.speed = kAimedFanSpeeds[k];
            FireShot(fan);
        }
    }
}

void BigMoth::FireKeptAimFans(int32_t column) {
    const int32_t c = shotCounter;
    const Muzzle upper = Offset(0.0f, -30.0f);
    if (c % 3 == 0 && c < kAimedEnd) {
        if (c % 9 == 0 && c < kKeptAimEnd) {
            if (c == 0) SaveAim();
            const KeptAimRow& row = kKeptAim[column];
            const int32_t n = toggle == 0 ? row.fanA : row.fanB;
            toggle = toggle == 0 ? 1 : 0;
            const Shot shot{.from = upper, .speed = 8.0f, .look = kLookL2, .pattern = true};
            const float first = SavedAimDegrees() - 10.0f * static_cast<float>(n - 1);
            for (int32_t k = 0; k < n; ++k) FireFan(shot, row.spread, first + 20.0f * static_cast<float>(k), -2.0f);
        } else if (c >= kKeptAimEnd) {
            if (c == kKeptAimEnd) toggle = 0;
            const float speed = 9.0f + 0.3f * static_cast<float>(toggle);
            FireFan(Shot{.from = upper, .speed = speed, .look = kLookL2, .aimed = true, .pattern = true}, 7, 0.0f,
                    20.0f);
            ++toggle;
        }
    } else if (c >= kKeptAimRestart) {
        toggle = 0;
    }
}

void BigMoth::FireRingThenStreaks(int32_t column) {
    const int32_t c = shotCounter;
    const int32_t steps = column + 1;   // bullets per ring direction, speed steps of the streaks
    Shot shot{.from = Offset(0.0f, -30.0f), .look = kLookL2, .pattern = true};
    if (c < kRingEnd && c % 5 == 0) {
        shot.speed = 9.0f;
        FireRingOfColumns(shot, 6, spinAngle, 60.0f, steps, -1.5f);
        spinAngle += c < kRingSlowdownEnd ? 18.0f - 0.15f * static_cast<float>(c)
                                          : -0.15f * static_cast<float>(c - kRingSlowdownEnd);
    }
    if (c == kRingEnd) spinAngle = 0.0f;   // before the first streaks of the same count
    if (c >= kRingEnd && c % 4 == 0) {
        for (int32_t s = 0; s < steps; ++s) {
            shot.speed = 7.0f - 2.0f * static_cast<float>(s);
            for (int32_t m = 0; m < 3; ++m) {
                const float a = spinAngle + 18.0f * static_cast<float>(s) + 2.0f * static_cast<float>(m);
                shot.angle = a;
                FireShot(shot);
                shot.angle = 180.0f - a;
                FireShot(shot);
            }
        }
        spinAngle += 12.0f;
    }
}

void BigMoth::FireGrade2() {
    if (bossPhase != kBigFlyerEntering) return;
    const int32_t column = DifficultyColumn();
    int32_t period = 0;
    switch (variant) {
        case 0:   // the wall with arms by Difficulty
            if (column < 0) return;
            period = kWallPeriods[column];
            break;
        case 1:   // the wall with quick arms, alike at every Difficulty
            period = kQuickPeriod;
            break;
        default: return;
    }
    if (VolleyDue(kWallStart, period)) FireWallAndArms(column);
    ++shotCounter;
}

void BigMoth::FireWallAndArms(int32_t column) {
    Shot wall{.from = Offset(0.0f, 30.0f), .look = kLookS1, .pattern = true};
    for (int32_t k = 0; k < 11; ++k) {   // 30 to 150 degrees, slowest straight down
        wall.angle = 30.0f + 12.0f * static_cast<float>(k);
        wall.speed = 4.0f + static_cast<float>(std::abs(k - 5));
        FireShot(wall);
    }
    const ArmRow& row = variant == 0 ? kWallArms[column] : kQuickArms;
    const Muzzle right = Offset(50.0f, -30.0f);
    const Muzzle left = Offset(-50.0f, -30.0f);
    Shot arm{.from = right, .look = kLookL2, .pattern = true};
    for (int32_t a = 0; a < row.arms; ++a) {
        const float base = row.armStep * static_cast<float>(a) + spinAngle;
        for (int32_t side = 0; side < 2; ++side) {   // the left muzzle mirrors the right about the horizontal
            arm.from = side == 0 ? right : left;
            for (int32_t k = 0; k < 4; ++k) {
                const float angle = base + row.bulletStep * (static_cast<float>(k) - 1.5f);
                arm.angle = side == 0 ? angle : -angle;
                arm.speed = 4.0f - row.speedStep * static_cast<float>(k);
                FireShot(arm);
            }
        }
        spinAngle += 20.0f + static_cast<float>((GameRandom() % 60) / 10);
    }
}
