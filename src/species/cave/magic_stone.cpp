#include "species/cave/magic_stone.h"

#include "core/effects.h"
#include "core/game_codes.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr float kMargin = 400.0f;
constexpr int32_t kBreakHp = 30000;        // at or below this the stone breaks
constexpr int32_t kFormationFrames = 60;   // the rings spread out over these frames
constexpr float kMuzzleRadius = 50.0f;     // own bullets leave from this far out
constexpr float kBreakSpotX = 640.0f;      // where the broken stone drifts to
constexpr float kBreakSpotY = 160.0f;
constexpr int32_t kSetFrames = 90;        // phase 5: a new set of satellites this often
constexpr float kSpiralGrowth = 2.666f;   // ... spiralling out this many pixels a frame

enum Phase : int32_t { kEntry, kTwinRings, kWings, kFives, kBroken, kSpirals, kDying };

// One ring of a formation: satellite i stands round the stone's position moved
// by (dx, dy) at angle i x angleI + t x angleT, at radius growth x t while t is
// below 60 and reach afterwards, firing along turn + i x turnI + t x turnT.
struct FormationRing {
    float dx, dy;
    float angleI, angleT;
    float growth, reach;
    float turn, turnI, turnT;
};

// The formations of phases 1 to 3: pattern id, satellites, then the ring of
// the species-101 places (even i) and of the species-102 places (odd i).
struct Formation {
    int32_t pattern;
    int32_t count;
    FormationRing rings[2];
};

constexpr Formation kFormations[3] = {
    // Two counter-rotating rings of ten, radius 100 and 150.
    {21,
     20,
     {{0.0f, 0.0f, 18.0f, 1.0f, 1.666f, 100.0f, 0.0f, 18.0f, 1.0f},
      {0.0f, 0.0f, 18.0f, -1.0f, 2.5f, 150.0f, 0.0f, 18.0f, -2.0f}}},
    // Two rings of ten above the stone, left and right, holding their aim.
    {22,
     20,
     {{-200.0f, -150.0f, 18.0f, 1.0f, 1.666f, 100.0f, 120.0f, -5.0f, 0.0f},
      {200.0f, -150.0f, 18.0f, -1.0f, 1.666f, 100.0f, 60.0f, 5.0f, 0.0f}}},
    // Two rings of five turning together.
    {23,
     10,
     {{0.0f, 0.0f, 36.0f, -2.0f, 1.666f, 100.0f, 0.0f, 36.0f, -1.0f},
      {0.0f, 0.0f, 36.0f, -2.0f, 2.5f, 150.0f, 0.0f, 36.0f, -1.0f}}},
};
constexpr int32_t kSpiralPattern = 24;

constexpr SinkingDeath kStoneDeath{
    .dyingPhase = kDying,
    .explosionFrames = 180,
    .whiteoutFrame = 90,
    .sink = 1.0f,
    .blastEffect = kEffectRisingExplosion,
    .bigBlastPeriod = 20,
    .finalFrame = 240,
    .ringFirst = true,
    .ringCount = 6,
    .ringRadius = 60.0f,
    .ringEffect = kEffectBossDeath,
};

// Phase 3's volleys while the shot counter is below this, by Difficulty.
constexpr int32_t kFanLimit[3] = {10, 20, 30};
constexpr int32_t kFanPeriod = 3;
constexpr int32_t kFanCycle = 60;
// Phase 5's rings by Difficulty: period, bullets, angle step.
constexpr int32_t kRingPeriod[3] = {20, 15, 10};
constexpr int32_t kRingCount[3] = {20, 30, 40};
constexpr float kRingStep[3] = {18.0f, 12.0f, 9.0f};

}   // namespace

void MagicStone::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesMagicStone, level); }

void MagicStone::Update() {
    AdvanceBobCounter();
    UpdateSatellites();
    if (status.hp < 1) {
        if (deathCounter == 0) RemoveEnemyChildren(satellites, kChildKill);
        RunSinkingDeath(kStoneDeath);
        return;
    }
    if (variant == 0) Fire();
    if (bossPhase < kBroken && status.hp <= kBreakHp) Break();
    if (PhaseClockExpired()) {
        RemoveEnemyChildren(satellites, kChildRemoveSilently);
        EnterNextPhase();
    }
    RemoveWhenOutside(kMargin, [this] { RemoveEnemyChildren(satellites, kChildRemoveSilently); });
}

void MagicStone::EnterNextPhase() {
    switch (bossPhase) {
        case kEntry:
        case kFives: EnterPhase(kTwinRings, 720); break;   // the cycle starts (again)
        case kTwinRings: EnterPhase(kWings, 640); break;
        case kWings: EnterPhase(kFives, 900); break;
        case kBroken:
        case kSpirals: EnterPhase(kSpirals, 658); break;   // the last formation, round after round
        default: break;
    }
}

void MagicStone::Break() {
    EnterPhase(kBroken, 60);
    RemoveEnemyChildren(satellites, kChildKill);
    CancelEnemyBullets(1);
}

