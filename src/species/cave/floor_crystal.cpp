#include "species/cave/floor_crystal.h"

#include "core/effects.h"
#include "core/game_codes.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

constexpr float kMargin = 200.0f;
constexpr int32_t kDeathRing = 10;      // orbs at every Difficulty
constexpr int32_t kLookCount = 8;       // variants 0..7 have a look
constexpr float kCrossReach = 30.0f;    // the cross's muzzles stand this far out
constexpr int32_t kStreamLength = 20;   // a stream's aim holds for these frames

}   // namespace

void FloorCrystal::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesFloorCrystal, level); }

void FloorCrystal::Update() {
    if (status.hp < 1) {
        SpawnEffect(kEffectEnemyDeath, x, y, z);
        DropExperienceRing(x, y, kDeathRing);
        Retire(kRetireKilled, 0, 0);
        return;
    }
    if (variant < kLookCount) y += scrollSpeed;
    Fire();
    ++phaseTimer;
    RemoveWhenOutside(kMargin);
}

void FloorCrystal::Fire() {
    switch (variant) {
        case 0: FireTurningCross(0.0f, kLookL1); break;     // the cross, every bullet along 0 degrees
        case 1: FireTurningCross(180.0f, kLookL2); break;   // the cross, every bullet along 180 degrees
        case 2: FireLatchedStream(kLookL1); break;          // the stream of first-colour pairs
        case 3: FireLatchedStream(kLookL2); break;          // the stream of second-colour pairs
        default: return;                                    // looks only: no fire, no count
    }
    ++shotCounter;
}

void FloorCrystal::FireTurningCross(float angle, BulletLook look) const {
    if (shotCounter % 4 != 0) return;
    for (int32_t k = 0; k < 4; ++k) {
        const Muzzle from = PointAround(x, y, kCrossReach, kCrossReach, Real(shotCounter + 90 * k));
        FireShot(Shot{.from = from, .angle = angle, .speed = 8.0f, .look = look});
    }
}

void FloorCrystal::FireLatchedStream(BulletLook look) {
    if (shotCounter % kStreamLength == 0) {
        facingAngle = AimAngle(x, y);
        toggle = 0;
    }
    if (shotCounter % 2 != 0) return;
    const float aim = facingAngle * kRadToDeg;
    const Shot shot{.from = Offset(0.0f, 0.0f), .speed = 5.0f + 0.5f * Real(toggle), .look = look};
    for (int32_t k = 0; k < 2; ++k) {
        Shot s = shot;
        s.angle = aim - 30.0f + 60.0f * Real(k) + spinAngle;
        FireShot(s);
    }
    ++toggle;
}

void FloorCrystal::Draw() {
    // Variants 0..3 and 4..7 share the four crystal looks, one row each.
    if (variant < 0 || variant >= kLookCount) {
        hitFlag = 0;
        return;
    }
    const int32_t top = 64 + 64 * (variant % 4);
    DrawSheetCell(Rect{0, top, 128, top + 64}, 64.0f, 32.0f, 1.5f, 1.5f);
}
