#include "species/cave/big_element.h"

#include <utility>

#include "core/game_codes.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr float kMargin = 400.0f;
constexpr int32_t kFormationFrames = 60;   // the formations spread out over these frames
constexpr float kEllipseX = 640.0f;        // phase 2 circles this point of the playfield
constexpr float kEllipseY = 150.0f;
constexpr int32_t kSweepCycle = 60;     // the sweeps' shot counter runs 0..60
constexpr float kSweepMuzzle = 50.0f;   // sweep bullets leave this far out along their angle

// Satellite patterns of the three formations.
constexpr int32_t kPairPattern = 11;
constexpr int32_t kEllipsePattern = 12;
constexpr int32_t kSpiralPattern = 13;

enum Phase : int32_t { kDropIn, kPairAndSweeps, kEllipse, kSpiral, kLeaving, kDying };

constexpr BossDeath kBigElementDeath{
    .dyingPhase = kDying,
    .cancel = CancelTiming::kFirstFrame,
    .explosionFrames = 90,
    .explosionPeriod = 2,
    .finalFrame = 120,
    .destructionEffect = kEffectMidBossDeath,
    .scatter = ItemScatter::kGroupShower,
};

// Speed steps of the sweeps by Difficulty: v = first - step x j for j < count.
struct SweepSpeeds {
    int32_t count;
    float first, step;
};
constexpr SweepSpeeds kSweepSpeeds[3] = {{2, 7.0f, 0.5f}, {3, 8.0f, 0.75f}, {4, 10.0f, 1.0f}};

}   // namespace

void BigElement::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigElement, level); }

void BigElement::Update() {
    AdvanceBobCounter();
    Move();
    if (status.hp < 1) {
        if (deathCounter == 0) RemoveEnemyChildren(satellites, kChildKill);
        RunBossDeath(kBigElementDeath);
        return;
    }
    Fire();
    if (PhaseClockExpired()) {
        RemoveEnemyChildren(satellites, kChildRemoveSilently);
        EnterNextPhase();
    }
    RemoveWhenOutside(kMargin, [this] { RemoveEnemyChildren(satellites, kChildRemoveSilently); });
}

void BigElement::EnterNextPhase() {
    switch (bossPhase) {
        case kDropIn: EnterPhase(kPairAndSweeps, 390); break;    // in place: the pair and the sweeps
        case kPairAndSweeps: EnterPhase(kEllipse, 450); break;   // twenty on the ellipse
        case kEllipse: EnterPhase(kSpiral, 300); break;          // ten spiralling out
        case kSpiral:                                            // the cycle once more, then away
            if (cycleCounter == 0) {
                cycleCounter = 1;
                EnterPhase(kPairAndSweeps, 390);
            } else {
                EnterPhase(kLeaving, 999);
            }
            break;
        default: break;   // leaving and dying have no successor
    }
}

void BigElement::Move() {
    const int32_t t = phaseTimer;
    switch (bossPhase) {
        case kDropIn:
            if (t < 90) y += 10.0f - 0.111f * Real(t);
            break;
        case kPairAndSweeps: PlaceFlankingPair(t); break;
        case kEllipse: PlaceEllipse(t); break;
        case kSpiral: PlaceSpiral(t); break;
        case kLeaving: y += -0.111f * Real(t); break;
        case kDying: y += 0.1f; break;
        default: break;
    }
    ApplyBob();
}

void BigElement::PlaceFlankingPair(int32_t t) {
    if (t == 0) LaunchSatellites(satellites, 2, kPairPattern, x, y, status);
    const float reach = t < kFormationFrames ? 3.0f * Real(t) : 180.0f;
    satellites[0] = MoveEnemyChild(satellites[0], x + reach, y, 0.0f);
    satellites[1] = MoveEnemyChild(satellites[1], x - reach, y, 180.0f);
}

void BigElement::PlaceEllipse(int32_t t) {
    if (t == 0) LaunchSatellites(satellites, kSatelliteCount, kEllipsePattern, kEllipseX, kEllipseY, status);
    const bool spreading = t < kFormationFrames;
    const float rx = spreading ? 5.0f * Real(t) : 300.0f;
    const float ry = spreading ? 1.5f * Real(t) : 90.0f;
    for (int32_t i = 0; i < kSatelliteCount; ++i) {
        const float a = 18.0f * Real(i) - Real(t);
        satellites[i] = MoveEnemyChildAround(satellites[i], kEllipseX, kEllipseY, rx, ry, a, a);
    }
}

void BigElement::PlaceSpiral(int32_t t) {
    constexpr int32_t kSpiralCount = 10;
    if (t == 0) LaunchSatellites(satellites, kSpiralCount, kSpiralPattern, x, y, status);
    const float ft = Real(t);
    for (int32_t i = 0; i < kSpiralCount; ++i) {
        if (!IsSatelliteIndex(satellites[i])) continue;
        const float fi = Real(i);
        const bool first = EnemyChildPool[satellites[i]].species == kSpeciesSatellite;
        const float a = first ? 36.0f * fi + 0.5f * ft : -36.0f * fi - 0.5f * ft;
        const float facing = first ? 36.0f * fi + 2.0f * ft - 180.0f : -36.0f * fi - 2.0f * ft - 180.0f;
        satellites[i] = MoveEnemyChildAround(satellites[i], x, y, ft, 0.5f * ft, a, facing);
    }
}

void BigElement::Fire() {
    if (bossPhase != kPairAndSweeps) return;
    const int32_t d = DifficultyColumn();
    if (d < 0) return;
    if (shotCounter % 2 == 0) {
        if (shotCounter >= kSweepCycle) {
            shotCounter = -1;
        } else {
            FireSweeps(d);
        }
    }
    ++shotCounter;
}

void BigElement::FireSweeps(int32_t d) const {
    const int32_t c = shotCounter;
    const float s = Real(c < 30 ? c : c - 30);
    const SweepSpeeds& v = kSweepSpeeds[d];
    for (int32_t k = 0; k < 2; ++k) {
        const float fk = Real(k);
        const float f1 = (150.0f - 4.0f * s) * fk + 2.0f * s + 15.0f;
        const float f2 = (75.0f - 2.0f * s) + (4.0f * s + 30.0f) * fk;
        // The colours trade families halfway through the cycle.
        const float first = c < 30 ? f1 : f2;
        const float second = c < 30 ? f2 : f1;
        for (int32_t j = 0; j < v.count; ++j) {
            const float speed = v.first - v.step * Real(j);
            for (const auto& [angle, look] : {std::pair{first, kLookL1}, std::pair{second, kLookL2}}) {
                const Muzzle from = PointAround(x, y, kSweepMuzzle, kSweepMuzzle, angle);
                FireShot(Shot{.from = from, .angle = angle, .speed = speed, .look = look});
            }
        }
    }
}

void BigElement::Draw() { DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 28.0f, 3.0f, 3.0f); }
