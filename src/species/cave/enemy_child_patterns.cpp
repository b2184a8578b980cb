// The satellites' attack patterns, one per pattern id. Each pattern runs only
// inside its age window (bounds included) and counts its shot counter c after
// its work: up by one, or back to 0 once a cycle's last value is reached. The
// colour "by species" is the first for species 101 and the second for 102.
#include <climits>

#include "core/effects.h"
#include "core/game_codes.h"
#include "core/random.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr float kAimToDegrees = 57.29578f;   // the stored aim is kept in radians

// The ages a pattern acts in, both included.
struct AgeWindow {
    int32_t first = 0;
    int32_t last = INT_MAX;
};
constexpr AgeWindow kAnyAge{};

BulletColour SpeciesColour(const ElementChild& s) {
    return s.species == kSpeciesSatellite2 ? BulletColour::kSecond : BulletColour::kFirst;
}
BulletLook Large(BulletColour colour) { return BulletLook{3, colour}; }
BulletLook Small(BulletColour colour) { return BulletLook{1, colour}; }

// A shot from the satellite's own position.
Shot From(const ElementChild& s, float angle, float speed, BulletLook look, bool aimed = false) {
    return Shot{.from = s.Offset(0.0f, 0.0f), .angle = angle, .speed = speed, .look = look, .aimed = aimed};
}

// The stored aim in degrees.
float StoredAim(const ElementChild& s) { return s.facingAngle * kAimToDegrees; }

// A random shift of the aim point: (rand() mod range) / 10 - half, in tenths.
float RandomShift(int32_t range, float half) { return Real(GameRandom() % range) / 10.0f - half; }

// One call of a pattern: nothing at all outside its window; else the work,
// then c + 1, or 0 once c has reached the cycle's end (cycle 0: no cycle).
template <class Work>
void RunPattern(ElementChild& s, AgeWindow window, int32_t cycle, Work&& work) {
    if (s.phaseTimer < window.first || s.phaseTimer > window.last) return;
    work(s.shotCounter);
    s.shotCounter = cycle > 0 && s.shotCounter >= cycle ? 0 : s.shotCounter + 1;
}

// ---- The Element's satellites ---------------------------------------------

// Along the parent's direction every 5 frames: 1, 3 or 3 x 2 large bullets.
void ElementStream(ElementChild& s) {
    static constexpr int32_t kAngles[3] = {1, 3, 3};
    static constexpr int32_t kSpeeds[3] = {1, 1, 2};
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, kAnyAge, 0, [&](int32_t c) {
        if (c % 5 != 0) return;
        const int32_t middle = kAngles[d] / 2;
        for (int32_t i = 0; i < kAngles[d]; ++i) {
            const float angle = s.spinAngle + 2.0f * Real(i - middle);
            s.FireColumn(From(s, angle, 6.0f, Large(SpeciesColour(s))), kSpeeds[d], 1.0f);
        }
    });
}

// Ten aimed fans of five a cycle; one species slow and wide, the other fast.
void ElementFans(ElementChild& s, bool swapped) {
    RunPattern(s, kAnyAge, 60, [&](int32_t c) {
        if (c >= 20 || c % 2 != 0) return;
        const bool slow = (s.species == kSpeciesSatellite) != swapped;
        const float first = slow ? -30.0f : -40.0f;
        const float speed = (slow ? 3.5f : 7.0f) + 0.3f * Real(c);
        s.FireRing(From(s, 0.0f, speed, Large(SpeciesColour(s)), true), 5, first, 20.0f);
    });
}

// ---- The BigElement's satellites ------------------------------------------

// The spray after the last volley of a window: columns of three small bullets.
void SweepSpray(ElementChild& s, int32_t d, float aim) {
    struct Spray {
        int32_t columns;
        float first, columnStep, speedStep;
    };
    static constexpr Spray kSprays[3] = {{0, 0.0f, 0.0f, 0.0f}, {2, -12.0f, 20.0f, 0.5f}, {4, -17.0f, 10.0f, 0.25f}};
    const Spray& r = kSprays[d];
    const float sign = s.species == kSpeciesSatellite ? -1.0f : 1.0f;
    for (int32_t a = 0; a < r.columns; ++a) {
        const Shot shot = From(s, 0.0f, 6.0f + sign * r.speedStep * Real(a), Small(SpeciesColour(s)));
        s.FireRing(shot, 3, aim + r.first + r.columnStep * Real(a), 2.0f);
    }
}

