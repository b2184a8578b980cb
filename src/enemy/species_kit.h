#pragma once
// The behaviour every species shares, as a mix-in over EnemyBase. A species
// class derives `public virtual SpeciesKit` (one kit inside the composite
// Enemy, like the one EnemyBase) and writes only its own values: paths,
// volley tables, ring counts, margins, phase lengths.
//
//   Ordinary species   RunOrdinaryFrame, or its parts: AdvanceAnimation,
//                      FaceTarget, RemoveWhenOutside, DieOrdinary.
//   Bullets            FireShot (one bullet, first free record of the enemy
//                      bullet pool), FireFan, FireRing, FireColumn,
//                      FireRingOfColumns, FirePair; the kept aim SaveAim,
//                      SavedAimDegrees.
//   Fire routines      GradeRouteRoutine, RunRoutine.
//   Volley timing      DifficultyColumn, VolleyDue, RunVolley, RunVolleyEvery.
//   Bosses             PhaseClockExpired, EnterPhase, PhaseAttacking,
//                      AdvanceBobCounter, ApplyBob, RunBossDeath with the
//                      scatters DropItemShower and DropBigItemCircle;
//                      HeadFor, ApproachPoint, RunSinkingDeath.
//   Random points      RandomPointNear (x drawn first, then y).
//
// Angles are degrees (0 = +x, 90 = straight down) unless a name says radians.
#include <cstddef>
#include <cstdint>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "enemy/enemy_base.h"

// Where a bullet leaves from.
struct Muzzle {
    float x = 0.0f;
    float y = 0.0f;
};

// A bullet's look: size 1..3 and colour (the colour also picks the damage
// pair). Sprite type = 3 x (colour - 1) + size + 3.
struct BulletLook {
    int32_t size = 1;
    BulletColour colour = BulletColour::kFirst;
};
inline constexpr BulletLook kLookS1{1, BulletColour::kFirst};    // sprite type 4
inline constexpr BulletLook kLookM1{2, BulletColour::kFirst};    // 5
inline constexpr BulletLook kLookL1{3, BulletColour::kFirst};    // 6
inline constexpr BulletLook kLookS2{1, BulletColour::kSecond};   // 7
inline constexpr BulletLook kLookM2{2, BulletColour::kSecond};   // 8
inline constexpr BulletLook kLookL2{3, BulletColour::kSecond};   // 9

// One bullet as a volley describes it. An aimed bullet flies along its angle
// plus the direction from its muzzle to the player at spawn; a fixed one along
// its angle alone. Written with designated initialisers, e.g.
// Shot{.from = Offset(-2, 0), .angle = 90, .speed = 6, .look = kLookS2}.
struct Shot {
    Muzzle from;
    float angle = 0.0f;
    float speed = 0.0f;
    BulletLook look = kLookS1;
    bool aimed = false;
    int32_t behaviour = 0;
    bool pattern = false;   // a pattern bullet (own behaviour); else ordinary (the field route's handler)
};

// The death ring's size by grade (rows 1..3) and Difficulty (columns 1..3).
struct ItemRing {
    int32_t count[3][3] = {};
};

// The effect of an ordinary death: effect 2 through SpawnEffect (with the
// enemy-destroy sound), or effect 6 in the first free effect entry with
// MidBossDestroySound only when an entry was free.
enum class DeathBurst { kSmall, kMiddle };
// Whether, and when, an ordinary death cancels every enemy bullet (mode 1).
enum class DeathCancel { kNone, kAfterBurst, kBeforeBurst };

struct OrdinaryDeath {
    DeathBurst burst = DeathBurst::kSmall;
    DeathCancel cancel = DeathCancel::kNone;
    bool bigItem = false;   // one big experience orb before the ring
    ItemRing ring;
};

// What the ordinary frame needs of a species.
struct OrdinaryRules {
    OrdinaryDeath death;
    float margin = 200.0f;      // removed this far outside the playfield box
    bool animated = true;       // the flyers' 40-frame animation
    bool facesTarget = false;   // the small flyers' facing
};

// Where grade 3 (the cave) finds its fire routine among the six of a species:
// none, the grade-2 route-2 routine on routes 1..3, or that routine on every
// route.
enum class CaveRoutine { kNone, kOnKnownRoutes, kOnEveryRoute };

