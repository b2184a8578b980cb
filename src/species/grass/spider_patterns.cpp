// The spider's volleys. Every bullet is an ordinary bullet of the second
// colour from (x, y + 30), carrying the spider's powers.
#include <initializer_list>

#include "species/grass/spider.h"

namespace {

constexpr float kMuzzleDrop = 30.0f;

// Phase 1: every 20 / 15 / 10 calls, a pair at 7 and 4 on each of 30, 50, ..., 150.
constexpr int32_t kPairPeriods[3] = {20, 15, 10};
constexpr int32_t kPairAngles = 7;

// Phase 2: the streams on even calls; the ring every 10 calls, 20 / 30 / 30
// bullets, doubled at 6 on Difficulty 3.
constexpr int32_t kRingBullets[3] = {20, 30, 30};

// Phase 3: a side shot every 20 calls.
constexpr int32_t kSideShotPeriod = 20;

// Phase 4: the one burst.
constexpr int32_t kBurstCall = 30;

// Phase 6: every 20 / 15 / 10 calls; 40 directions at 7 and 6.5 before call
// 90, then 50 at 6.
constexpr int32_t kRagePeriods[3] = {20, 15, 10};
constexpr int32_t kRageSwitch = 90;

}   // namespace

void Spider::Fire() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 1: FireFallingPairs(column); break;     // pairs spread downwards
        case 2: FireClosingStreams(column); break;   // streams closing on the knight, and aimed rings
        case 3: FireSideShots(); break;              // level shots right and left
        case 4: FireOpenBurst(); break;              // one burst, open at the top
        case 6: FireRageRings(column); break;        // turning aimed rings
        default: return;                             // entry, warm-up and escape: no count either
    }
    ++shotCounter;
}

void Spider::FireFallingPairs(int32_t column) {
    if (!VolleyDue(0, kPairPeriods[column])) return;
    const Shot shot{.from = Offset(0.0f, kMuzzleDrop), .speed = 7.0f, .look = kLookS2};
    FireRingOfColumns(shot, kPairAngles, 30.0f, 20.0f, 2, -3.0f);
}

void Spider::FireClosingStreams(int32_t column) {
    const float c = static_cast<float>(shotCounter);
    Shot shot{.from = Offset(0.0f, kMuzzleDrop), .look = kLookL2, .aimed = true};
    if (shotCounter % 2 == 0) {
        // 65 degrees either side of the knight, a degree closer every call.
        for (const float angle : {c - 65.0f, 65.0f - c}) {
            shot.angle = angle;
            shot.speed = 6.0f + 0.1f * c;
            if (!FireShot(shot)) break;
            if (column != 2) continue;
            shot.speed = 3.0f + 0.1f * c;
            if (!FireShot(shot)) break;
        }
    }
    if (shotCounter % 10 != 0) return;
    const int32_t n = kRingBullets[column];
    shot.look = kLookS2;
    shot.speed = 9.0f;
    FireRingOfColumns(shot, n, 0.0f, 360.0f / static_cast<float>(n), column == 2 ? 2 : 1, -3.0f);
}

void Spider::FireSideShots() {
    if (!VolleyDue(0, kSideShotPeriod)) return;
    FireShot(
        Shot{.from = Offset(0.0f, kMuzzleDrop), .angle = toggle == 0 ? 0.0f : 180.0f, .speed = 6.0f, .look = kLookM2});
    toggle = toggle == 0 ? 1 : 0;
}

void Spider::FireOpenBurst() {
    if (shotCounter != kBurstCall) return;
    const Shot shot{.from = Offset(0.0f, kMuzzleDrop), .speed = 9.0f, .look = kLookM2};
    FireRing(shot, 10, -45.0f, 30.0f);
}

void Spider::FireRageRings(int32_t column) {
    if (!VolleyDue(0, kRagePeriods[column])) return;
    Shot shot{.from = Offset(0.0f, kMuzzleDrop), .look = kLookS2, .aimed = true};
    if (shotCounter < kRageSwitch) {
        shot.speed = 7.0f;
        FireRingOfColumns(shot, 40, spinAngle, 9.0f, 2, -0.5f);
    } else {
        shot.speed = 6.0f;
        FireRingOfColumns(shot, 50, spinAngle, 7.2f, 1, 0.0f);
    }
    spinAngle += 2.0f;
}
