#include "species/grass/middle_flyer.h"

#include <cmath>

namespace {

constexpr int32_t kArrivalFrames = 90;   // paths 0 and 1 brake to a stop over these frames
constexpr int32_t kArcFrames = 120;      // paths 2 and 3 bend to a stop over these frames
constexpr int32_t kStandsUntil = 210;    // then every path sinks, 0.1 pixel per frame faster each frame
constexpr float kDescent = 9.0f;
constexpr float kDescentBrake = 0.1f;
constexpr float kSinkGain = 0.1f;
constexpr float kArcRise = 3.0f;   // the arc's vertical speed, 3 - 0.025 t
constexpr float kArcRiseBrake = 0.025f;

double Radians(float degrees) { return static_cast<double>(degrees * kDegToRad); }

}   // namespace

// Grade 1 drops no ring at Difficulty 1; every other ring is spaced evenly from 0 degrees.
const OrdinaryRules MiddleFlyer::kMiddleFlyerRules{
    .death = {.burst = DeathBurst::kMiddle,
              .cancel = DeathCancel::kNone,
              .bigItem = true,
              .ring = {{{0, 2, 4}, {2, 3, 5}, {3, 4, 6}}}},
    .margin = 200.0f,
    .animated = true,
    .facesTarget = false,
};

void MiddleFlyer::FlyMiddlePath(const MiddleArcSpeed& arc) {
    const int32_t t = phaseTimer;
    const float ft = static_cast<float>(t);
    if (t > kStandsUntil && variant >= 0 && variant <= 3) {
        y += (ft - static_cast<float>(kStandsUntil)) * kSinkGain;
        return;
    }
    switch (variant) {
        case 0:
        case 1:   // drops in braking to a stop
            if (t < kArrivalFrames) y += kDescent - kDescentBrake * ft;
            break;
        case 2:     // leaves up and to the right, bending to horizontal as it stops
        case 3: {   // the mirror image, to the left
            if (t >= kArcFrames) break;
            const double a = Radians(variant == 2 ? 0.5f * ft - 60.0f : -120.0f - 0.5f * ft);
            x += static_cast<float>(std::cos(a) * static_cast<double>(arc.start - arc.slowdown * ft));
            y += static_cast<float>(std::sin(a) * static_cast<double>(kArcRise - kArcRiseBrake * ft));
            break;
        }
        default: break;   // no path: stands
    }
}

void MiddleFlyer::DrawMiddleButterFlyMoth() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 256, 256}, 128.0f, 128.0f, 1.5f, 1.0f);
}
