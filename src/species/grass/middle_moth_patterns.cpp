// The middle moth's six fire routines. Its signature is a tight spread from
// 25 pixels below its centre; its wing tips, 25 pixels either side, add
// flanks, fans and streams.
#include "species/grass/middle_moth.h"

// The path-0 burst of a routine; arrays by Difficulty 1..3. A volley is the
// right wing's flank at the aim - spread, the three-bullet spread 3 degrees
// apart about the aim, then the left wing's flank at the aim + spread; all
// gain 0.2 per counter step.
struct MiddleMothBurst {
    BulletLook flankLook;
    float flankSpread[3];
    float spreadSpeed[3];
    float flankSpeed[3];   // 0: the spread alone
};

// The numbers of one grade-2 routine; arrays by Difficulty 1..3.
struct MiddleMothGrade2 {
    MiddleMothBurst burst;
    // Path 1: from each wing a fan 3 degrees apart about the aim -/+ the fan
    // angle, then aimed streams of n bullets `step` apart from both wings.
    float fanAngle[3];
    int32_t fanCount[3];
    int32_t streamCount[3];
    float streamStep[3];
    float streamSpeed[3];
    // Arcs: a fan 30 degrees apart about the aim from the wing of the cycle,
    // and while t < 120 ring shots about straight down (0: none), each angle
    // at one speed (6) or two (6 and 7).
    int32_t wingFan[3];
    float wingFanSpeed[3];
    int32_t ringCount[3];
    float ringStep[3];
    int32_t ringSpeeds[3];
};

namespace {

constexpr float kWing = 25.0f;          // the wing tips, either side of the centre
constexpr float kLowerMuzzle = 25.0f;   // the spread leaves this far below the centre
constexpr float kRingRadius = 25.0f;
constexpr float kSpreadStep = 3.0f;
constexpr float kFanStep = 3.0f;
constexpr float kPathOneFanSpeed = 6.0f;
constexpr float kWingFanStep = 30.0f;
constexpr float kWingFanGain = 0.3f;
constexpr float kRingSpeed = 6.0f;
constexpr int32_t kRingShotsUntil = 120;   // ring shots only before this phase time
// Path 1: fans on counts 0, 10 and 20, streams every third count from 30 to
// 57, then a rest to 90.
constexpr int32_t kFansBefore = 30;
constexpr int32_t kFanPeriod = 10;
constexpr int32_t kStreamsBefore = 60;
constexpr int32_t kStreamPeriod = 3;
// Arcs: wing fans on even counts up to 10, ring shots on counts 0, 10, 20.
constexpr int32_t kWingFanPeriod = 2;
constexpr int32_t kWingFanLast = 10;
constexpr int32_t kRingPeriod = 10;

// Path 1: 91-frame cycles from t = 30 to 179, the aim taken at each.
constexpr MiddleWindow kPathOneWindow{.first = 30, .last = 179, .wrapAt = 90, .takesAim = true};
// Arcs: 30-frame cycles from t = 30 to 179, the aim taken and the wing swapped at each.
constexpr MiddleWindow kArcWindow{.first = 30, .last = 179, .wrapAt = 29, .flipsToggle = true, .takesAim = true};

constexpr MiddleMothBurst kGrade1Route1{kLookL2, {30, 30, 30}, {5, 5, 6}, {0, 6, 7}};
constexpr MiddleMothBurst kGrade1Route2{kLookL2, {30, 30, 30}, {5, 6, 7}, {6, 7, 8}};
constexpr MiddleMothBurst kGrade1Route3{kLookL2, {30, 30, 30}, {4, 5, 5}, {0, 0, 6}};

constexpr MiddleMothGrade2 kGrade2Route1{
    .burst = {kLookL1, {30, 30, 30}, {6, 7, 8}, {7, 8, 9}},
    .fanAngle = {30, 30, 30},
    .fanCount = {3, 5, 7},
    .streamCount = {1, 3, 3},
    .streamStep = {0, 45, 30},
    .streamSpeed = {4, 4, 4},
    .wingFan = {1, 3, 5},
    .wingFanSpeed = {5, 5, 5},
    .ringCount = {2, 3, 5},
    .ringStep = {60, 30, 20},
    .ringSpeeds = {1, 1, 1},
};
constexpr MiddleMothGrade2 kGrade2Route2{
    .burst = {kLookL1, {30, 30, 20}, {7, 8, 8}, {8, 9, 9}},
    .fanAngle = {30, 30, 30},
    .fanCount = {5, 7, 9},
    .streamCount = {3, 3, 3},
    .streamStep = {45, 30, 20},
    .streamSpeed = {4, 4, 4},
    .wingFan = {3, 5, 7},
    .wingFanSpeed = {5, 5, 5},
    .ringCount = {3, 5, 5},
    .ringStep = {30, 20, 20},
    .ringSpeeds = {1, 1, 2},
};
constexpr MiddleMothGrade2 kGrade2Route3{
    .burst = {kLookL1, {30, 30, 30}, {5, 6, 7}, {6, 7, 8}},
    .fanAngle = {45, 30, 30},
    .fanCount = {3, 3, 5},
    .streamCount = {1, 1, 3},
    .streamStep = {0, 0, 45},
    .streamSpeed = {3, 4, 4},
    .wingFan = {1, 1, 3},
    .wingFanSpeed = {4, 5, 5},
    .ringCount = {0, 2, 3},
    .ringStep = {0, 60, 30},
    .ringSpeeds = {1, 1, 1},
};

}   // namespace

