// The middle butterfly's six fire routines. Its bursts leave from twin
// muzzles 25 pixels either side of its centre, right first; on the arcs its
// side muzzle swaps sides and colour every cycle.
#include "species/grass/middle_butterfly.h"

// One Difficulty's path-0 burst of a grade-1 routine: one bullet at the aim,
// or three 30 degrees apart, leaving at `speed` + 0.2 per counter step.
struct MiddleButterFlyStream {
    int32_t count;
    float speed;
};

// The numbers of one grade-2 routine; arrays by Difficulty 1..3.
struct MiddleButterFlyGrade2 {
    // Path 0: per muzzle the aim - spread, the aim, the aim + spread; the
    // centre large and red, the flanks large and blue.
    float spread;
    float centreSpeed[3];
    float flankSpeed[3];
    // Path 1, toggle 0: a fan down the middle, 10 degrees apart; route 2 adds
    // a slower row in its gaps (0: none).
    int32_t fan[3];
    float fanSpeed;
    int32_t gapRow[3];
    float gapSpeed;
    // Path 1, toggle 1: pairs of wings from 50 and 130 degrees inwards.
    int32_t wingPairs[3];
    float wingStep[3];
    float wingSpeed;
    // Arcs, t 30..149: a side-muzzle shot at the aim on counts 0, 3, ... up to
    // the limit; route 2 adds two at +-20 degrees.
    int32_t sideLimit[3];
    float sideSpeed;
    bool sideFlanks;
    // Arcs, t 150..209: an aimed half-ring opening towards the player.
    int32_t halfRing[3];
    float halfRingStep[3];
};

namespace {

constexpr float kTwinMuzzles[2] = {25.0f, -25.0f};   // right first, then left
constexpr float kStreamStep = 30.0f;                 // the three-bullet bursts' spread
constexpr float kFanStep = 10.0f;
constexpr float kWingRight = 50.0f;   // the wings close in from these two angles
constexpr float kWingLeft = 130.0f;
constexpr float kSideMuzzle = 20.0f;
constexpr float kSideFlank = 20.0f;
constexpr float kSideFlankSpeed = 8.0f;
constexpr float kHalfRingSpeed = 7.0f;
constexpr int32_t kPathOnePeriod = 30;
constexpr int32_t kHalfRingPeriod = 15;
constexpr int32_t kArcVolleyPeriod = 3;

// Path 1: four volleys at t = 30, 60, 90 and 120, fans and wings by turns.
constexpr MiddleWindow kPathOneWindow{.first = 30, .last = 120};
// Arcs: 31-frame cycles from t = 30 to 149, aim taken and side swapped at each.
constexpr MiddleWindow kSideShotWindow{.first = 30, .last = 149, .wrapAt = 30, .flipsToggle = true, .takesAim = true};
// Arcs: the half-rings from t = 150 to 209, the counter restarting at 150.
constexpr MiddleWindow kHalfRingWindow{.first = 150, .last = 209};

constexpr MiddleButterFlyStream kGrade1Route1[3] = {{1, 6.0f}, {3, 6.0f}, {3, 7.0f}};
constexpr MiddleButterFlyStream kGrade1Route2[3] = {{3, 6.0f}, {3, 7.0f}, {3, 8.0f}};
constexpr MiddleButterFlyStream kGrade1Route3[3] = {{1, 5.0f}, {1, 6.0f}, {3, 6.0f}};

constexpr MiddleButterFlyGrade2 kGrade2Route1{
    .spread = 30.0f,
    .centreSpeed = {6, 7, 8},
    .flankSpeed = {5, 6, 7},
    .fan = {3, 5, 9},
    .fanSpeed = 6.0f,
    .gapRow = {0, 0, 0},
    .gapSpeed = 0.0f,
    .wingPairs = {3, 4, 6},
    .wingStep = {10.0f, 6.66f, 4.0f},
    .wingSpeed = 5.0f,
    .sideLimit = {15, 21, 30},
    .sideSpeed = 8.0f,
    .sideFlanks = false,
    .halfRing = {7, 11, 19},
    .halfRingStep = {30.0f, 18.0f, 10.0f},
};
constexpr MiddleButterFlyGrade2 kGrade2Route2{
    .spread = 20.0f,
    .centreSpeed = {6, 7, 8},
    .flankSpeed = {5, 6, 7},
    .fan = {3, 5, 9},
    .fanSpeed = 7.0f,
    .gapRow = {2, 4, 8},
    .gapSpeed = 5.0f,
    .wingPairs = {3, 4, 6},
    .wingStep = {10.0f, 6.66f, 4.0f},
    .wingSpeed = 8.0f,
    .sideLimit = {15, 21, 30},
    .sideSpeed = 9.0f,
    .sideFlanks = true,
    .halfRing = {11, 19, 27},
    .halfRingStep = {18.0f, 10.0f, 6.66f},
};
constexpr MiddleButterFlyGrade2 kGrade2Route3{
    .spread = 30.0f,
    .centreSpeed = {5, 6, 7},
    .flankSpeed = {4, 5, 6},
    .fan = {3, 3, 5},
    .fanSpeed = 6.0f,
    .gapRow = {0, 0, 0},
    .gapSpeed = 0.0f,
    .wingPairs = {3, 3, 4},
    .wingStep = {10.0f, 10.0f, 6.66f},
    .wingSpeed = 5.0f,
    .sideLimit = {9, 15, 21},
    .sideSpeed = 8.0f,
    .sideFlanks = false,
    .halfRing = {5, 7, 11},
    .halfRingStep = {45.0f, 30.0f, 18.0f},
};

}   // namespace

