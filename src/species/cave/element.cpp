#include "species/cave/element.h"

#include "core/game_codes.h"
#include "core/saturate.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr float kMargin = 200.0f;
constexpr int32_t kSpreadFrames = 90;   // the satellites move out to their rings over these frames

// Bullets cancelled first, the middle burst, one big orb and a ring of 7, 8 or 10.
constexpr OrdinaryDeath kElementDeath{
    .burst = DeathBurst::kMiddle,
    .cancel = DeathCancel::kBeforeBurst,
    .bigItem = true,
    .ring = {{{7, 8, 10}, {7, 8, 10}, {7, 8, 10}}},
};

bool Commands(int32_t variant) { return variant >= 0 && variant <= 3; }

// Variant 0 puts species 101 on the even places, the others species 102.
int32_t SatelliteSpecies(int32_t variant, int32_t i) {
    const bool even = i % 2 == 0;
    return (variant == 0) == even ? kSpeciesSatellite : kSpeciesSatellite2;
}

int32_t SatellitePattern(int32_t variant) { return variant <= 1 ? 0 : variant - 1; }

// Where satellite i stands at age t: angle and radius about the body, and the
// direction it fires along.
struct Orbit {
    float angle, radius, facing;
};

Orbit OrbitOf(int32_t variant, int32_t species, int32_t i, int32_t t) {
    const float ft = Real(t);
    const float fi = Real(i);
    const bool spreading = t < kSpreadFrames;
    if (variant >= 2) {   // fixed points on a half circle below the body
        const float a = 30.0f * fi + 15.0f;
        return Orbit{a, spreading ? 1.666f * ft : 150.0f, a};
    }
    const float facing = 2.0f * ft + 60.0f * fi;
    if (species == kSpeciesSatellite) {   // the inner ring
        const float a = variant == 0 ? facing : 60.0f * fi - 2.0f * ft;
        return Orbit{a, spreading ? 0.833f * ft : 75.0f, facing};
    }
    const float a = variant == 0 ? -60.0f * fi - 2.0f * ft : 60.0f * fi + 2.0f * ft;   // the outer ring
    return Orbit{a, spreading ? 1.666f * ft : 150.0f, facing};
}

}   // namespace

void Element::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesElement, level); }

void Element::Update() {
    if (status.hp < 1) {
        RemoveEnemyChildren(satellites, kChildKill);
        DieOrdinary(kElementDeath);
        return;
    }
    AdvanceBobCounter();
    Move();
    ++phaseTimer;
    RemoveWhenOutside(kMargin, [this] { RemoveEnemyChildren(satellites, kChildRemoveSilently); });
}

void Element::Move() {
    const int32_t t = phaseTimer;
    if (Commands(variant)) {
        if (t < 60) y += 10.0f - 0.166f * Real(t);
        if (t >= 360) y += Real(360 - t) * 0.111f;
        if (t == 0) {
            for (int32_t i = 0; i < kSatelliteCount; ++i)
                satellites[i] = SpawnEnemyChild(SatelliteSpecies(variant, i), SatellitePattern(variant), x, y, 1,
                                                status.attack, status.attack2);
        }
        for (int32_t i = 0; i < kSatelliteCount; ++i) {
            if (!IsSatelliteIndex(satellites[i])) continue;
            const Orbit o = OrbitOf(variant, EnemyChildPool[satellites[i]].species, i, t);
            satellites[i] = MoveEnemyChildAround(satellites[i], x, y, o.radius, o.radius, o.angle, o.facing);
        }
    }
    ApplyBob();
}

void Element::Draw() { DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 28.0f, 2.0f, 2.0f); }
