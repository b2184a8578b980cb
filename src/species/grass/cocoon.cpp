#include "species/grass/cocoon.h"

namespace {

constexpr float kFiringLine = 360.0f;    // a cocoon below this line holds its fire
constexpr int32_t kRidingVariants = 3;   // variants 0..2 ride the scroll

// The canyon form's cross fans by Difficulty: period, speeds per bullet of the
// five-way and of the four-way fan, and the step between those speeds.
struct CrossFanRow {
    int32_t period;
    int32_t fiveSpeeds;
    int32_t fourSpeeds;
    float speedStep;
};
constexpr CrossFanRow kCrossFans[3] = {{30, 1, 1, 0.0f}, {20, 2, 3, -0.5f}, {15, 3, 3, -0.33f}};

}   // namespace

void Cocoon::DrawDayNightCocoon() { DrawSheetCell(Rect{0, 64, 64, 128}, 32.0f, 32.0f, 2.0f, 2.0f); }

int32_t Cocoon::SinkAndPickRoutine() {
    if (static_cast<uint32_t>(variant) < static_cast<uint32_t>(kRidingVariants)) y += scrollSpeed;
    return y > kFiringLine ? -1 : GradeRouteRoutine(CaveRoutine::kNone);
}

Muzzle Cocoon::AroundMuzzle(float degrees, float radius) const {
    const Muzzle c = CocoonMuzzle();
    return PointAround(c.x, c.y, radius, radius, degrees);
}

void Cocoon::FireSideStreams(Shot shot, float angle, int32_t n, float speedStep) const {
    shot.from = RightMuzzle();
    shot.angle = angle;
    FireColumn(shot, n, speedStep);
    shot.from = LeftMuzzle();
    shot.angle = 180.0f - angle;
    FireColumn(shot, n, speedStep);
}

void Cocoon::FireAlternatingCrossFans(BulletLook five, BulletLook four, float turn) {
    if (variant != 0) return;
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    const CrossFanRow& row = kCrossFans[column];
    RunVolleyEvery(0, row.period, [&] {
        const bool fiveWay = shotCounter % (2 * row.period) == 0;
        FireCrossFan(CrossFan{.directions = fiveWay ? 5 : 4,
                              .look = fiveWay ? five : four,
                              .spread = 3,
                              .spreadStep = 3.0f,
                              .speeds = fiveWay ? row.fiveSpeeds : row.fourSpeeds,
                              .speed = 7.0f,
                              .speedStep = row.speedStep,
                              .turn = turn});
    });
}

void Cocoon::FireCrossFan(const CrossFan& fan) const {
    Shot shot{.from = CocoonMuzzle(), .speed = fan.speed, .look = fan.look, .aimed = true};
    const float first = fan.turn - 18.0f * static_cast<float>(fan.directions - 1);
    const float firstSpread = -0.5f * fan.spreadStep * static_cast<float>(fan.spread - 1);
    for (int32_t g = 0; g < fan.directions; ++g) {
        for (int32_t j = 0; j < fan.spread; ++j) {
            shot.angle = first + 36.0f * static_cast<float>(g) + firstSpread + fan.spreadStep * static_cast<float>(j);
            FireColumn(shot, fan.speeds, fan.speedStep);
        }
    }
}