// Pattern 11: the pair takes turns, each with eleven widening volleys along
// the aim it takes when its window opens (c 0..20 or 40..60 of 80).
void AlternatingSweeps(ElementChild& s) {
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, AgeWindow{60, 360}, 80, [&](int32_t c) {
        const int32_t open = s.species == kSpeciesSatellite ? 0 : 40;
        if (c % 2 != 0 || c < open || c > open + 20) return;
        if (c == open) s.facingAngle = s.AimAngle(s.x, s.y);
        const float aim = StoredAim(s);
        const Shot shot = From(s, 0.0f, 6.0f + 0.2f * Real(c - open), Large(SpeciesColour(s)));
        if (d == 2) {
            s.FireRing(shot, 5, aim - 20.0f, 10.0f);
        } else {
            s.FireRing(shot, 3, aim - 20.0f, 20.0f);
        }
        if (c == open + 20) SweepSpray(s, d, aim);
    });
}

// Pattern 12: every 60 frames columns straight down at 80, 90 and 100 degrees.
void EllipseRain(ElementChild& s) {
    static constexpr int32_t kColumn[3] = {1, 2, 4};
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, AgeWindow{60, 420}, 0, [&](int32_t c) {
        if (c % 60 != 0) return;
        for (int32_t i = 0; i < 3; ++i)
            s.FireColumn(From(s, 80.0f + 10.0f * Real(i), 6.0f, Large(SpeciesColour(s))), kColumn[d], 0.5f);
    });
}

// Pattern 13: once every 21 frames a tight fan of small bullets at a point on
// the player's row up to 450 pixels to either side.
void SpiralDarts(ElementChild& s) {
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, AgeWindow{60, 300}, 20, [&](int32_t c) {
        if (c != 0) return;
        s.facingAngle = s.AimAngleOffset(s.x, s.y, RandomShift(9000, 450.0f), 0.0f);
        const int32_t n = d + 2;
        s.FireRing(From(s, 0.0f, 5.0f, Small(SpeciesColour(s))), n, StoredAim(s) - Real(n - 1), 2.0f);
    });
}

// ---- The MagicStone's satellites --------------------------------------------

// Pattern 21: five shots along the parent's direction, then a rest.
void StoneBursts(ElementChild& s) {
    static constexpr int32_t kCycles[3] = {30, 25, 20};
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, AgeWindow{60}, kCycles[d], [&](int32_t c) {
        if (c >= 10 || c % 2 != 0) return;
        const float speed = s.species == kSpeciesSatellite ? 5.0f : 6.0f;
        s.FireShot(From(s, s.spinAngle, speed, Large(SpeciesColour(s))));
    });
}

// Pattern 22: two coinciding shots every 5 frames for the first part of a cycle.
void StoneStream(ElementChild& s) {
    static constexpr int32_t kLast[3] = {25, 30, 40};
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, AgeWindow{60}, 60, [&](int32_t c) {
        if (c % 5 != 0 || c > kLast[d]) return;
        const Shot shot = From(s, s.spinAngle, 7.0f, Large(SpeciesColour(s)));
        s.FirePair(shot, shot.from, shot.from);
    });
}

// Pattern 23: every 15 frames a small fan along the parent's direction.
void StoneFan(ElementChild& s) {
    static constexpr int32_t kBullets[3] = {1, 3, 5};
    const int32_t d = SpeciesKit::DifficultyColumn();
    if (d < 0) return;
    RunPattern(s, kAnyAge, 0, [&](int32_t c) {
        if (c % 15 != 0) return;
        const int32_t n = kBullets[d];
        s.FireRing(From(s, 0.0f, 7.0f, Small(SpeciesColour(s))), n, s.spinAngle - Real(n - 1), 2.0f);
    });
}

// Pattern 24: one large shot along the parent's direction every 4 frames.
void StoneRapid(ElementChild& s) {
    RunPattern(s, kAnyAge, 0, [&](int32_t c) {
        if (c % 4 == 0) s.FireShot(From(s, s.spinAngle, 7.0f, Large(SpeciesColour(s))));
    });
}

