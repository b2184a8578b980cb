// The day rafflesia's three fire routines, each with three forms by variant.
// Every bullet is an ordinary one: its behaviour means something only on
// the field route that gives it a meaning.
#include "core/random.h"
#include "species/canyon/day_rafflesia.h"

namespace {

constexpr int32_t kSplitOnRoute1Colour1 = 21;   // three aimed large colour-1 bullets once stopped
constexpr int32_t kSplitOnRoute1Colour2 = 22;   // four aimed large colour-2 bullets once stopped

// The open ring of route 2: the aimed fan's size, then n bullets from the
// ring points a0, a0 - s, ... (the gap lies about straight down).
struct GappedRing {
    int32_t fan;
    int32_t count;
    float first;
    float step;
};
constexpr GappedRing kGappedRings[3] = {{3, 21, 60.0f, 15.0f}, {5, 27, 66.0f, 12.0f}, {7, 35, 80.0f, 10.0f}};

// The directions of route 3's bursts and columns.
constexpr SmallRafflesia::Directions kDirections[3] = {{6, 60.0f}, {8, 45.0f}, {10, 36.0f}};

constexpr int32_t kBurstCycleEnd = 120;
constexpr int32_t kBurstCounts = 60;   // bursts on counts 0, 5, ..., 55
constexpr int32_t kBurstGap = 5;

}   // namespace

void DayRafflesia::FireGrade2Route1() {
    switch (variant) {
        case 0: RunVolley(0, {45, 35, 20}, [this](int32_t) { FireStackedRings(); }); break;    // stacked rings
        case 1: RunVolley(0, {45, 35, 15}, [this](int32_t) { FireSplittingRing(); }); break;   // splitting rings
        case 2: RunVolley(0, {60, 45, 30}, [this](int32_t) { FireDoubleCombs(); }); break;     // double combs
        default: break;
    }
}

void DayRafflesia::FireGrade2Route2() {
    switch (variant) {
        case 0: RunVolley(20, {20, 20, 20}, [this](int32_t c) { FireGappedRing(c); }); break;   // open ring
        case 1: RunVolley(0, {10, 8, 6}, [this](int32_t c) { FireTwinSpirals(c); }); break;     // twin spirals
        case 2: RunVolley(0, {45, 30, 20}, [this](int32_t) { FireCombsAndFan(); }); break;      // combs and fan
        default: break;
    }
}

void DayRafflesia::FireGrade2Route3() {
    static constexpr int32_t kChevronPeriods[3] = {25, 20, 15};
    switch (variant) {
        case 0:   // arrowhead rings
            RunVolley(0, kChevronPeriods, [this](int32_t c) { FireChevronRing(kChevronPeriods[c]); });
            break;
        case 1:   // accelerating bursts
            RunCycle(kBurstCycleEnd, false, [this](int32_t c) {
                if (shotCounter >= kBurstCounts || shotCounter % kBurstGap != 0) return false;
                FireAcceleratingBursts(c);
                return true;
            });
            break;
        case 2: RunVolley(0, {40, 30, 20}, [this](int32_t c) { FireFlankedColumns(c); }); break;   // columns
        default: break;
    }
}

void DayRafflesia::FireStackedRings() {
    const Shot stack{.from = Centre(), .speed = 9.0f, .look = kLookL2, .aimed = true};
    for (int32_t i = 0; i < 10; ++i) {
        Shot s = stack;
        s.angle = Degrees(i, 36.0f) - 18.0f;
        FireColumn(s, 5, -0.2f);
    }
    const Shot triplet{.from = Centre(), .speed = 6.0f, .look = kLookS1, .aimed = true};
    for (int32_t i = 0; i < 10; ++i) FireRing(triplet, 3, Degrees(i, 36.0f) - 4.0f, 4.0f);
}

void DayRafflesia::FireSplittingRing() {
    Shot ring{.from = Centre(), .speed = 6.0f, .aimed = true};
    if (toggle == 0) {
        ring.look = kLookM1;
        ring.behaviour = kSplitOnRoute1Colour1;
        FireRing(ring, 10, 0.0f, 36.0f);
        toggle = 1;
    } else {
        ring.look = kLookM2;
        ring.behaviour = kSplitOnRoute1Colour2;
        FireRing(ring, 10, -18.0f, 36.0f);
        toggle = 0;
    }
}

