#include "enemy/species_kit.h"

#include <cmath>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/item.h"
#include "core/random.h"

namespace {

constexpr int32_t kLastAnimFrame = 39;
constexpr int32_t kLastBobCount = 119;
constexpr float kFacingGap = 100.0f;   // the small flyers face the player from this far above it
constexpr int32_t kPhaseRest = 60;     // quiet frames after a phase's attack window
constexpr int32_t kBurstRange = 300;   // explosions land within 150 pixels of the enemy on each axis
constexpr float kBurstHalf = 150.0f;
constexpr float kSevenItemStep = 51.4f;   // seven ring items are 51.4 degrees apart, not 360 / 7
constexpr float kBigItemRadius = 100.0f;
constexpr float kApproachTolerance = 10.0f;   // an enemy this close to its spot on both axes stays put
constexpr int32_t kSinkingBlastPeriod = 4;
constexpr int32_t kCaveRoutine = 4;   // the cave runs the grade-2 route-2 routine

// Row 0..2 of a grade table; -1 outside 1..3.
int32_t GradeRow(int32_t grade) { return grade >= 1 && grade <= 3 ? grade - 1 : -1; }

double Radians(float degrees) { return static_cast<double>(degrees * kDegToRad); }

}   // namespace

void SpeciesKit::AdvanceAnimation() { animFrame = animFrame < kLastAnimFrame ? animFrame + 1 : 0; }

void SpeciesKit::FaceTarget() { facingAngle = y <= target.y - kFacingGap ? AimAngle(x, y) : headingAngle; }

bool SpeciesKit::OutsideMargin(float margin) const {
    if (x + margin <= kFieldLeft || x - margin >= kFieldRight) return true;
    return y + margin <= kFieldTop || y - margin >= kFieldBottom;
}

void SpeciesKit::RemoveSilently() {
    ClearStatus();
    Retire(kRetireSilent, 0, 0);
}

int32_t SpeciesKit::RingCount(const ItemRing& ring) const {
    const int32_t row = GradeRow(grade);
    const int32_t column = DifficultyColumn();
    if (row < 0 || column < 0) return 0;
    return ring.count[row][column];
}

float SpeciesKit::RingStep(int32_t n) {
    if (n == 7) return kSevenItemStep;
    return n > 0 ? 360.0f / static_cast<float>(n) : 0.0f;
}

void SpeciesKit::DropExperienceRing(float px, float py, int32_t n, float step) {
    if (n <= 0) return;
    const float s = step != 0.0f ? step : RingStep(n);
    for (int32_t k = 0; k < n; ++k) SpawnItem(kItemExperience, px, py, static_cast<float>(k) * s);
}

void SpeciesKit::DieOrdinary(const OrdinaryDeath& death) {
    if (death.cancel == DeathCancel::kBeforeBurst) CancelEnemyBullets(1);
    SpawnEffect(death.burst == DeathBurst::kSmall ? kEffectEnemyDeath : kEffectMidBossDeath, x, y, z);
    if (death.cancel == DeathCancel::kAfterBurst) CancelEnemyBullets(1);
    if (death.bigItem) SpawnItem(kItemBigExperience, x, y, 0.0f);
    DropExperienceRing(x, y, RingCount(death.ring));
    Retire(kRetireKilled, 0, 0);
}

bool SpeciesKit::FireShot(const Shot& shot) const {
    const StatusBlock s = GetStatus();
    const BulletShot b{shot.from.x,      shot.from.y, shot.angle,     shot.speed, shot.look.size,
                       shot.look.colour, shot.aimed,  shot.behaviour, s.attack,   s.attack2};
    return PlaceEnemyBullet(shot.pattern, b) >= 0;
}

bool SpeciesKit::FireFan(Shot shot, int32_t n, float centre, float step) const {
    const float first = centre - static_cast<float>(n - 1) * step / 2.0f;
    return FireRing(shot, n, first, step);
}

bool SpeciesKit::FireRing(Shot shot, int32_t n, float start, float step) const {
    const float s = step != 0.0f ? step : (n > 0 ? 360.0f / static_cast<float>(n) : 0.0f);
    for (int32_t k = 0; k < n; ++k) {
        shot.angle = start + static_cast<float>(k) * s;
        if (!FireShot(shot)) return false;
    }
    return true;
}

