#include "field/schedule.h"

#include "enemy/enemy.h"

void SpawnFieldEnemy(const SpawnEvent& event) {
    SpawnEnemy(event.species, event.variant, event.x, event.y, event.route, event.level);
}

void RunSchedule(const SpawnSchedule& s, int32_t frame, int32_t fieldRoute) {
    ForEachEventAt(s, frame, fieldRoute, [](const SpawnEvent& e) { SpawnFieldEnemy(e); });
}
