#include "world_snapshot.h"

#include <algorithm>
#include <iterator>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/random.h"
#include "core/result.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "field/field_state.h"
#include "species/cave/enemy_child.h"

namespace benchsupport {

struct WorldSnapshot::World {
    Enemy enemies[kEnemyCount];
    EnemyChild satellites[kEnemyChildCount];
    Bullet enemyBullets[kEnemyBulletCount];
    Bullet lances[kPlayerShotCount];
    Item items[kItemCount];
    EffectPoolArrays effects;
    DamagePopup damageNumbers[kDamagePopupCount];
    EmotionNumber emotionNumbers[kEmotionNumberCount];
    ScorePopup scorePopups[kScorePopupCount];
    PopupHold holds[3];
    EnemyGaugeRecord enemyGauges[kEnemyStatusCount];
    EnemyGaugeRecord satelliteGauges[kEnemyChildStatusCount];
    int32_t drawOrder[kEnemyCount];
    int32_t drawLayer[kEnemyCount];
    int32_t drawCount;
    Player knight;
    FieldState fields[4];
    CaveFieldState cave;
    float gauges[kEmotionGaugeCount];
    int32_t counters[11];
    float bulletSpeedScale;
    float scrollSpeed;
    ResultRecord result;
    uint32_t randomState;
};

namespace {

uint32_t RandomState = 1;
int32_t ScriptedRandom() {
    RandomState = RandomState * 1103515245u + 12345u;
    return static_cast<int32_t>((RandomState >> 16) & 0x7FFF);
}

// The single values a frame changes, in one fixed order.
int32_t* const kCounters[11] = {&MagnetTimer,   &CoinCount,      &BigCoinCount,         &ExpItemCount,
                                &BigExpItemCount, &BaseScore,    &HitsTakenCount,       &ResultPending,
                                &ExplosionSoundCount, &TransitionFadeCounter, &WhiteoutCounter};
FieldState* const kFields[4] = {&FieldGrassDayState, &FieldGrassNightState, &FieldCanyonDayState,
                                &FieldCanyonNightState};

template <typename T, size_t N>
void CopyArray(const T (&from)[N], T (&to)[N]) {
    std::copy(std::begin(from), std::end(from), std::begin(to));
}

}  // namespace

void StartScriptedRandom() {
    RandomState = 1;
    SetRandomScript(ScriptedRandom);
}

WorldSnapshot::WorldSnapshot() : world_(std::make_unique<World>()) {}
WorldSnapshot::~WorldSnapshot() = default;

void WorldSnapshot::Take() {
    World& w = *world_;
    CopyArray(EnemyPool, w.enemies);
    CopyArray(EnemyChildPool, w.satellites);
    CopyArray(EnemyBulletPool, w.enemyBullets);
    CopyArray(PlayerShotPool, w.lances);
    CopyArray(ItemPool, w.items);
    w.effects = EffectPool;
    CopyArray(DamageNumberPool, w.damageNumbers);
    CopyArray(EmotionNumberPool, w.emotionNumbers);
    CopyArray(ScorePopupPool, w.scorePopups);
    w.holds[0] = DamagePopupThrottle;
    w.holds[1] = EmotionNumberHold1;
    w.holds[2] = EmotionNumberHold4;
    CopyArray(EnemyStatusTable, w.enemyGauges);
    CopyArray(EnemyChildStatusTable, w.satelliteGauges);
    CopyArray(EnemyDrawOrder, w.drawOrder);
    CopyArray(EnemyDrawLayer, w.drawLayer);
    w.drawCount = EnemyDrawCount;
    w.knight = ThePlayer;
    for (int i = 0; i < 4; ++i) w.fields[i] = *kFields[i];
    w.cave = FieldCaveState;
    CopyArray(EmotionGauges, w.gauges);
    for (int i = 0; i < 11; ++i) w.counters[i] = *kCounters[i];
    w.bulletSpeedScale = BulletSpeedScale;
    w.scrollSpeed = ScrollSpeed;
    w.result = ResultState;
    w.randomState = RandomState;
}

void WorldSnapshot::Restore() const {
    const World& w = *world_;
    CopyArray(w.enemies, EnemyPool);
    CopyArray(w.satellites, EnemyChildPool);
    CopyArray(w.enemyBullets, EnemyBulletPool);
    RestartEnemyBulletSearch();
    CopyArray(w.lances, PlayerShotPool);
    CopyArray(w.items, ItemPool);
    EffectPool = w.effects;
    CopyArray(w.damageNumbers, DamageNumberPool);
    CopyArray(w.emotionNumbers, EmotionNumberPool);
    CopyArray(w.scorePopups, ScorePopupPool);
    DamagePopupThrottle = w.holds[0];
    EmotionNumberHold1 = w.holds[1];
    EmotionNumberHold4 = w.holds[2];
    CopyArray(w.enemyGauges, EnemyStatusTable);
    CopyArray(w.satelliteGauges, EnemyChildStatusTable);
    CopyArray(w.drawOrder, EnemyDrawOrder);
    CopyArray(w.drawLayer, EnemyDrawLayer);
    EnemyDrawCount = w.drawCount;
    ThePlayer = w.knight;
    for (int i = 0; i < 4; ++i) *kFields[i] = w.fields[i];
    FieldCaveState = w.cave;
    CopyArray(w.gauges, EmotionGauges);
    for (int i = 0; i < 11; ++i) *kCounters[i] = w.counters[i];
    BulletSpeedScale = w.bulletSpeedScale;
    ScrollSpeed = w.scrollSpeed;
    ResultState = w.result;
    RandomState = w.randomState;
}

}  // namespace benchsupport
