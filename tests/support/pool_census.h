#pragma once
// What the static pools hold: live objects per pool and whether every live
// object stands at a finite position. Shared by the playthrough test and the
// soak program, which look at it after every frame.
#include <string>

namespace testsupport {

enum PoolId {
    kPoolEnemies,
    kPoolSatellites,
    kPoolEnemyBullets,
    kPoolPlayerShots,
    kPoolItems,
    kPoolEffects,
    kPoolScorePopups,
    kPoolEmotionNumbers,
    kPoolDamagePopups,
    kPoolEnemyGauges,
    kPoolSatelliteGauges,
    kPoolCount,
};

struct PoolCensus {
    int live[kPoolCount] = {};
    int Total() const;
};

// The pool's name and its number of slots.
const char* PoolName(int pool);
int PoolSize(int pool);

// Counts the live slots of every pool.
PoolCensus TakePoolCensus();

// Empty when every live object of every pool, the knight and its particles
// stand at finite positions; else names the first that does not.
std::string FirstNonFinitePosition();

// Empty when the enemies' draw list is sound: its count within the pool and
// every entry a slot of the pool or -1.
std::string DrawListFault();

}  // namespace testsupport
