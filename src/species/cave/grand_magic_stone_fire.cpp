// The final boss's own bullets: form 1's turning cross, form 0's radial
// bursts after the break and its double rings in the last phase.
#include "core/random.h"
#include "core/saturate.h"
#include "species/cave/grand_magic_stone.h"

namespace {

constexpr float kMuzzleRadius = 50.0f;   // the cross leaves from this far out
constexpr int32_t kAnyHp = 0x7FFFFFFF;

// One row of the cross: below belowHp (on every 30th shot count only when
// ring), n bullets at offset + k x step from the cross's turn.
struct CrossRow {
    int32_t belowHp;
    bool ring;
    int32_t n;
    float step;
    float offset;
    float speed;
    BulletLook look;
};

// The cross thickens as the HP falls; below 30000 a ring of 60 joins it.
constexpr CrossRow kCrossRows[] = {
    {kAnyHp, false, 4, 90.0f, 0.0f, 9.0f, kLookL1},  {kAnyHp, false, 4, 90.0f, 45.0f, 9.0f, kLookL2},
    {40000, false, 4, 90.0f, 22.5f, 9.0f, kLookL1},  {40000, false, 4, 90.0f, 67.5f, 9.0f, kLookL2},
    {30000, true, 30, 12.0f, 0.0f, 7.0f, kLookS1},   {30000, true, 30, 12.0f, 6.0f, 6.0f, kLookS2},
    {20000, false, 4, 90.0f, 11.25f, 8.0f, kLookL1}, {20000, false, 4, 90.0f, 56.25f, 8.0f, kLookL2},
    {10000, false, 4, 90.0f, 33.75f, 8.0f, kLookL1}, {10000, false, 4, 90.0f, 78.75f, 8.0f, kLookL2},
};
constexpr int32_t kCrossPeriod = 5;
constexpr int32_t kCrossRingPeriod = 30;

// The cross's swing, in volleys: fast one way, slowing, fast back, slowing.
constexpr int32_t kSwingLast = 180;

// A base angle in tenths of a degree.
float RandomBase() { return static_cast<float>(GameRandom() % 3600) / 10.0f; }

}   // namespace

void GrandMagicStone::Fire() {
    if (variant != 0) {
        if (bossPhase != 1) return;
        if (shotCounter % kCrossPeriod == 0) FireCross();
    } else if (bossPhase == 6) {
        if (shotCounter % 30 == 0) FireBurst();
    } else if (bossPhase == 7) {
        if (shotCounter % 45 == 0) FireDoubleRing();
    } else {
        return;
    }
    ++shotCounter;
}

void GrandMagicStone::FireCross() {
    const bool ringDue = shotCounter % kCrossRingPeriod == 0;
    for (const CrossRow& row : kCrossRows) {
        if (status.hp >= row.belowHp || (row.ring && !ringDue)) continue;
        for (int32_t k = 0; k < row.n; ++k) {
            const float a = row.step * Real(k) + row.offset + spinAngle;
            const Muzzle from = PointAround(x, y, kMuzzleRadius, kMuzzleRadius, a);
            FireShot(Shot{.from = from, .angle = a, .speed = row.speed, .look = row.look, .pattern = true});
        }
    }
    TurnCross();
}

void GrandMagicStone::TurnCross() {
    const int32_t s = toggle;
    if (s < 30) {
        spinAngle += 6.0f;
    } else if (s < 90) {
        spinAngle += 6.0f - 0.2f * Real(s - 30);
    } else if (s < 120) {
        spinAngle -= 6.0f;
    } else if (s < kSwingLast) {
        spinAngle += 0.2f * Real(s - 120) - 6.0f;
    } else {
        toggle = -1;
    }
    ++toggle;
}

// 120 slow bullets round the boss: colour 2 on every 60th count, else colour 1.
void GrandMagicStone::FireBurst() {
    const float b = RandomBase();
    const BulletLook look = shotCounter % 60 == 0 ? kLookS2 : kLookS1;
    FireRing(Shot{.from = Offset(0.0f, 0.0f), .speed = 0.75f, .look = look, .pattern = true}, 120, b, 3.0f);
}

// 60 pairs, the second of each 3 degrees on and faster: colour 1 on every
// 90th count, else colour 2.
void GrandMagicStone::FireDoubleRing() {
    const float b = RandomBase();
    const BulletLook look = shotCounter % 90 == 0 ? kLookS1 : kLookS2;
    Shot shot{.from = Offset(0.0f, 0.0f), .look = look, .pattern = true};
    for (int32_t k = 0; k < 60; ++k) {
        for (int32_t j = 0; j < 2; ++j) {
            shot.angle = 6.0f * Real(k) + b + 3.0f * Real(j);
            shot.speed = 8.0f + 2.0f * Real(j);
            FireShot(shot);
        }
    }
}