void MagicStone::UpdateSatellites() {
    const int32_t t = phaseTimer;
    if (variant != 0) {
        // The unarmed form waits a second, then rises away (variant 1 only).
        if (variant == 1 && t > 60) y -= 10.0f;
        ApplyBob();
        return;
    }
    switch (bossPhase) {
        case kEntry:   // floats down into the upper middle
            if (t < 90) y += 10.0f - 0.111f * Real(t);
            break;
        case kTwinRings:
        case kWings:
        case kFives: PlaceRings(t); break;
        case kBroken:   // drifts to its spot amid explosions
            ApproachPoint(kBreakSpotX, kBreakSpotY, 1.0f);
            if (t % 2 == 0) {
                const Muzzle p = RandomPointNear();
                SpawnEffect(kEffectRisingExplosion, p.x, p.y, 0.0f);
            }
            break;
        case kSpirals: PlaceSpiralSet(t); break;
        default: break;   // dying: nothing to place
    }
    ApplyBob();
}

void MagicStone::PlaceRings(int32_t t) {
    const Formation& f = kFormations[bossPhase - kTwinRings];
    if (t == 0) LaunchSatellites(satellites, f.count, f.pattern, x, y, status);
    const float ft = Real(t);
    for (int32_t i = 0; i < f.count; ++i) {
        const FormationRing& r = f.rings[i % 2];
        const float fi = Real(i);
        const float radius = t < kFormationFrames ? r.growth * ft : r.reach;
        const float a = r.angleI * fi + r.angleT * ft;
        const float turn = r.turn + r.turnI * fi + r.turnT * ft;
        satellites[i] = MoveEnemyChildAround(satellites[i], x + r.dx, y + r.dy, radius, radius, a, turn);
    }
}

void MagicStone::PlaceSpiralSet(int32_t t) {
    if (t % kSetFrames == 0) {
        subMode = 0;
        RemoveEnemyChildren(satellites, kChildRemoveSilently);
        // The sets alternate: species 102 on every 180th frame, 101 between.
        const int32_t species = t % (2 * kSetFrames) == 0 ? kSpeciesSatellite2 : kSpeciesSatellite;
        for (int32_t& s : satellites)
            s = SpawnEnemyChild(species, kSpiralPattern, x, y, 0, status.attack, status.attack2);
    }
    const float s = Real(subMode);
    const float radius = kSpiralGrowth * s;
    for (int32_t i = 0; i < kSatelliteCount; ++i) {
        if (!IsSatelliteIndex(satellites[i])) {
            satellites[i] = -1;
            continue;
        }
        const float fi = Real(i);
        const bool second = EnemyChildPool[satellites[i]].species == kSpeciesSatellite2;
        const float a = second ? s + 18.0f * fi : -18.0f * fi - s;
        const float turn = second ? 18.0f * fi + 0.5f * s - 180.0f : 180.0f - (18.0f * fi + 0.5f * s);
        satellites[i] = MoveEnemyChildAround(satellites[i], x, y, radius, radius, a, turn);
    }
    ++subMode;
}

void MagicStone::Fire() {
    const int32_t d = DifficultyColumn();
    if (bossPhase == kFives) {
        if (d >= 0 && shotCounter % kFanPeriod == 0 && shotCounter < kFanLimit[d]) FireFannedVolley();
        if (shotCounter < kFanCycle) {
            ++shotCounter;
        } else {
            shotCounter = 0;
            toggle = toggle == 0 ? 1 : 0;
        }
    } else if (bossPhase == kSpirals) {
        if (d >= 0 && shotCounter % kRingPeriod[d] == 0) FireAimedRing(d);
        ++shotCounter;
    }
}

void MagicStone::FireFannedVolley() const {
    const float c = Real(shotCounter);
    Shot shot{.from = Offset(0.0f, 0.0f),
              .speed = 6.0f + 0.2f * c,
              .look = toggle == 0 ? kLookL1 : kLookL2,
              .aimed = true,
              .pattern = true};
    // Three bullets (-30, 0 and 30 off the aim) from each of six muzzles.
    for (int32_t k = 0; k < 6; ++k) {
        shot.from = PointAround(x, y, kMuzzleRadius, kMuzzleRadius, 60.0f * Real(k) + 2.0f * c);
        for (int32_t j = 0; j < 3; ++j) {
            shot.angle = -30.0f + 30.0f * Real(j);
            FireShot(shot);
        }
    }
}

void MagicStone::FireAimedRing(int32_t d) {
    const BulletLook look = toggle == 0 ? kLookS1 : kLookS2;
    toggle = toggle == 0 ? 1 : 0;
    const float step = kRingStep[d];
    for (int32_t k = 0; k < kRingCount[d]; ++k) {
        const float a = Real(k) * step - step / 2.0f;
        const Muzzle from = PointAround(x, y, kMuzzleRadius, kMuzzleRadius, a);
        FireShot(Shot{.from = from, .angle = a, .speed = 9.0f, .look = look, .aimed = true, .pattern = true});
    }
}

void MagicStone::Draw() { DrawSheetCell(Rect{0, 0, 128, 256}, 64.0f, 128.0f, 1.0f, 1.0f); }
