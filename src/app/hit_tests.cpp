#include "app/hit_tests.h"

#include <cstdint>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/game_codes.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/saturate.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "species/cave/enemy_child.h"

namespace {

// The hit radii are built as (value + offset) x pi.
constexpr float kShotOffset = 9.0f;
constexpr float kSwordOffset = 81.0f;
constexpr float kBodyOffset = 1.0f;
constexpr float kSkillAreaOffset = 100.0f;

constexpr float kGuardedDefense = 999.0f;
constexpr float kRatioFloor = 0.1f;
constexpr float kRatioCeiling = 3.0f;

constexpr float kSwordFactor = 20.0f;
constexpr float kShotFactor = 1.0f;
constexpr float kBodyFactor = 20.0f;

// The sword cuts only what is less than this far below the player.
constexpr float kSwordReachBelow = 100.0f;
constexpr int32_t kSwordTimerHitting = 170;
constexpr int32_t kSwordHitsPerSp = 10;    // the eleventh hit gives one SP
constexpr int32_t kShotHitsPerSp = 100;    // the hundred-and-first hit gives one SP
constexpr int32_t kSwordCancelEvents = 10; // cancelled bullets per frame that move the gauges
constexpr int32_t kSwordCancelScore = 10;

constexpr float kLanceEffectRise = 50.0f;
constexpr int32_t kHitInvincibleFrames = 150;

// Damage numbers: kind 1 on the player, kind 2 on enemies.
constexpr int32_t kNumberOnPlayer = 1;
constexpr int32_t kNumberOnEnemy = 2;

Vec3 PositionOf(const ObjectBase& o) { return Vec3{o.x, o.y, o.z}; }

// Species values t (shots, sword, skill area) and s (bodies).
struct SpeciesValue {
    float hit;
    float body;
};

SpeciesValue SpeciesValues(int32_t species) {
    switch (species) {
        case 1: case 6: case 21: case 25: case 101: case 102: return {16.0f, 9.0f};
        case 2: case 4: case 7: case 9: case 11: case 16: case 23: case 24: case 99: return {25.0f, 16.0f};
        case 3: case 8: return {20.25f, 12.25f};
        case 5: case 10: case 13: case 14: case 18: case 19: return {36.0f, 25.0f};
        case 15: case 20: return {64.0f, 49.0f};
        default: return {0.0f, 0.0f};
    }
}

bool InsidePlayfield(const EnemyBase& e) {
    return e.x >= kFieldLeft && e.x <= kFieldRight && e.y >= kFieldTop && e.y <= kFieldBottom;
}

bool HurtableSatellite(const EnemyChild& c) { return c.active == 1 && c.gaugeFlag == 1; }

void SpTick(Player& p) {
    if (p.status.sp < p.status.maxSp) ++p.status.sp;
}

// Every hit on an enemy or satellite: HP falls, the hit tints it, the damage scores.
void DamageTarget(EnemyBase& e, int32_t damage) {
    e.status.hp -= damage;
    e.hitFlag = 1;
    BaseScore += damage;
}

void SwordHit(Player& p, EnemyBase& e, float attack) {
    const int32_t damage = ComputeDamage(attack, static_cast<float>(e.status.defense), kSwordFactor);
    DamageTarget(e, damage);
    if (e.status.hp <= 0) {
        ChangeEmotion(4, 13, 1.0f);
        ChangeEmotion(6, 13, 1.0f);
    }
    ChangeEmotion(4, 12, 1.0f);
    ChangeEmotion(6, 12, 1.0f);
    if (p.swordHitCount < kSwordHitsPerSp) {
        ++p.swordHitCount;
    } else {
        SpTick(p);
        p.swordHitCount = 0;
    }
    SpawnEffect(kEffectSlash, e.x, e.y, e.z);
    SpawnDamagePopup(kNumberOnEnemy, 1, e.x, e.y, e.z, damage);
}

bool SwordReaches(const Player& p, const EnemyBase& e) {
    return e.status.hp > 0 && InsidePlayfield(e) && e.y < p.y + kSwordReachBelow &&
           CircleHitSpeciesPlus81Pi(PositionOf(p), PositionOf(e), e.species) == 1;
}

void SwordBurst(Player& p, float attack) {
    for (Enemy& e : EnemyPool)
        if (e.active != 0 && SwordReaches(p, e)) SwordHit(p, e, attack);
    for (EnemyChild& c : EnemyChildPool)
        if (HurtableSatellite(c) && SwordReaches(p, c)) SwordHit(p, c, attack);

    SlashEnemyBullets(PositionOf(p), kSwordOffset, p.y + kSwordReachBelow, kSwordCancelScore, kSwordCancelEvents);
}

void LanceHit(Player& p, Bullet& shot, EnemyBase& e, float attack) {
    const int32_t damage = ComputeDamage(attack, static_cast<float>(e.status.defense), kShotFactor);
    DamageTarget(e, damage);
    if (p.shotHitCount < kShotHitsPerSp) {
        ++p.shotHitCount;
    } else {
        SpTick(p);
        p.shotHitCount = 0;
    }
    SpawnEffect(kEffectLanceHit, shot.x, shot.y - kLanceEffectRise, shot.z);
    // Lance numbers are thinned out: none while the last one is fresh.
    if (DamagePopupThrottle.set == 0) SpawnDamagePopup(kNumberOnEnemy, 1, e.x, e.y, e.z, damage);
    shot.Deactivate();
}

// Every live lance against one target, in pool order.
void LancesAgainst(Player& p, EnemyBase& e, float attack) {
    for (Bullet& shot : PlayerShotPool) {
        if (e.status.hp <= 0 || !InsidePlayfield(e) || shot.active == 0) continue;
        if (CircleHitSpeciesPlus9Pi(PositionOf(shot), PositionOf(e), e.species) == 1) LanceHit(p, shot, e, attack);
    }
}

// The player's side of a hit: the damage with its number and the gauge event.
void HurtPlayer(Player& p, int32_t damage, int32_t colour) {
    p.status.hp -= damage;
    SpawnDamagePopup(kNumberOnPlayer, colour, p.x, p.y, p.z, damage);
}

void MoveGaugesForHit(const Player& p, int32_t damage) {
    const float amount = HitEmotionAmount(damage, p.status.maxHp);
    ChangeEmotion(2, 6, amount);
    ChangeEmotion(5, 6, amount);
}

// The knight staggers and stays untouchable for a while.
void StartHitInvincibility(Player& p) {
    SpawnEffect(kEffectPlayerHit, p.x, p.y, p.z);
    p.state = 1;
    p.invincible = 1;
    ++HitsTakenCount;
    p.invincibleKind = 1;
    p.invincibleTimer = kHitInvincibleFrames;
}

// A body touching the player: both sides take damage (the target only when
// it can be hurt at all).
void BodyContact(Player& p, EnemyBase& e, bool targetHurtable, const CombatValues& v) {
    const int32_t taken = ComputeDamage(static_cast<float>(e.status.attack), v.defense, v.damageTaken);
    HurtPlayer(p, taken, 1);
    if (targetHurtable) {
        const int32_t dealt = ComputeDamage(v.attack, static_cast<float>(e.status.defense), kBodyFactor);
        DamageTarget(e, dealt);
        SpawnDamagePopup(kNumberOnEnemy, 1, e.x, e.y, e.z, dealt);
    }
    MoveGaugesForHit(p, taken);
    StartHitInvincibility(p);
}

bool BodyTouches(const Player& p, const EnemyBase& e) {
    return e.status.hp > 0 && CircleHitSpeciesSmall(PositionOf(p), PositionOf(e), e.species) == 1;
}

void BulletContact(Player& p, Bullet& b, const CombatValues& v) {
    // Colour 2 hits the second defence; every other colour counts as colour 1.
    const bool second = b.colour == 2;
    const float power = static_cast<float>(second ? b.power2 : b.power);
    const int32_t damage = ComputeDamage(power, second ? v.defense2 : v.defense, v.damageTaken);
    HurtPlayer(p, damage, second ? 2 : 1);
    MoveGaugesForHit(p, damage);
    b.Deactivate();
    StartHitInvincibility(p);
}

}  // namespace

