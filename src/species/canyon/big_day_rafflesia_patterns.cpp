// The day boss's four attack patterns. Every bullet is a pattern bullet from
// the muzzle 30 pixels above the centre (phase 2's triples from six points
// turning round it); t is the shot counter, r the rotating angle.
#include "species/canyon/big_day_rafflesia.h"

namespace {

constexpr int32_t kSpokes = 10;   // the wheels of phases 2 and 4: ten spokes 36 degrees apart
constexpr float kSpoke = 36.0f;

float Spoke(int32_t k) { return kSpoke * static_cast<float>(k); }

}   // namespace

void BigDayRafflesia::CounterRotatingRings(int32_t column) {
    static constexpr int32_t kCount[3] = {10, 15, 20};
    static constexpr float kStep[3] = {36.0f, 24.0f, 18.0f};
    const int32_t t = shotCounter;
    if (t % 3 != 0) return;
    if (t % 15 == 0) {   // every fifth beat turns the rings instead of firing
        spinAngle += 10.0f;
        return;
    }
    const Muzzle m = BigRafflesiaMuzzle();
    for (int32_t k = 0; k < kCount[column]; ++k) {
        const float a = static_cast<float>(k) * kStep[column];
        FireShot(Shot{.from = m, .angle = a + spinAngle, .speed = 5.0f, .look = kLookL2, .pattern = true});
        FireShot(Shot{.from = m, .angle = -a - spinAngle, .speed = 9.0f, .look = kLookL1, .pattern = true});
    }
    spinAngle += 1.0f;
}

void BigDayRafflesia::FanWheelWithTriples(int32_t column) {
    struct Row {
        int32_t fan;       // bullets per fan, 3 degrees apart
        float spread;      // the fan runs from -spread
        int32_t offsets;   // aimed bullets from each orbiting point
        float offset[3];
    };
    static constexpr Row kRows[3] = {
        {3, 3.0f, 2, {-25.0f, 25.0f}}, {5, 6.0f, 3, {-35.0f, 0.0f, 35.0f}}, {7, 9.0f, 3, {-25.0f, 0.0f, 25.0f}}};
    const int32_t t = shotCounter;
    if (t >= 60) {   // quiet to the end of the 91-frame sub-cycle
        if (t >= 90) shotCounter = -1;
        return;
    }
    const Row& row = kRows[column];
    const float ft = static_cast<float>(t);
    if (t % 10 == 0) {   // the aimed fan wheel, slowing across the sub-cycle
        const Shot fan{
            .from = BigRafflesiaMuzzle(), .speed = 8.0f - 0.05f * ft, .look = kLookS2, .aimed = true, .pattern = true};
        for (int32_t k = 0; k < kSpokes; ++k) FireRing(fan, row.fan, Spoke(k) - row.spread, 3.0f);
    }
    if (t % 3 != 0) return;
    // Six points 30 pixels out, each aiming its own bullets, faster and faster.
    for (int32_t e = 0; e < 6; ++e) {
        Shot shot{.from = BigRafflesiaRingPoint(30.0f, spinAngle + 60.0f * static_cast<float>(e)),
                  .speed = 5.0f + 0.2f * ft,
                  .look = kLookL1,
                  .aimed = true,
                  .pattern = true};
        for (int32_t i = 0; i < row.offsets; ++i) {
            shot.angle = row.offset[i];
            FireShot(shot);
        }
    }
    spinAngle += 2.0f;
}

void BigDayRafflesia::FanAndSheddingStar(int32_t column) {
    static constexpr int32_t kPeriods[3] = {30, 30, 20};
    if (shotCounter % kPeriods[column] != 0) return;
    const Muzzle m = BigRafflesiaMuzzle();
    const Shot fan{.from = m, .speed = 6.0f, .look = kLookS1, .aimed = true, .pattern = true};
    if (column == 0) {
        FireFan(fan, 3, 0.0f, 15.0f);
    } else {
        FireFan(fan, 5, 0.0f, 7.5f);
    }
    // A six-pointed star whose bullets shed slow pairs that speed up later.
    FireRing(Shot{.from = m, .speed = 7.0f, .look = kLookS1, .behaviour = 22, .pattern = true}, 6, 15.0f + spinAngle,
             60.0f);
    spinAngle += 30.0f;
}

void BigDayRafflesia::BreathingFanWheel(int32_t column) {
    const int32_t t = shotCounter;
    const Muzzle m = BigRafflesiaMuzzle();
    if (t % 10 == 0) {
        // The toggle counts the wave from 0 to its top and back to 0; the fan
        // width rises with it to half the top and falls again.
        const int32_t top = column == 0 ? 6 : 10;
        const int32_t width = toggle < top - toggle ? toggle : top - toggle;
        const Shot spoke{.from = m, .speed = 7.0f, .look = kLookS1, .aimed = true, .pattern = true};
        for (int32_t k = 0; k < kSpokes; ++k) FireRing(spoke, width + 1, Spoke(k) - static_cast<float>(width), 2.0f);
        toggle = toggle >= top ? 0 : toggle + 1;
    }
    if (t % 30 == 0) {   // fans between the spokes
        const Shot between{.from = m, .speed = 5.0f, .look = kLookS2, .aimed = true, .pattern = true};
        const bool wide = column == 2;
        for (int32_t k = 0; k < kSpokes; ++k) FireRing(between, wide ? 5 : 3, Spoke(k) - (wide ? 24.0f : 21.0f), 3.0f);
    }
}
