#include "support/pool_census.h"

#include <cmath>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "species/cave/enemy_child.h"

namespace testsupport {

namespace {

struct PoolInfo {
    const char* name;
    int size;
};
constexpr PoolInfo kPools[kPoolCount] = {
    {"enemies", kEnemyCount},
    {"satellites", kEnemyChildCount},
    {"enemy bullets", kEnemyBulletCount},
    {"lances", kPlayerShotCount},
    {"items", kItemCount},
    {"effects", kEffectCount},
    {"score popups", kScorePopupCount},
    {"emotion numbers", kEmotionNumberCount},
    {"damage numbers", kDamagePopupCount},
    {"enemy gauges", kEnemyStatusCount},
    {"satellite gauges", kEnemyChildGaugeCount},
};

template <typename T>
int CountLive(const T* pool, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) n += pool[i].active != 0 ? 1 : 0;
    return n;
}

bool Finite(float x, float y, float z) { return std::isfinite(x) && std::isfinite(y) && std::isfinite(z); }

// The first live slot of `pool` at a non-finite position, as "<what> <slot>".
template <typename T>
std::string FirstNonFinite(const char* what, const T* pool, int count) {
    for (int i = 0; i < count; ++i)
        if (pool[i].active != 0 && !Finite(pool[i].x, pool[i].y, pool[i].z)) return std::string(what) + " " + std::to_string(i);
    return {};
}

}  // namespace

int PoolCensus::Total() const {
    int n = 0;
    for (int v : live) n += v;
    return n;
}

const char* PoolName(int pool) { return kPools[pool].name; }
int PoolSize(int pool) { return kPools[pool].size; }

PoolCensus TakePoolCensus() {
    PoolCensus c;
    c.live[kPoolEnemies] = CountLive(EnemyPool, kEnemyCount);
    c.live[kPoolSatellites] = CountLive(EnemyChildPool, kEnemyChildCount);
    c.live[kPoolEnemyBullets] = CountLive(EnemyBulletPool, kEnemyBulletCount);
    c.live[kPoolPlayerShots] = CountLive(PlayerShotPool, kPlayerShotCount);
    c.live[kPoolItems] = CountLive(ItemPool, kItemCount);
    for (int i = 0; i < kEffectCount; ++i) c.live[kPoolEffects] += EffectPool.active[i] != 0 ? 1 : 0;
    c.live[kPoolScorePopups] = CountLive(ScorePopupPool, kScorePopupCount);
    c.live[kPoolEmotionNumbers] = CountLive(EmotionNumberPool, kEmotionNumberCount);
    c.live[kPoolDamagePopups] = CountLive(DamageNumberPool, kDamagePopupCount);
    c.live[kPoolEnemyGauges] = CountLive(EnemyStatusTable, kEnemyStatusCount);
    c.live[kPoolSatelliteGauges] = CountLive(EnemyChildStatusTable, kEnemyChildGaugeCount);
    return c;
}

std::string FirstNonFinitePosition() {
    const Player& p = ThePlayer;
    if (!Finite(p.x, p.y, p.z)) return "the knight";
    for (int i = 0; i < Player::kParticleCount; ++i) {
        const Vec3& at = p.particlePosition[i];
        if (p.particleActive[i] != 0 && !Finite(at.x, at.y, at.z)) return "knight particle " + std::to_string(i);
    }
    std::string bad = FirstNonFinite("enemy", EnemyPool, kEnemyCount);
    if (bad.empty()) bad = FirstNonFinite("satellite", EnemyChildPool, kEnemyChildCount);
    if (bad.empty()) bad = FirstNonFinite("enemy bullet", EnemyBulletPool, kEnemyBulletCount);
    if (bad.empty()) bad = FirstNonFinite("lance", PlayerShotPool, kPlayerShotCount);
    if (bad.empty()) bad = FirstNonFinite("item", ItemPool, kItemCount);
    if (bad.empty()) bad = FirstNonFinite("score popup", ScorePopupPool, kScorePopupCount);
    if (bad.empty()) bad = FirstNonFinite("emotion number", EmotionNumberPool, kEmotionNumberCount);
    if (bad.empty()) bad = FirstNonFinite("damage number", DamageNumberPool, kDamagePopupCount);
    if (!bad.empty()) return bad;
    for (int i = 0; i < kEffectCount; ++i)
        if (EffectPool.active[i] != 0 && !Finite(EffectPool.x[i], EffectPool.y[i], EffectPool.z[i]))
            return "effect " + std::to_string(i);
    return {};
}

std::string DrawListFault() {
    if (EnemyDrawCount < 0 || EnemyDrawCount > kEnemyCount)
        return "the enemies' draw list counts " + std::to_string(EnemyDrawCount);
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyDrawOrder[i] < -1 || EnemyDrawOrder[i] >= kEnemyCount)
            return "draw list entry " + std::to_string(i) + " names slot " + std::to_string(EnemyDrawOrder[i]);
    return {};
}

}  // namespace testsupport
