#pragma once
// Shared set-up for the field timeline tests: a clean slate of fields, pool,
// fades and gauges, the spawns the field frames make (run them through
// testsupport::RunFieldFrame), and enemies planted straight into the pool
// (the tests stand in for species that come and go).
#include <gtest/gtest.h>

#include <vector>

#include "core/emotion.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/result.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "field/schedule.h"
#include "support/busy_field.h"
#include "support/field_spawns.h"

namespace field_test {

inline std::vector<SpawnEvent>& Spawns() { return testsupport::FieldSpawns(); }

// Puts an active enemy of the species into the first free slot; its index.
inline int Plant(int32_t species, float x = 640.0f, float y = 100.0f) {
    for (int i = 0; i < kEnemyCount; ++i) {
        if (EnemyPool[i].active != 0) continue;
        EnemyPool[i].active = 1;
        EnemyPool[i].species = species;
        EnemyPool[i].x = x;
        EnemyPool[i].y = y;
        EnemyPool[i].z = 0.0f;
        return i;
    }
    return -1;
}

inline void Retire(int slot) {
    EnemyPool[slot].active = 0;
    EnemyPool[slot].species = 0;
    EnemyPool[slot].x = EnemyPool[slot].y = EnemyPool[slot].z = 0.0f;
}

// The small and middle enemies leave at once (they have no behaviour here).
inline void ClearSmallEnemies() {
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && !IsBossSpecies(EnemyPool[i].species)) Retire(i);
}

inline void RetireAll(int32_t species) {
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) Retire(i);
}

// Makes sure an enemy of the species stands in the pool (the spawner may not
// have placed one).
inline void EnsureActive(int32_t species, float x = 640.0f, float y = 100.0f);

inline bool AnyActive(int32_t species) {
    for (const Enemy& e : EnemyPool)
        if (e.active != 0 && e.species == species) return true;
    return false;
}

inline void EnsureActive(int32_t species, float x, float y) {
    if (!AnyActive(species)) Plant(species, x, y);
}

// Gauges (1..4) that make the route choice give `route`; 5 and 6 at 500.
inline void SetGaugesForRoute(int32_t route) {
    const float r1[4] = {400, 600, 400, 600};
    const float r2[4] = {600, 400, 400, 600};
    const float r3[4] = {400, 600, 600, 400};
    const float* g = route == 1 ? r1 : route == 2 ? r2 : r3;
    for (int i = 0; i < 4; ++i) EmotionGauges[i] = g[i];
    EmotionGauges[4] = EmotionGauges[5] = 500.0f;
}

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetPlayState();
        SetGaugesForRoute(1);
        Spawns().clear();
    }
    void TearDown() override { testsupport::ResetPlayState(); }
};

}  // namespace field_test