void DayRafflesia::FireDoubleCombs() {
    const Shot fast{.from = Centre(), .speed = 6.0f, .look = kLookS1, .aimed = true};
    for (int32_t i = 0; i < 15; ++i) FireRing(fast, 5, Degrees(i, 24.0f) - 4.0f, 2.0f);
    const Shot slow{.from = Centre(), .speed = 4.0f, .look = kLookS2, .aimed = true};
    for (int32_t i = 0; i < 15; ++i) FireRing(slow, 5, Degrees(i, 24.0f) - 16.0f, 2.0f);
}

void DayRafflesia::FireGappedRing(int32_t column) {
    const GappedRing& g = kGappedRings[column];
    FireFan(Shot{.from = Centre(), .speed = 4.0f, .look = kLookS1, .aimed = true}, g.fan, 0.0f, 2.0f);
    for (int32_t k = 0; k < g.count; ++k) {
        const float a = g.first - g.step * static_cast<float>(k);
        FireShot(Shot{.from = RingPoint(a), .angle = a, .speed = 7.0f, .look = kLookS2});
    }
}

void DayRafflesia::FireTwinSpirals(int32_t column) {
    static constexpr float kTurns[3] = {20.0f, 16.0f, 12.0f};
    for (int32_t k = 0; k < 5; ++k) {
        const float a = Degrees(k, 13.0f) + spinAngle;
        FireShot(Shot{.from = RingPoint(a), .angle = a, .speed = 5.0f + static_cast<float>(k), .look = kLookS2});
    }
    for (int32_t k = 0; k < 5; ++k) {
        const float b = 180.0f - spinAngle - Degrees(k, 13.0f);
        FireShot(Shot{.from = RingPoint(b), .angle = b, .speed = 5.0f + static_cast<float>(k), .look = kLookS1});
    }
    spinAngle += kTurns[column];
}

void DayRafflesia::FireCombsAndFan() {
    const Shot comb{.from = Centre(), .speed = 5.0f, .look = kLookS2, .aimed = true};
    for (int32_t i = 0; i < 10; ++i) FireRing(comb, 5, Degrees(i, 36.0f) + 12.0f, 3.0f);
    for (int32_t i = 0; i < 5; ++i) {
        const Shot column{
            .from = Centre(), .angle = Degrees(i, 15.0f) - 30.0f, .speed = 5.0f, .look = kLookL1, .aimed = true};
        FireColumn(column, 5, 0.25f);
    }
}

void DayRafflesia::FireChevronRing(int32_t period) {
    // The middle bullet of each arrowhead leads.
    static constexpr float kSpeeds[5] = {7.0f, 7.5f, 8.0f, 7.5f, 7.0f};
    const bool colourOne = shotCounter % (2 * period) == 0;
    const float offset = colourOne ? -4.0f : -22.0f;
    const Shot chevron{.from = Centre(), .look = colourOne ? kLookL1 : kLookL2, .aimed = true};
    for (int32_t i = 0; i < 10; ++i) {
        for (int32_t j = 0; j < 5; ++j) {
            Shot s = chevron;
            s.angle = Degrees(i, 36.0f) + offset + Degrees(j, 2.0f);
            s.speed = kSpeeds[j];
            FireShot(s);
        }
    }
}

void DayRafflesia::FireAcceleratingBursts(int32_t column) {
    const Directions& d = kDirections[column];
    const float speed = 4.0f + 0.1f * static_cast<float>(shotCounter);
    for (int32_t i = 0; i < d.count; ++i) {
        const float a = Degrees(i, d.step);
        FireShot(Shot{.from = Centre(), .angle = a, .speed = speed, .look = kLookL1, .aimed = true});
        // The colour-2 partner trails by half a step, give or take four degrees.
        const int32_t r = GameRandom() % 80;
        const float partner = a + d.step / 2.0f - 4.0f + static_cast<float>(r) / 10.0f;
        FireShot(Shot{.from = Centre(), .angle = partner, .speed = speed, .look = kLookL2, .aimed = true});
    }
}

void DayRafflesia::FireFlankedColumns(int32_t column) {
    static constexpr float kFlanks[4] = {-8.0f, -4.0f, 4.0f, 8.0f};
    const Directions& d = kDirections[column];
    for (int32_t i = 0; i < d.count; ++i) {
        const float a = Degrees(i, d.step);
        FireColumn(Shot{.from = Centre(), .angle = a, .speed = 7.0f, .look = kLookL1, .aimed = true}, 3, 0.5f);
        for (float flank : kFlanks)
            FireShot(Shot{.from = Centre(), .angle = a + flank, .speed = 6.0f, .look = kLookS2, .aimed = true});
    }
}