bool SpeciesKit::FireColumn(Shot shot, int32_t n, float speedStep) const {
    const float first = shot.speed;
    for (int32_t k = 0; k < n; ++k) {
        shot.speed = first + static_cast<float>(k) * speedStep;
        if (!FireShot(shot)) return false;
    }
    return true;
}

bool SpeciesKit::FireRingOfColumns(Shot shot, int32_t n, float start, float step, int32_t depth,
                                   float speedStep) const {
    for (int32_t k = 0; k < n; ++k) {
        shot.angle = start + static_cast<float>(k) * step;
        if (!FireColumn(shot, depth, speedStep)) return false;
    }
    return true;
}

bool SpeciesKit::FirePair(Shot shot, Muzzle first, Muzzle second) const {
    shot.from = first;
    if (!FireShot(shot)) return false;
    shot.from = second;
    return FireShot(shot);
}

Muzzle SpeciesKit::PointAround(float cx, float cy, float rx, float ry, float degrees) {
    const double a = Radians(degrees);
    return Muzzle{cx + rx * static_cast<float>(std::cos(a)), cy + ry * static_cast<float>(std::sin(a))};
}

int32_t SpeciesKit::GradeRouteRoutine(CaveRoutine cave) const {
    const bool knownRoute = route >= 1 && route <= 3;
    if ((grade == 1 || grade == 2) && knownRoute) return 3 * (grade - 1) + route - 1;
    const bool caveFires = cave == CaveRoutine::kOnEveryRoute || (cave == CaveRoutine::kOnKnownRoutes && knownRoute);
    return grade == 3 && caveFires ? kCaveRoutine : -1;
}

int32_t SpeciesKit::DifficultyColumn() { return Difficulty >= 1 && Difficulty <= 3 ? Difficulty - 1 : -1; }

bool SpeciesKit::PhaseClockExpired() {
    if (phaseTimer > phaseDuration + kPhaseRest) return true;
    ++phaseTimer;
    return false;
}

void SpeciesKit::EnterPhase(int32_t phase, int32_t duration) { Retire(kRetirePhase, phase, duration); }

bool SpeciesKit::PhaseAttacking(AttackWindow window) const {
    return window == AttackWindow::kThroughDuration ? phaseTimer <= phaseDuration : phaseTimer < phaseDuration;
}

void SpeciesKit::AdvanceBobCounter() { bobCounter = bobCounter < kLastBobCount ? bobCounter + 1 : 0; }

void SpeciesKit::ApplyBob() { y += BobStep(bobCounter); }

float SpeciesKit::BobStep(int32_t c) {
    const float f = static_cast<float>(c);
    if (c < 30) return 1.5f - 0.05f * f;
    if (c < 60) return (30.0f - f) * 0.05f;
    if (c < 90) return (f - 60.0f) * 0.05f - 1.5f;
    return (f - 90.0f) * 0.05f;
}

Muzzle SpeciesKit::RandomPointNear() const {
    const int32_t rx = GameRandom();
    const int32_t ry = GameRandom();
    return Muzzle{x - kBurstHalf + static_cast<float>(rx % kBurstRange),
                  y - kBurstHalf + static_cast<float>(ry % kBurstRange)};
}

bool SpeciesKit::RunBossDeath(const BossDeath& death) {
    bossPhase = death.dyingPhase;
    if (death.cancel == CancelTiming::kEveryFrame || deathCounter == 0) CancelEnemyBullets(1);
    if (deathCounter < death.explosionFrames) {
        if (MagnetTimer < 1) MagnetTimer = 1;
        if (death.explosionPeriod > 0 && deathCounter % death.explosionPeriod == 0) {
            const Muzzle p = RandomPointNear();
            if (death.itemWithExplosion) {
                const int32_t turn = GameRandom();
                SpawnItem(kItemExperience, p.x, p.y, static_cast<float>(turn % 360));
            }
            SpawnEffect(kEffectRisingExplosion, p.x, p.y, 0.0f);
        }
        ++deathCounter;
        return false;
    }
    if (deathCounter < death.finalFrame) {
        ++deathCounter;
        return false;
    }
    SpawnEffect(death.destructionEffect, x, y, z);
    if (death.scatter == ItemScatter::kGroupShower) DropItemShower(x, y);
    if (death.scatter == ItemScatter::kBigItemCircle) DropBigItemCircle(x, y);
    Retire(kRetireKilled, 0, 0);
    return true;
}