// The attack window of a boss phase: timer <= duration, or timer < duration.
enum class AttackWindow { kThroughDuration, kBeforeDuration };

// When a dying boss cancels every enemy bullet (mode 1).
enum class CancelTiming { kFirstFrame, kEveryFrame };
// What a boss leaves at the end of its death chain, sized by Difficulty.
enum class ItemScatter { kNone, kGroupShower, kBigItemCircle };

struct BossDeath {
    int32_t dyingPhase = 0;   // the boss phase while dying
    CancelTiming cancel = CancelTiming::kEveryFrame;
    int32_t explosionFrames = 90;     // explosions while the death counter is below this
    int32_t explosionPeriod = 2;      // on counters that are multiples of this
    bool itemWithExplosion = false;   // each explosion also drops an orb at its point
    int32_t finalFrame = 120;         // death counter of the last frame
    int32_t destructionEffect = 6;    // 6 (mid-boss) or 7 (boss), with its sound
    ItemScatter scatter = ItemScatter::kGroupShower;
};

// A boss that sinks through a storm of explosions and ends in one last
// burst, without items (the cave's stones).
struct SinkingDeath {
    int32_t dyingPhase = 0;          // the boss phase while dying
    int32_t explosionFrames = 180;   // sinking and exploding while the death counter is below this
    int32_t whiteoutFrame = -1;      // the white flash starts at this count (-1: none)
    float sink = 1.0f;               // pixels down per exploding frame
    int32_t blastEffect = kEffectRisingExplosion;   // the explosion at each random point
    int32_t bigBlastPeriod = 0;      // on counts that are multiples of this (0: never) effect 7 there instead
    int32_t finalFrame = 240;        // death counter of the last frame
    bool ringFirst = false;          // the last burst's ring before its centre (effect 7), or after it
    int32_t ringCount = 0;           // the ring: effects at equal angle steps from 0 degrees
    float ringRadius = 0.0f;
    int32_t ringEffect = kEffectBossDeath;
};

class SpeciesKit : public virtual EnemyBase {
public:
    // ---- The ordinary frame -------------------------------------------------

    // One frame of an ordinary species: HP below 1 runs the death step and
    // nothing else; otherwise animation (when animated), facing (when the
    // species faces its target), moveAndFire(), phase timer + 1 and the removal
    // test at the margin.
    template <class MoveAndFire>
    void RunOrdinaryFrame(const OrdinaryRules& rules, MoveAndFire&& moveAndFire) {
        if (status.hp < 1) {
            DieOrdinary(rules.death);
            return;
        }
        if (rules.animated) AdvanceAnimation();
        if (rules.facesTarget) FaceTarget();
        moveAndFire();
        ++phaseTimer;
        RemoveWhenOutside(rules.margin);
    }

    // Animation frame + 1, back to 0 after 39 (the cell shown is frame / 4).
    void AdvanceAnimation();
    // The small flyers' facing: towards the player (radians) while the enemy
    // is at least 100 pixels above it (y <= target y - 100), else the heading.
    void FaceTarget();
    // True while the enemy is more than `gap` pixels above the player
    // (y < target y - gap): the gate of the aimed volleys.
    bool HighAbove(float gap) const { return y < target.y - gap; }

    // The removal test after the move: x first (x + m <= 240 or x - m >= 1040),
    // then y on the position as it then stands (y + m <= 0 or y - m >= 720).
    // A removal is silent (RemoveSilently) and happens at most once a frame.
    // True when the enemy was removed.
    bool RemoveWhenOutside(float margin) {
        return RemoveWhenOutside(margin, [] {});
    }
    // The same, with beforeReset() run just before the reset (a commander
    // removes its satellites there).
    template <class BeforeReset>
    bool RemoveWhenOutside(float margin, BeforeReset&& beforeReset) {
        if (!OutsideMargin(margin)) return false;
        beforeReset();
        RemoveSilently();
        return true;
    }
    // No score, item or effect: ClearStatus, then Retire's silent reset.
    void RemoveSilently();

