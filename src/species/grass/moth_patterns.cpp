// The moth's six fire routines. Muzzle A is (x - 2, y), muzzle B five pixels
// below it; speed columns leave at 6, 6.5, 7, ...
#include "species/grass/moth.h"

namespace {

constexpr float kMuzzleB = 5.0f;
constexpr FlyerVolley kOne{};
constexpr FlyerVolley kAimedOne{.shape = FlyerShape::kAimed};
constexpr FlyerVolley Column(int32_t n) { return FlyerVolley{.column = n}; }
constexpr FlyerVolley DownFan(int32_t n, float step) { return FlyerVolley{.fan = n, .fanStep = step}; }
constexpr FlyerVolley AimedColumn(int32_t n) { return FlyerVolley{.shape = FlyerShape::kAimed, .column = n}; }

// Blocks: path 0; paths 1..3 (gated, aimed); paths 4, 5; paths 6, 7.
constexpr FlyerTable kGrade1Route1 = {
    {false, 60, {30, 20, 20}, kLookS2, 0.0f, {kOne, kOne, DownFan(3, 3.0f)}},
    {true, 30, {30, 20, 10}, kLookL2, 0.0f, {kAimedOne, kAimedOne, kAimedOne}},
    {false, 0, {30, 20, 20}, kLookS2, kMuzzleB, {Column(1), Column(2), Column(3)}},
    {false, 60, {20, 20, 10}, kLookS2, 0.0f, {Column(1), Column(2), Column(3)}},
};
constexpr FlyerTable kGrade1Route2 = {
    {false, 60, {30, 20, 20}, kLookS2, 0.0f, {DownFan(3, 5.0f), DownFan(3, 3.0f), DownFan(5, 3.0f)}},
    {true, 30, {30, 20, 10}, kLookL2, 0.0f, {AimedColumn(2), AimedColumn(2), AimedColumn(3)}},
    {false, 0, {30, 20, 20}, kLookS2, kMuzzleB, {Column(2), Column(3), Column(5)}},
    {false, 60, {30, 20, 20}, kLookS2, kMuzzleB, {Column(2), Column(3), Column(5)}},
};
constexpr FlyerTable kGrade1Route3 = {
    {false, 60, {45, 30, 20}, kLookS2, 0.0f, {kOne, kOne, kOne}},
    {true, 30, {45, 30, 20}, kLookL2, 0.0f, {kAimedOne, kAimedOne, kAimedOne}},
    {false, 0, {45, 30, 30}, kLookS2, kMuzzleB, {Column(1), Column(1), Column(2)}},
    {false, 60, {30, 20, 20}, kLookS2, 0.0f, {Column(1), Column(1), Column(2)}},
};

bool AimedPath(int32_t variant) { return variant >= 0 && variant <= 3; }

}   // namespace

void Moth::FireGrade1Route1() { FireFlyerTable(kGrade1Route1); }

void Moth::FireGrade1Route2() { FireFlyerTable(kGrade1Route2); }

void Moth::FireGrade1Route3() { FireFlyerTable(kGrade1Route3); }

void Moth::FireGrade2Route1() {
    if (AimedPath(variant)) FireFlyerFan({40, 30, 20}, kLookL1, 6.0f, kLookL2, 8.0f);
}

void Moth::FireGrade2Route2() {
    switch (variant) {
        case 0:
        case 1:
        case 2:
        case 3:   // the aimed fan, faster
            FireFlyerFan({40, 30, 20}, kLookL1, 7.0f, kLookL2, 9.0f);
            break;
        case 8:   // the pair opening from straight down
            FireOpeningPair(kLookL2);
            break;
        case 9:
        case 10:
        case 11:
        case 12:   // bullets left along the loop
            FireLoopShots(kLookL2);
            break;
        default: break;   // paths 4..7 hold their fire
    }
}

void Moth::FireGrade2Route3() {
    if (AimedPath(variant)) FireFlyerFan({60, 40, 30}, kLookL1, 6.0f, kLookL2, 8.0f);
}