void SpeciesKit::DropItemShower(float px, float py) {
    // By Difficulty: groups, first group's x offset, spacing, the drop of every
    // odd group, orbs in each ring.
    struct ShowerRow {
        int32_t groups;
        float firstX, spacing, oddDrop;
        int32_t ring;
    };
    static constexpr ShowerRow kRows[3] = {
        {3, -75.0f, 75.0f, 0.0f, 6}, {4, -112.5f, 75.0f, 0.0f, 8}, {5, -100.0f, 50.0f, 50.0f, 10}};
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    const ShowerRow& r = kRows[column];
    for (int32_t i = 0; i < r.groups; ++i) {
        const float gx = px + r.firstX + r.spacing * static_cast<float>(i);
        const float gy = py + r.oddDrop * static_cast<float>(i % 2);
        SpawnItem(kItemBigExperience, gx, gy, 0.0f);
        DropExperienceRing(gx, gy, r.ring);
    }
}

void SpeciesKit::DropBigItemCircle(float px, float py) {
    static constexpr int32_t kCounts[3] = {5, 6, 8};
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    const int32_t n = kCounts[column];
    for (int32_t i = 0; i < n; ++i) {
        const double a = Radians(static_cast<float>(i) * (360.0f / static_cast<float>(n)));
        SpawnItem(kItemBigExperience, px + static_cast<float>(kBigItemRadius * std::cos(a)),
                  py - static_cast<float>(kBigItemRadius * std::sin(a)), 0.0f);
    }
}

void SpeciesKit::ApproachPoint(float px, float py, float speed) {
    const bool insideX = x >= px - kApproachTolerance && x <= px + kApproachTolerance;
    const bool insideY = y >= py - kApproachTolerance && y <= py + kApproachTolerance;
    if (insideX && insideY) return;
    HeadFor(px, py, speed);
}

void SpeciesKit::HeadFor(float px, float py, float speed) {
    headingAngle = static_cast<float>(std::atan2(static_cast<double>(py - y), static_cast<double>(px - x)));
    x += speed * static_cast<float>(std::cos(static_cast<double>(headingAngle)));
    y += speed * static_cast<float>(std::sin(static_cast<double>(headingAngle)));
}

bool SpeciesKit::RunSinkingDeath(const SinkingDeath& death) {
    bossPhase = death.dyingPhase;
    const int32_t d = deathCounter;
    if (d == 0) CancelEnemyBullets(1);
    if (d < death.explosionFrames) {
        if (MagnetTimer < 1) MagnetTimer = 1;
        if (d == death.whiteoutFrame) WhiteoutActive = 1;
        if (d % kSinkingBlastPeriod == 0) {
            const Muzzle p = RandomPointNear();
            SpawnEffect(kEffectFlyingExplosion, x, y, z);
            const bool big = death.bigBlastPeriod > 0 && d % death.bigBlastPeriod == 0;
            SpawnEffect(big ? kEffectBossDeath : death.blastEffect, p.x, p.y, 0.0f);
        }
        y += death.sink;
        ++deathCounter;
        return false;
    }
    if (d < death.finalFrame) {
        ++deathCounter;
        return false;
    }
    if (!death.ringFirst) SpawnEffect(kEffectBossDeath, x, y, 0.0f);
    for (int32_t k = 0; k < death.ringCount; ++k) {
        const float a = static_cast<float>(k) * (360.0f / static_cast<float>(death.ringCount));
        const Muzzle p = PointAround(x, y, death.ringRadius, death.ringRadius, a);
        SpawnEffect(death.ringEffect, p.x, p.y, 0.0f);
    }
    if (death.ringFirst) SpawnEffect(kEffectBossDeath, x, y, 0.0f);
    Retire(kRetireKilled, 0, 0);
    return true;
}