    // The one-frame death: the burst (and the cancel before or after it), the
    // big orb, the ring by grade and Difficulty, then Retire(1, 0, 0).
    void DieOrdinary(const OrdinaryDeath& death);
    // The ring's size for this enemy's grade and Difficulty; 0 outside 1..3.
    int32_t RingCount(const ItemRing& ring) const;
    // The angle between ring items: 51.4 for seven, else 360 / n.
    static float RingStep(int32_t n);
    // n experience orbs at (x, y), item k at k x step degrees from 0 (step
    // 0 means RingStep(n)); nothing for n <= 0.
    static void DropExperienceRing(float px, float py, int32_t n, float step = 0.0f);

    // ---- Bullets --------------------------------------------------------------

    // The aim from the enemy's position to the player, kept (radians) in the
    // facing angle for a whole series of volleys, and read back in degrees.
    void SaveAim() { facingAngle = AimAngle(x, y); }
    float SavedAimDegrees() const { return facingAngle * kRadToDeg; }
    // The enemy's position moved by (dx, dy).
    Muzzle Offset(float dx, float dy) const { return Muzzle{x + dx, y + dy}; }
    // Writes one bullet into the first free record of the enemy bullet pool,
    // with exactly the fields SpawnBullet gives an enemy bullet (pattern flag 1
    // when shot.pattern): powers = this enemy's attack and attack2 read through
    // GetStatus, aim from the muzzle to BulletTargetPos, speed factor
    // BulletSpeedScale. False when the pool is full (nothing is written).
    bool FireShot(const Shot& shot) const;
    // n bullets about `centre`, `step` apart, from the lowest angle up:
    // centre + (k - (n - 1) / 2) x step. The helpers below stop at the first
    // bullet that finds the pool full (the later ones would find it full too)
    // and return false then.
    bool FireFan(Shot shot, int32_t n, float centre, float step) const;
    // n bullets at start + k x step (step 0 means 360 / n).
    bool FireRing(Shot shot, int32_t n, float start, float step = 0.0f) const;
    // n bullets on one line leaving together at speeds shot.speed + k x speedStep.
    bool FireColumn(Shot shot, int32_t n, float speedStep) const;
    // n directions start + k x step, each a column of `depth` bullets leaving
    // together at shot.speed, shot.speed + speedStep, ...
    bool FireRingOfColumns(Shot shot, int32_t n, float start, float step, int32_t depth, float speedStep) const;
    // The shot from `first`, then the same shot from `second`.
    bool FirePair(Shot shot, Muzzle first, Muzzle second) const;
    // The point at `degrees` round the ellipse of radii (rx, ry) about
    // (cx, cy): (cx + rx cos a, cy + ry sin a). With rx = ry = r about the
    // enemy, a muzzle r pixels out along an angle.
    static Muzzle PointAround(float cx, float cy, float rx, float ry, float degrees);

    // ---- Fire routines by grade and route ---------------------------------------

    // Which of a species' six fire routines runs: 0..2 grade 1 routes 1..3,
    // 3..5 grade 2 routes 1..3; at grade 3 routine 4 as `cave` says; -1 for none.
    int32_t GradeRouteRoutine(CaveRoutine cave) const;
    // Runs routines[r] on `self`; nothing for r outside the table. The entry
    // is read into a local first: g++ 12's bounds sanitizer misreads an
    // element of a referenced array used straight as the operand of .*.
    template <class Species, std::size_t N>
    static void RunRoutine(Species& self, void (Species::*const (&routines)[N])(), int32_t r) {
        if (r < 0 || static_cast<std::size_t>(r) >= N) return;
        void (Species::*const routine)() = routines[r];
        (self.*routine)();
    }

    // ---- Volley timing --------------------------------------------------------

