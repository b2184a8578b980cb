#pragma once
// The circle tests of every contact in a field, the one damage rule, and the
// hit steps of the in-field frame: the sword burst, the lances, and enemy
// bodies, satellite bodies and enemy bullets against the player.
#include <cstdint>

#include "platform/matrix.h"

class Player;

// Single-precision pi of every hit radius.
constexpr float kHitPi = 3.1415927f;

// Species value t of the shot, sword and skill-area tests; 0 for an unknown id.
float SpeciesHitValue(int32_t species);
// Species value s of the body test; 0 for an unknown id.
float SpeciesBodyValue(int32_t species);
// Bullet value k by sprite type: 1 for types 4, 6, 7, 9; 4 for 5 and 8; else 0.
float BulletHitValue(int32_t spriteType);

// 1 when b lies strictly inside the circle of radius value x pi around a (the
// z coordinates are ignored), else 0.
int32_t CircleHit(const Vec3& a, const Vec3& b, float value);
// A lance against an enemy or satellite: (t + 9) pi.
int32_t CircleHitSpeciesPlus9Pi(const Vec3& a, const Vec3& b, int32_t species);
// The sword burst around the player: (t + 81) pi.
int32_t CircleHitSpeciesPlus81Pi(const Vec3& a, const Vec3& b, int32_t species);
// The player's body against an enemy or satellite body: (s + 1) pi.
int32_t CircleHitSpeciesSmall(const Vec3& a, const Vec3& b, int32_t species);
// An enemy bullet against the player: (k + 1) pi.
int32_t CircleHitShotType(const Vec3& a, const Vec3& b, int32_t spriteType);
// Item ranges: mode 1 pickup (16 for kinds 1..4, else 0), mode 2 magnet (36),
// mode 3 (100), any other mode 0; radius (value + 1) pi.
int32_t CircleHitSizeClass(const Vec3& a, const Vec3& b, int32_t kind, int32_t mode);
// The skill area: (t + 100) pi.
int32_t CircleHitSpeciesPlus100Pi(const Vec3& a, const Vec3& b, int32_t species);

// Damage of power P against defense Q with factor f, in single precision:
// 1 when Q is exactly 999; else P x clamp(P / Q, 0.1, 3.0) x f, 1 when that is
// below 1 (or not a number), else truncated (at most the 32-bit maximum).
int32_t ComputeDamage(float power, float defense, float factor);

// Clears every active enemy bullet above y `reachY` within (k + offset) pi of
// `at`: each adds `score` to BaseScore with a score popup (when above 0), the
// first `gaugeEvents` of them raise gauges 1 and 6 (event 3), and each leaves
// a slash effect where it was.
void SlashEnemyBullets(const Vec3& at, float offset, float reachY, int32_t score, int32_t gaugeEvents);

// This frame's effective values of the player and the damage-taken factor.
struct CombatValues {
    float attack = 0.0f;       // A
    float attack2 = 0.0f;      // A2
    float defense = 0.0f;      // D
    float defense2 = 0.0f;     // D2
    float damageTaken = 1.0f;
};

// The sword burst (while swordTimer is above 170) against enemies, satellites
// and enemy bullets, then the lances against enemies and satellites.
void ResolveOffensiveHits(Player& player, float attack);
// Enemy bodies, satellite bodies, enemy bullets against the player, while the
// player is not invincible: the first hit makes it invincible, so at most one
// hit lands per frame.
void ResolveDefensiveHits(Player& player, const CombatValues& values);