void MiddleMoth::FireGrade1Route1() { FireSpreadBurst(kGrade1Route1); }

void MiddleMoth::FireGrade1Route2() { FireSpreadBurst(kGrade1Route2); }

void MiddleMoth::FireGrade1Route3() { FireSpreadBurst(kGrade1Route3); }

void MiddleMoth::FireGrade2Route1() { FireGrade2(kGrade2Route1); }

void MiddleMoth::FireGrade2Route2() { FireGrade2(kGrade2Route2); }

void MiddleMoth::FireGrade2Route3() { FireGrade2(kGrade2Route3); }

void MiddleMoth::FireGrade2(const MiddleMothGrade2& routine) {
    switch (variant) {
        case 0: FireSpreadBurst(routine.burst); break;   // the spread with its flanks
        case 1: FireFansAndStreams(routine); break;      // wing fans, then aimed streams
        case 2:
        case 3: FireWingFansAndRingShots(routine); break;   // the arcs
        default: break;
    }
}

void MiddleMoth::FireSpreadBurst(const MiddleMothBurst& burst) {
    if (variant != 0) return;   // the other paths hold their fire
    RunMiddleWindow(kMiddleBurstWindow, [&](int32_t column) {
        if (!MiddleBurstVolleyDue()) return;
        const float aim = SavedAimDegrees();
        const bool flanks = burst.flankSpeed[column] > 0.0f;
        Shot flank{.from = Offset(kWing, 0.0f),
                   .angle = aim - burst.flankSpread[column],
                   .speed = MiddleBurstSpeed(burst.flankSpeed[column]),
                   .look = burst.flankLook};
        if (flanks && !FireShot(flank)) return;
        const Shot spread{
            .from = Offset(0.0f, kLowerMuzzle), .speed = MiddleBurstSpeed(burst.spreadSpeed[column]), .look = kLookL2};
        if (!FireFan(spread, 3, aim, kSpreadStep) || !flanks) return;
        flank.from = Offset(-kWing, 0.0f);
        flank.angle = aim + burst.flankSpread[column];
        FireShot(flank);
    });
}

void MiddleMoth::FireFansAndStreams(const MiddleMothGrade2& routine) {
    RunMiddleWindow(kPathOneWindow, [&](int32_t column) {
        const float c = static_cast<float>(shotCounter);
        if (shotCounter < kFansBefore) {
            if (!VolleyDue(0, kFanPeriod)) return;
            const float aim = SavedAimDegrees();
            const Shot fan{.from = Offset(kWing, 0.0f), .speed = kPathOneFanSpeed + 0.2f * c, .look = kLookS1};
            if (!FireFan(fan, routine.fanCount[column], aim - routine.fanAngle[column], kFanStep)) return;
            Shot left = fan;
            left.from = Offset(-kWing, 0.0f);
            FireFan(left, routine.fanCount[column], aim + routine.fanAngle[column], kFanStep);
        } else if (shotCounter < kStreamsBefore && VolleyDue(0, kStreamPeriod)) {
            const float speed = routine.streamSpeed[column] + 0.2f * (c - static_cast<float>(kFansBefore));
            Shot stream{.from = Offset(kWing, 0.0f), .speed = speed, .look = kLookL2, .aimed = true};
            if (!FireFan(stream, routine.streamCount[column], 0.0f, routine.streamStep[column])) return;
            stream.from = Offset(-kWing, 0.0f);
            FireFan(stream, routine.streamCount[column], 0.0f, routine.streamStep[column]);
        }
    });
}

void MiddleMoth::FireWingFansAndRingShots(const MiddleMothGrade2& routine) {
    RunMiddleWindow(kArcWindow, [&](int32_t column) {
        if (shotCounter <= kWingFanLast && VolleyDue(0, kWingFanPeriod)) {
            const Shot fan{.from = Offset(toggle == 0 ? kWing : -kWing, 0.0f),
                           .speed = routine.wingFanSpeed[column] + kWingFanGain * static_cast<float>(shotCounter),
                           .look = kLookL2};
            FireFan(fan, routine.wingFan[column], SavedAimDegrees(), kWingFanStep);
        }
        if (phaseTimer >= kRingShotsUntil || !VolleyDue(0, kRingPeriod)) return;
        const int32_t n = routine.ringCount[column];
        const float step = routine.ringStep[column];
        const float first = 90.0f - static_cast<float>(n - 1) * step / 2.0f;
        for (int32_t k = 0; k < n; ++k) {
            const float a = first + static_cast<float>(k) * step;
            const Shot shot{.from = PointAround(x, y, kRingRadius, kRingRadius, a),
                            .angle = a,
                            .speed = kRingSpeed,
                            .look = kLookS1};
            if (!FireColumn(shot, routine.ringSpeeds[column], 1.0f)) return;
        }
    });
}
