// The final boss's movement and its satellite formations, one per phase of
// form 0; form 1 only settles at its spot.
#include "core/bullet.h"
#include "core/effects.h"
#include "core/game_codes.h"
#include "core/random.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "species/cave/enemy_child.h"
#include "species/cave/grand_magic_stone.h"

namespace {

constexpr int32_t kFormationFrames = 60;   // the formations spread out over these frames
constexpr float kRadToDegRotation = 57.2958f;

// The swarm's inner box: satellites beyond it are turned back towards it.
constexpr float kSwarmTop = 140.0f;
constexpr float kSwarmBottom = 340.0f;
constexpr float kSwarmLeft = 340.0f;
constexpr float kSwarmRight = 940.0f;
constexpr int32_t kSwarmWaves = 6;          // waves at t = 0, 10, ..., 50
constexpr int32_t kSwarmReaimPeriod = 60;   // re-aimed every second from t = 120

constexpr int32_t kRingsCount = 4;   // closing rings and ellipses: four groups of ten
constexpr int32_t kGroupSize = 10;
constexpr int32_t kRingsPeriod = 60;

// Radius that grows by `growth` a frame until t = 60, then holds `reach`.
float Spread(int32_t t, float growth, float reach) { return t < kFormationFrames ? growth * Real(t) : reach; }

// A random tenth of a degree below range / 10.
float RandomTenths(int32_t range) { return Real(GameRandom() % range) / 10.0f; }

}   // namespace

void GrandMagicStone::UpdateSatellites() {
    const int32_t t = phaseTimer;
    if (variant != 0) {
        ApproachPoint(640.0f, 250.0f, 1.5f);   // form 1 settles; no satellites
        ApplyBob();
        return;
    }
    switch (bossPhase) {
        case 0: ApproachPoint(640.0f, 250.0f, 1.5f); break;   // entry
        case 1: FormBentArms(t); break;
        case 2: FormFans(t); break;
        case 3: FormSwarm(t); break;
        case 4: FormSentinels(t); break;
        case 5: DriftInBreak(t); break;
        case 6: FormClosingRings(t); break;
        case 7: FormEllipses(t); break;
        default: break;   // dying: nothing but the bob
    }
    ApplyBob();
}

void GrandMagicStone::LaunchSatellite(int32_t place, int32_t species, int32_t pattern) {
    satellites[place] = SpawnEnemyChild(species, pattern, x, y, 0, status.attack, status.attack2);
}

// Five arms of seven at places 7(g - 1) + j, swept two degrees a frame; an
// arm settles at radii 60, 120, 180, 240, 180, 120, 60.
void GrandMagicStone::FormBentArms(int32_t t) {
    const float ft = Real(t);
    for (int32_t g = 1; g <= 5; ++g) {
        for (int32_t j = 1; j <= 7; ++j) {
            const int32_t place = 7 * (g - 1) + j;
            if (t == 0) LaunchSatellite(place, SatelliteByParity(j), 30 + j);
            // The inner three move out, the outer four in from 240.
            const float r =
                j <= 3 ? Spread(t, Real(j), 60.0f * Real(j)) : 240.0f - Spread(t, Real(j - 4), 60.0f * Real(j - 4));
            const float a = 72.0f * Real(g) + 10.0f * Real(j) + 2.0f * ft;
            satellites[place] = MoveEnemyChildAround(satellites[place], x, y, r, r, a, a);
        }
    }
}

// Two fans of four above the boss, at places 1..4 (right) and 5..8 (left).
void GrandMagicStone::FormFans(int32_t t) {
    for (int32_t fan = 0; fan < 2; ++fan) {
        const float side = fan == 0 ? 1.0f : -1.0f;
        for (int32_t j = 1; j <= 4; ++j) {
            const int32_t place = 4 * fan + j;
            if (t == 0) LaunchSatellite(place, SatelliteByParity(j), 37 + j);
            const float r = j % 2 == 0 ? Spread(t, 4.1666f, 250.0f) : Spread(t, 2.5f, 150.0f);
            const float a = 90.0f - side * 15.0f * Real(j);
            satellites[place] = MoveEnemyChildAround(satellites[place], x + side * 30.0f, y - 200.0f, r, r, a, a);
        }
    }
}

// Six waves of six leave in six directions, slowing; from the third second on
// they are turned back towards the inner box every second.
void GrandMagicStone::FormSwarm(int32_t t) {
    if (t == 0) {
        for (int i = 0; i < kSatelliteCount; ++i) {
            satelliteAngles[i] = 0.0f;
            satelliteTimers[i] = 0;
        }
    }
    if (t % 10 == 0 && t < 10 * kSwarmWaves) {
        const int32_t species = t % 20 == 0 ? kSpeciesSatellite : kSpeciesSatellite2;
        const float ft = Real(t);
        for (int32_t n = 0; n < 6; ++n) {
            int32_t place = 0;
            while (place < kSatelliteCount && satellites[place] != -1) ++place;
            if (place == kSatelliteCount) break;   // the list is full: no room for this wave's rest
            LaunchSatellite(place, species, 42);
            satelliteAngles[place] =
                n < 3 ? 0.5f * ft - 30.0f + 30.0f * Real(n) : 150.0f - 0.5f * ft + 30.0f * Real(n - 3);
            satelliteTimers[place] = t + 30;
        }
    }
    if (t >= 2 * kSwarmReaimPeriod && t % kSwarmReaimPeriod == 0) ReaimSwarm();
    const float facing = facingAngle * kRadToDegRotation;
    for (int32_t k = 0; k < kSatelliteCount; ++k) {
        if (satellites[k] == -1) continue;
        const Vec3 p = GetEnemyChildPosition(satellites[k]);
        const float step = Real(satelliteTimers[k]) / 10.0f;
        const Muzzle to = PointAround(p.x, p.y, step, step, satelliteAngles[k]);
        satellites[k] = MoveEnemyChild(satellites[k], to.x, to.y, facing);
        if (satelliteTimers[k] > 0) --satelliteTimers[k];
    }
}