float SpeciesHitValue(int32_t species) { return SpeciesValues(species).hit; }

float SpeciesBodyValue(int32_t species) { return SpeciesValues(species).body; }

float BulletHitValue(int32_t spriteType) {
    switch (spriteType) {
        case 4: case 6: case 7: case 9: return 1.0f;
        case 5: case 8: return 4.0f;
        default: return 0.0f;
    }
}

int32_t CircleHit(const Vec3& a, const Vec3& b, float value) {
    const float r = value * kHitPi;
    const float dx = a.x - b.x;
    const float dy = a.y - b.y;
    return r * r > dx * dx + dy * dy ? 1 : 0;
}

int32_t CircleHitSpeciesPlus9Pi(const Vec3& a, const Vec3& b, int32_t species) {
    return CircleHit(a, b, SpeciesHitValue(species) + kShotOffset);
}

int32_t CircleHitSpeciesPlus81Pi(const Vec3& a, const Vec3& b, int32_t species) {
    return CircleHit(a, b, SpeciesHitValue(species) + kSwordOffset);
}

int32_t CircleHitSpeciesSmall(const Vec3& a, const Vec3& b, int32_t species) {
    return CircleHit(a, b, SpeciesBodyValue(species) + kBodyOffset);
}

int32_t CircleHitShotType(const Vec3& a, const Vec3& b, int32_t spriteType) {
    return CircleHit(a, b, BulletHitValue(spriteType) + kBodyOffset);
}

