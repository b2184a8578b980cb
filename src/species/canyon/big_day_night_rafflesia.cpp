#include "species/canyon/big_day_night_rafflesia.h"

#include <cmath>

#include "core/bullet.h"
#include "core/effects.h"

namespace {

constexpr int32_t kRageHp = 15000;         // a third of its 45000: at or below it the boss rages
constexpr int32_t kRageStartFrames = 60;   // the transition's attack-less duration
constexpr int32_t kRageFrames = 600;
constexpr int32_t kWithdrawalCycles = 2;   // attack cycles, or rage phases, before it withdraws
constexpr float kRemovalMargin = 400.0f;

// Durations of the attack cycle's phases (phase 3's is the species' own).
constexpr int32_t kRingsFrames = 240;
constexpr int32_t kWheelFrames = 180;
constexpr int32_t kFourthFrames = 360;

constexpr int32_t kRagePeriods[3] = {8, 6, 4};
constexpr int32_t kRageSpokes = 10;
constexpr float kRageSpoke = 36.0f;
constexpr float kRageRadius = 100.0f;
constexpr float kRageSpeed = 5.0f;
constexpr float kRageTurn = 4.0f;

constexpr Rect kCell{0, 0, 256, 256};
constexpr float kCellCentre = 128.0f;
constexpr float kDrawScale = 1.5f;

}   // namespace

void BigDayNightRafflesia::MoveBigDayNightRafflesia() {
    y += scrollSpeed;
    if (bossPhase != kBigRafflesiaRageStart) return;
    const Muzzle p = RandomPointNear();
    SpawnEffect(kEffectRisingExplosion, p.x, p.y, 0.0f);
}

void BigDayNightRafflesia::EndBigRafflesiaFrame(int32_t thirdPhase) {
    if (bossPhase < kBigRafflesiaRageStart && status.hp <= kRageHp) {
        EnterPhase(kBigRafflesiaRageStart, kRageStartFrames);
        CancelEnemyBullets(1);
    }
    if (PhaseClockExpired() && grade == kBigRafflesiaGrade) NextBigRafflesiaPhase(thirdPhase);
    if (RemoveWhenOutside(kRemovalMargin)) return;
    if (cycleCounter < kWithdrawalCycles) return;
    // The withdrawal: the boss-destruction burst with its sound, but no score and no items.
    SpawnEffect(kEffectBossDeath, x, y, z);
    RemoveSilently();
}

void BigDayNightRafflesia::NextBigRafflesiaPhase(int32_t thirdPhase) {
    switch (bossPhase) {
        case 0:   // entry, into the first attack
            EnterPhase(1, kRingsFrames);
            break;
        case 1: EnterPhase(2, kWheelFrames); break;
        case 2: EnterPhase(3, thirdPhase); break;
        case 3: EnterPhase(4, kFourthFrames); break;
        case 4:   // a cycle completed
            EnterPhase(1, kRingsFrames);
            ++cycleCounter;
            break;
        case kBigRafflesiaRageStart:   // the rage counts its own phases from 0
            EnterPhase(kBigRafflesiaRage, kRageFrames);
            cycleCounter = 0;
            break;
        case kBigRafflesiaRage:   // a rage phase completed, the next one begins
            EnterPhase(kBigRafflesiaRage, kRageFrames);
            ++cycleCounter;
            break;
        default: break;
    }
}

Muzzle BigDayNightRafflesia::BigRafflesiaRingPoint(float radius, float degrees) const {
    const Muzzle m = BigRafflesiaMuzzle();
    const double a = static_cast<double>(degrees * kDegToRad);
    return Muzzle{m.x + static_cast<float>(radius * std::cos(a)), m.y + static_cast<float>(radius * std::sin(a))};
}

void BigDayNightRafflesia::FireBigRafflesiaRage(int32_t column, float turn, bool colour2Outward) {
    if (shotCounter % kRagePeriods[column] != 0) return;
    const float r = spinAngle;
    for (int32_t k = 0; k < kRageSpokes; ++k) {
        const float spoke = kRageSpoke * static_cast<float>(k);
        const float outward = spoke + turn * r;
        const float twisted = spoke + 2.0f * turn * r;
        Shot shot{.from = BigRafflesiaRingPoint(kRageRadius, outward), .speed = kRageSpeed, .pattern = true};
        shot.look = kLookL2;
        shot.angle = colour2Outward ? outward : twisted;
        FireShot(shot);
        shot.look = kLookL1;
        shot.angle = colour2Outward ? twisted : outward;
        FireShot(shot);
    }
    spinAngle += kRageTurn;
}

void BigDayNightRafflesia::DrawBigDayNightRafflesia() {
    DrawSheetCell(kCell, kCellCentre, kCellCentre, kDrawScale, kDrawScale);
}