    // Column 0..2 of a table by Difficulty 1..3; -1 for any other value.
    static int32_t DifficultyColumn();
    // The shot counter has reached `start` and is a multiple of `period`.
    bool VolleyDue(int32_t start, int32_t period) const {
        return shotCounter >= start && period > 0 && shotCounter % period == 0;
    }
    // One call of a routine timed by Difficulty: outside 1..3 it returns at
    // once without counting; else fire(column) runs when the volley is due
    // with that column's period, and the call is counted (shot counter + 1,
    // whether or not a bullet found room).
    template <class Fire>
    void RunVolley(int32_t start, const int32_t (&periods)[3], Fire&& fire) {
        const int32_t column = DifficultyColumn();
        if (column < 0) return;
        if (VolleyDue(start, periods[column])) fire(column);
        ++shotCounter;
    }
    // The same for a block that fires alike at every Difficulty.
    template <class Fire>
    void RunVolleyEvery(int32_t start, int32_t period, Fire&& fire) {
        if (VolleyDue(start, period)) fire();
        ++shotCounter;
    }

    // ---- Bosses -----------------------------------------------------------------

    // The phase clock at the end of a boss frame: while the phase timer is at
    // most duration + 60 it grows by one and the result is false; once it is
    // above (duration + 61) it stays and the result is true: the frame of the
    // phase change. The caller then enters the next phase with EnterPhase; a
    // phase without a successor simply stays, its timer stopped.
    bool PhaseClockExpired();
    // Enters a phase: timer, shot counter, toggle, sub-mode, rotating angle and
    // heading 0, then the phase and its duration (Retire mode 2).
    void EnterPhase(int32_t phase, int32_t duration);
    // The phase's attack window.
    bool PhaseAttacking(AttackWindow window) const;
    // Bob counter + 1, back to 0 after 119.
    void AdvanceBobCounter();
    // y += BobStep(bob counter).
    void ApplyBob();
    // The bob's step for counter c: 1.5 - 0.05 c (c < 30), (30 - c) x 0.05
    // (c < 60), (c - 60) x 0.05 - 1.5 (c < 90), (c - 90) x 0.05 (c < 120).
    static float BobStep(int32_t c);

    // One frame of a boss's death chain, d the death counter: boss phase :=
    // dyingPhase; the bullet cancel (every frame, or at d = 0); while d is
    // below explosionFrames MagnetTimer is held at 1 or more and, on every d
    // that is a multiple of explosionPeriod, an explosion (effect 3) at
    // RandomPointNear (with itemWithExplosion an orb there first, at angle
    // rand() % 360 drawn third); d + 1. Then quiet frames (d + 1) until d
    // reaches finalFrame: the destruction effect with its sound, the scatter
    // and Retire(1, 0, 0). True on that last frame.
    bool RunBossDeath(const BossDeath& death);
    // By Difficulty 1 / 2 / 3: 3 / 4 / 5 groups, each one big orb (angle 0) at
    // its point then a ring of 6 / 8 / 10 orbs there; the points are
    // (x - 75 + 75 i, y), (x - 112.5 + 75 i, y), (x - 100 + 50 i, y + 50 (i mod 2)).
    static void DropItemShower(float px, float py);
    // By Difficulty 1 / 2 / 3: 5 / 6 / 8 big orbs (angle 0) round a circle of
    // radius 100, item i at (x + 100 cos a, y - 100 sin a), a = i x 360 / n.
    static void DropBigItemCircle(float px, float py);
    // The heading := atan2(py - y, px - x) (radians) and the enemy moves
    // `speed` pixels along it.
    void HeadFor(float px, float py, float speed);
    // HeadFor, unless the enemy stands within 10 pixels of (px, py) on both axes.
    void ApproachPoint(float px, float py, float speed);
    // One frame of a sinking death, d the death counter: boss phase :=
    // dyingPhase; at d = 0 every enemy bullet is cancelled (mode 1); while d
    // is below explosionFrames MagnetTimer is held at 1 or more, the white
    // flash starts at whiteoutFrame and, on every d that is a multiple of 4, a
    // point is drawn (RandomPointNear), effect 4 flies from the enemy and the
    // blast goes off at the point; the enemy sinks and d + 1. Then quiet frames
    // (d + 1) until d reaches finalFrame: effect 7 at the enemy and the ring
    // (in the order ringFirst gives), then Retire(1, 0, 0). True on that last frame.
    bool RunSinkingDeath(const SinkingDeath& death);

    // ---- Random points ------------------------------------------------------------

    // (x - 150 + r1 % 300, y - 150 + r2 % 300): two draws, the first for x.
    Muzzle RandomPointNear() const;

private:
    bool OutsideMargin(float margin) const;
};
