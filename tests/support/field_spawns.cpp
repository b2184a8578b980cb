#include "support/field_spawns.h"

#include "enemy/enemy.h"

namespace testsupport {

std::vector<SpawnEvent>& FieldSpawns() {
    static std::vector<SpawnEvent> spawns;
    return spawns;
}

int32_t RunFieldFrame(int32_t (*update)(), const FieldState& state) {
    bool wasActive[kEnemyCount];
    for (int i = 0; i < kEnemyCount; ++i) wasActive[i] = EnemyPool[i].active != 0;
    const int32_t frame = state.frame;
    const int32_t result = update();
    for (int i = 0; i < kEnemyCount; ++i) {
        const Enemy& e = EnemyPool[i];
        if (wasActive[i] || e.active == 0) continue;
        FieldSpawns().push_back(MakeSpawnEvent(frame, e.species, e.variant, e.x, e.y, e.route, e.grade));
    }
    return result;
}

}  // namespace testsupport