void GrandMagicStone::ReaimSwarm() {
    facingAngle = AimAngle(x, y);
    for (int32_t k = 0; k < kSatelliteCount; ++k) {
        if (satellites[k] == -1) continue;
        const Vec3 p = GetEnemyChildPosition(satellites[k]);
        // Above or below the box first, then beside it; inside, anywhere.
        float a;
        if (p.y <= kSwarmTop)
            a = 45.0f + RandomTenths(900);
        else if (p.y >= kSwarmBottom)
            a = 225.0f + RandomTenths(900);
        else if (p.x <= kSwarmLeft)
            a = RandomTenths(900) - 45.0f;
        else if (p.x >= kSwarmRight)
            a = 135.0f + RandomTenths(900);
        else
            a = RandomTenths(3600);
        satelliteAngles[k] = a;
        satelliteTimers[k] = 60;
    }
}

// Two posts: three satellites circling each anchor and one standing on it.
void GrandMagicStone::FormSentinels(int32_t t) {
    vectors[0] = Vec3{390.0f, 200.0f, 0.0f};
    vectors[1] = Vec3{890.0f, 200.0f, 0.0f};
    if (t == 0) {
        for (int32_t k = 0; k < 8; ++k) {
            LaunchSatellite(k, k < 4 ? kSpeciesSatellite : kSpeciesSatellite2, k % 4 == 3 ? 44 : 43);
        }
    }
    const float ft = Real(t);
    const float r = Spread(t, 1.25f, 75.0f);
    for (int32_t k = 0; k < 3; ++k) {
        const float left = ft + 120.0f * Real(k);
        const float right = 120.0f * Real(k) - ft;
        satellites[k] = MoveEnemyChildAround(satellites[k], vectors[0].x, vectors[0].y, r, r, left, left);
        satellites[k + 4] = MoveEnemyChildAround(satellites[k + 4], vectors[1].x, vectors[1].y, r, r, right, right);
    }
    satellites[3] = MoveEnemyChild(satellites[3], vectors[0].x, vectors[0].y, 90.0f);
    satellites[7] = MoveEnemyChild(satellites[7], vectors[1].x, vectors[1].y, 90.0f);
}

// The break: to the middle of the playfield amid explosions.
void GrandMagicStone::DriftInBreak(int32_t t) {
    ApproachPoint(640.0f, 360.0f, 1.0f);
    if (t % 2 != 0) return;
    const Muzzle p = RandomPointNear();
    SpawnEffect(kEffectRisingExplosion, p.x, p.y, 0.0f);
}

// Four rings of ten, one a second, each closing in on the boss over three
// seconds, the even rings turning one way and the odd ones the other.
void GrandMagicStone::FormClosingRings(int32_t t) {
    if (t >= 180 && t < 360) ApproachPoint(640.0f, 160.0f, 1.0f);
    for (int32_t g = 0; g < kRingsCount; ++g) {
        const int32_t start = kRingsPeriod * g;
        if (t < start) continue;
        const int32_t first = kGroupSize * g;
        if (t == start) {
            const int32_t species = g == 0 || g == 3 ? kSpeciesSatellite2 : kSpeciesSatellite;
            for (int32_t i = first; i < first + kGroupSize; ++i) LaunchSatellite(i, species, 45);
        }
        const int32_t u = t - start;
        const float r = u < 180 ? 510.0f - 2.5f * Real(u) : 60.0f;
        const float turn = g % 2 == 0 ? Real(u) : -Real(u);
        for (int32_t i = first; i < first + kGroupSize; ++i) {
            satellites[i] = MoveEnemyChildAround(satellites[i], x, y, r, r, 36.0f * Real(i) + turn, 36.0f * Real(i));
        }
    }
}

// A group of ten every second (the sub-mode names it) on an ellipse that
// widens to 600 x 120 about where the boss stood, rises and falls away.
void GrandMagicStone::FormEllipses(int32_t t) {
    if (t == 0) CancelEnemyBullets(0);
    if (t % kRingsPeriod == 0) {
        const int32_t g = subMode;
        vectors[g] = Vec3{x, y, z};
        satelliteTimers[g] = 1;
        const int32_t species = g % 2 == 0 ? kSpeciesSatellite2 : kSpeciesSatellite;
        for (int32_t i = kGroupSize * g; i < kGroupSize * (g + 1); ++i) LaunchSatellite(i, species, 46);
        subMode = g < kRingsCount - 1 ? g + 1 : 0;
    }
    for (int32_t g = 0; g < kRingsCount; ++g) {
        const int32_t age = satelliteTimers[g];
        if (age <= 0) continue;
        const float ft = Real(age);
        const float turn = g % 2 == 0 ? 0.5f * ft : -0.5f * ft;
        const float rx = age < kFormationFrames ? 5.0f * ft : 300.0f;
        const float ry = age < kFormationFrames ? ft : 60.0f;
        for (int32_t i = kGroupSize * g; i < kGroupSize * (g + 1); ++i) {
            satellites[i] =
                MoveEnemyChildAround(satellites[i], vectors[g].x, vectors[g].y, rx, ry, 36.0f * Real(i) + turn, 0.0f);
        }
        vectors[g].y += ft / 10.0f - 6.0f;
        satelliteTimers[g] = age + 1;
    }
}