// ---- The final boss's satellites --------------------------------------------

// Pattern 31: from either side, two fast shots crossing on the player.
void CrossingPair(ElementChild& s) {
    RunPattern(s, AgeWindow{0, 90}, 0, [&](int32_t c) {
        if (c % 2 != 0) return;
        s.facingAngle = s.AimAngle(s.x, s.y);
        const float aim = StoredAim(s);
        const BulletLook look = Large(BulletColour::kSecond);
        s.FireShot(Shot{.from = s.Offset(30.0f, 0.0f), .angle = aim - 10.0f, .speed = 10.0f, .look = look});
        s.FireShot(Shot{.from = s.Offset(-30.0f, 0.0f), .angle = aim + 10.0f, .speed = 10.0f, .look = look});
    });
}

// Patterns 32, 33: every 3 frames a column of four along the direction; a
// negative scale sends it backwards.
void DirectionColumn(ElementChild& s, float scale, float base, BulletColour colour) {
    RunPattern(s, AgeWindow{30, 330}, 0, [&](int32_t c) {
        if (c % 3 != 0) return;
        for (int32_t i = 0; i < 4; ++i)
            s.FireShot(From(s, s.spinAngle, scale * (base + 0.333f * Real(i)), Large(colour)));
    });
}

// Patterns 34, 35: every 10 frames five small bullets behind the direction.
void BackFan(ElementChild& s, float speed, BulletColour colour) {
    RunPattern(s, AgeWindow{450, 750}, 0, [&](int32_t c) {
        if (c % 10 == 0) s.FireRing(From(s, 0.0f, speed, Small(colour)), 5, s.spinAngle + 168.0f, 6.0f);
    });
}

// Patterns 36, 37: on even c an aimed spread that speeds up without end.
void RisingSpread(ElementChild& s, int32_t n, float first, BulletColour colour) {
    RunPattern(s, AgeWindow{870}, 0, [&](int32_t c) {
        if (c % 2 == 0) s.FireRing(From(s, 0.0f, 4.0f + 0.3f * Real(c), Large(colour), true), n, first, 30.0f);
    });
}

// Patterns 38..41: a spinning stream, k the volley within its 20-frame stretch.
struct Spinner {
    float turn;        // +1 turns with c, -1 against it
    float offset;      // the first bullet's angle from the direction
    int32_t bullets;   // one, or two opposite each other
    float speed, speedStep;
    BulletColour colour;
};
void SpinningStream(ElementChild& s, const Spinner& r) {
    RunPattern(s, AgeWindow{61}, 0, [&](int32_t c) {
        if (c % 2 == 0) {
            const float speed = r.speed + r.speedStep * Real(s.toggle);
            const float angle = (s.spinAngle + r.offset) + r.turn * Real(c);
            s.FireRing(From(s, 0.0f, speed, Large(r.colour)), r.bullets, angle, 180.0f);
            ++s.toggle;
        }
        if (c % 20 == 0) s.toggle = 0;
    });
}

// Pattern 42: once a cycle five small bullets about a point near the player.
void ScatterFan(ElementChild& s) {
    RunPattern(s, AgeWindow{120}, 60, [&](int32_t c) {
        if (c != 0) return;
        const float offY = RandomShift(2400, 120.0f);
        const float offX = RandomShift(2400, 120.0f);
        s.facingAngle = s.AimAngleOffset(s.x, s.y, offX, offY);
        const float aim = StoredAim(s);
        for (int32_t i = 0; i < 5; ++i)
            s.FireShot(From(s, aim - 60.0f + 30.0f * Real(i), 6.0f + Real(i % 2), Small(SpeciesColour(s))));
    });
}

// Pattern 43: every 7 frames a small fan whose bullets leave faster to one side.
void GradedFan(ElementChild& s) {
    RunPattern(s, AgeWindow{61, 839}, 0, [&](int32_t c) {
        if (c % 7 != 0) return;
        for (int32_t i = 0; i < 5; ++i)
            s.FireShot(From(s, s.spinAngle - 14.0f + 7.0f * Real(i), 3.0f + 0.5f * Real(i), Small(SpeciesColour(s))));
    });
}

