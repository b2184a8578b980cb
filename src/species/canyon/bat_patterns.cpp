// The bat's attacks by boss phase: the entry spray, fans that sweep across
// the aim, spinning fans that brake and fly back, random bursts. Every
// bullet is a pattern bullet.
#include "core/object_base.h"
#include "core/random.h"
#include "species/canyon/bat.h"

namespace {

constexpr float kAimRise = 30.0f;   // the sweeps take their aim from this far above the centre
constexpr int32_t kTurnBack = 31;   // brakes, flies back, and sheds one bullet at age 60
constexpr int32_t kSlowLate = 32;   // slows to 3 from age 30

// The sweeping fans by Difficulty: bullets, the first one's angle off the
// aim, the swing per count.
struct SweepingFan {
    int32_t count;
    float start;
    float swing;
};
constexpr SweepingFan kSweepingFans[3] = {{5, 40.0f, 0.5f}, {7, 60.0f, 0.75f}, {9, 80.0f, 1.0f}};
constexpr int32_t kSweepCounts = 20;   // fans on even counts below 20
constexpr int32_t kSweepCycleEnd = 40;

// The spinning fans by Difficulty: bullets and the first one's angle.
struct TurningFan {
    int32_t count;
    float start;
};
constexpr TurningFan kTurningFans[3] = {{5, 30.0f}, {7, 45.0f}, {9, 60.0f}};
constexpr int32_t kTurningGap = 4;
constexpr int32_t kTurnReverses = 150;   // quiet from here ...
constexpr int32_t kTurnResumes = 210;    // ... to here, then turning the other way
constexpr float kTurnStep = 27.0f;

constexpr int32_t kBurstWait = 90;   // phase 3 waits this long before its bursts
constexpr int32_t kBurstPairs = 7;
// Each pair: a plain colour-2 bullet, then a colour-1 bullet that slows late,
// each at its own random angle within 90 degrees of the aim.
struct BurstBullet {
    BulletLook look;
    int32_t behaviour;
};
constexpr BurstBullet kBurstPair[2] = {{kLookL2, 0}, {kLookL1, kSlowLate}};

}   // namespace

void Bat::Fire() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 0: FireEntrySpray(column, Offset(0.0f, 0.0f)); break;   // the entry spray
        case 1: FireSweepingFans(column); break;                     // sweeping fans
        case 2: FireTurningFans(column); break;                      // spinning fans that turn back
        case 3:                                                      // random bursts, after a wait
            if (phaseTimer < kBurstWait) return;
            FireRandomBursts(column);
            break;
        default: return;   // leaving and dying: nothing
    }
    ++shotCounter;
}

void Bat::FireSweepingFans(int32_t column) {
    const SweepingFan& f = kSweepingFans[column];
    const int32_t n = shotCounter;
    if (n == 0) facingAngle = AimAngle(x, y - kAimRise);
    if (n < kSweepCounts && n % 2 == 0) {
        const float aim = facingAngle * kRadToDeg;
        const float swing = f.swing * static_cast<float>(n);
        for (int32_t k = 0; k < f.count; ++k) {
            const float base = aim - f.start + 20.0f * static_cast<float>(k);
            FireShot(Shot{.from = Offset(0.0f, 0.0f),
                          .angle = toggle == 0 ? base + swing : base - swing,
                          .speed = 4.0f + 0.2f * static_cast<float>(n),
                          .look = toggle == 0 ? kLookL2 : kLookL1,
                          .pattern = true});
        }
    }
    if (n >= kSweepCycleEnd) {
        toggle = toggle == 0 ? 1 : 0;
        shotCounter = -1;
    }
}

void Bat::FireTurningFans(int32_t column) {
    const TurningFan& f = kTurningFans[column];
    const int32_t n = shotCounter;
    if (n % kTurningGap != 0) return;
    const Shot fan{.from = Offset(0.0f, 0.0f), .speed = 6.0f, .look = kLookS1, .behaviour = kTurnBack, .pattern = true};
    if (n < kTurnReverses) FireRing(fan, f.count, -f.start + spinAngle, 15.0f);
    if (n >= kTurnResumes) FireRing(fan, f.count, -f.start - spinAngle, 15.0f);
    spinAngle += kTurnStep;
}

void Bat::FireRandomBursts(int32_t column) {
    if (!VolleyDue(0, kSprayPeriods[column])) return;
    for (int32_t i = 0; i < kBurstPairs; ++i) {
        for (const BurstBullet& p : kBurstPair) {
            const int32_t turn = GameRandom();
            FireShot(Shot{.from = Offset(0.0f, 0.0f),
                          .angle = static_cast<float>(turn % 180 - 90),
                          .speed = 6.0f,
                          .look = p.look,
                          .aimed = true,
                          .behaviour = p.behaviour,
                          .pattern = true});
        }
    }
}
