// The butterfly's six shot routines. Most volleys leave (x - 2, y); speed
// columns leave at 6, 6.5, 7.
#include <initializer_list>

#include "species/grass/butterfly.h"

namespace {

constexpr FlyerVolley kOne{};
constexpr FlyerVolley kAimedOne{.shape = FlyerShape::kAimed};
constexpr FlyerVolley kDownFan{.fan = 3, .fanStep = 15.0f};   // 75, 90, 105
constexpr FlyerVolley Column(int32_t n) { return FlyerVolley{.column = n}; }
constexpr FlyerVolley AimedColumn(int32_t n) { return FlyerVolley{.shape = FlyerShape::kAimed, .column = n}; }
constexpr FlyerVolley SidePair(int32_t n) { return FlyerVolley{.shape = FlyerShape::kSidePair, .column = n}; }
constexpr FlyerVolley kLeftPair{.shape = FlyerShape::kSidePairLeft};
constexpr FlyerVolley kTwin{.shape = FlyerShape::kTwinDown};
constexpr FlyerVolley kTwinFan{.shape = FlyerShape::kTwinDown, .fan = 3, .fanStep = 15.0f};
// For each speed 6, 6.5, 7 three bullets at 80, 90 and 100.
constexpr FlyerVolley kFannedColumn{.fan = 3, .fanStep = 10.0f, .column = 3};

// Blocks: path 0; paths 1..3 (gated, aimed); paths 4, 5; paths 6, 7.
constexpr FlyerTable kGrade1Route1 = {
    {false, 60, {30, 20, 20}, kLookS1, 0.0f, {kOne, kOne, kDownFan}},
    {true, 30, {30, 20, 10}, kLookL1, 0.0f, {kAimedOne, kAimedOne, kAimedOne}},
    {false, 0, {30, 20, 20}, kLookS1, 0.0f, {SidePair(1), SidePair(1), SidePair(2)}},
    {false, 60, {20, 20, 10}, kLookS1, 0.0f, {kOne, Column(3), Column(3)}},
};
constexpr FlyerTable kGrade1Route2 = {
    {false, 60, {30, 20, 20}, kLookS1, 0.0f, {kTwin, kTwin, kTwinFan}},
    {true, 30, {20, 15, 15}, kLookL1, 0.0f, {kAimedOne, kAimedOne, AimedColumn(3)}},
    {false, 0, {20, 20, 20}, kLookS1, 0.0f, {SidePair(1), SidePair(2), SidePair(3)}},
    {false, 60, {20, 10, 10}, kLookS1, 0.0f, {Column(3), Column(3), kFannedColumn}},
};
constexpr FlyerTable kGrade1Route3 = {
    {false, 60, {40, 30, 20}, kLookS1, 0.0f, {kOne, kOne, kOne}},
    {true, 30, {40, 30, 20}, kLookL1, 0.0f, {kAimedOne, kAimedOne, kAimedOne}},
    {false, 0, {40, 30, 20}, kLookS1, 0.0f, {kLeftPair, kLeftPair, kLeftPair}},
    {false, 60, {30, 20, 20}, kLookS1, 0.0f, {kOne, kOne, Column(3)}},
};

bool AimedPath(int32_t variant) { return variant >= 0 && variant <= 3; }
bool SidePath(int32_t variant) { return variant == 4 || variant == 5; }

}   // namespace

void ButterFly::FireMixedSidePair(const int32_t (&periods)[3], BulletLook first, BulletLook second) {
    RunVolley(0, periods, [&](int32_t) {
        const Shot right{.from = Offset(3.0f, 0.0f), .angle = 0.0f, .speed = 6.0f, .look = first};
        const Shot left{.from = Offset(-7.0f, 0.0f), .angle = 180.0f, .speed = 6.0f, .look = first};
        for (Shot shot : {right, left}) {
            if (!FireShot(shot)) return;
            shot.speed = 7.0f;
            shot.look = second;
            if (!FireShot(shot)) return;
        }
    });
}

void ButterFly::FireGrade1Route1() { FireFlyerTable(kGrade1Route1); }

void ButterFly::FireGrade1Route2() { FireFlyerTable(kGrade1Route2); }

void ButterFly::FireGrade1Route3() { FireFlyerTable(kGrade1Route3); }

void ButterFly::FireGrade2Route1() {
    if (AimedPath(variant)) FireFlyerFan({40, 30, 20}, kLookL2, 6.0f, kLookL1, 8.0f);
    if (SidePath(variant)) FireMixedSidePair({30, 20, 20}, kLookS2, kLookS1);
}

void ButterFly::FireGrade2Route2() {
    switch (variant) {
        case 0:
        case 1:
        case 2:
        case 3:   // the aimed fan, faster
            FireFlyerFan({40, 30, 20}, kLookL2, 7.0f, kLookL1, 9.0f);
            break;
        case 4:
        case 5:   // the mixed side pair, more often
            FireMixedSidePair({20, 15, 15}, kLookS2, kLookS1);
            break;
        case 8:   // the pair opening from straight down
            FireOpeningPair(kLookL1);
            break;
        case 9:
        case 10:
        case 11:
        case 12:   // bullets left along the loop
            FireLoopShots(kLookL1);
            break;
        default: break;   // paths 6 and 7 hold their fire
    }
}

void ButterFly::FireGrade2Route3() {
    if (AimedPath(variant)) FireFlyerFan({60, 40, 30}, kLookL1, 6.0f, kLookL2, 8.0f);
    if (SidePath(variant)) FireMixedSidePair({45, 30, 30}, kLookS1, kLookS2);
}