// Pattern 44: fifteen aimed fans of five a 91-frame cycle, speeding up.
void AimedFans(ElementChild& s) {
    RunPattern(s, AgeWindow{61}, 90, [&](int32_t c) {
        if (c >= 30 || c % 2 != 0) return;
        s.FireRing(From(s, 0.0f, 6.0f + 0.3f * Real(c), Large(SpeciesColour(s)), true), 5, -30.0f, 15.0f);
    });
}

// Pattern 46: a dart. Fifteen slowing shots along one aim (ages 60..89), then
// at age 150 it vanishes with a small burst and no reward.
void Dart(ElementChild& s) {
    const int32_t age = s.phaseTimer;
    if (age >= 150) {
        SpawnEffect(kEffectEnemyDeath, s.x, s.y, s.z);
        s.Retire(kRetireSilent, 0, 0);
        s.ClearTrail();
        return;
    }
    RunPattern(s, AgeWindow{60, 89}, 0, [&](int32_t c) {
        if (age == 60) s.facingAngle = s.AimAngleOffset(s.x, s.y, RandomShift(6000, 300.0f), 0.0f);
        if (c % 2 == 0) s.FireShot(From(s, StoredAim(s), 9.0f - 0.1f * Real(age - 60), Large(SpeciesColour(s))));
    });
}

constexpr Spinner kSpinners[4] = {
    {1.0f, 0.0f, 2, 4.0f, 0.3f, BulletColour::kSecond},
    {-1.0f, 0.0f, 2, 6.0f, 0.3f, BulletColour::kFirst},
    {1.0f, 180.0f, 1, 7.0f, -0.3f, BulletColour::kSecond},
    {-1.0f, 180.0f, 1, 9.0f, -0.3f, BulletColour::kFirst},
};

}   // namespace

void ElementChild::FirePattern() {
    switch (variant) {
        case 0: ElementStream(*this); break;                                        // stream along the direction
        case 1: ElementFans(*this, false); break;                                   // aimed fans, species 101 slow
        case 2: ElementFans(*this, true); break;                                    // aimed fans, species 102 slow
        case 11: AlternatingSweeps(*this); break;                                   // the pair's alternating sweeps
        case 12: EllipseRain(*this); break;                                         // columns straight down
        case 13: SpiralDarts(*this); break;                                         // small fans near the player's row
        case 21: StoneBursts(*this); break;                                         // five shots, then a rest
        case 22: StoneStream(*this); break;                                         // paired shots in a burst
        case 23: StoneFan(*this); break;                                            // small fan every 15 frames
        case 24: StoneRapid(*this); break;                                          // one shot every 4 frames
        case 31: CrossingPair(*this); break;                                        // two shots crossing on the player
        case 32: DirectionColumn(*this, 1.5f, 3.0f, BulletColour::kFirst); break;   // column forwards
        case 33: DirectionColumn(*this, -1.5f, 4.0f, BulletColour::kSecond); break;   // column backwards
        case 34: BackFan(*this, 5.0f, BulletColour::kFirst); break;                   // fan behind, faster
        case 35: BackFan(*this, 4.0f, BulletColour::kSecond); break;                  // fan behind, slower
        case 36: RisingSpread(*this, 7, -90.0f, BulletColour::kFirst); break;         // aimed spread of seven
        case 37: RisingSpread(*this, 8, -105.0f, BulletColour::kSecond); break;       // aimed spread of eight
        case 38: SpinningStream(*this, kSpinners[0]); break;                          // opposite pair turning with c
        case 39: SpinningStream(*this, kSpinners[1]); break;                          // opposite pair turning against c
        case 40: SpinningStream(*this, kSpinners[2]); break;   // single shot turning with c, slowing
        case 41: SpinningStream(*this, kSpinners[3]); break;   // single shot turning against c, slowing
        case 42: ScatterFan(*this); break;                     // fan about a point near the player
        case 43: GradedFan(*this); break;                      // fan faster to one side
        case 44: AimedFans(*this); break;                      // aimed fans speeding up
        case 46: Dart(*this); break;                           // short-lived dart
        default: break;                                        // no pattern: no fire, no count
    }
}