void MiddleButterFly::FireGrade1Route1() { FireAimedStream(kGrade1Route1); }

void MiddleButterFly::FireGrade1Route2() { FireAimedStream(kGrade1Route2); }

void MiddleButterFly::FireGrade1Route3() { FireAimedStream(kGrade1Route3); }

void MiddleButterFly::FireGrade2Route1() { FireGrade2(kGrade2Route1); }

void MiddleButterFly::FireGrade2Route2() { FireGrade2(kGrade2Route2); }

void MiddleButterFly::FireGrade2Route3() { FireGrade2(kGrade2Route3); }

void MiddleButterFly::FireAimedStream(const MiddleButterFlyStream (&byDifficulty)[3]) {
    if (variant != 0) return;   // the other paths hold their fire
    RunMiddleWindow(kMiddleBurstWindow, [&](int32_t column) {
        if (!MiddleBurstVolleyDue()) return;
        const MiddleButterFlyStream& stream = byDifficulty[column];
        Shot shot{.from = Offset(0.0f, 0.0f), .speed = MiddleBurstSpeed(stream.speed), .look = kLookL1};
        for (const float side : kTwinMuzzles) {
            shot.from = Offset(side, 0.0f);
            if (!FireFan(shot, stream.count, SavedAimDegrees(), kStreamStep)) return;
        }
    });
}

void MiddleButterFly::FireGrade2(const MiddleButterFlyGrade2& routine) {
    switch (variant) {
        case 0: FireFlankedBurst(routine); break;   // twin-muzzle bursts, a flank either side
        case 1: FireFansAndWings(routine); break;   // fans and wings straight down
        case 2:
        case 3: FireSideShotsAndHalfRings(routine); break;   // the arcs
        default: break;
    }
}

void MiddleButterFly::FireFlankedBurst(const MiddleButterFlyGrade2& routine) {
    RunMiddleWindow(kMiddleBurstWindow, [&](int32_t column) {
        if (!MiddleBurstVolleyDue()) return;
        const float aim = SavedAimDegrees();
        const float flankSpeed = MiddleBurstSpeed(routine.flankSpeed[column]);
        for (const float side : kTwinMuzzles) {
            const Muzzle from = Offset(side, 0.0f);
            const Shot shots[3] = {
                {.from = from, .angle = aim - routine.spread, .speed = flankSpeed, .look = kLookL2},
                {.from = from, .angle = aim, .speed = MiddleBurstSpeed(routine.centreSpeed[column]), .look = kLookL1},
                {.from = from, .angle = aim + routine.spread, .speed = flankSpeed, .look = kLookL2},
            };
            for (const Shot& shot : shots)
                if (!FireShot(shot)) return;
        }
    });
}

void MiddleButterFly::FireFansAndWings(const MiddleButterFlyGrade2& routine) {
    RunMiddleWindow(kPathOneWindow, [&](int32_t column) {
        if (!VolleyDue(0, kPathOnePeriod)) return;
        if (toggle == 0) {
            const Shot fan{.from = Offset(0.0f, 0.0f), .speed = routine.fanSpeed, .look = kLookS1};
            if (FireFan(fan, routine.fan[column], 90.0f, kFanStep) && routine.gapRow[column] > 0) {
                Shot gap = fan;
                gap.speed = routine.gapSpeed;
                FireFan(gap, routine.gapRow[column], 90.0f, kFanStep);
            }
        } else {
            Shot wing{.from = Offset(0.0f, 0.0f), .speed = routine.wingSpeed, .look = kLookS2};
            for (int32_t k = 0; k < routine.wingPairs[column]; ++k) {
                const float inwards = static_cast<float>(k) * routine.wingStep[column];
                wing.angle = kWingRight + inwards;
                if (!FireShot(wing)) break;
                wing.angle = kWingLeft - inwards;
                if (!FireShot(wing)) break;
            }
        }
        toggle ^= 1;
    });
}

void MiddleButterFly::FireSideShotsAndHalfRings(const MiddleButterFlyGrade2& routine) {
    RunMiddleWindow(kSideShotWindow, [&](int32_t column) {
        if (shotCounter > routine.sideLimit[column] || !VolleyDue(0, kArcVolleyPeriod)) return;
        const float aim = SavedAimDegrees();
        Shot shot{.from = Offset(toggle == 0 ? kSideMuzzle : -kSideMuzzle, 0.0f),
                  .angle = aim,
                  .speed = routine.sideSpeed,
                  .look = toggle == 0 ? kLookL1 : kLookL2};
        if (!FireShot(shot) || !routine.sideFlanks) return;
        shot.speed = kSideFlankSpeed;
        shot.angle = aim + kSideFlank;
        if (!FireShot(shot)) return;
        shot.angle = aim - kSideFlank;
        FireShot(shot);
    });
    RunMiddleWindow(kHalfRingWindow, [&](int32_t column) {
        if (phaseTimer == kHalfRingWindow.first) shotCounter = 0;
        if (!VolleyDue(0, kHalfRingPeriod)) return;
        const Shot ring{.from = Offset(0.0f, 0.0f), .speed = kHalfRingSpeed, .look = kLookS1, .aimed = true};
        FireRing(ring, routine.halfRing[column], -90.0f, routine.halfRingStep[column]);
    });
}