int32_t CircleHitSizeClass(const Vec3& a, const Vec3& b, int32_t kind, int32_t mode) {
    float k = 0.0f;
    switch (mode) {
        case 1: k = kind >= 1 && kind <= 4 ? 16.0f : 0.0f; break;
        case 2: k = 36.0f; break;
        case 3: k = 100.0f; break;
        default: break;
    }
    return CircleHit(a, b, k + kBodyOffset);
}

int32_t CircleHitSpeciesPlus100Pi(const Vec3& a, const Vec3& b, int32_t species) {
    return CircleHit(a, b, SpeciesHitValue(species) + kSkillAreaOffset);
}

int32_t ComputeDamage(float power, float defense, float factor) {
    if (defense == kGuardedDefense) return 1;
    float ratio = power / defense;
    if (ratio < kRatioFloor) ratio = kRatioFloor;
    if (ratio > kRatioCeiling) ratio = kRatioCeiling;
    const float v = power * ratio * factor;
    // Below 1, and a ratio that is not a number (0 / 0), do the least damage.
    if (!(v >= 1.0f)) return 1;
    return TruncToInt32(v);
}

void SlashEnemyBullets(const Vec3& at, float offset, float reachY, int32_t score, int32_t gaugeEvents) {
    int32_t cleared = 0;
    for (Bullet& b : EnemyBulletPool) {
        if (b.active == 0 || !(b.y < reachY)) continue;
        const Vec3 where = PositionOf(b);
        if (CircleHit(at, where, BulletHitValue(b.spriteType) + offset) == 0) continue;
        if (score > 0) {
            BaseScore += score;
            SpawnScorePopup(kPopupSmall, score, where.x, where.y, where.z);
        }
        b.Deactivate();
        if (cleared < gaugeEvents) {
            ChangeEmotion(1, 3, 1.0f);
            ChangeEmotion(6, 3, 1.0f);
        }
        ++cleared;
        SpawnEffect(kEffectBulletSlash, where.x, where.y, where.z);
    }
}

void ResolveOffensiveHits(Player& player, float attack) {
    if (player.swordTimer > kSwordTimerHitting) SwordBurst(player, attack);
    for (Enemy& e : EnemyPool)
        if (e.active != 0) LancesAgainst(player, e, attack);
    for (EnemyChild& c : EnemyChildPool)
        if (HurtableSatellite(c)) LancesAgainst(player, c, attack);
}

void ResolveDefensiveHits(Player& player, const CombatValues& values) {
    for (Enemy& e : EnemyPool) {
        if (player.invincible != 0) return;
        if (e.active != 0 && BodyTouches(player, e)) BodyContact(player, e, true, values);
    }
    for (EnemyChild& c : EnemyChildPool) {
        if (player.invincible != 0) return;
        if (c.active != 0 && BodyTouches(player, c)) BodyContact(player, c, c.gaugeFlag == 1, values);
    }
    const Vec3 at = PositionOf(player);
    for (Bullet& b : EnemyBulletPool) {
        if (player.invincible != 0) return;
        if (b.active != 0 && CircleHitShotType(PositionOf(b), at, b.spriteType) == 1) BulletContact(player, b, values);
    }
}
